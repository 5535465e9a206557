#include "QtPrinters.h"
#include "core/TAnswer.h"
#include "rules/Calcs.h"
#include "rules/RuleFramework.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <map>

using namespace scrivix;

namespace {

using Answers = std::map<int, const char*>;

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

void fill(TAnswer& store, int pageNo, const Answers& answers)
{
    for (const auto& [answerNo, text] : answers)
        store.setText(pageNo, answerNo, s(text));
}

void expectAnswers(const TAnswer& store, int pageNo, const Answers& expected, const char* name)
{
    for (const auto& [answerNo, text] : expected)
        EXPECT_EQ(store.text(pageNo, answerNo), s(text)) << name << ": answer " << answerNo;
}

// Runs a rule set twice: the second run must change nothing.
void runTwice(void (*rules)(TAnswer&), TAnswer& store, int pageNo, const char* name)
{
    rules(store);
    QStringList first;
    for (const auto& entry : store.answers(pageNo))
        first.append(entry.text);
    rules(store);
    for (int n = 0; n < TAnswer::AnswersPerPage; ++n)
        ASSERT_EQ(store.text(pageNo, n), first.at(n))
            << name << ": answer " << n << " changed on a second run";
}

const QString kLine = QString(33, QLatin1Char('_'));

} // namespace

TEST(ExecutorsDeed, WordsTheExecutorsByNumberAndGender)
{
    const struct
    {
        const char* name;
        Answers input;
        Answers expected;
    } cases[] = {
        {"one executrix",
         {{70, "Mary Smith"}, {71, "F"}},
         {{13, "was"},
          {14, "Executrix"},
          {17, "Executrix"},
          {22, "Executrix"},
          {29, "Executrix"},
          {38, "Executrix"},
          {15, "she"},
          {57, "she"},
          {16, "is"},
          {26, "does"},
          {30, "has"},
          {39, "her hand"},
          {58, "her"},
          {68, "her"},
          {69, "EXECUTRIX"},
          {45, "MARY SMITH"},
          {199, "MARY SMITH"}}},
        {"a trust company",
         {{70, "Ohio Trust Co."}, {71, ""}},
         {{14, "Executor"},
          {38, "Executor"},
          {15, "it"},
          {57, "it"},
          {39, "its hand"},
          {58, "its"},
          {68, "its"},
          {69, "EXECUTOR"},
          {13, "was"}}},
        {"one executor, lower-case m",
         {{70, "John Smith"}, {71, "m"}},
         {{14, "Executor"}, {15, "he"}, {39, "his hand"}, {69, "EXECUTOR"}}},
        {"two women",
         {{70, "Mary Smith"}, {71, "F"}, {73, "Ann Lee"}, {74, "F"}},
         {{13, "were"},
          {14, "Executrices"},
          {17, "Executrices"},
          {22, "Executrices"},
          {29, "Executrices"},
          {38, "Executrices"},
          {69, "EXECUTRICES"},
          {15, "they"},
          {57, "they"},
          {16, "are"},
          {26, "do"},
          {30, "have"},
          {39, "their hands"},
          {58, "their"},
          {68, "their"}}},
        {"a woman and a man",
         {{70, "Mary Smith"}, {71, "F"}, {73, "John Lee"}, {74, "M"}},
         {{14, "Executors"}, {69, "EXECUTORS"}, {39, "their hands"}}},
        {"two women, one written in lower case",
         {{70, "Mary Smith"}, {71, "F"}, {73, "Ann Lee"}, {74, "f"}},
         {{14, "Executors"}, {69, "EXECUTORS"}}},
    };
    for (const auto& c : cases) {
        TAnswer store;
        fill(store, 0, c.input);
        runTwice(Calc0, store, 0, c.name);
        expectAnswers(store, 0, c.expected, c.name);
    }
}

TEST(ExecutorsDeed, GranteesCopiesAmountsAndCapitals)
{
    TAnswer store;
    fill(store,
         0,
         {{6, "John Smith and Ann Lee"},
          {7, "Robert Smith"},
          {8, "Volume 12, Page 4"},
          {21, "12500"},
          {34, "Lot 42 of Riverside."},
          {63, "Nora Public"},
          {70, "John Smith"},
          {71, "M"},
          {73, "Ann Lee"},
          {74, "F"},
          {82, "Fifth Heir"},
          {97, "Tenth Heir"},
          {130, "Carl Buyer"},
          {131, "M"}});
    runTwice(Calc0, store, 0, "deed");
    expectAnswers(store,
                  0,
                  {{24, "Grantee"},
                   {27, "Grantee"},
                   {36, "Grantee"},
                   {28, "his"},
                   {37, "his"},
                   {8, "Volume 12, Page 4."},
                   {34, "Lot 42 of Riverside."},
                   {12, "John Smith and Ann Lee"},
                   {18, "John Smith and Ann Lee"},
                   {54, "John Smith and Ann Lee"},
                   {19, "Robert Smith"},
                   {21, "12,500.00"},
                   {20, "Twelve Thousand Five Hundred and 00/100"},
                   {45, "JOHN SMITH"},
                   {47, "ANN LEE"},
                   {49, ""},
                   {51, ""},
                   {180, "FIFTH HEIR"},
                   {181, ""},
                   {185, "TENTH HEIR"},
                   {53, "NORA PUBLIC"}},
                  "deed");
    // Four executors counted, by position: rows 1 to 4, of which 3 and 4 are empty.
    EXPECT_EQ(store.text(0, 199),
              s("JOHN SMITH\\par\\par\\tab ") + kLine + s("\\par\\tab ANN LEE\\par\\par\\tab ") + kLine +
                  s("\\par\\tab \\par\\par\\tab ") + kLine + s("\\par\\tab "));

    store.setText(0, 133, s("Dora Buyer"));
    store.setText(0, 21, QString());
    Calc0(store);
    expectAnswers(store,
                  0,
                  {{24, "Grantees"},
                   {27, "Grantees"},
                   {36, "Grantees"},
                   {28, "their"},
                   {37, "their"},
                   {21, "0.00"},
                   {20, "No and 00/100"}},
                  "two grantees");
}

