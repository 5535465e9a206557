#include "screens/DialogDispatch.h"
#include "DialogDriver.h"
#include "QtPrinters.h"
#include "core/TAnswer.h"
#include "dialogs/TfrmPartyID.h"
#include "dialogs/TfrmSpecBeqDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace scrivix;
using namespace DialogDriver;

namespace {

constexpr int kWillPage = 44;

// Runs the dispatch for a button with the Tag; the action answers the dialog
// that opens (it receives null when none does).
bool dispatch(QAbstractButton& button, TAnswer& store, int page, std::function<void(QWidget*)> action)
{
    whenModal(std::move(action));
    const bool confirmed = DialogDispatch::run(&button, store, page, nullptr);
    QApplication::processEvents(); // a dialog that never opened still gets its timer
    return confirmed;
}

TEST(DialogDispatchTest, TagsWithoutADialogOpenNothing)
{
    for (const int tag : {0, 1, 199, 249, 292, 299, 328, 1001}) {
        SCOPED_TRACE(tag);
        TAnswer store;
        QPushButton button(QStringLiteral("caption"));
        button.setProperty("Tag", tag);
        QWidget* opened = nullptr;
        EXPECT_FALSE(dispatch(button, store, 1, [&opened](QWidget* modal) {
            opened = modal;
            if (modal)
                modal->close();
        }));
        EXPECT_EQ(opened, nullptr);
        EXPECT_EQ(button.text(), QStringLiteral("caption"));
    }
    TAnswer store;
    EXPECT_FALSE(DialogDispatch::run(nullptr, store, 1, nullptr));
}

TEST(DialogDispatchTest, PartyListButtonWritesThePageOnScreenOnOkOnly)
{
    TAnswer store;
    store.setText(1, 70, QStringLiteral("Ann Able"));
    store.setText(2, 70, QStringLiteral("another page"));
    QPushButton button(QStringLiteral("Grantors"));
    button.setProperty("Tag", 206);

    const bool confirmed = dispatch(button, store, 1, [](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmPartyID*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->cell(0, 0), QStringLiteral("Ann Able"));
        EXPECT_EQ(dialog->grid()->rowCount(), 10);
        typeIntoCell(dialog->grid(), 1, 0, QStringLiteral("Bob Baker"));
        dialog->findChild<QPushButton*>(QStringLiteral("crnbtnOk"))->click();
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(store.text(1, 1), QStringLiteral("Ann Able and Bob Baker"));
    EXPECT_EQ(store.text(1, 73), QStringLiteral("Bob Baker"));
    EXPECT_EQ(store.text(2, 70), QStringLiteral("another page"));
    EXPECT_EQ(button.text(), QStringLiteral("Grantors"));

    EXPECT_FALSE(dispatch(button, store, 1, [](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmPartyID*>(modal);
        ASSERT_NE(dialog, nullptr);
        typeIntoCell(dialog->grid(), 0, 0, QStringLiteral("Zed"));
        dialog->reject();
    }));
    EXPECT_EQ(store.text(1, 70), QStringLiteral("Ann Able"));
}

TEST(DialogDispatchTest, BequestButtonEditsItsAnswersOfTheWillAndShowsTheName)
{
    TAnswer store;
    QPushButton button(QStringLiteral("Specific Bequest 5"));
    button.setProperty("Tag", 305);
    const auto nameTheBeneficiary = [](const QString& name) {
        return [name](QWidget* modal) {
            ASSERT_NE(qobject_cast<TfrmSpecBeqDlg*>(modal), nullptr);
            auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("edtName"));
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            if (name.isEmpty())
                QTest::keyClick(edit, Qt::Key_Delete);
            else
                QTest::keyClicks(edit, name);
            modal->findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        };
    };

    // From any page: the bequests belong to the generic will.
    EXPECT_TRUE(dispatch(button, store, 3, nameTheBeneficiary(QStringLiteral("Carl Cole"))));
    EXPECT_EQ(store.text(kWillPage, 112), QStringLiteral("Carl Cole"));
    EXPECT_EQ(store.text(kWillPage, 115), QStringLiteral("absolutely and in fee simple"));
    EXPECT_EQ(store.text(kWillPage, 111), QString());
    EXPECT_EQ(store.text(kWillPage, 120), QString()) << "bequest 6 is untouched";
    EXPECT_EQ(store.text(3, 112), QString());
    EXPECT_EQ(button.text(), QStringLiteral("Carl Cole"));

    EXPECT_TRUE(dispatch(button, store, kWillPage, nameTheBeneficiary(QString())));
    EXPECT_EQ(button.text(), QStringLiteral("Specific Bequest 5"));

    store.setText(kWillPage, 112, QStringLiteral("Dee Dunn"));
    EXPECT_FALSE(dispatch(button, store, kWillPage, [](QWidget* modal) { modal->close(); }));
    EXPECT_EQ(button.text(), QStringLiteral("Dee Dunn"));
}

TEST(DialogDispatchTest, EveryPartyListStaysOffItsOwnJoinedAnswer)
{
    for (int tag = 200; tag <= 327; ++tag) {
        const PartyListParams* list = DialogDispatch::partyListFor(tag);
        const bool none = tag == 249 || (tag >= 292 && tag <= 299) || DialogDispatch::bequestFor(tag) != 0;
        EXPECT_EQ(list == nullptr, none) << tag;
        if (!list)
            continue;
        const int last = list->TheFirstPartyTag + 3 * list->MaxParties - 1;
        EXPECT_LE(last, TAnswer::AnswersPerPage - 1) << tag;
        EXPECT_FALSE(list->TheEditTag >= list->TheFirstPartyTag && list->TheEditTag <= last) << tag;
        EXPECT_TRUE(list->partyKind >= 0 && list->partyKind <= 11) << tag;
    }
}

} // namespace
