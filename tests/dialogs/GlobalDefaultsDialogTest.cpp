#include "DialogDriver.h"
#include "QtPrinters.h"
#include "dialogs/TfrmGlobalsDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace scrivix;
using namespace DialogDriver;

namespace {

GlobalDefaults preparer()
{
    GlobalDefaults globals;
    globals.setValue(GlobalDefault::AttorneyName, QStringLiteral("Jane Q. Counsel"));
    globals.setValue(GlobalDefault::StreetAddress, QStringLiteral("100 Main Street"));
    globals.setValue(GlobalDefault::CityStateZip, QStringLiteral("Columbus, Ohio 43215"));
    globals.setValue(GlobalDefault::County, QStringLiteral("Franklin"));
    globals.setValue(GlobalDefault::Notary, QStringLiteral("Pat Notary"));
    return globals;
}

TEST(GlobalDefaultsDialogTest, OkChangesOnlyWhatWasEdited)
{
    GlobalDefaults globals = preparer();
    QStringList shown;
    whenModal([&shown](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmGlobalsDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        for (const char* name : {"edtAttorneyName", "edtCityStateZip", "edtCounty", "edtYear"})
            shown.append(dialog->findChild<QLineEdit*>(QLatin1String(name))->text());
        QLineEdit* county = dialog->field(GlobalDefault::County);
        county->setFocus();
        QTest::keyClick(county, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(county, QStringLiteral("Delaware"));
        QTest::keyClick(county, Qt::Key_Return);
    });
    ASSERT_TRUE(TfrmGlobalsDlg::edit(globals, nullptr));

    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("Jane Q. Counsel"),
                           QStringLiteral("Columbus, Ohio 43215"),
                           QStringLiteral("Franklin"),
                           QString()}));
    GlobalDefaults expected = preparer();
    expected.setValue(GlobalDefault::County, QStringLiteral("Delaware"));
    EXPECT_TRUE(globals == expected);
}

TEST(GlobalDefaultsDialogTest, CancelLeavesEveryDefaultUnchanged)
{
    GlobalDefaults globals = preparer();
    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmGlobalsDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
            edit->setText(QStringLiteral("changed"));
        dialog->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    });
    EXPECT_FALSE(TfrmGlobalsDlg::edit(globals, nullptr));
    EXPECT_TRUE(globals == preparer());
}

TEST(GlobalDefaultsDialogTest, FieldsAreLabelledAndTabbedTopToBottom)
{
    const char* const labels[] = {"Attorney's Name",
                                  "Building or Designation",
                                  "Street Address",
                                  "City, State & ZIP",
                                  "Telephone/FAX No.",
                                  "EMail Address",
                                  "Supreme Court Reg No.",
                                  "Default Political Subdivision",
                                  "Default City",
                                  "Default County",
                                  "Default State",
                                  "Default Month",
                                  "Default Year",
                                  "Default Notary Signature"};
    TfrmGlobalsDlg dialog(preparer());
    ASSERT_TRUE(showActive(&dialog));
    QWidget* field = dialog.field(GlobalDefault::AttorneyName);
    EXPECT_TRUE(field->hasFocus());
    for (const char* text : labels) {
        SCOPED_TRACE(text);
        QLabel* label = nullptr;
        for (QLabel* candidate : dialog.findChildren<QLabel*>()) {
            if (candidate->buddy() == field)
                label = candidate;
        }
        ASSERT_NE(label, nullptr);
        // A label with a buddy shows "&&" as "&".
        EXPECT_EQ(label->text().replace(QLatin1String("&&"), QLatin1String("&")), QString::fromUtf8(text));
        EXPECT_TRUE(dialog.rect().contains(field->geometry())) << "the field fits the window";
        QTest::keyClick(field, Qt::Key_Tab);
        EXPECT_GT(focused()->y(), field->y());
        field = focused();
    }
}

} // namespace