TEST(ExecutorsDeed, ComputedAnswersAreWrittenOverOverrides)
{
    TAnswer store;
    store.setText(0, 70, s("Mary Smith"));
    store.setText(0, 71, s("F"));
    store.setText(0, 14, s("Personal Representative"));
    store.setOvRide(0, 14, true);
    Calc0(store);
    EXPECT_EQ(store.text(0, 14), s("Executrix"));
    EXPECT_TRUE(store.ovRide(0, 14));
}

TEST(FiduciarysDeed, WordsTheGrantors)
{
    const struct
    {
        const char* name;
        Answers input;
        Answers expected;
    } cases[] = {
        {"three grantors",
         {{1, "A, B and C"},
          {70, "Ann Able"},
          {71, "F"},
          {73, "Bob Baker"},
          {76, "Cy Cole"},
          {5, "99000.5"},
          {12, "Instrument No. 2001"},
          {29, "franklin"},
          {37, "Nora Public"}},
         {{2, "Grantors"},
          {15, "Grantors"},
          {6, "grant"},
          {16, "their hands"},
          {27, "persons"},
          {31, "they"},
          {32, "their"},
          {42, "GRANTORS"},
          {22, "ANN ABLE"},
          {24, "BOB BAKER"},
          {26, "CY COLE"},
          {28, ""},
          {50, ""},
          {55, ""},
          {5, "99,000.50"},
          {4, "Ninety Nine Thousand and 50/100"},
          {12, "Instrument No. 2001."},
          {29, "FRANKLIN"},
          {37, "NORA PUBLIC"},
          {44, "A, B and C"}}},
        {"one grantor",
         {{70, "Mary Smith"}, {71, "F"}},
         {{2, "Grantor"},
          {6, "grants"},
          {16, "her hand"},
          {27, "person"},
          {31, "she"},
          {32, "her"},
          {42, "GRANTOR"},
          {199, "MARY SMITH"},
          {5, "0.00"},
          {4, "No and 00/100"}}},
        {"a company", {{70, "Acme LLC"}}, {{16, "its hand"}, {31, "it"}, {32, "its"}, {2, "Grantor"}}},
    };
    for (const auto& c : cases) {
        TAnswer store;
        fill(store, 1, c.input);
        runTwice(Calc1, store, 1, c.name);
        expectAnswers(store, 1, c.expected, c.name);
    }
}

TEST(DeedDefaults, FillTheListedAnswersFromTheGlobalDefaults)
{
    GlobalDefaults globals;
    const struct
    {
        GlobalDefault which;
        const char* value;
    } values[] = {
        {GlobalDefault::AttorneyName, "Alice Attorney"},
        {GlobalDefault::BuildingDesignation, "Suite 200"},
        {GlobalDefault::StreetAddress, "1 Main St"},
        {GlobalDefault::CityStateZip, "Columbus, Ohio 43215"},
        {GlobalDefault::TelephoneFax, "614-555-0100"},
        {GlobalDefault::EMail, "alice@example.com"},
        {GlobalDefault::SupremeCtRegNo, "0012345"},
        {GlobalDefault::PoliticalSubdivision, "City"},
        {GlobalDefault::City, "Columbus"},
        {GlobalDefault::County, "Franklin"},
        {GlobalDefault::State, "Ohio"},
        {GlobalDefault::Month, "December"},
        {GlobalDefault::Year, "2026"},
        {GlobalDefault::Notary, "Nora Public"},
    };
    for (const auto& v : values)
        globals.setValue(v.which, s(v.value));

    TAnswer store;
    store.setText(0, 33, s("Delaware"));
    Defaults0(store, globals);
    expectAnswers(store,
                  0,
                  {{2, "Franklin"},
                   {4, "Franklin"},
                   {10, "December"},
                   {11, "2026"},
                   {31, "City"},
                   {32, "Columbus"},
                   {33, "Delaware"},
                   {42, "December"},
                   {43, "2026"},
                   {52, "FRANKLIN"},
                   {61, "December"},
                   {62, "2026"},
                   {63, "Nora Public"},
                   {64, "Alice Attorney"},
                   {65, "Suite 200"},
                   {66, "1 Main St"},
                   {67, "Columbus, Ohio 43215"},
                   {46, "614-555-0100"},
                   {191, "alice@example.com"},
                   {192, "0012345"}},
                  "page 0");

    Defaults1(store, globals);
    expectAnswers(store,
                  1,
                  {{9, "Franklin"},
                   {10, "City"},
                   {11, "Columbus"},
                   {19, "December"},
                   {20, "2026"},
                   {29, "FRANKLIN"},
                   {35, "December"},
                   {36, "2026"},
                   {37, "Nora Public"},
                   {38, "Alice Attorney"},
                   {39, "Suite 200"},
                   {40, "1 Main St"},
                   {41, "Columbus, Ohio 43215"},
                   {43, "614-555-0100"},
                   {191, "alice@example.com"},
                   {192, "0012345"}},
                  "page 1");
}
