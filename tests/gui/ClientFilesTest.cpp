#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "core/AnswerFile.h"
#include "core/TAnswer.h"
#include "text/Messages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QProcess>

using namespace scrivix;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList recentMenuTexts(QMainWindow* window)
{
    QStringList texts;
    for (int i = 0; i < 9; ++i) {
        auto* entry = window->findChild<QAction*>(QStringLiteral("mnuRecent%1").arg(i));
        if (entry && entry->isVisible())
            texts.append(entry->text());
    }
    return texts;
}

// Makes a folder refuse new files: by its permissions, or, for root, by the
// immutable attribute. False when neither works here.
bool refuseWrites(const QString& folder)
{
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.close();
    probe.remove();
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) != 0)
        return false;
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.close();
    probe.remove();
    return false;
}

void allowWrites(const QString& folder)
{
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

TEST_F(MainWindowTest, SaveAsOpenAndReopenRoundTrips)
{
    const QDir files(window->settings().clientFilesFolder);
    showPage(0);
    edit(1007)->setText(QStringLiteral("Robert Smith"));
    window->setModified(true);

    // A name that does not end in .scx is changed, with a message.
    prompts.saveFile = files.filePath(QStringLiteral("Smith.doc"));
    window->SaveAsClick();
    EXPECT_EQ(messages->texts(), QStringList({CreateErrorString(11010)}));
    const QString smith = files.filePath(QStringLiteral("Smith.scx"));
    EXPECT_EQ(window->currentFile(), smith);
    EXPECT_FALSE(window->isModified());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Smith.scx"));
    EXPECT_EQ(recentMenuTexts(window.get()), QStringList({QStringLiteral("Smith.scx")}));

    // New starts an empty client with no page.
    window->NewClick();
    EXPECT_EQ(window->currentPageNo(), -1);
    EXPECT_EQ(window->currentFile(), QStringLiteral("Untitled.scx"));
    EXPECT_TRUE(window->answers().text(0, 7).isEmpty());

    // Open shows the page that was on screen at saving, with its answers.
    prompts.openFile = smith;
    window->OpenClick();
    EXPECT_EQ(window->currentPageNo(), 0);
    ASSERT_NE(edit(1007), nullptr);
    EXPECT_EQ(edit(1007)->text(), QStringLiteral("Robert Smith"));
    EXPECT_FALSE(window->isModified());

    // Change, answer No to saving, and re-open: the change is gone, asked once.
    edit(1007)->setText(QStringLiteral("changed"));
    window->setModified(true);
    prompts.saveAnswer = QMessageBox::No;
    window->ReOpenClick(0);
    EXPECT_EQ(prompts.saveQuestions, 1);
    EXPECT_EQ(edit(1007)->text(), QStringLiteral("Robert Smith"));
    EXPECT_EQ(window->answers().text(0, 7), QStringLiteral("Robert Smith"));

    // Save writes the same file again.
    edit(1007)->setText(QStringLiteral("Robert A. Smith"));
    window->setModified(true);
    window->SaveFile();
    EXPECT_FALSE(window->isModified());
    TAnswer saved;
    AnswerFile::load(smith, saved);
    EXPECT_EQ(saved.text(0, 7), QStringLiteral("Robert A. Smith"));
}

TEST_F(MainWindowTest, TheDefaultAnswerFilePresetsNewClientsAndShowsNoPage)
{
    const QString defaults =
        QDir(window->settings().clientFilesFolder).filePath(QStringLiteral("default.scx"));
    window->answers().setText(0, 64, QStringLiteral("Alice Attorney"));
    showPage(0);
    prompts.saveFile = defaults;
    window->SaveAsClick();
    EXPECT_EQ(contents(defaults).split('\n').value(2), QByteArray("-1\r"));

    window->NewClick();
    EXPECT_EQ(window->answers().text(0, 64), QStringLiteral("Alice Attorney"));
    prompts.openFile = QDir(window->settings().clientFilesFolder).filePath(QStringLiteral("DEFAULT.SCX"));
    QFile::rename(defaults, prompts.openFile);
    window->OpenClick();
    EXPECT_EQ(window->currentPageNo(), -1);
    EXPECT_EQ(edit(1064), nullptr);
}

TEST_F(MainWindowTest, CancellingSaveAsKeepsTheModifiedFlag)
{
    showPage(1);
    window->setModified(true);
    prompts.saveFile.clear();
    window->SaveFile();
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(window->currentFile(), QStringLiteral("Untitled.scx"));
    // The next New still asks.
    prompts.saveAnswer = QMessageBox::Cancel;
    window->NewClick();
    EXPECT_EQ(prompts.saveQuestions, 1);
    EXPECT_EQ(window->currentPageNo(), 1);
}

TEST_F(MainWindowTest, TheRecentListMovesReopenedFilesToTheFrontAndKeepsNine)
{
    const QDir files(window->settings().clientFilesFolder);
    TAnswer store;
    QStringList paths;
    for (int i = 0; i < 11; ++i) {
        paths.append(files.filePath(QStringLiteral("Client%1.scx").arg(i)));
        AnswerFile::save(paths.last(), store, -1);
        prompts.openFile = paths.last();
        window->OpenClick();
    }
    QStringList expected;
    for (int i = 10; i >= 2; --i)
        expected.append(QStringLiteral("Client%1.scx").arg(i));
    EXPECT_EQ(recentMenuTexts(window.get()), expected);

    // A path that differs only in letter case moves the entry instead of adding one.
    prompts.openFile = files.filePath(QStringLiteral("CLIENT5.SCX"));
    ASSERT_TRUE(QFile::copy(paths.at(5), prompts.openFile));
    window->OpenClick();
    expected.removeAll(QStringLiteral("Client5.scx"));
    expected.prepend(QStringLiteral("Client5.scx"));
    EXPECT_EQ(recentMenuTexts(window.get()), expected);
    EXPECT_EQ(window->settings().recentFiles.size(), 9);
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    const QString folder = QDir(home.path()).filePath(QStringLiteral("locked"));
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("Jones.scx"));
    showPage(0);
    edit(1007)->setText(QStringLiteral("first version"));
    prompts.saveFile = path;
    window->SaveAsClick();
    const QByteArray before = contents(path);
    ASSERT_FALSE(before.isEmpty());

    if (!refuseWrites(folder)) {
        allowWrites(folder);
        GTEST_SKIP() << "cannot make a folder refuse writes on this machine";
    }
    edit(1007)->setText(QStringLiteral("second version"));
    window->setModified(true);
    const qsizetype shown = messages->texts().size();
    window->SaveFile();
    allowWrites(folder);

    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(messages->texts().size(), shown + 1);
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({QStringLiteral("Jones.scx")}));
}

