#include "screens/ScreenBinding.h"

#include "core/TAnswer.h"
#include "screens/ScreenControl.h"
#include "text/EditFormats.h"
#include "text/Messages.h"
#include "text/Wording.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <exception>

namespace scrivix {

namespace {

using Kind = ScreenControl::Kind;

const QLatin1String kChecked("X");
constexpr int kEstOffset = 1000;

QList<QWidget*> childWidgets(QWidget* container)
{
    return container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

QString memoText(const QString& answer)
{
    return SplitLines(answer).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void showOverride(QLineEdit* edit, bool overridden)
{
    edit->setReadOnly(!overridden);
    ScreenControl::setStyle(
        edit, QLatin1String(overridden ? ScreenControl::EditOverridden : ScreenControl::EditOverrideable));
}

void showAnswer(QWidget* control, const TAnswer& store, int pageNo)
{
    const int tag = ScreenControl::tag(control);
    switch (ScreenControl::kindOf(control)) {
    case Kind::Label:
        if (tag != 0)
            static_cast<QLabel*>(control)->setText(store.text(pageNo, tag));
        break;
    case Kind::RadioButton:
        if (tag != 0)
            static_cast<QRadioButton*>(control)->setChecked(store.text(pageNo, tag) == kChecked);
        break;
    case Kind::Memo: {
        auto* memo = static_cast<QPlainTextEdit*>(control);
        const QString text = memoText(store.text(pageNo, tag));
        if (memo->toPlainText() != text)
            memo->setPlainText(text);
        break;
    }
    case Kind::Edit: {
        auto* edit = static_cast<QLineEdit*>(control);
        const int kind = tag / 1000;
        if (!EditFormats::isBound(kind))
            break;
        const int answerNo = tag % 1000;
        const QString text = EditFormats::display(kind, store.text(pageNo, answerNo));
        if (edit->text() != text)
            edit->setText(text);
        if (ScreenControl::isCalculatedEdit(edit))
            showOverride(edit, store.ovRide(pageNo, answerNo));
        break;
    }
    case Kind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(control);
        const bool est = tag >= kEstOffset;
        const int answerNo = est ? tag - kEstOffset : tag;
        box->setChecked(store.text(pageNo, answerNo) == kChecked);
        if (est)
            box->setText(box->isChecked() ? QStringLiteral("EST") : QString());
        else if (ScreenControl::isCalculatedCheckBox(box))
            ScreenControl::setStyle(box,
                                    QLatin1String(store.ovRide(pageNo, answerNo)
                                                      ? ScreenControl::CheckBoxOverridden
                                                      : ScreenControl::CheckBoxOverrideable));
        break;
    }
    case Kind::Button:
    case Kind::Other:
        break;
    }
}

void storeAnswer(QWidget* control, TAnswer& store, int pageNo)
{
    const int tag = ScreenControl::tag(control);
    switch (ScreenControl::kindOf(control)) {
    case Kind::RadioButton:
        if (tag != 0)
            store.setText(
                pageNo, tag, static_cast<QRadioButton*>(control)->isChecked() ? kChecked : QString());
        break;
    case Kind::Memo:
        store.setText(pageNo, tag, JoinLines(static_cast<QPlainTextEdit*>(control)->toPlainText()));
        break;
    case Kind::Edit: {
        const int kind = tag / 1000;
        if (EditFormats::isBound(kind))
            store.setText(
                pageNo, tag % 1000, EditFormats::store(kind, static_cast<QLineEdit*>(control)->text()));
        break;
    }
    case Kind::CheckBox: {
        const int answerNo = tag >= kEstOffset ? tag - kEstOffset : tag;
        store.setText(pageNo, answerNo, static_cast<QCheckBox*>(control)->isChecked() ? kChecked : QString());
        break;
    }
    case Kind::Label:
    case Kind::Button:
    case Kind::Other:
        break;
    }
}

} // namespace

void ScreenBinding::Answer2Components(QWidget* container, const TAnswer& store, int pageNo)
{
    if (!container || !store.hasTable())
        return;
    try {
        for (QWidget* child : childWidgets(container)) {
            showAnswer(child, store, pageNo);
            Answer2Components(child, store, pageNo);
        }
    } catch (const std::exception&) {
        ShowNumberedMessage(14010);
    }
}

void ScreenBinding::Components2Answers(QWidget* container, TAnswer& store, int pageNo)
{
    if (!container || !store.hasTable())
        return;
    try {
        for (QWidget* child : childWidgets(container)) {
            storeAnswer(child, store, pageNo);
            Components2Answers(child, store, pageNo);
        }
    } catch (const std::exception&) {
        ShowNumberedMessage(14020);
    }
}

} // namespace scrivix
