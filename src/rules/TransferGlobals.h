#pragma once

namespace scrivix {

class GlobalDefaults;
class TAnswer;

// Fills the current page's empty answers from the global defaults, through
// the page's defaults routine; a page without one (and -1) gets nothing.
// Warns first (message 11300) when the preparer's name is not set, and goes
// on regardless. The window copies the answers to the screen afterwards.
void TransferGlobals(TAnswer& store, int currentPageNo, const GlobalDefaults& globals);

} // namespace scrivix
