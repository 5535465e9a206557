#include "QtPrinters.h"
#include "dialogs/TfrmAboutDlg.h"
#include "dialogs/TfrmSelectedForms.h"
#include "dialogs/TfrmWindowScale.h"

#include <QCheckBox>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace scrivix;

TEST(SelectedForms, ModesPreselectionAndTheLastCheckedBox)
{
    const struct
    {
        TfrmSelectedForms::Mode mode;
        const char* caption;
    } modes[] = {
        {TfrmSelectedForms::PreviewPrint, "Preview and Print"},
        {TfrmSelectedForms::ModifyTemplate, "Modify Template"},
        {TfrmSelectedForms::CheckTemplate, "Check Template"},
    };
    for (const auto& m : modes)
        EXPECT_EQ(TfrmSelectedForms(m.mode, -1, 0).windowTitle(), QString::fromLatin1(m.caption));

    // The page on screen is checked, on its tab.
    TfrmSelectedForms onPage12(TfrmSelectedForms::PreviewPrint, 12, 0);
    EXPECT_TRUE(onPage12.boxForPage(12)->isChecked());
    EXPECT_EQ(onPage12.tabs()->currentIndex(), 0);
    TfrmSelectedForms onPage33(TfrmSelectedForms::PreviewPrint, 33, 0);
    EXPECT_EQ(onPage33.tabs()->currentIndex(), 1);
    TfrmSelectedForms onPage44(TfrmSelectedForms::PreviewPrint, 44, 0);
    EXPECT_FALSE(onPage44.boxForPage(44)->isChecked());

    // Mortgage (3) comes after Quit-Claim (4) in the order OK reads the boxes.
    TfrmSelectedForms two(TfrmSelectedForms::PreviewPrint, -1, 0);
    two.boxForPage(3)->setChecked(true);
    two.boxForPage(4)->setChecked(true);
    two.OkClick();
    EXPECT_EQ(two.selectedPage(), 3);

    // Nothing checked: the previous choice stands.
    TfrmSelectedForms none(TfrmSelectedForms::ModifyTemplate, -1, 17);
    none.OkClick();
    EXPECT_EQ(none.selectedPage(), 17);

    TfrmSelectedForms all(TfrmSelectedForms::CheckTemplate, -1, 0);
    all.CheckAll();
    all.OkClick();
    EXPECT_EQ(all.selectedPage(), 77);
}

TEST(WindowScale, ShowsTheFactorAsAPercentage)
{
    TfrmWindowScale dialog(1.0);
    EXPECT_EQ(dialog.valueText(), QStringLiteral("100%"));
    dialog.setValue(0.5);
    EXPECT_EQ(dialog.valueText(), QStringLiteral("50%"));
    EXPECT_DOUBLE_EQ(dialog.value(), 0.5);
}

TEST(AboutBox, NamesTheVersion)
{
    TfrmAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Scrivix - Version 6.15"));
    EXPECT_EQ(about.size(), QSize(500, 500));
}
