// Pictures of the window as a preparer sees it, at 1400 x 900. They are
// written to SCRIVIX_SCREENSHOT_DIR when set (docs/screenshots is made so),
// else to a temporary folder, and checked for what they must show.

#include "MainWindowFixture.h"
#include "core/TAnswer.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QScrollArea>

using namespace scrivix;

namespace {

QString screenshotFolder(const QTemporaryDir& fallback)
{
    const QByteArray configured = qgetenv("SCRIVIX_SCREENSHOT_DIR");
    return configured.isEmpty() ? fallback.path() : QString::fromLocal8Bit(configured);
}

} // namespace

TEST_F(MainWindowTest, ScreenshotsOfTheDeeds)
{
    const struct
    {
        int page;
        const char* file;
        std::vector<std::pair<int, const char*>> answers;
    } shots[] = {
        {0,
         "page0-executors-deed.png",
         {{1, "2026-0412 Smith estate"},
          {7, "Robert A. Smith"},
          {2, "Franklin"},
          {5, "2026-EST-0421"},
          {44, "3/4/2026"},
          {6, "Mary A. Smith"},
          {70, "Mary A. Smith"},
          {71, "F"},
          {23, "Carl Buyer and Dora Buyer"},
          {130, "Carl Buyer"},
          {133, "Dora Buyer"},
          {25, "1234 Northwest Boulevard, Columbus, Ohio 43212"},
          {21, "412500"},
          {31, "City"},
          {32, "Columbus"},
          {33, "Franklin"},
          {4, "Franklin"}}},
        {1,
         "page1-fiduciarys-deed.png",
         {{1, "Ann Able and Bob Baker"},
          {70, "Ann Able"},
          {71, "F"},
          {73, "Bob Baker"},
          {74, "M"},
          {3, "Co-Trustees"},
          {8, "the Able Family Trust dated May 1, 2001"},
          {13, "Franklin County Probate Court, Case No. 2026-TR-17"},
          {7, "Carl Buyer"},
          {14, "77 Elm Street, Columbus, Ohio 43215"},
          {5, "99000.50"}}},
    };
    QTemporaryDir fallback;
    const QString folder = screenshotFolder(fallback);
    QDir().mkpath(folder);
    window->resize(1400, 900);
    for (const auto& shot : shots) {
        for (const auto& [n, text] : shot.answers)
            window->answers().setText(shot.page, n, QString::fromUtf8(text));
        showPage(shot.page);
        QApplication::processEvents();
        const QImage image = window->grab().toImage();
        ASSERT_EQ(image.size(), QSize(1400, 900));
        const QString path = QDir(folder).filePath(QString::fromLatin1(shot.file));
        ASSERT_TRUE(image.save(path)) << path.toStdString();
    }
    EXPECT_EQ(edit(2005)->text(), QStringLiteral("99,000.50"));
    EXPECT_EQ(edit(1004)->text(), QStringLiteral("Ninety Nine Thousand and 50/100"));
}
