#pragma once

namespace scrivix {

class TAnswer;

// A document page's rule set: derives the wording of its document from the
// answers, reading and writing the store directly.
using RuleSet = void (*)(TAnswer& answers);

// The rule set of a page number, or null for a page without one (and for -1,
// no page on screen).
RuleSet ruleSetFor(int pageNo);

} // namespace scrivix
