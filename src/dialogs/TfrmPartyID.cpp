#include "dialogs/TfrmPartyID.h"

#include "core/TAnswer.h"
#include "text/Messages.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace scrivix {

namespace {

// A grid column of a party kind: its heading and its width in grid units. A
// column without a heading is hidden; its answers are still read and written.
struct PartyColumn
{
    const char* heading;
    double units;
};

struct PartyKind
{
    PartyColumn columns[TfrmPartyID::ColumnCount];
    const char* helpText;
};

constexpr PartyColumn kHidden = {nullptr, 0};

// The column layouts and help texts, by party kind.
// clang-format off
constexpr PartyKind kPartyKinds[] = {
    // 0: grantors and grantees of deeds
    {{{"Name", 6.5}, {"Gender (M/F or blank)", 1.5}, {"Marital Status", 2}},
     R"(These three fields are typically used in deeds for the grantor or grantee. The gender field is used to select gender-specific pronouns, etc. An "M:" or "F" in this field suffices. The marital status field is appropriate or necessary for indicating the marital status of the party. The marital status you enter will appear after the name separated by a comma. "Husband" and "Wife" are customary for married parties and would appear as "James J. Smith, Husband, and Mary J. Smith, Wife.")"},
    // 1: beneficiaries of the transfer-on-death designation
    {{{"Name", 3.3}, {"Undivided Interest", 3.3}, {"Tenancy", 3.3}},
     R"(These three fields are used exclusively for beneficiaries in the Transfer on Death Designation Affidavit. The Undivided Interest field refers to "share" a beneficiary will receive, i.e., "an undivided one-half interest". The Tenancy field is the actual interest, i.e., "fee simple" or "life estate".)"},
    // 2: names with addresses
    {{{"Name", 3.3}, {"Address", 6.6}, kHidden},
     R"(These two fields are self explanatory. Enter the complete name in the first field and the complete address, i.e. number, street, city, state, and ZIP, in the second field.)"},
    // 3: parties of an appeal
    {{{"Name", 6.5}, {"M/F or blank", 1.5}, {"Appellant (A)", 2}},
     R"(These three fields are used to obtain name, gender and appellant information. The gender field is used to select gender-specific parts of speech and designations such as "Executor" vs. "Executrix." An "M:" or "F" in this field suffices. The Appellant field is used to designate a party as the Appellant. An "A" in this field suffices. Leave the Appellee's designation blank.)"},
    // 4: parties of an appearance
    {{{"Name", 6.5}, {"M/F or blank", 1.5}, {"My Client (C)", 2}},
     R"(These three fields are used to obtain name, gender and client information. The gender field is used to select gender-specific parts of speech and designations such as "Executor" vs. "Executrix." An "M:" or "F" in this field suffices. The Client field is used to designate a party as the client on whos behalf an appearance is being rendered. A "C" in this field suffices.)"},
    // 5: parties with their gender
    {{{"Name", 8.5}, {"M/F or blank", 1.5}, kHidden},
     R"(These two fields are used in deeds and other documents to identify parties. The gender field is used to select gender-specific parts of speech. An "M:" or "F" in this field suffices.)"},
    // 6: executors conveying by deed
    {{{"Name", 8.5}, {"M/F or blank", 1.5}, kHidden},
     R"(These two fields are used in executor deeds for the grantor. The gender field is used to select gender-specific parts of speech and designations such as "Executor" vs. "Executrix." An "M:" or "F" in this field suffices.)"},
    // 7: names alone
    {{{"Name", 10}, kHidden, kHidden},
     R"(This name field is in any document which includes the name of one or more persons. Gender, title, and other information is not required or relevant.)"},
    // 8: parties of a pleading
    {{{"Name", 3.3}, {"Street Address", 3.3}, {"City, State ZIP", 3.3}},
     R"(These three fields are used in pleadings for designating the parties. An example street address field is "1234 Main Street"; an example City, State Zip  entry would be "Cleveland, Ohio  44112".)"},
    // 9: names with their relationship
    {{{"Name", 5}, {"Relationship (use lower case)", 4.9}, kHidden},
     R"(These two fields are used to obtain name and relationship. The relationship field is used to preface the name of the individual such as my "brother" or "friend.")"},
    // 10: names with gender and relationship
    {{{"Name", 3.3}, {"M/F or blank", 3.3}, {"Relationship (use lower case)", 3.3}},
     R"(These three fields are used to obtain name, gender and relationship. The gender field is used to select gender-specific parts of speech and designations such as "Executor" vs. "Executrix." An "M:" or "F" in this field suffices. The relationship field is used to preface the name of the individual such as my "brother" or "friend.")"},
    // 11: survivors and affiants
    {{{"Survivor's Name", 8.5}, {"\"A\" or blank", 1.5}, kHidden},
     R"(Enter the complete name in the first field. If the named individual will also be signing as an affiant, place the letter "A" in the second field. LIST AFFIANTS FIRST.)"},
};
// clang-format on

// Any other kind keeps the columns the dialog was designed with.
constexpr PartyKind kDesignedKind = {{{"Name", 0}, {"Gender (M/F)", 0}, {"Marital Status", 0}}, ""};
constexpr int kDesignedColumnWidth = 100;

// Deeds: the kind whose gender cells are normalised and whose marital status
// follows each name in the joined text.
constexpr int kDeedKind = 0;
// Names with gender and relationship: the relationship is in the third column.
constexpr int kGenderAndRelationshipKind = 10;

constexpr int kNameColumn = 0;
constexpr int kGenderColumn = 1;
constexpr int kThirdColumn = 2;
constexpr int kMaxGridRows = 20;
constexpr int kCalloutWidth = 420;

const PartyKind& partyKind(int kind)
{
    if (kind < 0 || kind >= int(std::size(kPartyKinds)))
        return kDesignedKind;
    return kPartyKinds[kind];
}

QFont pixelFont(const QFont& base, int pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The cell editors leave Enter and Escape to the dialog: Enter confirms the
// whole list, with the cell being typed in, and Escape cancels it, as
// everywhere else in the dialog.
class CellDelegate : public QStyledItemDelegate
{
public:
    CellDelegate(QDialog* dialog, std::function<void()> confirm)
        : QStyledItemDelegate(dialog), m_dialog(dialog), m_confirm(std::move(confirm))
    {
    }

protected:
    bool eventFilter(QObject* editor, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                m_confirm();
                return true;
            case Qt::Key_Escape:
                m_dialog->reject();
                return true;
            default:
                break;
            }
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    QDialog* m_dialog;
    std::function<void()> m_confirm;
};

bool askYesNo(QWidget* parent, const QString& text)
{
    return QMessageBox::question(
               parent, parent->windowTitle(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace

TfrmPartyID::TfrmPartyID(TAnswer& store, int pageNo, const PartyListParams& params, QWidget* parent)
    : QDialog(parent), m_store(store), m_pageNo(pageNo), m_params(params), m_question(askYesNo)
{
    setObjectName(QStringLiteral("frmPartyID"));
    setWindowTitle(QStringLiteral("Party Identification Dialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(ClientWidth, ClientHeight);
    setStyleSheet(QStringLiteral(R"(
QFrame[StyleLookup="PinkPanel"] { background: #f7dde4; border-bottom: 1px solid #d9a3b2; }
QFrame[StyleLookup="PinkPanel"] QLabel { background: transparent; color: #3b1f2b; }
QTableWidget#StringGrid1 { gridline-color: #c8c8c8; }
)"));

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    // The cell under the cursor is always ready to type in, and Tab walks the cells.
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_grid->setTabKeyNavigation(true);
    m_grid->setItemDelegate(new CellDelegate(this, [this] { OKBtnClick(); }));
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setShowGrid(true);
    m_grid->setWordWrap(false);
    m_grid->setFont(pixelFont(font(), 18));
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    QHeaderView* header = m_grid->horizontalHeader();
    header->setFont(pixelFont(font(), 16));
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    header->setMinimumHeight(2 * QFontMetrics(header->font()).lineSpacing() + 8);
    connect(m_grid,
            &QTableWidget::currentCellChanged,
            this,
            [this](int, int, int previousRow, int previousColumn) {
                StringGrid1SelectCell(previousRow, previousColumn);
            });

    auto* gridArea = new QVBoxLayout;
    gridArea->setContentsMargins(8, 8, 8, 8);
    gridArea->addWidget(m_grid);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTitleBand());
    layout->addLayout(gridArea, 1);
    layout->addWidget(buildButtonBand());

    // The help callout floats over the grid, under the "?" button.
    m_callout = new QFrame(this);
    m_callout->setObjectName(QStringLiteral("CalloutPanel"));
    m_callout->setProperty("StyleLookup", QStringLiteral("CALLOUTPANELSTYLE"));
    auto* calloutLayout = new QVBoxLayout(m_callout);
    m_calloutLabel = new QLabel(m_callout);
    m_calloutLabel->setObjectName(QStringLiteral("CalloutLabel"));
    m_calloutLabel->setFont(pixelFont(font(), 14));
    m_calloutLabel->setWordWrap(true);
    calloutLayout->addWidget(m_calloutLabel);
    m_callout->hide();

    FormCreate();
    FormShow();
}

QWidget* TfrmPartyID::buildTitleBand()
{
    auto* band = new QFrame(this);
    band->setObjectName(QStringLiteral("pnlTitle"));
    band->setProperty("StyleLookup", QStringLiteral("PinkPanel"));
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(12, 8, 12, 8);
    auto* title = new QLabel(QStringLiteral("Party Identification Dialog"), band);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFont(pixelFont(font(), 24));
    title->setAlignment(Qt::AlignCenter);
    m_helpButton = new QPushButton(QStringLiteral("?"), band);
    m_helpButton->setObjectName(QStringLiteral("HelpButton13"));
    m_helpButton->setFixedSize(30, 30);
    m_helpButton->setFont(pixelFont(font(), 16, true));
    m_helpButton->setAutoDefault(false);
    m_helpButton->setFocusPolicy(Qt::NoFocus);
    m_helpButton->setToolTip(QStringLiteral("What goes into these columns"));
    connect(m_helpButton, &QPushButton::clicked, this, &TfrmPartyID::CalloutClick);
    // A spacer as wide as the button keeps the title in the middle.
    layout->addSpacing(m_helpButton->width());
    layout->addWidget(title, 1);
    layout->addWidget(m_helpButton);
    return band;
}

QWidget* TfrmPartyID::buildButtonBand()
{
    auto* band = new QWidget(this);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(8, 4, 8, 12);
    const auto button = [this, band](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromLatin1(text), band);
        b->setObjectName(QLatin1String(name));
        b->setFont(pixelFont(font(), 16, true));
        b->setMinimumSize(120, 36);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* deleteRow = button("crnbtnDeleteRow", "DeleteRow");
    deleteRow->setToolTip(QStringLiteral("Remove the selected row and move the rows below it up"));
    QPushButton* ok = button("crnbtnOk", "Ok");
    ok->setDefault(true);
    QPushButton* cancel = button("crnbtnCancel", "Cancel");
    connect(deleteRow, &QPushButton::clicked, this, &TfrmPartyID::DeleteRow);
    connect(ok, &QPushButton::clicked, this, &TfrmPartyID::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(deleteRow);
    layout->addStretch(1);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    return band;
}

void TfrmPartyID::FormCreate()
{
    // The grid holds exactly the rows that are stored: a name typed in a
    // further row would be dropped without a word on OK.
    m_grid->setColumnCount(ColumnCount);
    m_grid->setRowCount(std::clamp(m_params.MaxParties, 1, kMaxGridRows));
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (int column = 0; column < ColumnCount; ++column)
            m_grid->setItem(row, column, new QTableWidgetItem);
    }

    const PartyKind& kind = partyKind(m_params.partyKind);
    const bool designed = &kind == &kDesignedKind;
    const int unit = (ClientWidth - 16) / 10;
    for (int column = 0; column < ColumnCount; ++column) {
        const PartyColumn& layout = kind.columns[column];
        if (!layout.heading) {
            m_grid->setHorizontalHeaderItem(column, new QTableWidgetItem);
            m_grid->setColumnHidden(column, true);
            continue;
        }
        m_grid->setHorizontalHeaderItem(column, new QTableWidgetItem(QString::fromUtf8(layout.heading)));
        m_grid->setColumnWidth(column, designed ? kDesignedColumnWidth : int(layout.units * unit));
    }
    m_calloutLabel->setText(QString::fromUtf8(kind.helpText));
    m_helpButton->setVisible(!m_calloutLabel->text().isEmpty());
}

void TfrmPartyID::FormShow()
{
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (int column = 0; column < ColumnCount; ++column)
            setCell(row, column, m_store.text(m_pageNo, m_params.TheFirstPartyTag + 3 * row + column));
    }
    m_grid->setCurrentCell(0, kNameColumn);
    m_grid->setFocus(Qt::OtherFocusReason);
}

QString TfrmPartyID::cell(int row, int column) const
{
    const QTableWidgetItem* item = m_grid->item(row, column);
    return item ? item->text() : QString();
}

void TfrmPartyID::setCell(int row, int column, const QString& text)
{
    if (QTableWidgetItem* item = m_grid->item(row, column))
        item->setText(text);
}

void TfrmPartyID::StringGrid1SelectCell(int previousRow, int previousColumn)
{
    if (m_params.partyKind == kDeedKind && previousColumn == kGenderColumn && previousRow >= 0)
        normaliseGender(previousRow);
}

// The rule sets choose pronouns by "M" and "F": a gender written out or with
// a period is shortened to its letter, anything else is reported and kept.
void TfrmPartyID::normaliseGender(int row)
{
    const QString typed = cell(row, kGenderColumn);
    const QString gender = typed.trimmed();
    if (gender.isEmpty()) {
        setCell(row, kGenderColumn, QString());
        return;
    }
    const QChar letter = gender.at(0).toUpper();
    if (letter == QLatin1Char('F') || letter == QLatin1Char('M'))
        setCell(row, kGenderColumn, QString(letter));
    else
        ShowNumberedMessage(16010, typed);
}

// Moving off the current cell stores what its editor holds and runs the
// checks of leaving a cell, as a click elsewhere in the grid would.
void TfrmPartyID::leaveCurrentCell()
{
    m_grid->setCurrentItem(nullptr);
}

void TfrmPartyID::DeleteRow()
{
    const int row = m_grid->currentRow();
    const int column = std::max(m_grid->currentColumn(), 0);
    if (row < 0 || !m_question(this, QStringLiteral("Do you want to delete/clear the selected row?")))
        return;
    leaveCurrentCell();
    // The rows below move up; the freed last row stays as an empty row, so the
    // list can still hold as many parties as it stores.
    const int last = m_grid->rowCount() - 1;
    for (int r = row; r < last; ++r) {
        for (int c = 0; c < ColumnCount; ++c)
            setCell(r, c, cell(r + 1, c));
    }
    for (int c = 0; c < ColumnCount; ++c)
        setCell(last, c, QString());
    m_grid->setCurrentCell(row, column);
}

QString TfrmPartyID::joinedText() const
{
    // Every named row of the stored rows takes part, wherever it stands: an
    // empty row between two parties does not cut the list short.
    QStringList parts;
    const int rows = std::min(m_params.MaxParties, m_grid->rowCount());
    for (int row = 0; row < rows; ++row) {
        const QString name = cell(row, kNameColumn);
        if (name.isEmpty())
            continue;
        if (m_params.joining == Joining::Plain) {
            const QString status = cell(row, kThirdColumn);
            const bool withStatus = m_params.partyKind == kDeedKind && !status.isEmpty();
            parts.append(withStatus ? name + QStringLiteral(", ") + status : name);
        } else {
            const int relationshipColumn =
                m_params.partyKind == kGenderAndRelationshipKind ? kThirdColumn : kGenderColumn;
            const QString relationship = cell(row, relationshipColumn);
            // "my brother, John"; a name without a relationship stands alone.
            const QString preface = relationship.isEmpty()
                                        ? QString()
                                        : QStringLiteral("my ") + relationship + QStringLiteral(", ");
            parts.append(preface + QStringLiteral("\\b ") + name + QStringLiteral("\\b0 "));
        }
    }
    if (parts.size() < 2)
        return parts.value(0);
    const QString last = parts.takeLast();
    if (m_params.joining == Joining::Plain)
        return parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    // The bold name ends in "\b0 ", so the comma follows after a blank in the
    // source and directly after the name in print.
    return parts.join(QStringLiteral(", ")) + QStringLiteral(", and ") + last;
}

void TfrmPartyID::OKBtnClick()
{
    leaveCurrentCell();
    m_store.setText(m_pageNo, m_params.TheEditTag, joinedText());
    for (int row = 0; row < m_params.MaxParties; ++row) {
        for (int column = 0; column < ColumnCount; ++column)
            m_store.setText(m_pageNo, m_params.TheFirstPartyTag + 3 * row + column, cell(row, column));
    }
    accept();
}

void TfrmPartyID::CalloutClick()
{
    const bool show = !m_callout->isVisible();
    if (show) {
        // The help text wraps, so its height follows from the callout's width.
        m_callout->resize(kCalloutWidth, m_callout->heightForWidth(kCalloutWidth));
        const QPoint below =
            m_helpButton->mapTo(this, QPoint(m_helpButton->width(), m_helpButton->height() + 4));
        m_callout->move(std::max(8, below.x() - m_callout->width()), below.y());
        m_callout->raise();
    }
    m_callout->setVisible(show);
}

} // namespace scrivix
