#pragma once

#include <QObject>

namespace scrivix {

class ScreenHandlers;

// Turns the focus and mouse events of a screen's controls into the field
// handlers: entering, leaving, double-clicking a calculated edit. Focus that
// moves to a menu or another window is not a field exit.
class ScreenEventFilter : public QObject
{
    Q_OBJECT

public:
    ScreenEventFilter(ScreenHandlers& handlers, QObject* parent);

    // Off while a screen is being torn down, so a dying field is not "left".
    void setEnabled(bool enabled) { m_enabled = enabled; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ScreenHandlers& m_handlers;
    bool m_enabled = true;
};

} // namespace scrivix
