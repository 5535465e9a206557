#include "core/TAnswer.h"

#include "core/CalcScreen.h"

#include <stdexcept>

namespace scrivix {

namespace {

// Shows the wait cursor for the length of a calculation, and puts the default
// cursor back however the calculation ends.
class WaitCursor
{
public:
    explicit WaitCursor(CalcScreen* screen) : m_screen(screen)
    {
        if (m_screen)
            m_screen->showWaitCursor();
    }
    ~WaitCursor()
    {
        if (m_screen)
            m_screen->showDefaultCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    CalcScreen* m_screen;
};

} // namespace

TAnswer::TAnswer() : PAnsw(std::make_unique<RAnswer>()), ProgramName(QStringLiteral("Scrivix"))
{
    for (auto& continuations : PAnsw->Page)
        continuations[0].resize(AnswersPerPage);
}

TAnswer::~TAnswer() = default;

const TAnswer::AnswerList& TAnswer::answers(int pageNo) const
{
    if (!PAnsw)
        throw std::logic_error("the answer store has no table");
    return PAnsw->Page.at(pageNo)[0];
}

TAnswer::AnswerList& TAnswer::answers(int pageNo)
{
    return const_cast<AnswerList&>(std::as_const(*this).answers(pageNo));
}

void TAnswer::Calculate(int TheRequestedPageNo, bool ComponentTransferRequested)
{
    if (!PAnsw)
        return;
    const WaitCursor cursor(m_screen);
    ErrFlag = false;
    if (ComponentTransferRequested && m_screen)
        m_screen->Components2Answers();
    if (const RuleSet rules = m_ruleSetLookup(TheRequestedPageNo))
        rules(*this);
    if (ErrFlag)
        return;
    if (m_screen) {
        m_screen->Answer2Components();
        m_screen->UpdateMenuItems();
    }
}

} // namespace scrivix
