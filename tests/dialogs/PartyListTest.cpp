#include "DialogDriver.h"
#include "MessageRecorder.h"
#include "QtPrinters.h"
#include "core/TAnswer.h"
#include "dialogs/TfrmPartyID.h"
#include "screens/DialogDispatch.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace scrivix;
using namespace DialogDriver;

namespace {

constexpr int kFiduciaryDeedPage = 1;
constexpr int kFiduciariesTag = 206; // ten rows of name and gender from 70, joined into 1

struct Row
{
    const char* name;
    const char* second;
    const char* third;
};

class PartyListTest : public ::testing::Test
{
protected:
    std::unique_ptr<TfrmPartyID> open(const PartyListParams& params, int page = kFiduciaryDeedPage)
    {
        auto dialog = std::make_unique<TfrmPartyID>(store, page, params);
        dialog->setQuestion([this](QWidget*, const QString& text) {
            questions.append(text);
            return deleteAnswer;
        });
        return dialog;
    }
    std::unique_ptr<TfrmPartyID> openTag(int tag, int page = kFiduciaryDeedPage)
    {
        const PartyListParams* params = DialogDispatch::partyListFor(tag);
        EXPECT_NE(params, nullptr) << tag;
        return open(*params, page);
    }
    void storeRows(int page, int first, const std::vector<Row>& rows)
    {
        for (std::size_t r = 0; r < rows.size(); ++r) {
            store.setText(page, first + 3 * int(r), QString::fromUtf8(rows[r].name));
            store.setText(page, first + 3 * int(r) + 1, QString::fromUtf8(rows[r].second));
            store.setText(page, first + 3 * int(r) + 2, QString::fromUtf8(rows[r].third));
        }
    }
    QString answer(int n, int page = kFiduciaryDeedPage) const { return store.text(page, n); }
    QStringList column(const TfrmPartyID& dialog, int column) const
    {
        QStringList cells;
        for (int row = 0; row < dialog.grid()->rowCount(); ++row)
            cells.append(dialog.cell(row, column));
        return cells;
    }