TEST_F(MainWindowTest, SavingCharactersTheFileCannotHoldAsksFirst)
{
    showPage(0);
    edit(1007)->setText(QString::fromUtf8("Nguy\u1ec5n Van An"));
    prompts.saveFile = QDir(window->settings().clientFilesFolder).filePath(QStringLiteral("Nguyen.scx"));
    window->setModified(true);
    prompts.saveLossy = false;
    window->SaveAsClick();
    EXPECT_TRUE(prompts.lossyDetails.contains(QStringLiteral("Deed, Executor's Under Will, answer 7")))
        << prompts.lossyDetails.toStdString();
    EXPECT_TRUE(window->isModified());
    EXPECT_FALSE(QFileInfo::exists(prompts.saveFile));

    prompts.saveLossy = true;
    window->SaveFile();
    EXPECT_FALSE(window->isModified());
    TAnswer saved;
    AnswerFile::load(prompts.saveFile, saved);
    EXPECT_EQ(saved.text(0, 7), QStringLiteral("Nguy?n Van An"));
}

TEST_F(MainWindowTest, SaveAsGivesEveryNameTheScxExtension)
{
    const QDir files(window->settings().clientFilesFolder);
    const struct
    {
        const char* chosen;
        const char* saved;
        bool message;
    } cases[] = {
        {"Smith.doc", "Smith.scx", true},
        {"Jones", "Jones.scx", true},
        {"Smith, Robert A. estate", "Smith, Robert A. estate.scx", true},
        {"Lee.SCX", "Lee.SCX", false},
    };
    for (const auto& c : cases) {
        const qsizetype shown = messages->texts().size();
        prompts.saveFile = files.filePath(QString::fromUtf8(c.chosen));
        window->SaveAsClick();
        EXPECT_EQ(window->currentFile(), files.filePath(QString::fromUtf8(c.saved))) << c.chosen;
        EXPECT_TRUE(QFileInfo::exists(files.filePath(QString::fromUtf8(c.saved)))) << c.chosen;
        EXPECT_EQ(messages->texts().size() - shown, c.message ? 1 : 0) << c.chosen;
    }
}
