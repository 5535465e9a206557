#include "rules/RuleFramework.h"
#include "MessageRecorder.h"
#include "QtPrinters.h"
#include "core/GlobalDefaults.h"
#include "core/TAnswer.h"
#include "rules/DocumentPages.h"
#include "rules/TransferGlobals.h"
#include "text/Messages.h"

#include <QDate>
#include <QLocale>

#include <gtest/gtest.h>

using namespace scrivix;

namespace {

constexpr int kFirst = 70;

// A party block of page 5 (a page without rules of its own) from its rows:
// name and gender.
struct Row
{
    const char* name;
    const char* gender;
};

void fillBlock(TAnswer& store, std::initializer_list<Row> rows)
{
    int row = 0;
    for (const Row& r : rows) {
        store.setText(5, nameAnswer(kFirst, row), QString::fromUtf8(r.name));
        store.setText(5, nameAnswer(kFirst, row) + 1, QString::fromUtf8(r.gender));
        ++row;
    }
}

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

const QString kLine = QString(33, QLatin1Char('_'));

} // namespace

TEST(PartyBlock, PluralCountAndGender)
{
    const struct
    {
        const char* name;
        std::initializer_list<Row> rows;
        bool plural;
        int count;
        GenderClass gender;
    } cases[] = {
        {"empty", {}, false, 0, GenderClass::Neuter},
        {"one man", {{"John Smith", "M"}}, false, 1, GenderClass::Masculine},
        {"lower-case m", {{"John Smith", "m"}}, false, 1, GenderClass::Masculine},
        {"one woman", {{"Mary Smith", "F"}}, false, 1, GenderClass::Feminine},
        {"the word Male", {{"John Smith", "Male"}}, false, 1, GenderClass::Neuter},
        {"an X", {{"Acme Trust Co.", "X"}}, false, 1, GenderClass::Neuter},
        {"a company", {{"Acme Trust Co.", ""}}, false, 1, GenderClass::Neuter},
        {"rows 1 and 3 only",
         {{"John Smith", "M"}, {"", ""}, {"Ann Lee", "F"}},
         false,
         2,
         GenderClass::Masculine},
        {"one name in row 2", {{"", "F"}, {"Ann Lee", "F"}}, true, 1, GenderClass::Feminine},
        {"two", {{"John Smith", "M"}, {"Mary Smith", "F"}}, true, 2, GenderClass::Masculine},
        {"a blank name counts", {{" ", ""}}, false, 1, GenderClass::Neuter},
    };
    for (const auto& c : cases) {
        TAnswer store;
        fillBlock(store, c.rows);
        const PageAnswers answers(store, 5);
        EXPECT_EQ(isPlural(answers, kFirst), c.plural) << c.name;
        EXPECT_EQ(partyCount(answers, kFirst), c.count) << c.name;
        EXPECT_EQ(genderClass(answers, kFirst + 1), c.gender) << c.name;
    }
}

TEST(SignatureBlock, PutsEveryFurtherSignerUnderALineOfHisOwn)
{
    TAnswer store;
    fillBlock(store, {{"John Smith", "M"}, {"", ""}, {"Jos\u00e9 Pe\u00f1a", "M"}});
    const PageAnswers answers(store, 5);
    EXPECT_EQ(signatureBlock(answers, kFirst, 0), QString());
    EXPECT_EQ(signatureBlock(answers, kFirst, 1), s("JOHN SMITH"));
    // Rows are taken by position: a count of 2 with an empty row 2 prints
    // that row, and row 3 is left out.
    EXPECT_EQ(signatureBlock(answers, kFirst, partyCount(answers, kFirst)),
              s("JOHN SMITH\\par\\par\\tab ") + kLine + s("\\par\\tab "));
    EXPECT_EQ(signatureBlock(answers, kFirst, 3),
              s("JOHN SMITH\\par\\par\\tab ") + kLine + s("\\par\\tab \\par\\par\\tab ") + kLine +
                  s("\\par\\tab JOS\u00c9 PE\u00d1A"));

    TAnswer ten;
    for (int row = 0; row < PartyRows; ++row)
        ten.setText(5, nameAnswer(kFirst, row), QStringLiteral("Heir %1").arg(row + 1));
    const QString block =
        signatureBlock(PageAnswers(ten, 5), kFirst, partyCount(PageAnswers(ten, 5), kFirst));
    EXPECT_EQ(block.count(kLine), 9);
    EXPECT_TRUE(block.startsWith(s("HEIR 1\\par")));
    EXPECT_TRUE(block.endsWith(s("\\par\\tab HEIR 10")));
}

