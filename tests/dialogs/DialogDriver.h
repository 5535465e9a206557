#pragma once

#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

// Drives the dialogs the way a user does: shown and active, keys typed into
// the widget that has the focus.
namespace DialogDriver {

// Shows a dialog without blocking and makes it the active window, so that
// key presses reach it.
inline bool showActive(QWidget* dialog)
{
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog))
        return false;
    dialog->activateWindow();
    QApplication::setActiveWindow(dialog);
    return QTest::qWaitForWindowActive(dialog);
}

// Runs the action on the modal dialog that the code under test is about to
// open, once it is the active window; the action must close it. It receives
// null when no dialog opened.
inline void whenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, qApp, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            modal->activateWindow();
            QApplication::setActiveWindow(modal);
            (void)QTest::qWaitForWindowActive(modal);
        }
        action(modal);
    });
}

inline QWidget* focused()
{
    return QApplication::focusWidget();
}

// Moves to the cell, opens its editor and types the text over what it held.
inline void typeIntoCell(QTableWidget* grid, int row, int column, const QString& text)
{
    grid->setCurrentCell(row, column);
    if (!grid->viewport()->isAncestorOf(focused()))
        grid->editItem(grid->item(row, column));
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(focused(), Qt::Key_Delete);
    else
        QTest::keyClicks(focused(), text);
}

} // namespace DialogDriver
