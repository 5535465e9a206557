#include "dialogs/TfrmSelectedForms.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <map>

namespace scrivix {

namespace {

struct FormBox
{
    const char* text;
    int page;
};

struct FormTab
{
    const char* tab;
    const char* title;
    std::vector<FormBox> columns[2];
};

constexpr int kReservedBox = -1; // the Real Estate box without a page of its own

const std::vector<FormTab>& formTabs()
{
    static const std::vector<FormTab> tabs = {
        {"Real Estate",
         "Real Estate Forms",
         {{{"Deed, Executor's Under Will", 0},
           {"Deed, Fiduciary's Statutory", 1},
           {"Deed, With Life Estate Reservation", 2},
           {"Deed, Mortgage", 3},
           {"Deed, Quit-Claim", 4},
           {"Reserved", kReservedBox},
           {"Deed, Warranty", 6},
           {"Deed, Warranty With Survivorship", 7},
           {"Eviction, Complaint For", 8},
           {"Lease, Commercial", 9},
           {"Lease, Residential", 10}},
          {{"Mechanics Lien, Affidavit For", 11},
           {"Mechanics Lien, Satisfaction Of", 12},
           {"Mortgage, Satisfaction Of", 13},
           {"Promissory Note", 14},
           {"Purchase Agreement", 15},
           {"Quit, Notice To", 16},
           {"Survivor, Spouse or Joint Affidavit", 17},
           {"Transfer on Death, Designation Affidavit", 18},
           {"Transfer on Death, Confirmation Affidavit", 19},
           {"Trust, Affidavit of Transfer From", 20}}}},
        {"Estate Planning",
         "Estate Planning Documents",
         {{{"Codicil", 21},
           {"Domicile, Affidavit Of", 22},
           {"Do Not Resuscitate (DNR)", 56},
           {"Gift, Anatomical", 78},
           {"Gift, Anatomical, By Next Of Kin", 23},
           {"Gift, Inter Vivos", 24},
           {"Gift, Deed Of", 25},
           {"Gift, Acceptance Of", 26},
           {"Gift, Renunciation Of", 27},
           {"Living Will Declaration", 28},
           {"Power of Attorney, Durable", 29}},
          {{"Power of Attorney, Health Care", 30},
           {"Trust, Revocable", 31},
           {"Trust, Revocation Of", 32},
           {"Trust, Testamentary", 33},
           {"Will, Pour Over", 34},
           {"Will, Single, No Children", 37},
           {"Will, Single, Children", 36},
           {"Will, Spouse, Children", 35},
           {"Will, Generic", 44}}}},
        {"Miscellaneous",
         "Miscellaneous Forms",
         {{{"Appeal, Notice Of", 59},
           {"Appearance, Notice Of", 60},
           {"Attorney's Hourly Retainer Agreement", 61},
           {"Client's Rights, Notice", 62},
           {"Cognovit Note", 63},
           {"Collection Letter", 64},
           {"Contingency Fee Contract", 65},
           {"Criminal Demand For Discovery", 66},
           {"Criminal Motion For Discovery", 67}},
          {{"Demand (Wrongdoer's) Letter", 68},
           {"Deposition, Notice Of", 69},
           {"Dismissal, Stipulation For", 70},
           {"Enclosure Letter", 71},
           {"Medical Records, Request (HIPAA)", 72},
           {"Release, General", 73},
           {"Sales Tax, Certificate of Exemption", 74},
           {"Speed Letter, Blank Form", 75},
           {"(Reserved)", 76},
           {"Wage Loss Verification Letter", 77}}}},
    };
    return tabs;
}

// The order in which OK looks at the boxes; with several checked, the last one wins.
constexpr int kCreationOrder[] = {
    1,  0,  10, 9,  8,  7,  6,  kReservedBox, 4,  3,  2,  11, 12, 20, 19, 18, 17, 16, 15, 14,
    13, 22, 21, 29, 27, 28, 26, 25,           24, 23, 78, 56, 30, 31, 35, 36, 37, 34, 33, 32,
    44, 59, 67, 66, 65, 64, 63, 62,           61, 60, 68, 69, 75, 74, 73, 72, 71, 70, 76, 77,
};

// The tab that a page on screen brings to the front, or -1 when it checks nothing.
int tabOfCurrentPage(int page)
{
    if ((page >= 0 && page <= 4) || (page >= 6 && page <= 20))
        return 0;
    if ((page >= 21 && page <= 37) || page == 56 || page == 78)
        return 1;
    if ((page >= 59 && page <= 75) || page == 77)
        return 2;
    return -1;
}

} // namespace

TfrmSelectedForms::TfrmSelectedForms(Mode mode, int currentPageNo, int previousSelection, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)), m_selected(previousSelection)
{
    static const char* const captions[] = {"Preview and Print", "Modify Template", "Check Template"};
    static const char* const okTexts[] = {"Preview/Print", "Modify", "Check"};
    setObjectName(QStringLiteral("frmSelectedForms"));
    setWindowTitle(QString::fromLatin1(captions[mode]));
    resize(788, 538);

    QFont tabFont = m_tabs->font();
    tabFont.setPointSize(14);
    tabFont.setBold(true);
    m_tabs->tabBar()->setFont(tabFont);
    m_tabs->setObjectName(QStringLiteral("tbctrlMain"));

    std::map<int, QCheckBox*> boxes;
    for (const FormTab& tab : formTabs()) {
        auto* page = new QWidget;
        auto* layout = new QGridLayout(page);
        auto* title = new QLabel(QString::fromUtf8(tab.title), page);
        QFont titleFont = title->font();
        titleFont.setPointSize(16);
        titleFont.setBold(true);
        title->setFont(titleFont);
        title->setAlignment(Qt::AlignCenter);
        layout->addWidget(title, 0, 0, 1, 2);
        for (int column = 0; column < 2; ++column) {
            int row = 1;
            for (const FormBox& form : tab.columns[column]) {
                auto* box = new QCheckBox(QString::fromUtf8(form.text), page);
                QFont boxFont = box->font();
                boxFont.setPointSize(12);
                box->setFont(boxFont);
                box->setProperty("Tag", form.page == kReservedBox ? 0 : form.page);
                boxes[form.page] = box;
                layout->addWidget(box, row++, column);
            }
        }
        layout->setRowStretch(layout->rowCount(), 1);
        m_tabs->addTab(page, QString::fromUtf8(tab.tab));
    }
    for (const int page : kCreationOrder)
        m_creationOrder.append(boxes.at(page));

    auto* checkAll = new QAction(QStringLiteral("Test - Check All"), m_tabs);
    connect(checkAll, &QAction::triggered, this, &TfrmSelectedForms::CheckAll);
    m_tabs->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_tabs->addAction(checkAll);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    QPushButton* ok = buttons->addButton(QString::fromLatin1(okTexts[mode]), QDialogButtonBox::AcceptRole);
    for (QPushButton* button : {close, ok}) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
    }
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &TfrmSelectedForms::OkClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);

    const int tab = tabOfCurrentPage(currentPageNo);
    if (tab >= 0) {
        boxes.at(currentPageNo)->setChecked(true);
        m_tabs->setCurrentIndex(tab);
    }
}

QCheckBox* TfrmSelectedForms::boxForPage(int pageNo) const
{
    for (QCheckBox* box : m_creationOrder) {
        if (box->property("Tag").toInt() == pageNo && box->text() != QLatin1String("Reserved"))
            return box;
    }
    return nullptr;
}

void TfrmSelectedForms::OkClick()
{
    for (QCheckBox* box : m_creationOrder) {
        if (box->isChecked())
            m_selected = box->property("Tag").toInt();
    }
    accept();
}

void TfrmSelectedForms::CheckAll()
{
    for (QCheckBox* box : m_creationOrder)
        box->setChecked(true);
}

} // namespace scrivix
