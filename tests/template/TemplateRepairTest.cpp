#include "template/TemplateRepair.h"
#include "QtPrinters.h"
#include "core/FileError.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scrivix;

TEST(TemplateRepair, JoinsVariablesThatAWordProcessorSplit)
{
    const struct
    {
        const char* text;
        const char* repaired;
    } cases[] = {
        {"A /*2{\\rtlch\\fcs1 4}/ B", "A /*24/ B"},
        {"/*2\\b 4\\b0 / end", "/*24/ end"},
        {"/*2\r\n{\\cf0 4}/ end", "/*24/ end"},
        {"/+1{\\b 2}/ and /${\\i 3}/ x", "/+12/ and /$3/ x"},
        // Whole variables and other kinds are left as they are.
        {"{\\rtf1 /*24/ and /%5/ end}", "{\\rtf1 /*24/ and /%5/ end}"},
        {"/&2{\\b 4}/ end", "/&2{\\b 4}/ end"},
        // Braces and line breaks alone are not touched.
        {"/*2{4}/ end", "/*2{4}/ end"},
        // RTF's own escaped star is not a variable.
        {"/{\\*\\generator Riched20;}/ end", "/{\\*\\generator Riched20;}/ end"},
        // A slash in text starts a candidate that runs to the next slash.
        {"and/or $100 {\\b more}/*5/ end", "and/or $100 more/*5/ end"},
    };
    for (const auto& c : cases) {
        QString text = QString::fromLatin1(c.text);
        const bool changed = TemplateRepair::repair(text);
        EXPECT_EQ(text, QString::fromLatin1(c.repaired)) << c.text;
        EXPECT_EQ(changed, text != QString::fromLatin1(c.text)) << c.text;
    }
}

TEST(TemplateRepair, RepairsAFileInPlace)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page3.rtf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi Grantor: /*2{\\rtlch\\fcs1 4}/, caf\xe9\r\n}");
    file.close();
    EXPECT_TRUE(TemplateRepair::repairFile(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("{\\rtf1\\ansi Grantor: /*24/, caf\xe9\r\n}"));
    file.close();
    EXPECT_FALSE(TemplateRepair::repairFile(path));
    EXPECT_THROW(TemplateRepair::repairFile(dir.filePath(QStringLiteral("absent.rtf"))), FileError);
}
