#include "QtPrinters.h"
#include "core/AnswerFile.h"
#include "core/TAnswer.h"
#include "text/Messages.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scrivix;

namespace {

struct CliRun
{
    int status;
    QString out;
    QString err;
};

// Runs the real scrivix-cli as a US user would.
CliRun cli(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SCRIVIX_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
    CliRun run = cli({QStringLiteral("set"), file, QStringLiteral("3"), QStringLiteral("5=John Smith"),
                   QStringLiteral("7=  leading and trailing  "), QString::fromUtf8("9=Jos\u00e9 = \u20ac 5")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray bytes = contentsOf(file);
    EXPECT_EQ(bytes.count("\r\n"), 200303);
    EXPECT_TRUE(bytes.startsWith("Scrivix\r\n 6.15000000000000E+0000\r\n3\r\n"));

    // A second set keeps the first answers and moves the page to return to.
    run = cli({QStringLiteral("set"), file, QStringLiteral("3"), QStringLiteral("1000=last")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();

    run = cli({QStringLiteral("dump"), file, QStringLiteral("3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QString::fromUtf8("5\t0\tJohn Smith\n"
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

    const CliRun run = cli({QStringLiteral("set"), file, QStringLiteral("0"), QStringLiteral("2=fine"),
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
        {"damaged set", {QStringLiteral("set"), damaged, QStringLiteral("0"), QStringLiteral("1=a")},
         "Invalid numeric input"},
        {"missing file", {QStringLiteral("dump"), path("absent.scx"), QStringLiteral("0")}, "absent.scx"},
        {"page out of range", {QStringLiteral("dump"), damaged, QStringLiteral("100")}, "0 to 99"},
        {"answer out of range", {QStringLiteral("set"), path("new.scx"), QStringLiteral("0"),
                                 QStringLiteral("1001=a")}, "1001=a"},
        {"unknown command", {QStringLiteral("frobnicate")}, "frobnicate"},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(c.arguments);
        EXPECT_NE(run.status, 0) << c.name;
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.errorPart))) << c.name << ": " << run.err.toStdString();
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
