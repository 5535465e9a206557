#include "core/SettingsFile.h"
#include "QtPrinters.h"
#include "core/FileError.h"
#include "core/Settings.h"

#include <gtest/gtest.h>

using namespace scrivix;

namespace {

QByteArray lines(std::initializer_list<const char*> texts)
{
    QByteArray bytes;
    for (const char* text : texts)
        bytes += QByteArray(text) + "\r\n";
    return bytes;
}

Settings defaults()
{
    Settings settings;
    settings.clientFilesFolder = QStringLiteral("/home/ann/Tessivar/Scrivix/Files");
    settings.tempFolder = QStringLiteral("/home/ann/Tessivar/Scrivix/Temp");
    settings.forceWordPad = true;
    settings.wordPath = QStringLiteral("/usr/bin/soffice");
    return settings;
}

} // namespace

TEST(SettingsFile, WritesTheLineLayoutAndReadsItBack)
{
    Settings settings = defaults();
    settings.recentFiles = {
        QStringLiteral("/c/A.scx"), QStringLiteral("/c/B.scx"), QStringLiteral("/c/C.scx")};
    settings.forceWord = true;
    settings.forceWordPad = false;
    settings.ghostPrompts = false;
    settings.shrinkFonts = true;
    settings.globals.setValue(GlobalDefault::AttorneyName, QString::fromUtf8("Jos\u00e9 Pe\u00f1a"));
    settings.globals.setValue(GlobalDefault::CityStateZip, QStringLiteral("Columbus, Ohio 43215"));
    settings.globals.setValue(GlobalDefault::StreetAddress, QStringLiteral("1 Main St"));
    settings.globals.setValue(GlobalDefault::State, QStringLiteral("Ohio"));
    settings.globals.setValue(GlobalDefault::County, QStringLiteral("Franklin"));
    settings.globals.setValue(GlobalDefault::Notary, QStringLiteral("Nora Public"));

    const QByteArray bytes = SettingsFile::toBytes(settings);
    EXPECT_EQ(bytes,
              lines({"/home/ann/Tessivar/Scrivix/Files",
                     "/home/ann/Tessivar/Scrivix/Temp",
                     "reserved",
                     "reserved",
                     "3",
                     "/c/A.scx",
                     "/c/B.scx",
                     "/c/C.scx",
                     "X",
                     "",
                     "/usr/bin/soffice",
                     "FALSE",
                     "TRUE",
                     "Jos\xe9 Pe\xf1"
                     "a",
                     "",
                     "Columbus, Ohio 43215",
                     "1 Main St",
                     "",
                     "",
                     "",
                     "",
                     "",
                     "Ohio",
                     "Franklin",
                     "",
                     "",
                     "Nora Public"}));

    Settings read;
    SettingsFile::fromBytes(bytes, read);
    EXPECT_EQ(read.clientFilesFolder, settings.clientFilesFolder);
    EXPECT_EQ(read.recentFiles, settings.recentFiles);
    EXPECT_TRUE(read.forceWord);
    EXPECT_FALSE(read.forceWordPad);
    EXPECT_EQ(read.wordPath, settings.wordPath);
    EXPECT_FALSE(read.ghostPrompts);
    EXPECT_TRUE(read.shrinkFonts);
    EXPECT_EQ(read.globals, settings.globals);
}

TEST(SettingsFile, ReadsOverTheDefaultsLineByLine)
{
    const struct
    {
        const char* name;
        QByteArray bytes;
        bool forceWord;
        bool forceWordPad;
        bool ghostPrompts;
        const char* folder;
    } cases[] = {
        {"empty lines keep the folders and options",
         lines({"", "", "reserved", "reserved", "0", "", "", "", "TRUE"}),
         false,
         true,
         true,
         "/home/ann/Tessivar/Scrivix/Files"},
        {"a lower-case x switches an option off",
         lines({"/f", "/t", "r", "r", "0", "x", "x", "", "TRUE"}),
         false,
         false,
         true,
         "/f"},
        {"an empty ghost prompts line switches them off",
         lines({"/f", "/t", "r", "r", "0", "X", "", "", ""}),
         true,
         true,
         false,
         "/f"},
        {"a file that ends after the recent files",
         lines({"/f", "/t", "r", "r", "1", "/c/A.scx"}),
         false,
         true,
         false,
         "/f"},
    };
    for (const auto& c : cases) {
        Settings settings = defaults();
        settings.globals.setValue(GlobalDefault::County, QStringLiteral("kept?"));
        SettingsFile::fromBytes(c.bytes, settings);
        EXPECT_EQ(settings.forceWord, c.forceWord) << c.name;
        EXPECT_EQ(settings.forceWordPad, c.forceWordPad) << c.name;
        EXPECT_EQ(settings.ghostPrompts, c.ghostPrompts) << c.name;
        EXPECT_FALSE(settings.shrinkFonts) << c.name;
        EXPECT_EQ(settings.clientFilesFolder, QString::fromLatin1(c.folder)) << c.name;
        EXPECT_EQ(settings.wordPath, QStringLiteral("/usr/bin/soffice")) << c.name;
        EXPECT_TRUE(settings.globals.value(GlobalDefault::County).isEmpty()) << c.name;
    }
}

TEST(SettingsFile, ACountThatIsNotANumberIsAnError)
{
    Settings settings = defaults();
    try {
        SettingsFile::fromBytes(lines({"/f", "/t", "reserved", "reserved", "three", "/c/A.scx"}), settings);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid numeric input"));
    }
}
