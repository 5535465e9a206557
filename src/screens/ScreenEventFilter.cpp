#include "screens/ScreenEventFilter.h"

#include "screens/ScreenControl.h"
#include "screens/ScreenHandlers.h"

#include <QFocusEvent>
#include <QWidget>

namespace scrivix {

ScreenEventFilter::ScreenEventFilter(ScreenHandlers& handlers, QObject* parent)
    : QObject(parent), m_handlers(handlers)
{
}

bool ScreenEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_enabled || !watched->isWidgetType())
        return false;
    auto* field = static_cast<QWidget*>(watched);
    const ScreenControl::Kind kind = ScreenControl::kindOf(field);
    switch (event->type()) {
    case QEvent::FocusIn:
        m_handlers.ScrollOnEnter(field);
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool leftTheField = reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
        if (leftTheField && (kind == ScreenControl::Kind::Edit || kind == ScreenControl::Kind::CheckBox))
            m_handlers.CalcOnExit(field);
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (ScreenControl::isCalculatedEdit(field) &&
            ScreenControl::style(field) == QLatin1String(ScreenControl::EditOverrideable)) {
            m_handlers.OverrideClick(field);
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace scrivix
