#pragma once

#include "core/TAObj.h"
#include "rules/DocumentPages.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace scrivix {

class CalcScreen;

// The answer store: every answer of every document page of one client, each
// with its override flag. All 100 pages x 1001 answers exist from creation on.
class TAnswer
{
public:
    static constexpr int PageCount = 100;
    static constexpr int ContinuationCount = 1;
    static constexpr int AnswersPerPage = 1001;
    static constexpr double CurrentVersionNo = 6.15;

    struct Entry
    {
        QString text;
        TAObj obj;
    };
    // One page's answers; the position of an entry is its answer number.
    using AnswerList = std::vector<Entry>;
    // The table of answer lists, by page number and continuation number.
    struct RAnswer
    {
        std::array<std::array<AnswerList, ContinuationCount>, PageCount> Page;
    };

    TAnswer();
    ~TAnswer();
    TAnswer(const TAnswer&) = delete;
    TAnswer& operator=(const TAnswer&) = delete;

    // Answer access. A page outside 0..99 or an answer outside 0..1000 is the
    // caller's error and throws std::out_of_range. Writing a text never
    // changes the override flag.
    const QString& text(int pageNo, int answerNo) const { return entry(pageNo, answerNo).text; }
    void setText(int pageNo, int answerNo, const QString& text) { entry(pageNo, answerNo).text = text; }
    bool ovRide(int pageNo, int answerNo) const { return entry(pageNo, answerNo).obj.OvRide; }
    void setOvRide(int pageNo, int answerNo, bool on) { entry(pageNo, answerNo).obj.OvRide = on; }

    bool hasTable() const { return PAnsw != nullptr; }
    const AnswerList& answers(int pageNo) const;
    AnswerList& answers(int pageNo);

    // Attaches the screen that the calculation cycle copies to and from; null
    // detaches it. The store does not own it.
    void setScreen(CalcScreen* screen) { m_screen = screen; }
    CalcScreen* screen() const { return m_screen; }

    // Where the calculation cycle finds a page's rule set: the table of
    // document pages, unless a test puts its own in.
    using RuleSetLookup = RuleSet (*)(int pageNo);
    void setRuleSetLookup(RuleSetLookup lookup) { m_ruleSetLookup = lookup ? lookup : ruleSetFor; }

    // The calculation cycle for the page on screen: screen to answers (when
    // asked), the page's rule set, answers to screen, menu refresh. Callers
    // pass the current page number; -1 means no page is on screen.
    void Calculate(int TheRequestedPageNo, bool ComponentTransferRequested);

    bool ErrFlag = false;
    std::unique_ptr<RAnswer> PAnsw;
    QString ProgramName;
    double VersionNo = CurrentVersionNo;
    int LastDocNo = -1;

private:
    const Entry& entry(int pageNo, int answerNo) const { return answers(pageNo).at(answerNo); }
    Entry& entry(int pageNo, int answerNo) { return answers(pageNo).at(answerNo); }

    CalcScreen* m_screen = nullptr;
    RuleSetLookup m_ruleSetLookup = ruleSetFor;
};

} // namespace scrivix
