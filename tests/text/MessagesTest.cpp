#include "text/Messages.h"
#include "MessageRecorder.h"
#include "QtPrinters.h"
#include "text/MessageCatalogue.h"

#include <gtest/gtest.h>

using namespace scrivix;

namespace {

struct TextCase
{
    quint16 messageNo;
    const char* extraText;
    const char* expected;
};

const TextCase kTextCases[] = {
    // Sub-codes share their entry's text.
    {21260, "", "2126-NumberToWords. "},
    {21269, "", "2126-NumberToWords. "},
    // Numbers missing from the catalogue name the message number as passed.
    {16030, "", "Unidentified error -  16030"},
    {1100, "", "Unidentified error -  1100"},
    {65535, "", "Unidentified error -  65535"},
    // Catalogue number is the message number divided by ten.
    {5,
     "",
     "0-There is no help topic for the control you selected. Help is mostly provided for blue fields to "
     "indicate the source of the information Scrivix is placing in that field. "},
    {11000, "", "1100-Error messages go here"},
    // The five entries that take the caller's text append it directly.
    {21202,
     "12a",
     "2120-Str2Float_2. An error occurred while Scrivix was converting an entry to a real number: 12a"},
    {16010, "Q", "1601-The gender column can only have 3 values: \"M\", \"F\" or empty. Remove: Q"},
    {11070, "boom", "1107-Error in New Form routine - boom"},
    {11260, "x", "1126-Error in Delete Form routine - x"},
    {12100, "t", "1210-Test New Customized Error. The test text string used was: t"},
    // Every other entry ignores it.
    {11010,
     "ignored",
     "1101-You should save client files with the extension scx. The extension of this file is being "
     "changed to scx. "},
    {11060, "", "1106 -An error occurred while attempting to View a continuation page. "},
    {11300,
     "",
     "1130-Your globals don't appear to be set. At least the attorney/preparer name field is empty. If you "
     "haven't set globals yet, go to the Options menu and Set Globals Defaults."},
    {15010,
     "",
     "1501-The directory choice is not valid. You'll need to reset the default scx file location when the "
     "dialog opens. The default path is C:\\Tessivar\\Scrivix\\Files\\"},
    {38000, "", "3800-Error messages go here"},
};

} // namespace

TEST(CreateErrorString, BuildsTheCatalogueText)
{
    for (const TextCase& c : kTextCases) {
        EXPECT_EQ(CreateErrorString(c.messageNo, QString::fromUtf8(c.extraText)),
                  QString::fromUtf8(c.expected))
            << "message " << c.messageNo;
    }
}

TEST(CreateErrorString, DateMessageNamesTheLastMergedVariable)
{
    const QString prefix = QStringLiteral(
        "2118-Str2Float_P. An error occurred while Scrivix was converting an entry to a real number. This "
        "can occur when a date field contains text that it cannot read. When in doubt, use MM/DD/YY format "
        "and let Scrivix do the conversions. If available: Page - ");
    setMergeDiagnostics(3, 24);
    EXPECT_EQ(CreateErrorString(21182, QStringLiteral("ignored")), prefix + QStringLiteral("3; Var - 24"));
    EXPECT_EQ(CreateErrorString(21180), prefix + QStringLiteral("3; Var - 24"));
    setMergeDiagnostics(0, 0);
    EXPECT_EQ(CreateErrorString(21182), prefix + QStringLiteral("0; Var - 0"));
}

TEST(MessageCatalogue, EveryEntryStartsWithItsOwnNumber)
{
    int entries = 0;
    for (int n = 0; n <= 6553; ++n) {
        const QString text = MessageCatalogue::text(n);
        if (text.isNull())
            continue;
        ++entries;
        EXPECT_TRUE(text.startsWith(QString::number(n) + QLatin1Char('-')) ||
                    text.startsWith(QString::number(n) + QLatin1String(" -")))
            << text.toStdString();
    }
    EXPECT_EQ(entries, 83);
}

TEST(ShowNumberedMessage, HandsTheTextToTheInstalledPresenter)
{
    QStringList outer;
    const MessagePresenter original =
        setMessagePresenter([&outer](const QString& text) { outer.append(text); });
    {
        MessageRecorder recorder;
        ShowNumberedMessage(21202, QStringLiteral("abc"));
        ShowNumberedMessage(16030);
        EXPECT_EQ(recorder.texts(),
                  QStringList({CreateErrorString(21202, QStringLiteral("abc")),
                               QStringLiteral("Unidentified error -  16030")}));
    }
    // The recorder put the previous presenter back.
    ShowNumberedMessage(21260);
    EXPECT_EQ(outer, QStringList({QStringLiteral("2126-NumberToWords. ")}));
    setMessagePresenter(original);
}
