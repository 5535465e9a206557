#include "QtPrinters.h"
#include "cli/CliRun.h"
#include "core/AnswerFile.h"
#include "core/TAnswer.h"
#include "text/Messages.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scrivix;

namespace {

class CliTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CliTest, WordsWritesTheAmountAsDocumentsStateIt)
{
    const struct
    {
        const char* amount;
        const char* words;
    } cases[] = {
        {"1250", "One Thousand Two Hundred Fifty and 00/100\n"},
        {"$1,250.5", "One Thousand Two Hundred Fifty and 50/100\n"},
        {"412116019.99", "Four Hundred Twelve Million One Hundred Sixteen Thousand Nineteen and 99/100\n"},
        {"0.75", "and 75/100\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = cli({QStringLiteral("words"), QString::fromLatin1(c.amount)});
        EXPECT_EQ(run.status, 0) << c.amount;
        EXPECT_EQ(run.out, QString::fromLatin1(c.words)) << c.amount;
        EXPECT_EQ(run.err, QString()) << c.amount;
    }
}

TEST_F(CliTest, WordsReportsUnreadableAmountsWithTheirMessage)
{
    const CliRun run = cli({QStringLiteral("words"), QStringLiteral("12a")});
    EXPECT_EQ(run.out, QStringLiteral("No and 00/100\n"));
    EXPECT_EQ(run.err, CreateErrorString(21202, QStringLiteral("12a")) + QLatin1Char('\n'));
}

TEST_F(CliTest, SetThenDumpRoundTripsAClient)
{
    const QString file = path("Smith.scx");
    CliRun run = cli({QStringLiteral("set"),
                      file,
                      QStringLiteral("3"),
                      QStringLiteral("5=John Smith"),
                      QStringLiteral("7=  leading and trailing  "),
                      QString::fromUtf8("9=Jos\u00e9 = \u20ac 5")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray bytes = contentsOf(file);
    EXPECT_EQ(bytes.count("\r\n"), 200303);
    EXPECT_TRUE(bytes.startsWith("Scrivix\r\n 6.15000000000000E+0000\r\n3\r\n"));

    // A second set keeps the first answers and moves the page to return to.
    run = cli({QStringLiteral("set"), file, QStringLiteral("3"), QStringLiteral("1000=last")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();

    run = cli({QStringLiteral("dump"), file, QStringLiteral("3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              QString::fromUtf8("5\t0\tJohn Smith\n"
                                "7\t0\t  leading and trailing  \n"
                                "9\t0\tJos\u00e9 = \u20ac 5\n"
                                "1000\t0\tlast\n"));
    EXPECT_EQ(cli({QStringLiteral("dump"), file, QStringLiteral("4")}).out, QString());
}

TEST_F(CliTest, DumpShowsOverriddenAnswersEvenWhenEmpty)
{
    const QString file = path("override.scx");
    TAnswer store;
    store.setOvRide(12, 40, true);
    store.setText(12, 41, QStringLiteral("typed over"));
    store.setOvRide(12, 41, true);
    AnswerFile::save(file, store, 12);
    EXPECT_EQ(cli({QStringLiteral("dump"), file, QStringLiteral("12")}).out,
              QStringLiteral("40\t1\t\n41\t1\ttyped over\n"));
}

TEST_F(CliTest, SetRefusesTextTheAnswerFileCannotHold)
{
    const QString file = path("Nguyen.scx");
    ASSERT_EQ(cli({QStringLiteral("set"), file, QStringLiteral("0"), QStringLiteral("1=kept")}).status, 0);
    const QByteArray before = contentsOf(file);

    const CliRun run = cli({QStringLiteral("set"),
                            file,
                            QStringLiteral("0"),
                            QStringLiteral("2=fine"),
                            QString::fromUtf8("3=Nguy\u1ec5n")});
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("answer 3"))) << run.err.toStdString();
    EXPECT_EQ(contentsOf(file), before);
}

TEST_F(CliTest, DamagedOrMissingFilesFailWithOneClearLine)
{
    const QString damaged = path("damaged.scx");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Scrivix\r\n 6.15000000000000E+0000\r\n0\r\nPage 0; Continuation No. 0\r\nJohn\r\nx\r\n");
    file.close();

    const struct
    {
        const char* name;
        QStringList arguments;
        const char* errorPart;
    } cases[] = {
        {"damaged dump", {QStringLiteral("dump"), damaged, QStringLiteral("0")}, "Invalid numeric input"},
        {"damaged set",
         {QStringLiteral("set"), damaged, QStringLiteral("0"), QStringLiteral("1=a")},
         "Invalid numeric input"},
        {"missing file", {QStringLiteral("dump"), path("absent.scx"), QStringLiteral("0")}, "absent.scx"},
        {"page out of range", {QStringLiteral("dump"), damaged, QStringLiteral("100")}, "0 to 99"},
        {"answer out of range",
         {QStringLiteral("set"), path("new.scx"), QStringLiteral("0"), QStringLiteral("1001=a")},
         "1001=a"},
        {"unknown command", {QStringLiteral("frobnicate")}, "frobnicate"},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(c.arguments);
        EXPECT_NE(run.status, 0) << c.name;
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.errorPart)))
            << c.name << ": " << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("new.scx")));
    EXPECT_TRUE(contentsOf(damaged).endsWith("x\r\n"));
}

