#include "screens/ScreenControls.h"

#include "core/TAnswer.h"
#include "dialogs/TfrmSpecBeqDlg.h"
#include "screens/DialogDispatch.h"
#include "screens/ScreenControl.h"
#include "screens/ScreenEventFilter.h"
#include "screens/ScreenHandlers.h"
#include "text/Messages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <exception>
#include <map>

namespace scrivix {

namespace {

using Kind = ScreenControl::Kind;

// The first field of each page, by its Tag: 1001 the text edit of answer 1,
// 2001 and 4001 the money and whole-number edits of answer 1, 200 to 273 the
// party-list buttons.
const std::map<int, int>& firstFocusTable()
{
    static const std::map<int, int> table = [] {
        std::map<int, int> t;
        for (int page : {0,  8,  11, 12, 13, 16, 17, 18, 19, 20, 22, 23, 24, 28, 30, 31, 59,
                         60, 61, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 77, 78})
            t[page] = 1001;
        const std::pair<int, int> others[] = {
            {1, 206},   {2, 208},  {3, 210},  {4, 212},  {6, 200},  {7, 202},  {9, 216},  {10, 218},
            {14, 4001}, {15, 222}, {21, 230}, {25, 235}, {26, 237}, {27, 238}, {29, 239}, {32, 242},
            {33, 244},  {34, 253}, {35, 258}, {36, 261}, {37, 265}, {56, 1},   {62, 273}, {63, 2001},
        };
        for (const auto& [page, tag] : others)
            t[page] = tag;
        return t;
    }();
    return table;
}

void wireButton(QAbstractButton* button, ScreenHandlers& handlers, const TAnswer& store)
{
    const bool help = ScreenControl::isHelpButton(button);
    QObject::connect(button, &QAbstractButton::clicked, button, [&handlers, button, help] {
        if (help)
            handlers.CalloutDispatch(button);
        else
            handlers.DialogDispatch(button);
    });
    if (const int k = DialogDispatch::bequestFor(ScreenControl::tag(button)))
        button->setText(TfrmSpecBeqDlg::caption(store, k));
}

void wirePopup(QWidget* field, ScreenHandlers& handlers)
{
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        field, &QWidget::customContextMenuRequested, field, [&handlers, field](const QPoint& pos) {
            handlers.showPopup(field, field->mapToGlobal(pos));
        });
}

void treat(QWidget* control,
           ScreenHandlers& handlers,
           ScreenEventFilter& events,
           const ScreenControls::Options& options,
           const TAnswer& store)
{
    // Style names are compared in upper case; the style sheet matches them so.
    if (control->property("StyleLookup").isValid())
        control->setProperty("StyleLookup", ScreenControl::style(control));

    switch (ScreenControl::kindOf(control)) {
    case Kind::Label: {
        auto* label = static_cast<QLabel*>(control);
        label->setWordWrap(true);
        if (options.shrinkFonts) {
            QFont font = label->font();
            font.setPointSizeF(font.pointSizeF() - 0.5);
            label->setFont(font);
        }
        break;
    }
    case Kind::Memo: {
        auto* memo = static_cast<QPlainTextEdit*>(control);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->installEventFilter(&events);
        QObject::connect(
            memo, &QPlainTextEdit::textChanged, memo, [&handlers, memo] { handlers.ControlChange(memo); });
        break;
    }
    case Kind::Button:
        wireButton(static_cast<QAbstractButton*>(control), handlers, store);
        control->installEventFilter(&events);
        break;
    case Kind::Edit: {
        auto* edit = static_cast<QLineEdit*>(control);
        const QString style = ScreenControl::style(edit);
        if (style == QLatin1String(ScreenControl::EditOverrideable))
            edit->setReadOnly(true);
        else if (style == QLatin1String(ScreenControl::EditReadOnly))
            edit->setFocusPolicy(Qt::NoFocus);
        QObject::connect(
            edit, &QLineEdit::textEdited, edit, [&handlers, edit] { handlers.ControlChange(edit); });
        edit->installEventFilter(&events);
        wirePopup(edit, handlers);
        if (!options.ghostPrompts)
            edit->setPlaceholderText(QString());
        break;
    }
    case Kind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(control);
        box->setFocusPolicy(Qt::StrongFocus);
        QObject::connect(box, &QCheckBox::clicked, box, [&handlers, box] { handlers.ControlChange(box); });
        box->installEventFilter(&events);
        wirePopup(box, handlers);
        break;
    }
    case Kind::RadioButton:
    case Kind::Other:
        break;
    }
}

} // namespace

void ScreenControls::DisplayControls(QWidget* container,
                                     ScreenHandlers& handlers,
                                     ScreenEventFilter& events,
                                     const Options& options,
                                     const TAnswer& store)
{
    try {
        for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
                DisplayControls(child, handlers, events, options, store);
            treat(child, handlers, events, options, store);
        }
    } catch (const std::exception&) {
        ShowNumberedMessage(14030);
    }
}

int ScreenControls::firstFocusTag(int pageNo)
{
    const auto it = firstFocusTable().find(pageNo);
    return it == firstFocusTable().end() ? 0 : it->second;
}

bool ScreenControls::FocusControlByTag(QWidget* container, int tag)
{
    bool found = false;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        found = FocusControlByTag(child, tag) || found;
        const Kind kind = ScreenControl::kindOf(child);
        const bool focusable =
            kind == Kind::Edit || kind == Kind::CheckBox || kind == Kind::Button || kind == Kind::Memo;
        if (focusable && ScreenControl::tag(child) == tag) {
            child->setFocus(Qt::OtherFocusReason);
            found = true;
        }
    }
    return found;
}

} // namespace scrivix