TEST(SharedWording, AmountPairsAndClosingPeriods)
{
    const struct
    {
        const char* typed;
        const char* figure;
        const char* words;
        int messages;
    } amounts[] = {
        {"12500", "12,500.00", "Twelve Thousand Five Hundred and 00/100", 0},
        {"$1,250.5", "1,250.50", "One Thousand Two Hundred Fifty and 50/100", 0},
        {"", "0.00", "No and 00/100", 0},
        {"twelve", "0.00", "No and 00/100", 1},
    };
    for (const auto& c : amounts) {
        MessageRecorder recorder;
        TAnswer store;
        PageAnswers answers(store, 5);
        answers.set(21, s(c.typed));
        writeAmountPair(answers, 21, 20);
        EXPECT_EQ(answers[21], s(c.figure)) << c.typed;
        EXPECT_EQ(answers[20], s(c.words)) << c.typed;
        EXPECT_EQ(recorder.texts().size(), c.messages) << c.typed;
        // Running again on its own result changes nothing and reports nothing more.
        writeAmountPair(answers, 21, 20);
        EXPECT_EQ(answers[21], s(c.figure)) << c.typed;
        EXPECT_EQ(recorder.texts().size(), c.messages) << c.typed;
    }

    const struct
    {
        const char* text;
        const char* closed;
    } periods[] = {
        {"", ""}, {"Volume 12, Page 4", "Volume 12, Page 4."}, {"Lot 42.", "Lot 42."}, {" ", " ."}};
    for (const auto& c : periods) {
        TAnswer store;
        PageAnswers answers(store, 5);
        answers.set(8, s(c.text));
        addClosingPeriod(answers, 8);
        EXPECT_EQ(answers[8], s(c.closed)) << c.text;
    }
}

TEST(Defaults, FillOnlyEmptyAnswers)
{
    GlobalDefaults globals;
    globals.setValue(GlobalDefault::County, s("Franklin"));
    globals.setValue(GlobalDefault::Notary, s("Nora Public"));
    const DefaultsRow list[] = {
        {2, GlobalDefault::County},
        {3, GlobalDefault::County, DefaultsRow::Form::Capitals},
        {4, GlobalDefault::Notary},
        {5, GlobalDefault::Month},
        {6, GlobalDefault::Month, DefaultsRow::Form::TodayInWords},
    };
    TAnswer store;
    PageAnswers answers(store, 5);
    answers.set(4, s("typed by the preparer"));
    applyDefaults(answers, list, globals);
    EXPECT_EQ(answers[2], s("Franklin"));
    EXPECT_EQ(answers[3], s("FRANKLIN"));
    EXPECT_EQ(answers[4], s("typed by the preparer"));
    EXPECT_EQ(answers[5], QString());
    EXPECT_TRUE(answers[6].endsWith(QString::number(QDate::currentDate().year())));
    EXPECT_TRUE(answers[6].startsWith(QLocale(QLocale::English).monthName(QDate::currentDate().month())));
}

TEST(TransferGlobals, WarnsWithoutAPreparerAndFillsTheCurrentPageOnce)
{
    GlobalDefaults globals;
    globals.setValue(GlobalDefault::County, s("Franklin"));
    {
        MessageRecorder recorder;
        TAnswer store;
        TransferGlobals(store, 0, globals);
        EXPECT_EQ(recorder.texts(), QStringList({CreateErrorString(11300)}));
        EXPECT_EQ(store.text(0, 2), s("Franklin"));
        EXPECT_EQ(store.text(0, 52), s("FRANKLIN"));
        EXPECT_TRUE(store.text(1, 9).isEmpty());
    }
    globals.setValue(GlobalDefault::AttorneyName, s("Alice Attorney"));
    {
        MessageRecorder recorder;
        TAnswer store;
        TransferGlobals(store, 1, globals);
        const QByteArray firstRun;
        EXPECT_TRUE(recorder.texts().isEmpty());
        EXPECT_EQ(store.text(1, 38), s("Alice Attorney"));
        store.setText(1, 9, s("Delaware"));
        TransferGlobals(store, 1, globals);
        EXPECT_EQ(store.text(1, 9), s("Delaware"));

        // No page on screen, or a page without defaults: nothing is written.
        TAnswer untouched;
        TransferGlobals(untouched, -1, globals);
        TransferGlobals(untouched, 5, globals);
        for (int page : {0, 1, 5})
            EXPECT_TRUE(untouched.text(page, 2).isEmpty() && untouched.text(page, 9).isEmpty());
    }
}

TEST(DocumentPages, OneTableOfEveryDocument)
{
    EXPECT_EQ(documentPages().size(), 60u);
    const DocumentPage* executorsDeed = documentPage(0);
    ASSERT_NE(executorsDeed, nullptr);
    EXPECT_STREQ(executorsDeed->name, "Deed, Executor's Under Will");
    EXPECT_EQ(executorsDeed->category, DocumentPage::Category::RealEstate);
    EXPECT_STREQ(documentPage(78)->name, "Gift, Anatomical");
    EXPECT_EQ(documentPage(78)->category, DocumentPage::Category::EstatePlanning);
    EXPECT_TRUE(documentPage(5)->menuOnly);
    EXPECT_TRUE(documentPage(76)->menuOnly);
    for (int pageNo : {-1, 38, 45, 57, 79, 99, 100})
        EXPECT_EQ(documentPage(pageNo), nullptr) << pageNo;
    EXPECT_NE(ruleSetFor(0), nullptr);
    EXPECT_NE(defaultsRoutineFor(1), nullptr);
}
