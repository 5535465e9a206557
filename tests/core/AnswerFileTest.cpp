#include "core/AnswerFile.h"
#include "QtPrinters.h"
#include "core/FileError.h"
#include "core/TAnswer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scrivix;

namespace {

QList<QByteArray> linesOf(const QByteArray& bytes)
{
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

// The file as a list of lines, joined with CR LF.
QByteArray fileOf(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// Line index of the text of answer n of page p; its flag follows it.
int lineOfAnswer(int pageNo, int answerNo)
{
    return 3 + pageNo * 2003 + 1 + answerNo * 2;
}

void expectSameAnswers(const TAnswer& actual, const TAnswer& expected)
{
    for (int p = 0; p < TAnswer::PageCount; ++p) {
        for (int n = 0; n < TAnswer::AnswersPerPage; ++n) {
            ASSERT_EQ(actual.text(p, n), expected.text(p, n)) << "page " << p << " answer " << n;
            ASSERT_EQ(actual.ovRide(p, n), expected.ovRide(p, n)) << "page " << p << " answer " << n;
        }
    }
}

void fillSample(TAnswer& store)
{
    store.setText(0, 0, QStringLiteral("  John Q. Smith  "));
    store.setText(0, 1, QStringLiteral("12 Main St | Apt 4 | Springfield"));
    store.setText(0, 2, QString::fromUtf8("Jos\u00e9 Pe\u00f1a, \u20ac 1,250.00"));
    store.setOvRide(0, 2, true);
    store.setOvRide(12, 40, true);
    store.setText(50, 500, QStringLiteral(" | "));
    store.setText(99, 1000, QStringLiteral("last answer of the last page"));
    store.setOvRide(99, 1000, true);
}

} // namespace

TEST(AnswerFileWriter, AFreshStoreIsTheFullLayout)
{
    TAnswer store;
    const QList<QByteArray> lines = linesOf(AnswerFile::toBytes(store, QStringLiteral("Smith.scx"), 12));
    ASSERT_EQ(lines.size(), 200303);
    EXPECT_EQ(lines[0], "Scrivix");
    EXPECT_EQ(lines[1], " 6.15000000000000E+0000");
    EXPECT_EQ(lines[2], "12");
    for (int p = 0; p < 100; ++p) {
        ASSERT_EQ(lines[3 + p * 2003], "Page " + QByteArray::number(p) + "; Continuation No. 0");
        for (int n = 0; n < 1001; ++n) {
            ASSERT_EQ(lines[lineOfAnswer(p, n)], "");
            ASSERT_EQ(lines[lineOfAnswer(p, n) + 1], "0");
        }
    }
}

TEST(AnswerFileWriter, TheDefaultAnswerFileReturnsToNoPage)
{
    const struct
    {
        const char* fileName;
        int currentPageNo;
        QByteArray line3;
    } cases[] = {
        {"Smith.scx", 12, "12"},
        {"/home/ann/Tessivar/Scrivix/Files/Smith.scx", 0, "0"},
        {"Smith.scx", -1, "-1"},
        {"default.scx", 12, "-1"},
        {"/somewhere/DEFAULT.SCX", 3, "-1"},
        {"Default.Scx", 3, "-1"},
        {"mydefault.scx", 3, "3"},
    };
    for (const auto& c : cases) {
        TAnswer store;
        const QByteArray bytes = AnswerFile::toBytes(store, QString::fromUtf8(c.fileName), c.currentPageNo);
        EXPECT_EQ(linesOf(bytes)[2], c.line3) << c.fileName;
        EXPECT_EQ(store.LastDocNo, c.line3.toInt()) << c.fileName;
    }
}

TEST(AnswerFileWriter, WritesTheVersionInTheWidth23Form)
{
    const struct
    {
        double value;
        QByteArray text;
    } cases[] = {
        {6.15, " 6.15000000000000E+0000"},
        {0.5, " 5.00000000000000E-0001"},
        {7, " 7.00000000000000E+0000"},
        {-6.15, "-6.15000000000000E+0000"},
        {0, " 0.00000000000000E+0000"},
        {12345.678, " 1.23456780000000E+0004"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnswerFile::formatVersion(c.value), c.text) << c.value;
        EXPECT_EQ(c.text.size(), 23);
    }
}

TEST(AnswerFileWriter, WritesWindows1252AndKeepsLineBreaksOutOfTheFile)
{
    TAnswer store;
    store.setText(3, 5, QString::fromUtf8("Jos\u00e9 \u20ac"));
    store.setText(3, 6, QStringLiteral("first line\nsecond line\r\nthird"));
    const QByteArray bytes = AnswerFile::toBytes(store, QStringLiteral("a.scx"), 3);
    const QList<QByteArray> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 200303);
    EXPECT_EQ(lines[lineOfAnswer(3, 5)], "Jos\xe9 \x80");
    EXPECT_EQ(lines[lineOfAnswer(3, 6)], "first line | second line | third");
}

TEST(AnswerFileWriter, ReportsTheAnswersWindows1252CannotHold)
{
    TAnswer store;
    fillSample(store);
    store.setText(4, 10, QString::fromUtf8("\u03a9mega Corp"));
    store.setText(0, 3, QString::fromUtf8("Anna \U0001F600"));
    store.setText(60, 0, QString::fromUtf8("\u5c71\u7530"));
    EXPECT_EQ(AnswerFile::unencodableAnswers(store), (QList<AnswerFile::Position>{{0, 3}, {4, 10}, {60, 0}}));
}

TEST(AnswerFileReader, WriteThenReadGivesTheSameStore)
{
    TAnswer written;
    fillSample(written);
    const QByteArray bytes = AnswerFile::toBytes(written, QStringLiteral("Smith.scx"), 12);

    TAnswer read;
    read.setText(7, 7, QStringLiteral("replaced by the file"));
    read.setOvRide(7, 8, true);
    EXPECT_TRUE(AnswerFile::fromBytes(bytes, read));
    expectSameAnswers(read, written);
    EXPECT_EQ(read.ProgramName, QStringLiteral("Scrivix"));
    EXPECT_EQ(read.LastDocNo, 12);
    EXPECT_EQ(AnswerFile::toBytes(read, QStringLiteral("Smith.scx"), 12), bytes);
}

TEST(AnswerFileReader, ReadsFilesWrittenElsewhere)
{
    TAnswer sample;
    fillSample(sample);
    const QByteArray crlf = AnswerFile::toBytes(sample, QStringLiteral("Smith.scx"), 4);
    QList<QByteArray> lines = linesOf(crlf);

    QList<QByteArray> otherVersion = lines;
    otherVersion[0] = "Some Other Program";
    otherVersion[1] = " 7.00000000000000E+0000";
    QList<QByteArray> spacedFlags = lines;
    spacedFlags[lineOfAnswer(0, 2) + 1] = "  2   trailing words";

    const struct
    {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"LF line ends", QByteArray(crlf).replace("\r\n", "\n")},
        {"another program name and version", fileOf(otherVersion)},
        {"a flag with blanks around it, and 2 for overridden", fileOf(spacedFlags)},
    };
    for (const auto& c : cases) {
        TAnswer store;
        EXPECT_TRUE(AnswerFile::fromBytes(c.bytes, store)) << c.name;
        EXPECT_EQ(store.VersionNo, 6.15) << c.name;
        EXPECT_EQ(store.LastDocNo, 4) << c.name;
        expectSameAnswers(store, sample);
    }
}