    TAnswer store;
    MessageRecorder messages;
    QStringList questions;
    bool deleteAnswer = true;
};

TEST_F(PartyListTest, LoadsItsRowsAndStoresEditsAndJoinedNamesOnOk)
{
    storeRows(
        kFiduciaryDeedPage, 70, {{"Ann Able", "F", "kept"}, {"Bob Baker", "M", ""}, {"Cy Cole", "", ""}});
    store.setText(kFiduciaryDeedPage, 100, QStringLiteral("next block"));
    auto dialog = openTag(kFiduciariesTag);
    ASSERT_TRUE(showActive(dialog.get()));

    EXPECT_EQ(dialog->grid()->rowCount(), 10);
    EXPECT_EQ(
        column(*dialog, 0).mid(0, 4),
        (QStringList{
            QStringLiteral("Ann Able"), QStringLiteral("Bob Baker"), QStringLiteral("Cy Cole"), QString()}));
    EXPECT_EQ(dialog->cell(0, 1), QStringLiteral("F"));
    EXPECT_TRUE(dialog->grid()->isColumnHidden(2));
    EXPECT_EQ(dialog->cell(0, 2), QStringLiteral("kept")) << "a hidden column is still read";

    typeIntoCell(dialog->grid(), 1, 0, QStringLiteral("Bob B. Baker"));
    typeIntoCell(dialog->grid(), 3, 0, QStringLiteral("Dee Dunn"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClicks(focused(), QStringLiteral("F"));
    dialog->findChild<QPushButton*>(QStringLiteral("crnbtnOk"))->click();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    // The marital-status column is hidden for this kind: "kept" adds nothing.
    EXPECT_EQ(answer(1), QStringLiteral("Ann Able, Bob B. Baker, Cy Cole and Dee Dunn"));
    const QStringList expected = {QStringLiteral("Ann Able"),
                                  QStringLiteral("F"),
                                  QStringLiteral("kept"),
                                  QStringLiteral("Bob B. Baker"),
                                  QStringLiteral("M"),
                                  QString(),
                                  QStringLiteral("Cy Cole"),
                                  QString(),
                                  QString(),
                                  QStringLiteral("Dee Dunn"),
                                  QStringLiteral("F"),
                                  QString()};
    for (int n = 70; n < 100; ++n)
        EXPECT_EQ(answer(n), expected.value(n - 70)) << "answer " << n;
    EXPECT_EQ(answer(100), QStringLiteral("next block"));
}

TEST_F(PartyListTest, CancelWritesNothing)
{
    storeRows(kFiduciaryDeedPage, 70, {{"Ann Able", "F", ""}, {"Bob Baker", "M", ""}});
    store.setText(kFiduciaryDeedPage, 1, QStringLiteral("Ann Able and Bob Baker"));
    auto dialog = openTag(kFiduciariesTag);
    ASSERT_TRUE(showActive(dialog.get()));

    typeIntoCell(dialog->grid(), 0, 0, QStringLiteral("Zed"));
    typeIntoCell(dialog->grid(), 2, 0, QStringLiteral("Yan"));
    dialog->DeleteRow();
    dialog->findChild<QPushButton*>(QStringLiteral("crnbtnCancel"))->click();

    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(answer(1), QStringLiteral("Ann Able and Bob Baker"));
    EXPECT_EQ(answer(70), QStringLiteral("Ann Able"));
    EXPECT_EQ(answer(73), QStringLiteral("Bob Baker"));
    EXPECT_EQ(answer(76), QString());
}

TEST_F(PartyListTest, KeyboardTabWalksTheCellsEnterConfirmsEscapeCancels)
{
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "Enter" : "Escape");
        TAnswer fresh;
        auto dialog =
            std::make_unique<TfrmPartyID>(fresh, kFiduciaryDeedPage, *DialogDispatch::partyListFor(200));
        ASSERT_TRUE(showActive(dialog.get()));
        typeIntoCell(dialog->grid(), 0, 0, QStringLiteral("James J. Smith"));
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(dialog->grid()->currentColumn(), 1);
        QTest::keyClicks(focused(), QStringLiteral("m"));
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(dialog->grid()->currentColumn(), 2);
        // The last cell is still being edited when the key closes the dialog.
        QTest::keyClicks(focused(), QStringLiteral("Husband"));
        QTest::keyClick(focused(), confirm ? Qt::Key_Return : Qt::Key_Escape);

        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), confirm ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(fresh.text(kFiduciaryDeedPage, 1),
                  confirm ? QStringLiteral("James J. Smith, Husband") : QString());
        EXPECT_EQ(fresh.text(kFiduciaryDeedPage, 71), confirm ? QStringLiteral("M") : QString());
        EXPECT_EQ(fresh.text(kFiduciaryDeedPage, 72), confirm ? QStringLiteral("Husband") : QString());
    }
}

