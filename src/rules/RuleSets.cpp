#include "rules/RuleSets.h"

#include <array>

namespace scrivix {

namespace {

// The rule set of each document page, by page number. Pages without an entry
// have no rule set.
constexpr std::array<RuleSet, 100> kRuleSets = {};

} // namespace

RuleSet ruleSetFor(int pageNo)
{
    if (pageNo < 0 || pageNo >= int(kRuleSets.size()))
        return nullptr;
    return kRuleSets[pageNo];
}

} // namespace scrivix