TEST(AnswerFileReader, AShortFileReadsAsEmptyAnswers)
{
    TAnswer sample;
    fillSample(sample);
    const QList<QByteArray> lines = linesOf(AnswerFile::toBytes(sample, QStringLiteral("a.scx"), 5));

    const struct
    {
        const char* name;
        QByteArray bytes;
        int lastDocNo;
        bool keepsFirstAnswers;
    } cases[] = {
        {"ends after line 3", fileOf(lines.mid(0, 3)), 5, false},
        {"empty file", QByteArray(), 0, false},
        {"cut inside page 0", fileOf(lines.mid(0, lineOfAnswer(0, 3))), 5, true},
        {"cut without a last line end", fileOf(lines.mid(0, lineOfAnswer(0, 3))).chopped(2), 5, true},
    };
    for (const auto& c : cases) {
        TAnswer store;
        fillSample(store);
        store.setText(0, 500, QStringLiteral("held before the reading"));
        EXPECT_TRUE(AnswerFile::fromBytes(c.bytes, store)) << c.name;
        EXPECT_EQ(store.LastDocNo, c.lastDocNo) << c.name;
        EXPECT_EQ(store.text(0, 1), c.keepsFirstAnswers ? sample.text(0, 1) : QString()) << c.name;
        EXPECT_EQ(store.ovRide(0, 2), c.keepsFirstAnswers) << c.name;
        EXPECT_TRUE(store.text(0, 500).isEmpty()) << c.name;
        EXPECT_TRUE(store.text(99, 1000).isEmpty()) << c.name;
        EXPECT_FALSE(store.ovRide(99, 1000)) << c.name;
    }
}

TEST(AnswerFileReader, ANumberThatDoesNotConvertStopsTheReading)
{
    TAnswer sample;
    fillSample(sample);
    const QList<QByteArray> lines = linesOf(AnswerFile::toBytes(sample, QStringLiteral("a.scx"), 5));

    const struct
    {
        const char* name;
        int line;
        QByteArray content;
        bool readsFirstAnswers;
    } cases[] = {
        {"version", 1, "six", false},
        {"last page", 2, "12a", false},
        {"flag", lineOfAnswer(0, 2) + 1, "x", true},
        {"a text where a flag belongs", lineOfAnswer(0, 2) + 1, "John Smith", true},
        {"flag beyond 32 bits", lineOfAnswer(0, 2) + 1, "99999999999", true},
    };
    for (const auto& c : cases) {
        QList<QByteArray> damaged = lines;
        damaged[c.line] = c.content;
        TAnswer store;
        store.setText(0, 1, QStringLiteral("before"));
        store.setText(50, 500, QStringLiteral("kept: after the bad line"));
        try {
            AnswerFile::fromBytes(fileOf(damaged), store);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const FileError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Invalid numeric input")) << c.name;
        }
        EXPECT_EQ(store.text(0, 1), c.readsFirstAnswers ? sample.text(0, 1) : QStringLiteral("before"))
            << c.name;
        EXPECT_EQ(store.text(50, 500), QStringLiteral("kept: after the bad line")) << c.name;
    }
}

TEST(AnswerFileOnDisk, SavesAndLoadsThroughRealFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Smith.scx"));
    TAnswer written;
    fillSample(written);
    AnswerFile::save(path, written, 7);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), AnswerFile::toBytes(written, path, 7).size());
    TAnswer read;
    EXPECT_TRUE(AnswerFile::read(file, read));
    expectSameAnswers(read, written);
    EXPECT_EQ(read.LastDocNo, 7);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("Smith.scx")}));
}

TEST(AnswerFileOnDisk, FailuresCarryTheFileSystemsWords)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TAnswer store;
    const QString missingFolder = dir.filePath(QStringLiteral("no/such/folder/a.scx"));
    EXPECT_THROW(AnswerFile::save(missingFolder, store, 0), FileError);
    EXPECT_THROW(AnswerFile::load(missingFolder, store), FileError);
    try {
        AnswerFile::load(dir.filePath(QStringLiteral("absent.scx")), store);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
}
