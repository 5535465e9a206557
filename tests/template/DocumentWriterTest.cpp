#include "template/DocumentWriter.h"
#include "QtPrinters.h"
#include "core/FileError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scrivix;

TEST(DocumentWriter, WritesSevenBitAsciiWithUnicodeEscapes)
{
    const struct
    {
        const char* text;
        QByteArray ascii;
    } cases[] = {
        {"{\\rtf1 plain}", "{\\rtf1 plain}"},
        {"Jos\u00e9", "Jos{\\uc1\\u233?}"},
        {"\u20ac 5", "{\\uc1\\u8364?} 5"},
        {"\u2610", "{\\uc1\\u9744?}"},
        {"\uffe9", "{\\uc1\\u-23?}"},
        {"\U0001F600", "{\\uc1\\u-10179?\\u-8704?}"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DocumentWriter::toAscii(QString::fromUtf8(c.text)), c.ascii) << c.text;
}

TEST(DocumentWriter, UsesAnotherNameWhenTheLastDocumentIsStillOpen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString usual = dir.filePath(QStringLiteral("send_temp.rtf"));

    EXPECT_EQ(DocumentWriter::write(dir.path(), QStringLiteral("{\\rtf1 first}")), usual);
    EXPECT_EQ(DocumentWriter::write(dir.path(), QStringLiteral("{\\rtf1 second}")), usual);
    QFile written(usual);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("{\\rtf1 second}"));
    written.close();

    // A send_temp.rtf that cannot be deleted (here a folder with something in it).
    ASSERT_TRUE(QFile::remove(usual));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("send_temp.rtf/held")));
    const QString other = DocumentWriter::write(dir.path(), QStringLiteral("{\\rtf1 third}"));
    EXPECT_NE(other, usual);
    EXPECT_TRUE(
        QFileInfo(other).fileName().contains(QRegularExpression(QStringLiteral("^send_temp\\d{1,3}\\.rtf$"))))
        << other.toStdString();
    EXPECT_TRUE(QFile::exists(other));

    EXPECT_THROW(DocumentWriter::write(dir.filePath(QStringLiteral("no/such/folder")), QStringLiteral("x")),
                 FileError);
}