TEST_F(PartyListTest, DeedGenderIsShortenedToItsLetterOrReported)
{
    const struct
    {
        const char* typed;
        const char* kept;
        bool reported;
    } cases[] = {
        {"m", "M", false},
        {"Male", "M", false},
        {"m.", "M", false},
        {"female", "F", false},
        {"F", "F", false},
        {" f", "F", false},
        {"", "", false},
        {"Q", "Q", true},
        {"X", "X", true},
        {"unknown", "unknown", true},
    };
    auto dialog = openTag(200); // deed grantors: kind 0
    ASSERT_TRUE(showActive(dialog.get()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const qsizetype before = messages.texts().size();
        typeIntoCell(dialog->grid(), 0, 1, QString::fromUtf8(c.typed));
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(dialog->cell(0, 1), QString::fromUtf8(c.kept));
        if (c.reported) {
            ASSERT_EQ(messages.texts().size(), before + 1);
            EXPECT_EQ(messages.texts().last(),
                      QStringLiteral(
                          "1601-The gender column can only have 3 values: \"M\", \"F\" or empty. Remove: ") +
                          QString::fromUtf8(c.typed));
        } else {
            EXPECT_EQ(messages.texts().size(), before);
        }
    }
}

TEST_F(PartyListTest, GenderIsLeftAsTypedForOtherKinds)
{
    auto dialog = openTag(kFiduciariesTag); // kind 5
    ASSERT_TRUE(showActive(dialog.get()));
    typeIntoCell(dialog->grid(), 0, 1, QStringLiteral("female"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(dialog->cell(0, 1), QStringLiteral("female"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(PartyListTest, AGenderStillBeingTypedIsShortenedOnOk)
{
    auto dialog = openTag(200);
    ASSERT_TRUE(showActive(dialog.get()));
    typeIntoCell(dialog->grid(), 0, 0, QStringLiteral("Mary J. Smith"));
    typeIntoCell(dialog->grid(), 0, 1, QStringLiteral("female"));
    dialog->OKBtnClick();
    EXPECT_EQ(answer(71), QStringLiteral("F"));
}

TEST_F(PartyListTest, DeleteRowMovesTheRowsBelowUpAfterYes)
{
    storeRows(
        kFiduciaryDeedPage, 70, {{"Ann", "F", ""}, {"Bob", "M", ""}, {"Cy", "M", ""}, {"Dee", "F", ""}});
    auto dialog = openTag(kFiduciariesTag);
    ASSERT_TRUE(showActive(dialog.get()));

    dialog->grid()->setCurrentCell(1, 1);
    deleteAnswer = false;
    dialog->findChild<QPushButton*>(QStringLiteral("crnbtnDeleteRow"))->click();
    EXPECT_EQ(questions, QStringList{QStringLiteral("Do you want to delete/clear the selected row?")});
    EXPECT_EQ(
        column(*dialog, 0).mid(0, 4),
        (QStringList{
            QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"), QStringLiteral("Dee")}));

    deleteAnswer = true;
    dialog->findChild<QPushButton*>(QStringLiteral("crnbtnDeleteRow"))->click();
    EXPECT_EQ(column(*dialog, 0).mid(0, 4),
              (QStringList{QStringLiteral("Ann"), QStringLiteral("Cy"), QStringLiteral("Dee"), QString()}));
    EXPECT_EQ(column(*dialog, 1).mid(0, 4),
              (QStringList{QStringLiteral("F"), QStringLiteral("M"), QStringLiteral("F"), QString()}));
    EXPECT_EQ(dialog->grid()->rowCount(), 10) << "the list can still hold ten parties";
    EXPECT_EQ(dialog->grid()->currentRow(), 1);
    EXPECT_EQ(answer(73), QStringLiteral("Bob")) << "nothing is stored before OK";

    dialog->OKBtnClick();
    EXPECT_EQ(answer(1), QStringLiteral("Ann, Cy and Dee"));
    EXPECT_EQ(answer(73), QStringLiteral("Cy"));
    EXPECT_EQ(answer(79), QString());
    EXPECT_EQ(answer(80), QString());
}

TEST_F(PartyListTest, DeletingTheOnlyRowOfAOneRowListClearsIt)
{
    storeRows(kFiduciaryDeedPage, 70, {{"Ann", "F", ""}});
    auto dialog = openTag(230);
    ASSERT_TRUE(showActive(dialog.get()));
    dialog->DeleteRow();
    dialog->OKBtnClick();
    EXPECT_EQ(answer(70), QString());
    EXPECT_EQ(answer(71), QString());
    EXPECT_EQ(answer(1), QString());
}

TEST_F(PartyListTest, JoinsTheNamesByKindAndJoining)
{
    using J = Joining;
    const struct
    {
        const char* title;
        int kind;
        Joining joining;
        std::vector<Row> rows;
        const char* joined;
    } cases[] = {
        {"one deed party with status",
         0,
         J::Plain,
         {{"James J. Smith", "M", "Husband"}},
         "James J. Smith, Husband"},
        {"two deed parties with status",
         0,
         J::Plain,
         {{"James J. Smith", "M", "Husband"}, {"Mary J. Smith", "F", "Wife"}},
         "James J. Smith, Husband and Mary J. Smith, Wife"},
        {"three without status", 0, J::Plain, {{"A", "", ""}, {"B", "", ""}, {"C", "", ""}}, "A, B and C"},
        {"status only for deeds", 3, J::Plain, {{"A", "M", "A"}, {"B", "F", ""}}, "A and B"},
        {"an empty row between", 5, J::Plain, {{"A", "", ""}, {"", "", ""}, {"C", "", ""}}, "A and C"},
        {"nobody", 7, J::Plain, {}, ""},
        {"relationships",
         9,
         J::RelationshipList,
         {{"John", "brother", ""}, {"Ann", "sister", ""}},
         "my brother, \\b John\\b0 , and my sister, \\b Ann\\b0 "},
        {"relationship in the third column",
         10,
         J::RelationshipList,
         {{"John", "M", "son"}},
         "my son, \\b John\\b0 "},
        {"three relationships",
         9,
         J::RelationshipList,
         {{"John", "brother", ""}, {"Ann", "sister", ""}, {"Bob", "friend", ""}},
         "my brother, \\b John\\b0 , my sister, \\b Ann\\b0 , and my friend, \\b Bob\\b0 "},
        {"a name without relationship",
         9,
         J::RelationshipList,
         {{"John", "brother", ""}, {"Ann", "", ""}, {"Bob", "", ""}},
         "my brother, \\b John\\b0 , \\b Ann\\b0 , and \\b Bob\\b0 "},
        {"one name without relationship", 9, J::RelationshipList, {{"Ann", "", ""}}, "\\b Ann\\b0 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        TAnswer fresh;
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            for (int col = 0; col < 3; ++col) {
                const char* text = col == 0 ? c.rows[r].name : col == 1 ? c.rows[r].second : c.rows[r].third;
                fresh.setText(2, 130 + 3 * int(r) + col, QString::fromUtf8(text));
            }
        }
        fresh.setText(2, 9, QStringLiteral("stale"));
        TfrmPartyID dialog(fresh, 2, {10, c.kind, 9, 130, c.joining});
        dialog.OKBtnClick();
        EXPECT_EQ(fresh.text(2, 9), QString::fromUtf8(c.joined));
    }
}

TEST_F(PartyListTest, AOneRowListReadsAndWritesOnlyItsRow)
{
    for (int n = 70; n < 100; ++n)
        store.setText(kFiduciaryDeedPage, n, QStringLiteral("answer %1").arg(n));
    auto dialog = openTag(230); // one row, kind 5, joined into 1
    ASSERT_TRUE(showActive(dialog.get()));
    EXPECT_EQ(dialog->grid()->rowCount(), 1);
    EXPECT_EQ(dialog->cell(0, 0), QStringLiteral("answer 70"));

    typeIntoCell(dialog->grid(), 0, 0, QStringLiteral("Ann Able"));
    dialog->OKBtnClick();
    EXPECT_EQ(answer(1), QStringLiteral("Ann Able"));
    EXPECT_EQ(answer(70), QStringLiteral("Ann Able"));
    EXPECT_EQ(answer(71), QStringLiteral("answer 71"));
    EXPECT_EQ(answer(72), QStringLiteral("answer 72"));
    for (int n = 73; n < 100; ++n)
        EXPECT_EQ(answer(n), QStringLiteral("answer %1").arg(n));
}

TEST_F(PartyListTest, ColumnsAndHelpFollowThePartyKind)
{
    const struct
    {
        int kind;
        const char* headings[3]; // null: hidden
        const char* helpStart;
    } cases[] = {
        {0,
         {"Name", "Gender (M/F or blank)", "Marital Status"},
         "These three fields are typically used in deeds"},
        {2, {"Name", "Address", nullptr}, "These two fields are self explanatory."},
        {7, {"Name", nullptr, nullptr}, "This name field is in any document"},
        {10,
         {"Name", "M/F or blank", "Relationship (use lower case)"},
         "These three fields are used to obtain name, gender and relationship."},
        {11, {"Survivor's Name", "\"A\" or blank", nullptr}, "Enter the complete name in the first field."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        TfrmPartyID dialog(store, 3, {10, c.kind, 1, 70, Joining::Plain});
        ASSERT_TRUE(showActive(&dialog));
        for (int col = 0; col < 3; ++col) {
            EXPECT_EQ(dialog.grid()->isColumnHidden(col), c.headings[col] == nullptr) << col;
            if (c.headings[col]) {
                EXPECT_EQ(dialog.grid()->horizontalHeaderItem(col)->text(),
                          QString::fromUtf8(c.headings[col]));
            }
        }
        // No horizontal scrolling: the visible columns fill the grid.
        EXPECT_FALSE(dialog.grid()->horizontalScrollBar()->isVisible());

        auto* callout = dialog.findChild<QWidget*>(QStringLiteral("CalloutPanel"));
        auto* help = dialog.findChild<QPushButton*>(QStringLiteral("HelpButton13"));
        ASSERT_TRUE(callout && help);
        EXPECT_FALSE(callout->isVisible());
        help->click();
        EXPECT_TRUE(callout->isVisible());
        auto* text = callout->findChild<QLabel*>(QStringLiteral("CalloutLabel"));
        EXPECT_TRUE(text->text().startsWith(QString::fromUtf8(c.helpStart)));
        EXPECT_GE(text->height(), text->heightForWidth(text->width())) << "the whole help text shows";
        EXPECT_TRUE(dialog.rect().contains(callout->geometry()));
        help->click();
        EXPECT_FALSE(callout->isVisible());
    }
}

} // namespace
