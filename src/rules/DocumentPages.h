#pragma once

#include <span>

namespace scrivix {

class GlobalDefaults;
class TAnswer;

// A page's rule set: derives the wording of its document from the answers.
using RuleSet = void (*)(TAnswer& answers);
// A page's defaults routine: fills the page's empty answers from the
// preparer's global defaults.
using DefaultsRoutine = void (*)(TAnswer& answers, const GlobalDefaults& globals);

// One document of the system, by page number.
struct DocumentPage
{
    enum class Category { RealEstate, EstatePlanning, Miscellaneous };

    int number;
    const char* name;
    Category category;
    bool menuOnly; // listed in the menu but not in the document tree
    RuleSet ruleSet;
    DefaultsRoutine defaults;
};

// Every document page, in page order.
std::span<const DocumentPage> documentPages();
// The page of a number, or null for a number that is no document.
const DocumentPage* documentPage(int pageNo);

// The rule set or defaults routine of a page; null for a page without one
// and for -1, no page on screen.
RuleSet ruleSetFor(int pageNo);
DefaultsRoutine defaultsRoutineFor(int pageNo);

} // namespace scrivix
