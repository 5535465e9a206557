#pragma once

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

namespace scrivix {

class TAnswer;

// How the names of a party list are joined into one text.
enum class Joining {
    // "James J. Smith, Husband and Mary J. Smith, Wife"
    Plain,
    // "my brother, \b John\b0 , and my sister, \b Ann\b0 ": bold names for the wills
    RelationshipList,
};

// What a dialog button asks of the party list: how many rows it keeps, the
// column layout, and where the rows and the joined names go.
struct PartyListParams
{
    int MaxParties = 10;
    int partyKind = 0;
    // Answer that receives the joined names.
    int TheEditTag = 0;
    // Answer of the first row's name; row r takes this + 3r, + 3r + 1, + 3r + 2.
    int TheFirstPartyTag = 0;
    Joining joining = Joining::Plain;
};

// The party list dialog: a grid of names with up to two further columns
// (gender, marital status, address, relationship ...) that reads a block of
// rows from the answers of one page and, on OK, writes them back together
// with the joined names.
class TfrmPartyID : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 800;
    static constexpr int ClientHeight = 560;
    static constexpr int RowHeight = 28;
    static constexpr int ColumnCount = 3;

    TfrmPartyID(TAnswer& store, int pageNo, const PartyListParams& params, QWidget* parent = nullptr);

    // Asks whether the selected row may be deleted; true means Yes. The
    // default asks with a Yes/No message box.
    using Question = std::function<bool(QWidget* parent, const QString& text)>;
    void setQuestion(Question question) { m_question = std::move(question); }

    QTableWidget* grid() const { return m_grid; }
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);

public Q_SLOTS:
    void OKBtnClick();
    void DeleteRow();
    void CalloutClick();

private:
    void FormCreate();
    void FormShow();
    QWidget* buildTitleBand();
    QWidget* buildButtonBand();
    void StringGrid1SelectCell(int previousRow, int previousColumn);
    void normaliseGender(int row);
    void leaveCurrentCell();
    QString joinedText() const;

    TAnswer& m_store;
    int m_pageNo;
    PartyListParams m_params;
    Question m_question;

    QTableWidget* m_grid = nullptr;
    QPushButton* m_helpButton = nullptr;
    QFrame* m_callout = nullptr;
    QLabel* m_calloutLabel = nullptr;
};

} // namespace scrivix
