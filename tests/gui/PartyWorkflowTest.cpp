// The whole workflow of a deed by hand: parties entered in the party list,
// wording and signature block following them, global defaults set and
// transferred, the deed produced.

#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "core/TAnswer.h"
#include "dialogs/DialogDriver.h"
#include "dialogs/TfrmGlobalsDlg.h"
#include "dialogs/TfrmPartyID.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace scrivix;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Fills the party list that the next click opens, row by row, and presses Ok.
void fillPartyList(const QList<QStringList>& rows, bool confirm = true)
{
    DialogDriver::whenModal([rows, confirm](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmPartyID*>(modal);
        ASSERT_NE(dialog, nullptr);
        for (int r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < rows[r].size(); ++c)
                dialog->grid()->setItem(r, c, new QTableWidgetItem(rows[r][c]));
        }
        if (confirm)
            dialog->OKBtnClick();
        else
            dialog->reject();
    });
}

} // namespace

TEST_F(MainWindowTest, GrantorsEnteredInThePartyListWordTheFiduciarysDeed)
{
    showPage(1);
    auto* grantors = control<QPushButton>(206);
    auto* names = control<QLabel>(1);
    ASSERT_TRUE(grantors && names);
    ASSERT_FALSE(window->isModified());

    fillPartyList({{QStringLiteral("Ann Able"), QStringLiteral("F")},
                   {QStringLiteral("Bob Baker"), QStringLiteral("M")}});
    grantors->click();
    EXPECT_EQ(window->answers().text(1, 70), QStringLiteral("Ann Able"));
    EXPECT_EQ(window->answers().text(1, 74), QStringLiteral("M"));
    EXPECT_EQ(window->answers().text(1, 1), QStringLiteral("Ann Able and Bob Baker"));
    EXPECT_EQ(names->text(), QStringLiteral("Ann Able and Bob Baker"));
    EXPECT_EQ(edit(1002)->text(), QStringLiteral("Grantors"));
    EXPECT_EQ(edit(1016)->text(), QStringLiteral("their hands"));
    EXPECT_TRUE(window->answers().text(1, 199).endsWith(QStringLiteral("\\par\\tab BOB BAKER")));
    EXPECT_TRUE(window->isModified());

    // Cancel changes nothing and leaves the flag, but the page is still calculated.
    window->setModified(false);
    window->answers().setText(1, 5, QStringLiteral("1250"));
    fillPartyList({{QStringLiteral("Someone Else"), QStringLiteral("F")}}, false);
    grantors->click();
    EXPECT_EQ(window->answers().text(1, 70), QStringLiteral("Ann Able"));
    EXPECT_FALSE(window->isModified());
    EXPECT_EQ(edit(1004)->text(), QStringLiteral("One Thousand Two Hundred Fifty and 00/100"));

    // The deed is produced with the new grantors.
    window->PreviewPrint();
    const QByteArray deed =
        contents(QDir(window->settings().tempFolder).filePath(QStringLiteral("send_temp.rtf")));
    EXPECT_TRUE(deed.contains("Ann Able and Bob Baker"));
    EXPECT_TRUE(deed.contains("BOB BAKER"));
    EXPECT_TRUE(deed.contains("their hands"));
}

TEST_F(MainWindowTest, GlobalDefaultsSurviveARestartAndFillOnlyEmptyAnswers)
{
    prompts.onDialog = [](QDialog& dialog) {
        auto& globals = dynamic_cast<TfrmGlobalsDlg&>(dialog);
        globals.field(GlobalDefault::AttorneyName)->setText(QStringLiteral("Alice Attorney"));
        globals.field(GlobalDefault::County)->setText(QStringLiteral("Franklin"));
        globals.field(GlobalDefault::Notary)->setText(QStringLiteral("Nora Public"));
        globals.btnOkClick();
        return dialog.result();
    };
    window->SetGlobalDefaults();
    ASSERT_EQ(window->settings().globals.value(GlobalDefault::AttorneyName),
              QStringLiteral("Alice Attorney"));
    ASSERT_TRUE(window->close());

    // A new start reads them back from scrivix.ini.
    window = std::make_unique<TfrmMain>(folders(), &prompts, &launcher);
    window->show();
    EXPECT_EQ(window->settings().globals.value(GlobalDefault::County), QStringLiteral("Franklin"));
    EXPECT_EQ(window->settings().globals.value(GlobalDefault::Notary), QStringLiteral("Nora Public"));

    showPage(0);
    edit(1002)->setText(QStringLiteral("Delaware"));
    window->Components2Answers();
    window->TransferGlobalsClick();
    EXPECT_EQ(edit(1002)->text(), QStringLiteral("Delaware"));
    EXPECT_EQ(edit(1033)->text(), QStringLiteral("Franklin"));
    EXPECT_EQ(edit(1063)->text(), QStringLiteral("Nora Public"));
    EXPECT_EQ(edit(1064)->text(), QStringLiteral("Alice Attorney"));
    EXPECT_EQ(edit(1053)->text(), QStringLiteral("NORA PUBLIC"));
    EXPECT_TRUE(messages->texts().isEmpty()) << messages->texts().join(QLatin1Char('|')).toStdString();
}
