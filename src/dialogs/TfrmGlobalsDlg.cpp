#include "dialogs/TfrmGlobalsDlg.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace scrivix {

namespace {

struct GlobalField
{
    GlobalDefault which;
    // A label with a buddy shows "&&" as "&".
    const char* label;
    const char* editName;
};

// The fields from top to bottom.
constexpr GlobalField kGlobalFields[] = {
    {GlobalDefault::AttorneyName, "Attorney's Name", "edtAttorneyName"},
    {GlobalDefault::BuildingDesignation, "Building or Designation", "edtBuildingDesignation"},
    {GlobalDefault::StreetAddress, "Street Address", "edtStreetAddress"},
    {GlobalDefault::CityStateZip, "City, State && ZIP", "edtCityStateZip"},
    {GlobalDefault::TelephoneFax, "Telephone/FAX No.", "edtTelephoneFax"},
    {GlobalDefault::EMail, "EMail Address", "edtEMail"},
    {GlobalDefault::SupremeCtRegNo, "Supreme Court Reg No.", "edtSupremeCtRegNo"},
    {GlobalDefault::PoliticalSubdivision, "Default Political Subdivision", "edtPoliticalSubdivision"},
    {GlobalDefault::City, "Default City", "edtCity"},
    {GlobalDefault::County, "Default County", "edtCounty"},
    {GlobalDefault::State, "Default State", "edtState"},
    {GlobalDefault::Month, "Default Month", "edtMonth"},
    {GlobalDefault::Year, "Default Year", "edtYear"},
    {GlobalDefault::Notary, "Default Notary Signature", "edtNotary"},
};
static_assert(std::size(kGlobalFields) == GlobalDefaults::Count);

constexpr int kRowPitch = 28;

QFont pixelFont(const QFont& base, int pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

TfrmGlobalsDlg::TfrmGlobalsDlg(const GlobalDefaults& globals, QWidget* parent)
    : QDialog(parent), m_globals(globals)
{
    setObjectName(QStringLiteral("frmGlobalsDlg"));
    setWindowTitle(QStringLiteral("Global Variables"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setFixedSize(ClientWidth, ClientHeight);
    setStyleSheet(QStringLiteral(R"(
QFrame[StyleLookup="PinkPanel"] { background: #f7dde4; border-bottom: 1px solid #d9a3b2; }
QFrame[StyleLookup="PinkPanel"] QLabel { background: transparent; color: #3b1f2b; }
)"));

    auto* band = new QFrame(this);
    band->setObjectName(QStringLiteral("pnlTitle"));
    band->setProperty("StyleLookup", QStringLiteral("PinkPanel"));
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(12, 6, 12, 6);
    auto* title = new QLabel(QStringLiteral("Set Global Values"), band);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFont(pixelFont(font(), 22, true));
    title->setAlignment(Qt::AlignCenter);
    bandLayout->addWidget(title);

    auto* form = new QFormLayout;
    form->setContentsMargins(24, 10, 24, 4);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(0);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const GlobalField& field : kGlobalFields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(field.editName));
        edit->setFixedHeight(kRowPitch - 4);
        auto* label = new QLabel(QString::fromUtf8(field.label), this);
        label->setBuddy(edit);
        label->setFixedHeight(kRowPitch);
        form->addRow(label, edit);
        m_edits[std::size_t(field.which)] = edit;
    }

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* button : {ok, cancel}) {
        button->setFont(pixelFont(font(), 15, true));
        button->setMinimumSize(110, 32);
    }
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmGlobalsDlg::btnOkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(24, 4, 24, 12);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);

    FormCreate();
}

bool TfrmGlobalsDlg::edit(GlobalDefaults& globals, QWidget* parent)
{
    TfrmGlobalsDlg dialog(globals, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    globals = dialog.globals();
    return true;
}

void TfrmGlobalsDlg::FormCreate()
{
    for (const GlobalField& field : kGlobalFields)
        m_edits[std::size_t(field.which)]->setText(m_globals.value(field.which));
    m_edits.front()->setFocus(Qt::OtherFocusReason);
}

void TfrmGlobalsDlg::btnOkClick()
{
    for (const GlobalField& field : kGlobalFields)
        m_globals.setValue(field.which, m_edits[std::size_t(field.which)]->text());
    accept();
}

} // namespace scrivix
