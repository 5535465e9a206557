#include "app/StyleSheet.h"

namespace scrivix {

QString scrivixStyleSheet()
{
    return QStringLiteral(R"(
QLineEdit[StyleLookup="EDITOVERRIDEABLE"] { background: #f0ffff; color: #000000; }
QLineEdit[StyleLookup="EDITOVERRIDDEN"] { background: #f0ffff; color: #ff0000; }
QLineEdit[StyleLookup="EDITREADONLY"] { background: #fff8dc; }
QLineEdit[StyleLookup="NONESSENTIALEDITSTYLE"] { color: #1f4e9c; }
QLabel[StyleLookup="NONESSENTIALLABELSTYLE"] { color: #1f4e9c; }
QPlainTextEdit[StyleLookup="MEMOREADONLY"] { background: #fff8dc; }
QCheckBox[StyleLookup="CHECKBOXOVERRIDDEN"] { color: #ff0000; }
QFrame[StyleLookup="CALLOUTPANELSTYLE"] {
    background: #ffdead; border: 1px solid #808080; border-radius: 4px; padding: 6px;
}
QFrame[StyleLookup="CALLOUTPANELSTYLE"] QLabel { background: transparent; }
QGroupBox { font-weight: bold; margin-top: 10px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 4px; }
QGroupBox QLabel, QGroupBox QCheckBox, QGroupBox QLineEdit, QGroupBox QPlainTextEdit, QGroupBox QPushButton {
    font-weight: normal;
}
QWidget#pnlMainForm { background: #fbfbf8; }
QToolBar#pnlCaptionButtonBar QToolButton { padding: 1px 6px; }
)");
}

} // namespace scrivix
