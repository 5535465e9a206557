#include "core/TAnswer.h"
#include "QtPrinters.h"
#include "core/CalcScreen.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace scrivix;

namespace {

// A screen that records what the calculation cycle asks of it.
class RecordingScreen : public CalcScreen
{
public:
    void Components2Answers() override { calls.append(QStringLiteral("store")); }
    void Answer2Components() override { calls.append(QStringLiteral("show")); }
    void UpdateMenuItems() override { calls.append(QStringLiteral("menus")); }
    void showWaitCursor() override { calls.append(QStringLiteral("wait")); }
    void showDefaultCursor() override { calls.append(QStringLiteral("default")); }
    QStringList calls;
};

// Rule sets for the calculation tests, on pages 0, 1 and 2.
void writesAnAnswer(TAnswer& answers)
{
    answers.setText(0, 7, QStringLiteral("Grantors"));
}
void stopsTheRefresh(TAnswer& answers)
{
    answers.setText(1, 7, QStringLiteral("written before the stop"));
    answers.ErrFlag = true;
}
void fails(TAnswer&)
{
    throw std::runtime_error("rule set failed");
}
RuleSet testRuleSets(int pageNo)
{
    switch (pageNo) {
    case 0:
        return writesAnAnswer;
    case 1:
        return stopsTheRefresh;
    case 2:
        return fails;
    default:
        return nullptr;
    }
}

QStringList calls(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names)
        list.append(QString::fromLatin1(name));
    return list;
}

} // namespace

TEST(TAnswer, AFreshStoreHoldsEveryAnswerEmptyAndNotOverridden)
{
    TAnswer store;
    EXPECT_EQ(store.ProgramName, QStringLiteral("Scrivix"));
    EXPECT_EQ(store.VersionNo, 6.15);
    EXPECT_EQ(store.LastDocNo, -1);
    EXPECT_FALSE(store.ErrFlag);
    for (int pageNo = 0; pageNo < 100; ++pageNo) {
        ASSERT_EQ(store.answers(pageNo).size(), 1001u);
        for (const TAnswer::Entry& entry : store.answers(pageNo)) {
            ASSERT_TRUE(entry.text.isEmpty());
            ASSERT_FALSE(entry.obj.OvRide);
        }
    }
}

TEST(TAnswer, WritingATextLeavesTheOverrideAlone)
{
    TAnswer store;
    store.setOvRide(9, 24, true);
    store.setText(9, 24, QStringLiteral("typed over"));
    EXPECT_TRUE(store.ovRide(9, 24));
    EXPECT_EQ(store.text(9, 24), QStringLiteral("typed over"));
    // Answer numbers are per page.
    EXPECT_TRUE(store.text(1, 24).isEmpty());
    EXPECT_FALSE(store.ovRide(1, 24));
}

TEST(TAnswer, AnAnswerOutsideTheTableIsTheCallersError)
{
    TAnswer store;
    EXPECT_NO_THROW(store.setText(99, 1000, QStringLiteral("last")));
    EXPECT_THROW(store.text(0, 1001), std::out_of_range);
    EXPECT_THROW(store.setText(0, -1, QString()), std::out_of_range);
    EXPECT_THROW(store.ovRide(100, 0), std::out_of_range);
    EXPECT_THROW(store.setOvRide(-1, 0, true), std::out_of_range);
}

TEST(Calculate, RunsTheCycleInOrder)
{
    const struct
    {
        const char* name;
        int pageNo;
        bool transfer;
        QStringList expectedCalls;
    } cases[] = {
        {"rule set, with screen transfer", 0, true, calls({"wait", "store", "show", "menus", "default"})},
        {"rule set, answers already stored", 0, false, calls({"wait", "show", "menus", "default"})},
        {"no page on screen", -1, false, calls({"wait", "show", "menus", "default"})},
        {"page without a rule set", 56, true, calls({"wait", "store", "show", "menus", "default"})},
        {"rule set stops the refresh", 1, true, calls({"wait", "store", "default"})},
    };
    for (const auto& c : cases) {
        TAnswer store;
        RecordingScreen screen;
        store.setScreen(&screen);
        store.setRuleSetLookup(testRuleSets);
        store.Calculate(c.pageNo, c.transfer);
        EXPECT_EQ(screen.calls, c.expectedCalls) << c.name;
    }
}

TEST(Calculate, RunsTheRuleSetOfThePage)
{
    TAnswer store;
    store.setRuleSetLookup(testRuleSets);
    store.Calculate(0, true);
    EXPECT_EQ(store.text(0, 7), QStringLiteral("Grantors"));
    EXPECT_FALSE(store.ErrFlag);

    // A stopped refresh keeps what the rule set wrote; the next cycle clears the flag.
    store.Calculate(1, false);
    EXPECT_TRUE(store.ErrFlag);
    EXPECT_EQ(store.text(1, 7), QStringLiteral("written before the stop"));
    store.Calculate(0, false);
    EXPECT_FALSE(store.ErrFlag);
}

TEST(Calculate, AFailingRuleSetRestoresTheCursorAndPassesTheError)
{
    TAnswer store;
    RecordingScreen screen;
    store.setScreen(&screen);
    store.setRuleSetLookup(testRuleSets);
    EXPECT_THROW(store.Calculate(2, true), std::runtime_error);
    EXPECT_EQ(screen.calls, calls({"wait", "store", "default"}));
}

TEST(Calculate, AStoreWithoutATableDoesNothing)
{
    TAnswer store;
    RecordingScreen screen;
    store.setScreen(&screen);
    store.setRuleSetLookup(testRuleSets);
    store.PAnsw.reset();
    store.ErrFlag = true;
    store.Calculate(0, true);
    EXPECT_TRUE(screen.calls.isEmpty());
    EXPECT_TRUE(store.ErrFlag);
}

TEST(Calculate, TheDocumentTableHasNoRuleSetForPagesWithoutOne)
{
    for (const int pageNo : {-1, 5, 38, 56, 71, 72, 78, 99, 100})
        EXPECT_EQ(ruleSetFor(pageNo), nullptr) << pageNo;
}
