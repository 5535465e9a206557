#include "text/Wording.h"
#include "MessageRecorder.h"
#include "QtPrinters.h"
#include "text/Messages.h"
#include "text/ShortDate.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace scrivix;

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST(NumberToWords, WritesEnglishWordsEachFollowedByABlank)
{
    const struct
    {
        double amount;
        const char* words;
    } cases[] = {
        {0, "No "},
        {1, "One "},
        {10, "Ten "},
        {11, "Eleven "},
        {15, "Fifteen "},
        {19, "Nineteen "},
        {20, "Twenty "},
        {110, "One Hundred Ten "},
        {2013, "Two Thousand Thirteen "},
        {10010, "Ten Thousand Ten "},
        {11011, "Eleven Thousand Eleven "},
        {19017, "Nineteen Thousand Seventeen "},
        {1000000, "One Million "},
        {12000012, "Twelve Million Twelve "},
        {412116019, "Four Hundred Twelve Million One Hundred Sixteen Thousand Nineteen "},
        {999999999,
         "Nine Hundred Ninety Nine Million Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine "},
        // The fraction is ignored; so is a negative amount, and a fraction alone gives nothing.
        {1234.99, "One Thousand Two Hundred Thirty Four "},
        {0.75, ""},
        {-5, ""},
    };
    MessageRecorder recorder;
    for (const auto& c : cases)
        EXPECT_EQ(NumberToWords(c.amount), s(c.words)) << c.amount;
    EXPECT_TRUE(recorder.texts().isEmpty());
}

TEST(NumberToWords, AboveNineHundredNinetyNineMillionReportsAndGivesNothing)
{
    MessageRecorder recorder;
    EXPECT_EQ(NumberToWords(1000000000), QString());
    EXPECT_EQ(recorder.texts(), QStringList({CreateErrorString(21260)}));
}

TEST(ConvertTeens, JoinsOnlyTheFirstPatternFound)
{
    EXPECT_EQ(ConvertTeens(s("Ten Two Thousand Ten One ")), s("Ten Two Thousand Eleven "));
    EXPECT_EQ(ConvertTeens(s("Ten Nine Ten Nine ")), s("Nineteen Ten Nine "));
    EXPECT_EQ(ConvertTeens(s("Twenty Ten ")), s("Twenty Ten "));
}

