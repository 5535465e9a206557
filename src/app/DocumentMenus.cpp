#include "app/DocumentMenus.h"

namespace scrivix {

namespace {

constexpr DocumentEntry kTreeRealEstate[] = {
    {"Deed, Executor's Under Will", 0},
    {"Deed, Fiduciary's Statutory", 1},
    {"Deed, With Life Estate Reservation", 2},
    {"Deed, Mortgage", 3},
    {"Deed, Quit-Claim", 4},
    {"Deed, Warranty", 6},
    {"Deed, Warranty With Survivorship", 7},
    {"Eviction, Complaint For", 8},
    {"Lease, Commercial", 9},
    {"Lease, Residential", 10},
    {"Mechanics Lien, Affidavit For", 11},
    {"Mechanics Lien, Satisfaction of", 12},
    {"Mortgage, Satisfaction of", 13},
    {"Promissory Note", 14},
    {"Purchase Agreement", 15},
    {"Quit, Notice to", 16},
    {"Survivor, Spouse or Joint Affidavit", 17},
    {"Transfer on Death, Designation Affidavit", 18},
    {"Transfer on Death, Confirmation Affidavit", 19},
    {"Trust, Affidavit Of Transfer From", 20},
};

constexpr DocumentEntry kTreeEstatePlanning[] = {
    {"Codicil", 21},
    {"Do Not Resuscitate", 56},
    {"Domicile, Affidavit of", 22},
    {"Gift, Acceptance of", 26},
    {"Gift, Anatomical", 78},
    {"Gift, Anatomical, By Next of Kin", 23},
    {"Gift, Deed of", 25},
    {"Gift, Inter Vivos", 24},
    {"Gift, Renunciation of", 27},
    {"Living Will Declaration", 28},
    {"Power of Attorney, Durable/Non-Durable", 29},
    {"Power of Attorney, Health Care", 30},
    {"Trust, Revocable", 31},
    {"Trust, Revocation of", 32},
    {"Trust, Testamentary", 33},
    {"Will, Generic ", 44},
    {"Will, Pour Over", 34},
    {"Will, Single, No Children", 37},
    {"Will, Single, Children", 36},
    {"Will, Spouse, Children", 35},
};

constexpr DocumentEntry kTreeMiscellaneous[] = {
    {"Appeal, Notice of", 59},
    {"Appearance, Notice of", 60},
    {"Attorney's Retainer Agreement", 61},
    {"Client's Rights, Notice", 62},
    {"Cognovit Note", 63},
    {"Collection Letter", 64},
    {"Contingency Fee Contract", 65},
    {"Criminal Demand For Discovery", 66},
    {"Criminal Motion For Discovery", 67},
    {"Demand (Wrongdoer's) Letter", 68},
    {"Deposition, Notice of", 69},
    {"Dismissal, Stipulation For", 70},
    {"Enclosure Letter", 71},
    {"Medical Records, Request (HIPAA)", 72},
    {"Release, General", 73},
    {"Sales Tax, Certificate of Exemption", 74},
    {"Speed Letter, Blank Form", 75},
    {"Wage Loss Verification Letter", 77},
};

constexpr DocumentEntry kMenuRealEstate[] = {
    {"Deed, Executor's Under Will", 0},
    {"Deed, Fiduciary's Statutory", 1},
    {"Deed, With Life Estate Reservation", 2},
    {"Deed, Mortgage", 3},
    {"Deed, Quit-Claim", 4},
    {"Deed, Quit-Claim From Corporation", 5},
    {"Deed, Warranty", 6},
    {"Deed, Warranty With Survivorship", 7},
    {"Eviction, Complaint For", 8},
    {"Lease, Commercial", 9},
    {"Lease, Residential", 10},
    {"Mechanics Lien, Affidavit For", 11},
    {"Mechanics Lien, Satisfaction of", 12},
    {"Mortgage, Satisfaction of ", 13},
    {"Promissory Note", 14},
    {"Purchase Agreement", 15},
    {"Quit, Notice To", 16},
    {"Survivor, Spouse or Joint Affidavit", 17},
    {"Transfer on Death, Designation Affidavit", 18},
    {"Transfer on Death, Confirmation Affidavit", 19},
    {"Trust, Affidavit of Transfer From", 20},
};

constexpr DocumentEntry kMenuEstatePlanning[] = {
    {"Codicil", 21},
    {"Domicile, Affidavit of", 22},
    {"Do Not Resuscitate (DNR)", 56},
    {"Gift, Anatomical", 78},
    {"Gift, Anatomical, By Next of Kin", 23},
    {"Gift, Inter Vivos", 24},
    {"Gift, Deed of", 25},
    {"Gift, Acceptance of", 26},
    {"Living Will Declaration", 28},
    {"Gift, Renunciation of", 27},
    {"Power of Attorney, Durable/Non-Durable", 29},
    {"Power of Attorney, Health Care", 30},
    {"Trust, Revocable", 31},
    {"Trust, Revocation of", 32},
    {"Trust, Testamentary", 33},
    {"Will, Generic", 44},
    {"Will, Pour Over", 34},
    {"Will, Single, No Children", 37},
    {"Will, Single, Children", 36},
    {"Will, Spouse, Children", 35},
};

constexpr DocumentEntry kMenuMiscellaneous[] = {
    {"Appeal, Notice of", 59},
    {"Appearance, Notice Of", 60},
    {"Attorney's Retainer Agreement", 61},
    {"Client's Rights, Notice", 62},
    {"Cognovit Note", 63},
    {"Collection Letter", 64},
    {"Contingency Fee Contract", 65},
    {"Criminal Demand For Discovery", 66},
    {"Criminal Motion for Discovery", 67},
    {"Demand Letter", 68},
    {"Deposition, Notice of", 69},
    {"Dismissal, Stipulation For", 70},
    {"Enclosure Letter", 71},
    {"Medical Records, Request (HIPAA)", 72},
    {"Release, General", 73},
    {"Sales Tax, Certification of Exemption", 74},
    {"Speed Letter, Blank Form", 75},
    {"(Reserved)", 76},
    {"Wage Loss Verification Letter", 77},
};

constexpr DocumentCategory kTree[] = {
    {"Real Estate", kTreeRealEstate},
    {"Estate Planning", kTreeEstatePlanning},
    {"Miscellaneous", kTreeMiscellaneous},
};

constexpr DocumentCategory kDisplayMenu[] = {
    {"Real Estate", kMenuRealEstate},
    {"Estate Planning", kMenuEstatePlanning},
    {"Miscellaneous", kMenuMiscellaneous},
};

} // namespace

std::span<const DocumentCategory> DocumentMenus::tree()
{
    return kTree;
}

std::span<const DocumentCategory> DocumentMenus::displayMenu()
{
    return kDisplayMenu;
}

bool DocumentMenus::selectsTreeItem(int pageNo)
{
    return (pageNo >= 0 && pageNo <= 4) || (pageNo >= 6 && pageNo <= 11);
}

} // namespace scrivix
