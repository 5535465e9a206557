#pragma once

#include "dialogs/TfrmPartyID.h"

class QAbstractButton;
class QWidget;

namespace scrivix {

class TAnswer;

// The dialog buttons of the input screens: a button's Tag alone decides which
// dialog it opens over the answers of the page on screen, the party list for
// the lists of parties, the specific-bequest dialog for the bequests of the
// generic will.
class DialogDispatch
{
public:
    static constexpr int FirstBequestTag = 301;
    static constexpr int LastBequestTag = 321;

    // Opens the dialog of a screen's dialog button, chosen by its Tag, over the
    // answers of the current page, and (bequest buttons) renews the button's
    // caption afterwards. Returns true when the user confirmed with OK, so the
    // answers changed. A Tag without a dialog opens nothing and returns false.
    static bool run(QAbstractButton* button, TAnswer& store, int currentPageNo, QWidget* parent);

    // The party list a Tag opens, or null.
    static const PartyListParams* partyListFor(int tag);
    // The bequest (1 to 21) a Tag opens, or 0.
    static int bequestFor(int tag);
};

} // namespace scrivix
