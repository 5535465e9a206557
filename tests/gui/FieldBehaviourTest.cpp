#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "text/ShortDate.h"
#include "text/Wording.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace scrivix;

namespace {

QAction* optionsEntry(QMainWindow* window, const QString& text)
{
    for (QAction* menu : window->menuBar()->actions()) {
        if (menu->text() == QLatin1String("&Options")) {
            for (QAction* entry : menu->menu()->actions()) {
                if (entry->text() == text)
                    return entry;
            }
        }
    }
    return nullptr;
}

} // namespace

TEST_F(MainWindowTest, InsertUnderlineAndToday)
{
    showPage(0);
    QLineEdit* day = edit(1009);
    ASSERT_NE(day, nullptr);
    day->setFocus();
    QApplication::processEvents();
    QAction* underline = optionsEntry(window.get(), QStringLiteral("Insert Underline"));
    QAction* today = optionsEntry(window.get(), QStringLiteral("Insert Today"));
    ASSERT_TRUE(underline && today);
    EXPECT_TRUE(underline->isVisible());

    underline->trigger();
    EXPECT_EQ(day->text(), QStringLiteral("_____"));
    underline->trigger();
    EXPECT_EQ(day->text(), QStringLiteral("__________"));
    day->setText(QStringLiteral("11th"));
    underline->trigger();
    EXPECT_EQ(day->text(), QStringLiteral("11th"));

    today->trigger();
    EXPECT_EQ(day->text(), ConvertDate(ShortDate::format(QDate::currentDate())));
    EXPECT_TRUE(window->isModified());
}

TEST_F(MainWindowTest, HelpButtonsShowAndHideTheirCallout)
{
    showPage(0);
    QPushButton* help = nullptr;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->objectName().contains(QLatin1String("help"), Qt::CaseInsensitive) &&
            !button->property("HelpText").toString().isEmpty()) {
            help = button;
            break;
        }
    }
    ASSERT_NE(help, nullptr);
    help->click();
    auto* callout = help->property("callout").value<QWidget*>();
    ASSERT_NE(callout, nullptr);
    EXPECT_TRUE(callout->isVisible());
    auto* label = callout->findChild<QLabel*>(QStringLiteral("CalloutLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), help->property("HelpText").toString());
    help->click();
    EXPECT_FALSE(callout->isVisible());
}

TEST_F(MainWindowTest, PagingKeysAndEnteringAFieldScrollTheScreen)
{
    showPage(0);
    auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("VertScrollBox1"));
    ASSERT_NE(scroll, nullptr);
    QScrollBar* bar = scroll->verticalScrollBar();
    QTest::qWait(20); // the layouts settle
    ASSERT_GT(bar->maximum(), 0) << "the screen should be taller than the window";
    const int half = scroll->viewport()->height() / 2;

    QLineEdit* first = edit(1001);
    first->setFocus();
    QApplication::processEvents();
    QTest::keyClick(first, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), std::min(half, bar->maximum()));
    QTest::keyClick(first, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(first, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(first, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);

    // A field far below the visible part is scrolled to the middle when entered.
    QLineEdit* preparer = edit(1064);
    ASSERT_NE(preparer, nullptr);
    preparer->setFocus();
    QApplication::processEvents();
    EXPECT_GT(bar->value(), 0);
    const int top = preparer->mapTo(scroll->widget(), QPoint(0, 0)).y() - bar->value();
    EXPECT_GE(top, 0);
    EXPECT_LT(top, scroll->viewport()->height());
}
