#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "core/TAnswer.h"
#include "dialogs/TfrmSelectedForms.h"
#include "text/Messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>

using namespace scrivix;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Ticks a page in the selected-forms dialog and confirms it.
std::function<int(QDialog&)> choose(int pageNo)
{
    return [pageNo](QDialog& dialog) {
        auto& forms = dynamic_cast<TfrmSelectedForms&>(dialog);
        forms.boxForPage(pageNo)->setChecked(true);
        forms.OkClick();
        return forms.result();
    };
}

} // namespace

TEST_F(MainWindowTest, PreviewWithoutAPageChoosesTheDocumentAndWritesTheMergedTemplate)
{
    window->answers().setText(1, 70, QStringLiteral("Ann Able"));
    window->answers().setText(1, 71, QStringLiteral("F"));
    window->answers().setText(1, 5, QStringLiteral("1250"));
    prompts.onDialog = choose(1);
    window->PreviewPrint();
    EXPECT_EQ(prompts.dialogs, QStringList({QStringLiteral("frmSelectedForms")}));
    EXPECT_EQ(window->currentPageNo(), 1);
    EXPECT_EQ(edit(1003), nullptr); // the page's screen is not loaded

    const QString output = QDir(window->settings().tempFolder).filePath(QStringLiteral("send_temp.rtf"));
    const QByteArray document = contents(output);
    EXPECT_TRUE(document.contains("One Thousand Two Hundred Fifty and 00/100"))
        << document.left(400).toStdString();
    EXPECT_TRUE(document.contains("ANN ABLE"));
    EXPECT_FALSE(document.contains("/*"));
    ASSERT_EQ(launcher.started.size(), launcher.succeeds && !window->settings().forceWordPad ? 1 : 0);
    EXPECT_TRUE(launcher.started.first().endsWith(QStringLiteral("--writer send_temp.rtf in ") +
                                                  window->settings().tempFolder));

    // While the word processor holds the last document, the next one gets another name.
    ASSERT_TRUE(QFile::remove(output));
    ASSERT_TRUE(QDir().mkpath(QDir(output).filePath(QStringLiteral("held"))));
    window->PreviewPrint();
    ASSERT_EQ(launcher.started.size(), 2);
    const QString second = launcher.started.last().section(QLatin1Char(' '), 2, 2);
    EXPECT_TRUE(second.startsWith(QStringLiteral("send_temp")) && second != QStringLiteral("send_temp.rtf"))
        << second.toStdString();
    EXPECT_TRUE(contents(QDir(window->settings().tempFolder).filePath(second)).contains("ANN ABLE"));
}

TEST_F(MainWindowTest, PreviewCancelledInTheDialogDoesNothing)
{
    prompts.onDialog = [](QDialog&) { return int(QDialog::Rejected); };
    window->PreviewPrint();
    EXPECT_EQ(window->currentPageNo(), -1);
    EXPECT_TRUE(launcher.started.isEmpty());
}

TEST_F(MainWindowTest, ForcedWordPadOpensTheDesktopsRtfApplication)
{
    showPage(0);
    QAction* wordPad = nullptr;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == QLatin1String("Force WordPad"))
            wordPad = action;
    }
    ASSERT_NE(wordPad, nullptr);
    wordPad->trigger();
    EXPECT_TRUE(wordPad->isChecked());
    window->PreviewPrint();
    EXPECT_TRUE(launcher.started.isEmpty());
    ASSERT_EQ(launcher.opened.size(), 1);
    EXPECT_EQ(QFileInfo(launcher.opened.first()).fileName(), QStringLiteral("send_temp.rtf"));

    launcher.succeeds = false;
    window->PreviewPrint();
    EXPECT_EQ(messages->texts().last(), CreateErrorString(11500));
}

TEST_F(MainWindowTest, TemplatesAreOpenedAndRepairedInTheUsersFolder)
{
    const QString page1 = QDir(window->settings().templatesFolder).filePath(QStringLiteral("page1.rtf"));
    prompts.onDialog = choose(1);
    window->findChild<QAction*>(QStringLiteral("mnuModifyTemplates"))->trigger();
    ASSERT_EQ(launcher.started.size(), 1);
    EXPECT_TRUE(launcher.started.first().contains(QStringLiteral("--writer page1.rtf in ") +
                                                  window->settings().templatesFolder));

    QByteArray broken = contents(page1);
    broken.replace("/*44/", "/*4{\\rtlch\\fcs1 4}/");
    QFile file(page1);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(broken);
    file.close();
    window->mnuCheckTemplateClick();
    EXPECT_EQ(prompts.information, QStringList({QStringLiteral("Check and fix complete.")}));
    EXPECT_TRUE(contents(page1).contains("/*44/"));
    EXPECT_FALSE(contents(page1).contains("rtlch"));
}

TEST_F(MainWindowTest, HelpAndManualOpenFromTheHelpMenu)
{
    window->TableofContentsClick();
    ASSERT_EQ(launcher.opened.size(), 1);
    EXPECT_TRUE(launcher.opened.first().endsWith(QStringLiteral("help/scrivix/default.htm")));

    window->ManualClick();
    EXPECT_EQ(messages->texts(), QStringList({QStringLiteral("The specified file was not found.")}));
    EXPECT_EQ(launcher.opened.size(), 1);

    QDir().mkpath(window->folders().program);
    QFile manual(QDir(window->folders().program).filePath(QStringLiteral("scrivix.pdf")));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.write("%PDF-1.4\n");
    manual.close();
    window->ManualClick();
    EXPECT_EQ(messages->texts().size(), 1);
    ASSERT_EQ(launcher.opened.size(), 2);
    EXPECT_TRUE(launcher.opened.last().endsWith(QStringLiteral("scrivix.pdf")));
}

TEST_F(MainWindowTest, FindWordSearchesAndASecondClickForgetsThePath)
{
    const QString root = QDir(home.path()).filePath(QStringLiteral("opt"));
    const QString office = QDir(root).filePath(QStringLiteral("office7/program/SOFFICE"));
    QDir().mkpath(QFileInfo(office).path());
    QFile file(office);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    window->setWordSearchRoots({QDir(home.path()).filePath(QStringLiteral("nothing-here")), root});

    window->FindWordClick();
    EXPECT_EQ(window->settings().wordPath, office);
    EXPECT_EQ(prompts.information, QStringList({QStringLiteral("Found Word installation.")}));
    window->FindWordClick();
    EXPECT_TRUE(window->settings().wordPath.isEmpty());
    EXPECT_EQ(prompts.information.size(), 1);

    window->setWordSearchRoots({QDir(home.path()).filePath(QStringLiteral("nothing-here"))});
    window->FindWordClick();
    EXPECT_EQ(prompts.information.last(), QStringLiteral("Did not find Word installation."));
}
