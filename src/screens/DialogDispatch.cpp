#include "screens/DialogDispatch.h"

#include "dialogs/TfrmSpecBeqDlg.h"
#include "screens/ScreenControl.h"

#include <QAbstractButton>

#include <algorithm>
#include <iterator>

namespace scrivix {

namespace {

struct PartyListButton
{
    int tag;
    PartyListParams list;
};

constexpr Joining Plain = Joining::Plain;
constexpr Joining RelationshipList = Joining::RelationshipList;

// The party-list buttons by Tag: rows kept, party kind, answer of the joined
// names, answer of the first row's name, joining. Tags 249 and 292 to 299 open
// nothing.
constexpr PartyListButton kPartyListButtons[] = {
    {200, {10, 0, 1, 70, Plain}},
    {201, {10, 0, 9, 130, Plain}},
    {202, {10, 0, 1, 70, Plain}},
    {203, {10, 0, 9, 130, Plain}},
    {204, {10, 6, 6, 70, Plain}},
    {205, {10, 0, 23, 130, Plain}},
    {206, {10, 5, 1, 70, Plain}},
    {207, {10, 0, 7, 130, Plain}},
    {208, {10, 0, 1, 70, Plain}},
    {209, {10, 0, 9, 130, Plain}},
    {210, {10, 0, 1, 70, Plain}},
    {211, {10, 0, 6, 130, Plain}},
    {212, {10, 0, 1, 70, Plain}},
    {213, {10, 0, 9, 130, Plain}},
    {214, {10, 8, 4, 70, Plain}},
    {215, {10, 8, 6, 130, Plain}},
    {216, {10, 7, 1, 70, Plain}},
    {217, {10, 7, 2, 130, Plain}},
    {218, {10, 7, 1, 70, Plain}},
    {219, {10, 7, 3, 130, Plain}},
    {220, {10, 5, 2, 70, Plain}},
    {221, {10, 5, 2, 70, Plain}},
    {222, {10, 7, 1, 130, Plain}},
    {223, {10, 7, 4, 70, Plain}},
    {224, {10, 11, 3, 70, Plain}},
    {225, {10, 0, 2, 70, Plain}},
    {226, {10, 1, 5, 130, Plain}},
    {227, {10, 2, 61, 70, Plain}},
    {228, {10, 2, 62, 130, Plain}},
    {229, {10, 2, 63, 240, Plain}},
    {230, {1, 5, 1, 70, Plain}},
    {231, {10, 7, 11, 70, Plain}},
    {232, {10, 2, 60, 130, Plain}},
    {233, {1, 5, 2, 70, Plain}},
    {234, {10, 2, 190, 70, Plain}},
    {235, {10, 5, 2, 70, Plain}},
    {236, {10, 7, 7, 130, Plain}},
    {237, {10, 7, 2, 70, Plain}},
    {238, {10, 7, 2, 70, Plain}},
    {239, {1, 5, 1, 130, Plain}},
    {240, {10, 5, 4, 70, Plain}},
    {241, {10, 7, 9, 130, Plain}},
    {242, {10, 5, 1, 70, Plain}},
    {243, {10, 7, 9, 130, Plain}},
    {244, {1, 5, 2, 150, Plain}},
    {245, {10, 7, 13, 183, Plain}},
    {246, {5, 9, 70, 213, Plain}},
    {247, {5, 7, 26, 243, Plain}},
    {248, {5, 10, 28, 258, Plain}},
    {250, {10, 5, 2, 70, Plain}},
    {251, {10, 7, 3, 70, Plain}},
    {252, {10, 7, 5, 130, Plain}},
    {253, {1, 5, 2, 150, Plain}},
    {254, {5, 5, 7, 243, Plain}},
    {255, {5, 9, 59, 213, Plain}},
    {256, {5, 10, 16, 258, Plain}},
    {257, {5, 7, 11, 257, Plain}},
    {258, {1, 5, 2, 150, Plain}},
    {259, {10, 5, 12, 183, Plain}},
    {260, {5, 9, 15, 213, Plain}},
    {261, {1, 5, 2, 150, Plain}},
    {262, {10, 5, 7, 183, Plain}},
    {263, {5, 9, 11, 213, Plain}},
    {264, {5, 10, 18, 258, Plain}},
    {265, {1, 5, 2, 150, Plain}},
    {266, {10, 9, 66, 183, RelationshipList}},
    {267, {5, 9, 67, 213, RelationshipList}},
    {268, {5, 10, 68, 258, RelationshipList}},
    {269, {10, 3, 4, 70, Plain}},
    {270, {10, 3, 6, 100, Plain}},
    {271, {10, 4, 4, 70, Plain}},
    {272, {10, 4, 5, 100, Plain}},
    {273, {10, 7, 69, 70, Plain}},
    {274, {10, 7, 3, 70, Plain}},
    {275, {10, 7, 2, 70, Plain}},
    {276, {10, 5, 3, 70, Plain}},
    {277, {10, 5, 11, 70, Plain}},
    {278, {5, 10, 18, 258, Plain}},
    {279, {1, 10, 7, 153, Plain}},
    {280, {10, 9, 8, 153, Plain}},
    {281, {5, 9, 75, 228, Plain}},
    {282, {5, 10, 43, 273, Plain}},
    {283, {5, 9, 24, 130, Plain}},
    {284, {5, 10, 75, 228, Plain}},
    {285, {5, 10, 31, 273, Plain}},
    {286, {5, 9, 75, 228, Plain}},
    {287, {5, 10, 33, 273, Plain}},
    {288, {5, 10, 75, 228, Plain}},
    {289, {5, 10, 33, 273, Plain}},
    {290, {5, 10, 69, 273, RelationshipList}},
    {291, {5, 8, 7, 133, Plain}},
    {300, {1, 5, 1, 369, Plain}},
    {322, {10, 9, 66, 273, RelationshipList}},
    {323, {10, 9, 67, 303, RelationshipList}},
    {324, {3, 9, 68, 333, RelationshipList}},
    {325, {3, 9, 69, 342, RelationshipList}},
    {326, {3, 10, 70, 351, RelationshipList}},
    {327, {3, 10, 71, 360, RelationshipList}},
};

constexpr bool sortedByTag()
{
    for (std::size_t i = 1; i < std::size(kPartyListButtons); ++i) {
        if (kPartyListButtons[i - 1].tag >= kPartyListButtons[i].tag)
            return false;
    }
    return true;
}
static_assert(sortedByTag(), "the party-list buttons are looked up by Tag in order");

} // namespace

const PartyListParams* DialogDispatch::partyListFor(int tag)
{
    const auto* end = std::end(kPartyListButtons);
    const auto* found =
        std::lower_bound(std::begin(kPartyListButtons), end, tag, [](const PartyListButton& button, int t) {
            return button.tag < t;
        });
    return found != end && found->tag == tag ? &found->list : nullptr;
}

int DialogDispatch::bequestFor(int tag)
{
    return tag >= FirstBequestTag && tag <= LastBequestTag ? tag - 300 : 0;
}

bool DialogDispatch::run(QAbstractButton* button, TAnswer& store, int currentPageNo, QWidget* parent)
{
    if (!button)
        return false;
    const int tag = ScreenControl::tag(button);
    if (const int k = bequestFor(tag)) {
        TfrmSpecBeqDlg dialog(store, k, parent);
        const bool confirmed = dialog.exec() == QDialog::Accepted;
        button->setText(TfrmSpecBeqDlg::caption(store, k));
        return confirmed;
    }
    const PartyListParams* list = partyListFor(tag);
    if (!list || currentPageNo < 0)
        return false;
    TfrmPartyID dialog(store, currentPageNo, *list, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace scrivix
