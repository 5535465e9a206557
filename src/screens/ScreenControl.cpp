#include "screens/ScreenControl.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>

namespace scrivix {

const char* const ScreenControl::EditOverrideable = "EDITOVERRIDEABLE";
const char* const ScreenControl::EditOverridden = "EDITOVERRIDDEN";
const char* const ScreenControl::EditReadOnly = "EDITREADONLY";
const char* const ScreenControl::CheckBoxOverrideable = "CHECKBOXOVERRIDEABLE";
const char* const ScreenControl::CheckBoxOverridden = "CHECKBOXOVERRIDDEN";

ScreenControl::Kind ScreenControl::kindOf(const QObject* control)
{
    if (qobject_cast<const QLabel*>(control))
        return Kind::Label;
    if (qobject_cast<const QLineEdit*>(control))
        return Kind::Edit;
    if (qobject_cast<const QPlainTextEdit*>(control))
        return Kind::Memo;
    if (qobject_cast<const QCheckBox*>(control))
        return Kind::CheckBox;
    if (qobject_cast<const QRadioButton*>(control))
        return Kind::RadioButton;
    if (qobject_cast<const QAbstractButton*>(control))
        return Kind::Button;
    return Kind::Other;
}

int ScreenControl::tag(const QObject* control)
{
    return control->property("Tag").toInt();
}

QString ScreenControl::style(const QObject* control)
{
    return control->property("StyleLookup").toString().toUpper();
}

void ScreenControl::setStyle(QWidget* control, const QString& style)
{
    if (control->property("StyleLookup").toString() == style)
        return;
    control->setProperty("StyleLookup", style);
    control->style()->unpolish(control);
    control->style()->polish(control);
    control->update();
}

bool ScreenControl::isHelpButton(const QObject* control)
{
    return kindOf(control) == Kind::Button && control->objectName().toUpper().contains(QLatin1String("HELP"));
}

bool ScreenControl::isCalculatedEdit(const QObject* control)
{
    const QString s = style(control);
    return kindOf(control) == Kind::Edit &&
           (s == QLatin1String(EditOverrideable) || s == QLatin1String(EditOverridden));
}

bool ScreenControl::isCalculatedCheckBox(const QObject* control)
{
    const QString s = style(control);
    return kindOf(control) == Kind::CheckBox &&
           (s == QLatin1String(CheckBoxOverrideable) || s == QLatin1String(CheckBoxOverridden));
}

} // namespace scrivix
