#include "dialogs/TfrmSpecBeqDlg.h"

#include "core/TAnswer.h"
#include "text/Wording.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace scrivix {

namespace {

const QString kDefaultOwnership = QStringLiteral("absolutely and in fee simple");
const QString kChecked = QStringLiteral("X");

// Where each field of a bequest sits among its nine answers.
enum BequestAnswer {
    DescriptionAnswer,
    NameAnswer,
    RelationshipAnswer,
    InterestAnswer,
    OwnershipAnswer,
    TermsAnswer,
    PerStirpesAnswer,
    PerCapitaAnswer,
    ContingentAnswer,
};

QFont pixelFont(const QFont& base, int pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A memo shows its answer's line separators as line breaks.
QString memoText(const QString& answer)
{
    return SplitLines(answer).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

QString TfrmSpecBeqDlg::caption(const TAnswer& store, int k)
{
    const QString name = store.text(BequestPage, firstAnswer(k) + NameAnswer);
    return name.isEmpty() ? QStringLiteral("Specific Bequest %1").arg(k) : name;
}

TfrmSpecBeqDlg::TfrmSpecBeqDlg(TAnswer& store, int k, QWidget* parent)
    : QDialog(parent), m_store(store), m_first(firstAnswer(k))
{
    setObjectName(QStringLiteral("frmSpecBeqDlg"));
    setWindowTitle(QStringLiteral("Specific Bequest Dialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setFixedSize(ClientWidth, ClientHeight);
    buildWindow();
    FormCreate();
}

void TfrmSpecBeqDlg::buildWindow()
{
    setStyleSheet(QStringLiteral(R"(
QFrame[StyleLookup="PinkPanel"] { background: #f7dde4; border-bottom: 1px solid #d9a3b2; }
QFrame[StyleLookup="PinkPanel"] QLabel { background: transparent; color: #3b1f2b; }
)"));
    const QFont labelFont = pixelFont(font(), 15);
    const QFont fieldFont = pixelFont(font(), 16);

    auto* band = new QFrame(this);
    band->setObjectName(QStringLiteral("pnlTitle"));
    band->setProperty("StyleLookup", QStringLiteral("PinkPanel"));
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(12, 8, 12, 8);
    auto* title = new QLabel(QStringLiteral("Specific Bequest"), band);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFont(pixelFont(font(), 24, true));
    title->setAlignment(Qt::AlignCenter);
    bandLayout->addWidget(title);

    const auto lineEdit = [&](const char* name, const QString& prompt) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setFont(fieldFont);
        edit->setPlaceholderText(prompt);
        return edit;
    };
    const auto memo = [&](const char* name, int lines) {
        auto* edit = new QPlainTextEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setFont(fieldFont);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setTabChangesFocus(true);
        edit->setFixedHeight(QFontMetrics(fieldFont).lineSpacing() * lines + 12);
        return edit;
    };
    m_description = memo("memDescription", 6);
    m_description->setPlaceholderText(QStringLiteral("e.g. my 1965 Steinway grand piano"));
    m_name = lineEdit("edtName", QStringLiteral("e.g. Mary A. Smith"));
    m_name->setAlignment(Qt::AlignCenter);
    m_relationship = lineEdit("edtRelationship", QStringLiteral("son"));
    m_interest = lineEdit("edtInterest", QStringLiteral("an undivided one-half interest"));
    m_ownership = lineEdit("edtOwnership", QString());
    m_terms = memo("memTerms", 4);
    m_contingent = lineEdit("edtContingent", QString());

    m_perStirpes = new QRadioButton(QStringLiteral("per stirpes"), this);
    m_perStirpes->setObjectName(QStringLiteral("rbtnPerStirpes"));
    m_perCapita = new QRadioButton(QStringLiteral("per capita"), this);
    m_perCapita->setObjectName(QStringLiteral("rbtnPerCapita"));
    m_predeceased = new QButtonGroup(this);
    for (QRadioButton* button : {m_perStirpes, m_perCapita}) {
        QFont italic = labelFont;
        italic.setItalic(true);
        button->setFont(italic);
        m_predeceased->addButton(button);
        connect(button, &QRadioButton::clicked, this, &TfrmSpecBeqDlg::rbtnPerStirpesClick);
    }
    connect(m_contingent, &QLineEdit::textEdited, this, &TfrmSpecBeqDlg::edtContingentEdited);

    // The fields in the order the will's sentence reads: what, to whom, how
    // much of it and how; then where it goes if the beneficiary dies first.
    auto* fields = new QGridLayout;
    fields->setContentsMargins(16, 12, 16, 4);
    fields->setHorizontalSpacing(12);
    fields->setVerticalSpacing(8);
    fields->setColumnStretch(1, 1);
    int row = 0;
    const auto addRow = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setFont(labelFont);
        label->setWordWrap(true);
        label->setBuddy(field);
        label->setFixedWidth(280);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setContentsMargins(0, 4, 0, 0);
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
        ++row;
    };
    addRow(QStringLiteral("Describe the property bequested"), m_description);
    addRow(QStringLiteral("Name(s)"), m_name);
    addRow(QStringLiteral("Relationship"), m_relationship);
    addRow(QStringLiteral("Optional Interest"), m_interest);
    addRow(QStringLiteral("Ownership"), m_ownership);
    addRow(QStringLiteral(
               "Optional Terms or Conditions (i.e. \"on the condition that he complete high school\")"),
           m_terms);

    // Per stirpes, per capita, or else the contingent beneficiary on the row below.
    auto* predeceased = new QWidget(this);
    predeceased->setObjectName(QStringLiteral("pnlPredeceased"));
    auto* choice = new QHBoxLayout(predeceased);
    choice->setContentsMargins(0, 2, 0, 2);
    choice->setSpacing(18);
    auto* orLabel = new QLabel(QStringLiteral("OR"), predeceased);
    orLabel->setFont(pixelFont(font(), 15, true));
    choice->addWidget(m_perStirpes);
    choice->addWidget(m_perCapita);
    choice->addWidget(orLabel);
    choice->addStretch(1);
    addRow(QStringLiteral("If predeceased, bequest shall pass:"), predeceased);
    addRow(QStringLiteral("To contingent beneficiary"), m_contingent);
    fields->setRowStretch(row, 1);

    const auto button = [&](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QLatin1String(name));
        b->setFont(pixelFont(font(), 16, true));
        b->setMinimumSize(120, 36);
        return b;
    };
    QPushButton* ok = button("btnOk", "Ok");
    QPushButton* cancel = button("btnCancel", "Cancel");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmSpecBeqDlg::btnOkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addLayout(fields, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(16, 8, 16, 12);
    buttonRow->addStretch(1);
    buttonRow->addWidget(ok);
    buttonRow->addWidget(cancel);
    layout->addLayout(buttonRow);

    setTabOrder(m_description, m_name);
    setTabOrder(m_name, m_relationship);
    setTabOrder(m_relationship, m_interest);
    setTabOrder(m_interest, m_ownership);
    setTabOrder(m_ownership, m_terms);
    setTabOrder(m_terms, m_perStirpes);
    setTabOrder(m_perStirpes, m_perCapita);
    setTabOrder(m_perCapita, m_contingent);
    setTabOrder(m_contingent, ok);
    setTabOrder(ok, cancel);
    m_description->setFocus(Qt::OtherFocusReason);
}

void TfrmSpecBeqDlg::FormCreate()
{
    const auto answer = [this](int n) { return m_store.text(BequestPage, m_first + n); };
    m_bequest.Description = answer(DescriptionAnswer);
    m_bequest.Name = answer(NameAnswer);
    m_bequest.Relationship = answer(RelationshipAnswer);
    m_bequest.Interest = answer(InterestAnswer);
    m_bequest.Ownership = answer(OwnershipAnswer);
    if (m_bequest.Ownership.isEmpty())
        m_bequest.Ownership = kDefaultOwnership;
    m_bequest.Terms = answer(TermsAnswer);
    m_bequest.PerStirpes = answer(PerStirpesAnswer) == kChecked;
    m_bequest.PerCapita = answer(PerCapitaAnswer) == kChecked;
    m_bequest.ContingentBene = answer(ContingentAnswer);

    m_description->setPlainText(memoText(m_bequest.Description));
    m_name->setText(m_bequest.Name);
    m_relationship->setText(m_bequest.Relationship);
    m_interest->setText(m_bequest.Interest);
    m_ownership->setText(m_bequest.Ownership);
    m_terms->setPlainText(memoText(m_bequest.Terms));
    // Both marked in an old file: the group can show only one, per stirpes wins.
    m_perStirpes->setChecked(m_bequest.PerStirpes);
    m_perCapita->setChecked(m_bequest.PerCapita && !m_bequest.PerStirpes);
    m_contingent->setText(m_bequest.ContingentBene);
}

// Either way of passing the bequest on replaces a named contingent beneficiary.
void TfrmSpecBeqDlg::rbtnPerStirpesClick()
{
    m_contingent->clear();
}

// A contingent beneficiary replaces per stirpes and per capita. Only typing
// counts: moving through the field with Tab or the arrow keys changes nothing.
void TfrmSpecBeqDlg::edtContingentEdited(const QString& text)
{
    if (text.isEmpty())
        return;
    m_predeceased->setExclusive(false);
    m_perStirpes->setChecked(false);
    m_perCapita->setChecked(false);
    m_predeceased->setExclusive(true);
}

void TfrmSpecBeqDlg::btnOkClick()
{
    m_bequest.Description = JoinLines(m_description->toPlainText());
    m_bequest.Name = m_name->text();
    m_bequest.Relationship = m_relationship->text();
    m_bequest.Interest = m_interest->text();
    m_bequest.Ownership = m_ownership->text();
    m_bequest.Terms = JoinLines(m_terms->toPlainText());
    m_bequest.PerStirpes = m_perStirpes->isChecked();
    m_bequest.PerCapita = m_perCapita->isChecked();
    m_bequest.ContingentBene = m_contingent->text();

    const auto store = [this](int n, const QString& text) {
        m_store.setText(BequestPage, m_first + n, text);
    };
    store(DescriptionAnswer, m_bequest.Description);
    store(NameAnswer, m_bequest.Name);
    store(RelationshipAnswer, m_bequest.Relationship);
    store(InterestAnswer, m_bequest.Interest);
    store(OwnershipAnswer, m_bequest.Ownership);
    store(TermsAnswer, m_bequest.Terms);
    store(PerStirpesAnswer, m_bequest.PerStirpes ? kChecked : QString());
    store(PerCapitaAnswer, m_bequest.PerCapita ? kChecked : QString());
    store(ContingentAnswer, m_bequest.ContingentBene);
    accept();
}

} // namespace scrivix