TEST(Float2Dollar, WritesWordsAndCents)
{
    const struct
    {
        double amount;
        const char* text;
    } cases[] = {
        {1250, "One Thousand Two Hundred Fifty and 00/100"},
        {12.05, "Twelve and 05/100"},
        {0, "No and 00/100"},
        {0.5, "and 50/100"},
        {0.75, "and 75/100"},
        {99.99, "Ninety Nine and 99/100"},
        // The fraction rounds up to a hundred cents; the whole part stays.
        {100.999, "One Hundred and 100/100"},
        // Half a cent rounds to even.
        {1.125, "One and 12/100"},
        {1.375, "One and 38/100"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Float2Dollar(c.amount), s(c.text)) << c.amount;
}

TEST(Float2Dollar, AboveTheWordsLimitKeepsTheCents)
{
    MessageRecorder recorder;
    EXPECT_EQ(Float2Dollar(1000000000.25), s("and 25/100"));
    EXPECT_EQ(recorder.texts().size(), 1);
}

TEST(AmountFigures, GroupThousandsWithTwoDecimals)
{
    EXPECT_EQ(Float2Amount(1234.5), s("1,234.50"));
    EXPECT_EQ(Float2Amount(-7), s("-7.00"));
    EXPECT_EQ(Float2Amount(1234567.891), s("1,234,567.89"));
    EXPECT_EQ(Float2Amount(0), s("0.00"));
    EXPECT_EQ(Str2Amount(s("$1,234.5")), s("1,234.50"));
    EXPECT_EQ(Str2Amount(s("")), s("0.00"));
    EXPECT_EQ(Str2Amount(s("(300)")), s("-300.00"));
}

TEST(RemoveCommasAndSigns, StripsSignsAndMakesParenthesesNegative)
{
    const struct
    {
        const char* text;
        const char* cleaned;
    } cases[] = {
        {"", ""},
        {"$1,250.00", "1250.00"},
        {"(300)", "-300"},
        {"- 5%", "-5"},
        {"12-34", "-1234"},
        {"1250", "1250"},
        {"abc", "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RemoveCommasAndSigns(s(c.text)), s(c.cleaned)) << c.text;
}

TEST(Str2Float, ReadsAmountsAsTyped)
{
    const struct
    {
        const char* text;
        double unrounded;
        double whole;
        double cents;
    } cases[] = {
        {"", 0, 0, 0},
        {"1250", 1250, 1250, 1250},
        {"$1,250.00", 1250, 1250, 1250},
        {"(1,234.567)", -1234.567, -1235, -1234.57},
        {"2.5", 2.5, 3, 2.5},
        {"0.125", 0.125, 0, 0.13},
        {"-2.5", -2.5, -3, -2.5},
        {"45%", 45, 45, 45},
    };
    MessageRecorder recorder;
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Str2Float_P(s(c.text)), c.unrounded) << c.text;
        EXPECT_DOUBLE_EQ(Str2Float_0(s(c.text)), c.whole) << c.text;
        EXPECT_DOUBLE_EQ(Str2Float_2(s(c.text)), c.cents) << c.text;
    }
    EXPECT_TRUE(recorder.texts().isEmpty());
    // Only Str2Float_2 trims blanks and control characters before reading.
    EXPECT_DOUBLE_EQ(Str2Float_2(s("\t 12.5 \r\n")), 12.5);
}

TEST(Str2Float, TextThatIsNotANumberReportsAndReadsAsZero)
{
    const struct
    {
        double (*convert)(const QString&);
        quint16 messageNo;
        const char* extraText;
    } cases[] = {
        {Str2Float_P, 21182, ""},
        {Str2Float_0, 21192, ""},
        {Str2Float_2, 21202, "abc"},
    };
    for (const auto& c : cases) {
        MessageRecorder recorder;
        EXPECT_EQ(c.convert(s(" abc ")), 0.0);
        EXPECT_EQ(recorder.texts(), QStringList({CreateErrorString(c.messageNo, s(c.extraText))}));
    }
}

TEST(ConvertDate, WritesShortDatesOutAndLeavesOtherTextAlone)
{
    const struct
    {
        const char* text;
        const char* written;
    } cases[] = {
        {"", ""},
        {"1/5/2018", "January 5, 2018"},
        {"01/05/2018", "January 5, 2018"},
        {"12/31/99", "December 31, 1999"},
        {"2/29/2024", "February 29, 2024"},
        {"2/30/2024", "2/30/2024"},
        {"next Tuesday", "next Tuesday"},
        {"January 5, 2018", "January 5, 2018"},
    };
    MessageRecorder recorder;
    for (const auto& c : cases)
        EXPECT_EQ(ConvertDate(s(c.text)), s(c.written)) << c.text;
    EXPECT_TRUE(recorder.texts().isEmpty());
}

TEST(NormalizeDate, TurnsWrittenDatesBackIntoShortDates)
{
    const struct
    {
        const char* text;
        const char* normalized;
    } cases[] = {
        {"", ""},
        {"1/5/2018", "1/5/2018"},
        {"January 5, 2018", "1/5/2018"},
        {"Sept. 3, 2017", "9/3/2017"},
        {"December 25, 2026", "12/25/2026"},
    };
    MessageRecorder recorder;
    for (const auto& c : cases) {
        const NormalizedDate result = NormalizeDate(s(c.text));
        EXPECT_EQ(result.text, s(c.normalized)) << c.text;
        EXPECT_TRUE(result.ok) << c.text;
    }
    EXPECT_TRUE(recorder.texts().isEmpty());
}

TEST(NormalizeDate, WithoutAMonthNameReportsAndGivesToday)
{
    MessageRecorder recorder;
    const NormalizedDate result = NormalizeDate(s("Tomorrow"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.text, ShortDate::format(QDate::currentDate()));
    EXPECT_EQ(recorder.texts(), QStringList({CreateErrorString(21180)}));
}

TEST(RomanNumeral, CoversOneToFortyNine)
{
    const struct
    {
        int n;
        const char* numeral;
    } cases[] = {
        {1, "I"},
        {3, "III"},
        {4, "IV"},
        {9, "IX"},
        {14, "XIV"},
        {40, "XL"},
        {49, "XLIX"},
        {0, ""},
        {50, ""},
        {-1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RomanNumeral(c.n), s(c.numeral)) << c.n;
}

TEST(TextHelpers, BoldCodesLinesAndBlanks)
{
    EXPECT_EQ(RemoveBoldCodes(s("\\b John Smith\\b0 , \\b Jane\\b0 ")), s("John Smith, Jane"));
    EXPECT_EQ(RemoveBoldCodes(s("")), s(""));
    EXPECT_EQ(JoinLines(s("12 Main St\r\nApt 4\r\nSpringfield")), s("12 Main St | Apt 4 | Springfield"));
    // Editors here end lines with LF alone.
    EXPECT_EQ(JoinLines(s("a\nb\rc")), s("a | b | c"));
    EXPECT_EQ(SplitLines(s("12 Main St | Apt 4")), s("12 Main St\r\nApt 4"));
    EXPECT_EQ(SplitLines(JoinLines(s("x\r\ny"))), s("x\r\ny"));
    EXPECT_EQ(TrimTrailingBlanks(s("  a b  ")), s("  a b"));
    EXPECT_EQ(TrimTrailingBlanks(s("a\t")), s("a\t"));
}
