#include "template/TemplateMerge.h"
#include "MessageRecorder.h"
#include "QtPrinters.h"
#include "core/TAnswer.h"
#include "text/Messages.h"

#include <gtest/gtest.h>

#include <map>

using namespace scrivix;

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

const char* const kFontTable = "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss "
                               "Arial;}{\\f2\\fnil\\fcharset2 Wingdings;}}";

struct Answer
{
    const char* text;
    bool overridden = false;
};

TAnswer& storeWith(TAnswer& store, int pageNo, const std::map<int, Answer>& answers)
{
    for (const auto& [n, a] : answers) {
        store.setText(pageNo, n, s(a.text));
        store.setOvRide(pageNo, n, a.overridden);
    }
    return store;
}

} // namespace

TEST(TemplateMerge, ReplacesEveryVariableByItsKind)
{
    const std::map<int, Answer> answers = {
        {3, {"John Smith"}},
        {5, {"1250"}},
        {6, {""}},
        {7, {"Jane Doe", true}},
        {8, {"1/5/2018"}},
        {9, {"January 5, 2018", true}},
        {10, {"next Tuesday"}},
        {12, {"X"}},
        {13, {"x"}},
        {24, {"/*25/ and /*26/"}},
        {25, {"nested"}},
        {26, {"/#7/"}},
        {30, {"5%"}},
        {31, {"A&B"}},
        {123, {"one two three"}},
        {999, {"last"}},
    };
    const struct
    {
        const char* name;
        int pageNo;
        const char* text;
        const char* merged;
    } cases[] = {
        {"as stored and amount",
         0,
         "\\fs22 Sold to /*3/ for $/%5/.",
         "\\fs22 Sold to John Smith for $1,250.00."},
        {"empty answer leaves no trace", 0, "[/*6/]", "[]"},
        {"amount column pads to eight", 0, "[/@6/][/@5/]", "[    0.00][1,250.00]"},
        {"amount column on the last page", 99, "[/@6/]", "[]"},
        {"empty amount of kind %", 0, "[/%6/]", "[]"},
        {"dollar variables print amounts", 0, "[/$5/][/$6/]", "[1,250.00][0.00]"},
        {"dollar variable on the last page", 99, "[/$6/]", "[]"},
        {"overridden answer is marked", 0, "/*7/", "\\cf1 Jane Doe\\cf0 "},
        {"plain kinds are never marked", 0, "/#7/ /+7/", "Jane Doe Jane Doe"},
        {"< prints as stored", 0, "/<7/", "\\cf1 Jane Doe\\cf0 "},
        {"date written out", 0, "/^8/", "January 5, 2018"},
        {"written date, overridden", 0, "/^9/", "\\cf1 January 5, 2018\\cf0 "},
        {"three digits", 0, "/*123/!", "one two three!"},
        {"answer 999", 0, "/*999/", "last"},
        {"inserted variables are merged too", 0, "(/*24/)", "(nested and Jane Doe)"},
        {"no slash, no variable", 0, "/*30/ /*31/ 5% A&B", "5% A&B 5% A&B"},
        {"variable wrapped across lines",
         0,
         "/*\r\n3/|/\r\n*3/|/*3\r\n/",
         "John Smith|John Smith|John Smith"},
        {"not variables", 0, "and/or /x3/ /*/ /*a/ /*1234/ a/b", "and/or /x3/ /*/ /*a/ /*1234/ a/b"},
        {"slash at the very end", 0, "end /*3", "end /*3"},
        {"other pages' answers are not read", 1, "[/*3/]", "[]"},
    };
    for (const auto& c : cases) {
        TAnswer store;
        storeWith(store, 0, answers);
        storeWith(store, 99, answers);
        MessageRecorder recorder;
        TemplateMerge merge;
        EXPECT_EQ(merge.TransferAnswers(s(c.text), store, c.pageNo), s(c.merged)) << c.name;
        EXPECT_TRUE(recorder.texts().isEmpty())
            << c.name << ": " << recorder.texts().join(QLatin1Char('|')).toStdString();
    }
}

