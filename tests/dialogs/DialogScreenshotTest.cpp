// Pictures of the party list and specific bequest dialogs filled in as a
// preparer would. They are written to SCRIVIX_SCREENSHOT_DIR when set
// (docs/screenshots is made so), else to a temporary folder.

#include "DialogDriver.h"
#include "core/TAnswer.h"
#include "dialogs/TfrmPartyID.h"
#include "dialogs/TfrmSpecBeqDlg.h"
#include "screens/DialogDispatch.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scrivix;

namespace {

QString screenshotFolder(const QTemporaryDir& fallback)
{
    const QByteArray configured = qgetenv("SCRIVIX_SCREENSHOT_DIR");
    return configured.isEmpty() ? fallback.path() : QString::fromLocal8Bit(configured);
}

void save(QWidget& dialog, const QString& folder, const char* file, const QSize& size)
{
    ASSERT_TRUE(DialogDriver::showActive(&dialog));
    QApplication::processEvents();
    const QImage image = dialog.grab().toImage();
    EXPECT_EQ(image.size(), size);
    const QString path = QDir(folder).filePath(QString::fromLatin1(file));
    ASSERT_TRUE(image.save(path)) << path.toStdString();
}

TEST(DialogScreenshotTest, ScreenshotsOfThePartyListAndSpecificBequest)
{
    QTemporaryDir fallback;
    const QString folder = screenshotFolder(fallback);
    QDir().mkpath(folder);
    TAnswer store;

    // The grantors of a warranty deed: page 6, Tag 200.
    const char* const grantors[][3] = {
        {"James J. Smith", "M", "Husband"},
        {"Mary J. Smith", "F", "Wife"},
        {"Robert A. Smith, Trustee of the Smith Family Trust", "M", "unmarried"},
    };
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            store.setText(6, 70 + 3 * r + c, QString::fromUtf8(grantors[r][c]));
    }
    {
        TfrmPartyID dialog(store, 6, *DialogDispatch::partyListFor(200));
        dialog.grid()->setCurrentCell(2, 0);
        save(dialog, folder, "party-list.png", QSize(TfrmPartyID::ClientWidth, TfrmPartyID::ClientHeight));
    }

    // Bequest 2 of the generic will.
    const char* const bequest[] = {
        "my 1965 Steinway Model M grand piano, together with its bench | and all of my sheet music",
        "Emily R. Smith",
        "granddaughter",
        "",
        "",
        "on the condition that she complete high school",
        "X",
        "",
        "",
    };
    for (int i = 0; i < 9; ++i)
        store.setText(
            TfrmSpecBeqDlg::BequestPage, TfrmSpecBeqDlg::firstAnswer(2) + i, QString::fromUtf8(bequest[i]));
    TfrmSpecBeqDlg dialog(store, 2);
    save(dialog,
         folder,
         "specific-bequest.png",
         QSize(TfrmSpecBeqDlg::ClientWidth, TfrmSpecBeqDlg::ClientHeight));
}

} // namespace
