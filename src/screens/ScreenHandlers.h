#pragma once

class QPoint;
class QWidget;

namespace scrivix {

// What the controls of a loaded screen call when the user works in them. The
// main window implements these; the screen layer wires them to the controls.
class ScreenHandlers
{
public:
    virtual ~ScreenHandlers() = default;

    // Leaving an edit or check box: reformat, calculate, store.
    virtual void CalcOnExit(QWidget* field) = 0;
    // Entering a field or button: scroll it into view, make it current.
    virtual void ScrollOnEnter(QWidget* field) = 0;
    // The user changed an edit, memo or check box.
    virtual void ControlChange(QWidget* field) = 0;
    // Double-click on a calculated edit.
    virtual void OverrideClick(QWidget* field) = 0;
    // A help button: show or hide its callout.
    virtual void CalloutDispatch(QWidget* helpButton) = 0;
    // A dialog button: open its party list or bequest dialog.
    virtual void DialogDispatch(QWidget* button) = 0;
    // The context menu of an edit or check box.
    virtual void showPopup(QWidget* field, const QPoint& globalPos) = 0;
};

} // namespace scrivix
