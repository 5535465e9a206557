#pragma once

#include <QDialog>
#include <QString>

class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace scrivix {

class TAnswer;

// One specific bequest of the generic will: nine consecutive answers of page
// 44, in this order.
struct TSpecificBequest
{
    QString Description;
    QString Name;
    QString Relationship;
    QString Interest;
    QString Ownership;
    QString Terms;
    bool PerStirpes = false;
    bool PerCapita = false;
    QString ContingentBene;
};

// The dialog of one specific bequest of the generic will: what is given, to
// whom, on which terms, and where it goes if the beneficiary dies first.
class TfrmSpecBeqDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int BequestPage = 44;
    static constexpr int BequestCount = 21;
    static constexpr int AnswersPerBequest = 9;
    static constexpr int ClientWidth = 849;
    static constexpr int ClientHeight = 631;

    // The first answer of bequest k (1 to 21): 75, 84, ... 255.
    static constexpr int firstAnswer(int k) { return 75 + AnswersPerBequest * (k - 1); }
    // The caption of bequest k's button: its beneficiary name, or "Specific Bequest k".
    static QString caption(const TAnswer& store, int k);

    TfrmSpecBeqDlg(TAnswer& store, int k, QWidget* parent = nullptr);

    const TSpecificBequest& bequest() const { return m_bequest; }

public Q_SLOTS:
    void btnOkClick();

private:
    void FormCreate();
    void buildWindow();
    void rbtnPerStirpesClick();
    void edtContingentEdited(const QString& text);

    TAnswer& m_store;
    int m_first;
    TSpecificBequest m_bequest;

    QPlainTextEdit* m_description = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_relationship = nullptr;
    QLineEdit* m_interest = nullptr;
    QLineEdit* m_ownership = nullptr;
    QPlainTextEdit* m_terms = nullptr;
    QRadioButton* m_perStirpes = nullptr;
    QRadioButton* m_perCapita = nullptr;
    QButtonGroup* m_predeceased = nullptr;
    QLineEdit* m_contingent = nullptr;
};

} // namespace scrivix
