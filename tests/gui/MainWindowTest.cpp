#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "core/AnswerFile.h"
#include "core/TAnswer.h"
#include "text/Messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

using namespace scrivix;

namespace {

QTreeWidgetItem* treeItem(QTreeWidget* tree, const QString& text)
{
    const QList<QTreeWidgetItem*> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

QAction* displayMenuEntry(QMainWindow* window, const QString& category, const QString& text)
{
    for (QAction* menu : window->menuBar()->actions()) {
        if (menu->text() != QLatin1String("&Display"))
            continue;
        for (QAction* sub : menu->menu()->actions()) {
            if (sub->text() != category)
                continue;
            for (QAction* entry : sub->menu()->actions()) {
                if (entry->text() == text)
                    return entry;
            }
        }
    }
    return nullptr;
}

QAction* menuEntry(QMainWindow* window, const QString& menuText, const QString& text)
{
    for (QAction* menu : window->menuBar()->actions()) {
        if (menu->text() != menuText)
            continue;
        for (QAction* entry : menu->menu()->actions()) {
            if (entry->text() == text)
                return entry;
        }
    }
    return nullptr;
}

void focus(QWidget* field)
{
    field->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(field->hasFocus());
}

} // namespace

TEST_F(MainWindowTest, FirstStartCreatesTheFoldersSettingsAndTemplates)
{
    const QDir scrivix(QDir(home.path()).filePath(QStringLiteral("Tessivar/Scrivix")));
    EXPECT_TRUE(scrivix.exists(QStringLiteral("Files")));
    EXPECT_TRUE(scrivix.exists(QStringLiteral("Temp")));
    EXPECT_TRUE(scrivix.exists(QStringLiteral("Templates/page0.rtf")));
    EXPECT_TRUE(scrivix.exists(QStringLiteral("Templates/page1.rtf")));
    ASSERT_TRUE(scrivix.exists(QStringLiteral("scrivix.ini")));
    QFile ini(scrivix.filePath(QStringLiteral("scrivix.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().startsWith(
        (scrivix.filePath(QStringLiteral("Files")) + QStringLiteral("\r\n")).toUtf8()));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Untitled.scx"));
    EXPECT_EQ(window->currentPageNo(), -1);
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join(QLatin1Char('|')).toStdString();
}

TEST_F(MainWindowTest, TheTreeAndTheDisplayMenuShowPages)
{
    auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem* executors = treeItem(tree, QStringLiteral("Deed, Executor's Under Will"));
    ASSERT_NE(executors, nullptr);
    Q_EMIT tree->itemClicked(executors, 0);
    window->finishFadeIn();
    EXPECT_EQ(window->currentPageNo(), 0);
    ASSERT_NE(edit(1001), nullptr);
    EXPECT_TRUE(edit(1001)->hasFocus());
    EXPECT_TRUE(executors->isSelected());

    QAction* fiduciary = displayMenuEntry(
        window.get(), QStringLiteral("Real Estate"), QStringLiteral("Deed, Fiduciary's Statutory"));
    ASSERT_NE(fiduciary, nullptr);
    fiduciary->trigger();
    window->finishFadeIn();
    EXPECT_EQ(window->currentPageNo(), 1);
    auto* grantors = control<QPushButton>(206);
    ASSERT_NE(grantors, nullptr);
    EXPECT_TRUE(grantors->hasFocus());
    EXPECT_EQ(edit(1001), nullptr);

    // The same document in both places shows the same page.
    for (const auto& [category, menuText, treeText] :
         {std::tuple{"Estate Planning", "Do Not Resuscitate (DNR)", "Do Not Resuscitate"},
          std::tuple{"Estate Planning", "Will, Single, Children", "Will, Single, Children"},
          std::tuple{"Miscellaneous", "Collection Letter", "Collection Letter"}}) {
        QAction* entry =
            displayMenuEntry(window.get(), QString::fromUtf8(category), QString::fromUtf8(menuText));
        QTreeWidgetItem* item = treeItem(tree, QString::fromUtf8(treeText));
        ASSERT_NE(entry, nullptr) << menuText;
        ASSERT_NE(item, nullptr) << treeText;
        EXPECT_EQ(entry->data().toInt(), item->data(0, Qt::UserRole).toInt()) << menuText;
    }
}

TEST_F(MainWindowTest, AMoneyFieldReformatsMovesOnAndCalculates)
{
    showPage(0);
    QLineEdit* consideration = edit(2021);
    ASSERT_NE(consideration, nullptr);
    QLineEdit* words = edit(1020);
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(consideration->text(), QStringLiteral("0.00"));
    ASSERT_FALSE(window->isModified());

    focus(consideration);
    consideration->selectAll();
    QTest::keyClicks(consideration, QStringLiteral("2500"));
    QTest::keyClick(consideration, Qt::Key_Return);
    QApplication::processEvents();

    EXPECT_EQ(consideration->text(), QStringLiteral("2,500.00"));
    EXPECT_FALSE(consideration->hasFocus());
    EXPECT_EQ(words->text(), QStringLiteral("Two Thousand Five Hundred and 00/100"));
    EXPECT_EQ(window->answers().text(0, 21), QStringLiteral("2,500.00"));
    EXPECT_TRUE(window->isModified());
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join(QLatin1Char('|')).toStdString();
}

TEST_F(MainWindowTest, OverrideAndCancelOverride)
{
    showPage(0);
    QLineEdit* words = edit(1020);
    ASSERT_NE(words, nullptr);
    EXPECT_TRUE(words->isReadOnly());
    EXPECT_EQ(words->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDEABLE"));

    focus(words);
    QTest::mouseDClick(words, Qt::LeftButton);
    EXPECT_FALSE(words->isReadOnly());
    EXPECT_EQ(words->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDDEN"));
    EXPECT_TRUE(window->answers().ovRide(0, 20));
    EXPECT_TRUE(window->isModified());
    QAction* cancel = menuEntry(window.get(), QStringLiteral("&Options"), QStringLiteral("&Cancel Override"));
    QAction* override = menuEntry(window.get(), QStringLiteral("&Options"), QStringLiteral("&Override"));
    ASSERT_NE(cancel, nullptr);
    ASSERT_NE(override, nullptr);
    EXPECT_TRUE(cancel->isVisible());
    EXPECT_FALSE(override->isVisible());

    words->setText(QStringLiteral("Ten Dollars and other good and valuable consideration"));
    cancel->trigger();
    EXPECT_TRUE(words->isReadOnly());
    EXPECT_EQ(words->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDEABLE"));
    EXPECT_FALSE(window->answers().ovRide(0, 20));
    EXPECT_EQ(words->text(), QStringLiteral("No and 00/100"));
    EXPECT_TRUE(override->isVisible());

    // A plain text field offers no override.
    focus(edit(1007));
    EXPECT_FALSE(override->isVisible());
    EXPECT_FALSE(cancel->isVisible());
}

TEST_F(MainWindowTest, SwitchingPagesKeepsEachPagesAnswersAndTheModifiedFlag)
{
    showPage(0);
    edit(1007)->setText(QStringLiteral("Robert Smith"));
    showPage(1);
    EXPECT_EQ(window->answers().text(0, 7), QStringLiteral("Robert Smith"));
    edit(1003)->setText(QStringLiteral("Trustee"));
    window->setModified(false);
    showPage(0);
    EXPECT_FALSE(window->isModified());
    EXPECT_EQ(edit(1007)->text(), QStringLiteral("Robert Smith"));
    EXPECT_EQ(window->answers().text(1, 3), QStringLiteral("Trustee"));
    window->setModified(true);
    showPage(1);
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(edit(1003)->text(), QStringLiteral("Trustee"));
}

TEST_F(MainWindowTest, GhostPromptsReloadTheScreen)
{
    showPage(0);
    EXPECT_FALSE(edit(1007)->placeholderText().isEmpty());
    QAction* ghost = menuEntry(window.get(), QStringLiteral("&Options"), QStringLiteral("Ghost Prompts"));
    ASSERT_NE(ghost, nullptr);
    EXPECT_TRUE(ghost->isChecked());
    ghost->trigger();
    window->finishFadeIn();
    EXPECT_FALSE(ghost->isChecked());
    EXPECT_TRUE(edit(1007)->placeholderText().isEmpty());
    ghost->trigger();
    window->finishFadeIn();
    EXPECT_FALSE(edit(1007)->placeholderText().isEmpty());
}

TEST_F(MainWindowTest, AMissingScreenFileShowsItsMessageAndAnEmptyPanel)
{
    showPage(0);
    window->setModified(true);
    showPage(5);
    EXPECT_EQ(messages->texts(), QStringList({CreateErrorString(16020)}));
    EXPECT_EQ(window->currentPageNo(), 5);
    EXPECT_EQ(edit(1007), nullptr);
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Untitled.scx"));
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsks)
{
    showPage(0);
    window->setModified(true);
    prompts.saveAnswer = QMessageBox::Cancel;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.saveQuestions, 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isModified());

    prompts.saveAnswer = QMessageBox::No;
    window->answers().setText(0, 1, QStringLiteral("kept only in memory"));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompts.saveQuestions, 2);
    EXPECT_TRUE(QDir(window->settings().clientFilesFolder).entryList(QDir::Files).isEmpty());
}

TEST_F(MainWindowTest, ClosingWithYesSavesTheClient)
{
    showPage(1);
    edit(1003)->setText(QStringLiteral("Administrator"));
    window->setModified(true);
    prompts.saveAnswer = QMessageBox::Yes;
    prompts.saveFile = QDir(window->settings().clientFilesFolder).filePath(QStringLiteral("Able.doc"));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(messages->texts(), QStringList({CreateErrorString(11010)}));
    const QString saved = QDir(window->settings().clientFilesFolder).filePath(QStringLiteral("Able.scx"));
    ASSERT_TRUE(QFileInfo::exists(saved));
    TAnswer store;
    AnswerFile::load(saved, store);
    EXPECT_EQ(store.text(1, 3), QStringLiteral("Administrator"));
    EXPECT_EQ(store.LastDocNo, 1);
}
