#include "MainWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QTest>

using namespace scrivix;

void MainWindowTest::SetUp()
{
    ASSERT_TRUE(home.isValid());
    savedHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    messages = std::make_unique<MessageRecorder>();
    window = std::make_unique<TfrmMain>(folders(), &prompts, &launcher);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
}

void MainWindowTest::TearDown()
{
    window->setModified(false);
    window.reset();
    messages.reset();
    qputenv("HOME", savedHome);
}

Folders MainWindowTest::folders() const
{
    Folders folders = Folders::defaults();
    folders.screens = QStringLiteral(SCRIVIX_DATA_DIR "/PSF");
    folders.shippedTemplates = QStringLiteral(SCRIVIX_DATA_DIR "/Templates");
    folders.program = QDir(home.path()).filePath(QStringLiteral("program"));
    return folders;
}

void MainWindowTest::showPage(int pageNo)
{
    window->DisplayAPage(pageNo);
    window->finishFadeIn();
    QApplication::processEvents();
}