TEST(TemplateMerge, DrawsCheckBoxesInTheTemplatesWingdingsFont)
{
    TAnswer store;
    storeWith(store, 0, {{12, {"X"}}, {13, {"x"}}});
    TemplateMerge merge;
    const QString merged =
        merge.TransferAnswers(s(kFontTable) + s("\\fs20 [/&12/][/&13/]\\fs28 [/&12/]}"), store, 0);
    EXPECT_TRUE(merged.endsWith(
        s("\\fs20 [\\f2 \\fs24 \\uc0\\u9746 \\fs20\\f0 ][\\f2 \\fs24 \\uc0\\u9744 \\fs20\\f0 ]"
          "\\fs28 [\\f2 \\fs24 \\uc0\\u9746 \\fs28\\f0 ]}")))
        << merged.toStdString();
    // The size is kept for the next merge.
    EXPECT_EQ(merge.currentFontSize(), 28);

    // Without Wingdings in the font table the box prints in the current font.
    TemplateMerge plain;
    EXPECT_EQ(plain.TransferAnswers(s("{\\fonttbl{\\f0 Arial;}}\\fs22 /&12/"), store, 0),
              s("{\\fonttbl{\\f0 Arial;}}\\fs22 \\fs24 \\uc0\\u9746 \\fs22\\f0 "));
}

TEST(TemplateMerge, FindsTheWingdingsFont)
{
    const struct
    {
        const char* text;
        const char* selector;
    } cases[] = {
        {kFontTable, "\\f2 "},
        {"{\\fonttbl{\\f0\\fnil Arial;}{\\f14\\fnil\\fcharset2 WINGDINGS;}}Wingdings", "\\f14 "},
        {"{\\fonttbl{\\f0 Arial;}} Wingdings in the text only", ""},
        {"{\\f2 Wingdings;} without a font table", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TemplateMerge::wingdingsSelector(s(c.text)), s(c.selector)) << c.text;
}

TEST(TemplateMerge, ReadsFontSizes)
{
    const struct
    {
        const char* text;
        qsizetype at;
        int number;
        int messages;
    } cases[] = {
        {"\\fs24 text", 3, 24, 0},
        {"\\fs24\\par text", 3, 24, 0},
        {"\\fs24}}}} text", 3, 24, 0},
        {"\\fs24\r\ntext ", 3, 24, 0},
        {"\\fs2x4 text", 3, 2, 2},
        {"\\fs2", 3, -1, 1},
    };
    for (const auto& c : cases) {
        MessageRecorder recorder;
        EXPECT_EQ(TemplateMerge::GetNumFromText(s(c.text), c.at), c.number) << c.text;
        EXPECT_EQ(recorder.texts().size(), c.messages) << c.text;
    }
}

TEST(TemplateMerge, NamesTheVariableOfAnUnreadableDate)
{
    TAnswer store;
    storeWith(store, 3, {{24, {"sometime"}}});
    MessageRecorder recorder;
    TemplateMerge merge;
    EXPECT_EQ(merge.TransferAnswers(s("on /^24/."), store, 3), s("on sometime."));
    ASSERT_EQ(recorder.texts().size(), 1);
    EXPECT_TRUE(recorder.texts().first().endsWith(s("Page - 3; Var - 24")))
        << recorder.texts().first().toStdString();
}

TEST(TemplateMerge, AnAnswerHoldingItsOwnVariableStops)
{
    const struct
    {
        const char* name;
        std::map<int, Answer> answers;
    } cases[] = {
        {"directly", {{5, {"again /*5/"}}}},
        {"through another answer", {{5, {"/*6/"}}, {6, {"/*5/"}}}},
        {"doubling each time", {{5, {"/*5//*5/"}}}},
    };
    for (const auto& c : cases) {
        TAnswer store;
        storeWith(store, 0, c.answers);
        MessageRecorder recorder;
        TemplateMerge merge;
        const QString merged = merge.TransferAnswers(s("before /*5/ after /*7/"), store, 0);
        EXPECT_EQ(recorder.texts(), QStringList({CreateErrorString(21030)})) << c.name;
        EXPECT_TRUE(merged.startsWith(s("before "))) << c.name;
        EXPECT_TRUE(merged.endsWith(s(" after /*7/"))) << c.name;
        EXPECT_LT(merged.size(), 100000) << c.name;
    }
}