TEST_F(CliTest, EveryCommandExplainsItself)
{
    for (const char* command : {"words", "dump", "set"}) {
        const CliRun run = cli({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_TRUE(run.out.contains(QStringLiteral("Usage:"))) << command;
    }
    const CliRun overview = cli({QStringLiteral("--help")});
    EXPECT_EQ(overview.status, 0);
    EXPECT_TRUE(overview.out.contains(QStringLiteral("dump FILE.scx PAGE")));
}

TEST_F(CliTest, CalcRunsThePagesRulesAndKeepsTheFile)
{
    const QString file = path("deed.scx");
    ASSERT_EQ(cli({QStringLiteral("set"),
                   file,
                   QStringLiteral("1"),
                   QStringLiteral("70=Ann Able"),
                   QStringLiteral("71=f"),
                   QStringLiteral("5=1250")})
                  .status,
              0);
    const CliRun run = cli({QStringLiteral("calc"), file, QStringLiteral("1")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString dump = cli({QStringLiteral("dump"), file, QStringLiteral("1")}).out;
    for (const char* line : {"2\t0\tGrantor\n",
                             "4\t0\tOne Thousand Two Hundred Fifty and 00/100\n",
                             "5\t0\t1,250.00\n",
                             "16\t0\ther hand\n",
                             "22\t0\tANN ABLE\n",
                             "199\t0\tANN ABLE\n"})
        EXPECT_TRUE(dump.contains(QString::fromLatin1(line))) << line;
}

TEST_F(CliTest, DefaultsFillEmptyAnswersFromTheSettingsFile)
{
    const QString ini = path("scrivix.ini");
    QFile settings(ini);
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(
        "/f\r\n/t\r\nreserved\r\nreserved\r\n0\r\n\r\n\r\n\r\nTRUE\r\nFALSE\r\n"
        "Alice Attorney\r\nSuite 200\r\nColumbus, Ohio 43215\r\n1 Main St\r\n614-555-0100\r\n"
        "alice@example.com\r\n0012345\r\nCity\r\nColumbus\r\nOhio\r\nFranklin\r\nDecember\r\n2026\r\n"
        "Nora Public\r\n");
    settings.close();

    const QString file = path("deed.scx");
    ASSERT_EQ(cli({QStringLiteral("set"), file, QStringLiteral("0"), QStringLiteral("4=Delaware")}).status,
              0);
    const CliRun run =
        cli({QStringLiteral("defaults"), file, QStringLiteral("0"), QStringLiteral("--settings"), ini});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString dump = cli({QStringLiteral("dump"), file, QStringLiteral("0")}).out;
    for (const char* line : {"2\t0\tFranklin\n",
                             "4\t0\tDelaware\n",
                             "52\t0\tFRANKLIN\n",
                             "63\t0\tNora Public\n",
                             "64\t0\tAlice Attorney\n",
                             "67\t0\tColumbus, Ohio 43215\n",
                             "192\t0\t0012345\n"})
        EXPECT_TRUE(dump.contains(QString::fromLatin1(line))) << line;

    const CliRun missing = cli({QStringLiteral("defaults"),
                                file,
                                QStringLiteral("0"),
                                QStringLiteral("--settings"),
                                path("none.ini")});
    EXPECT_NE(missing.status, 0);
    EXPECT_EQ(missing.err.count(QLatin1Char('\n')), 1);
}

TEST_F(CliTest, FixTemplateRepairsInPlace)
{
    const QString rtf = path("page4.rtf");
    QFile file(rtf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 Grantor: /*2{\\rtlch\\fcs1 4}/\\par}\r\n");
    file.close();
    const CliRun run = cli({QStringLiteral("fix-template"), rtf});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(contentsOf(rtf), QByteArray("{\\rtf1 Grantor: /*24/\\par}\r\n"));
    EXPECT_NE(cli({QStringLiteral("fix-template"), path("absent.rtf")}).status, 0);
}
