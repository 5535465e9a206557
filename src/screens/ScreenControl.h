#pragma once

#include <QString>

class QObject;
class QWidget;

namespace scrivix {

// What the program reads of a screen control: its kind, its Tag and its style
// name (compared in upper case).
class ScreenControl
{
public:
    enum class Kind { Other, Label, Edit, Memo, CheckBox, RadioButton, Button };

    static Kind kindOf(const QObject* control);
    static int tag(const QObject* control);
    static QString style(const QObject* control);
    // Sets the style name and re-applies the style sheet to the control.
    static void setStyle(QWidget* control, const QString& style);

    static bool isHelpButton(const QObject* control);
    static bool isCalculatedEdit(const QObject* control);
    static bool isCalculatedCheckBox(const QObject* control);

    static const char* const EditOverrideable;
    static const char* const EditOverridden;
    static const char* const EditReadOnly;
    static const char* const CheckBoxOverrideable;
    static const char* const CheckBoxOverridden;
};

} // namespace scrivix
