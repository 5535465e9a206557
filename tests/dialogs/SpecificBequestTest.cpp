#include "DialogDriver.h"
#include "QtPrinters.h"
#include "core/TAnswer.h"
#include "dialogs/TfrmSpecBeqDlg.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace scrivix;
using namespace DialogDriver;

namespace {

constexpr int kWillPage = 44;

class SpecificBequestTest : public ::testing::Test
{
protected:
    template <typename Control> static Control* control(const QDialog& dialog, const char* name)
    {
        auto* found = dialog.findChild<Control*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void typeInto(QWidget* field, const QString& text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    QStringList answers(int first) const
    {
        QStringList texts;
        for (int n = first; n < first + 9; ++n)
            texts.append(store.text(kWillPage, n));
        return texts;
    }
    void setAnswers(int first, const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            store.setText(kWillPage, first + i, texts.at(i));
    }

    TAnswer store;
};

TEST_F(SpecificBequestTest, AllNineAnswersRoundTrip)
{
    // Bequest 3: answers 93 to 101.
    setAnswers(93,
               {QStringLiteral("my piano | and its bench"),
                QStringLiteral("Mary A. Smith"),
                QStringLiteral("daughter"),
                QStringLiteral("an undivided one-half interest"),
                QStringLiteral("absolutely"),
                QStringLiteral("if she plays | every week"),
                QString(),
                QStringLiteral("X"),
                QString()});
    store.setText(kWillPage, 92, QStringLiteral("bequest 2"));
    store.setText(kWillPage, 102, QStringLiteral("bequest 4"));
    TfrmSpecBeqDlg dialog(store, 3);
    ASSERT_TRUE(showActive(&dialog));

    auto* description = control<QPlainTextEdit>(dialog, "memDescription");
    EXPECT_EQ(description->toPlainText(), QStringLiteral("my piano\nand its bench"));
    EXPECT_EQ(description->document()->blockCount(), 2);
    EXPECT_TRUE(description->hasFocus());
    EXPECT_EQ(control<QLineEdit>(dialog, "edtName")->text(), QStringLiteral("Mary A. Smith"));
    EXPECT_EQ(control<QLineEdit>(dialog, "edtRelationship")->text(), QStringLiteral("daughter"));
    EXPECT_EQ(control<QLineEdit>(dialog, "edtInterest")->text(),
              QStringLiteral("an undivided one-half interest"));
    EXPECT_EQ(control<QLineEdit>(dialog, "edtOwnership")->text(), QStringLiteral("absolutely"));
    EXPECT_EQ(control<QPlainTextEdit>(dialog, "memTerms")->toPlainText(),
              QStringLiteral("if she plays\nevery week"));
    EXPECT_FALSE(control<QRadioButton>(dialog, "rbtnPerStirpes")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(dialog, "rbtnPerCapita")->isChecked());

    QTest::keyClick(description, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, QStringLiteral("and the sheet music"));
    typeInto(control<QLineEdit>(dialog, "edtName"), QStringLiteral("Mary A. Smith and John B. Smith"));
    typeInto(control<QLineEdit>(dialog, "edtRelationship"), QStringLiteral("children"));
    control<QRadioButton>(dialog, "rbtnPerStirpes")->click();
    control<QPushButton>(dialog, "btnOk")->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(answers(93),
              (QStringList{QStringLiteral("my piano | and its bench | and the sheet music"),
                           QStringLiteral("Mary A. Smith and John B. Smith"),
                           QStringLiteral("children"),
                           QStringLiteral("an undivided one-half interest"),
                           QStringLiteral("absolutely"),
                           QStringLiteral("if she plays | every week"),
                           QStringLiteral("X"),
                           QString(),
                           QString()}));
    EXPECT_EQ(store.text(kWillPage, 92), QStringLiteral("bequest 2"));
    EXPECT_EQ(store.text(kWillPage, 102), QStringLiteral("bequest 4"));
}

TEST_F(SpecificBequestTest, ANewBequestOffersAndStoresTheDefaultOwnership)
{
    {
        TfrmSpecBeqDlg dialog(store, 1);
        EXPECT_EQ(control<QLineEdit>(dialog, "edtOwnership")->text(),
                  QStringLiteral("absolutely and in fee simple"));
        dialog.reject();
    }
    EXPECT_EQ(store.text(kWillPage, 79), QString()) << "Cancel stores not even the default";

    TfrmSpecBeqDlg dialog(store, 1);
    dialog.btnOkClick();
    EXPECT_EQ(answers(75),
              (QStringList{QString(),
                           QString(),
                           QString(),
                           QString(),
                           QStringLiteral("absolutely and in fee simple"),
                           QString(),
                           QString(),
                           QString(),
                           QString()}));
}

TEST_F(SpecificBequestTest, CancelLeavesTheAnswersAsTheyWere)
{
    const QStringList before = {QStringLiteral("my car"),
                                QStringLiteral("Ann"),
                                QStringLiteral("niece"),
                                QString(),
                                QString(),
                                QString(),
                                QStringLiteral("X"),
                                QString(),
                                QString()};
    setAnswers(255, before); // bequest 21, the last
    TfrmSpecBeqDlg dialog(store, 21);
    ASSERT_TRUE(showActive(&dialog));
    typeInto(control<QLineEdit>(dialog, "edtName"), QStringLiteral("Bob"));
    typeInto(control<QLineEdit>(dialog, "edtContingent"), QStringLiteral("Carl"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(answers(255), before);
}

TEST_F(SpecificBequestTest, ContingentBeneficiaryAndPerStirpesOrPerCapitaExcludeEachOther)
{
    TfrmSpecBeqDlg dialog(store, 2);
    ASSERT_TRUE(showActive(&dialog));
    auto* perStirpes = control<QRadioButton>(dialog, "rbtnPerStirpes");
    auto* perCapita = control<QRadioButton>(dialog, "rbtnPerCapita");
    auto* contingent = control<QLineEdit>(dialog, "edtContingent");

    typeInto(contingent, QStringLiteral("Red Cross"));
    perCapita->click();
    EXPECT_TRUE(perCapita->isChecked());
    EXPECT_EQ(contingent->text(), QString());

    // Passing through the field changes nothing; typing a name does.
    contingent->setFocus();
    QTest::keyClick(contingent, Qt::Key_Right);
    QTest::keyClick(contingent, Qt::Key_Tab);
    EXPECT_TRUE(perCapita->isChecked());
    typeInto(contingent, QStringLiteral("Red Cross"));
    EXPECT_FALSE(perStirpes->isChecked());
    EXPECT_FALSE(perCapita->isChecked());

    dialog.btnOkClick();
    EXPECT_EQ(store.text(kWillPage, 90), QString());
    EXPECT_EQ(store.text(kWillPage, 91), QString());
    EXPECT_EQ(store.text(kWillPage, 92), QStringLiteral("Red Cross"));
}

} // namespace
