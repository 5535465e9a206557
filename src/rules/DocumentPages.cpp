#include "rules/DocumentPages.h"

#include "rules/Calcs.h"

#include <algorithm>
#include <array>

namespace scrivix {

namespace {

using Category = DocumentPage::Category;

// The documents of the system. A page whose rule set or defaults routine
// shows null here has none yet.
constexpr DocumentPage kPages[] = {
    {0, "Deed, Executor's Under Will", Category::RealEstate, false, Calc0, Defaults0},
    {1, "Deed, Fiduciary's Statutory", Category::RealEstate, false, Calc1, Defaults1},
    {2, "Deed, With Life Estate Reservation", Category::RealEstate, false, nullptr, nullptr},
    {3, "Deed, Mortgage", Category::RealEstate, false, nullptr, nullptr},
    {4, "Deed, Quit-Claim", Category::RealEstate, false, nullptr, nullptr},
    {5, "Deed, Quit-Claim From Corporation", Category::RealEstate, true, nullptr, nullptr},
    {6, "Deed, Warranty", Category::RealEstate, false, nullptr, nullptr},
    {7, "Deed, Warranty With Survivorship", Category::RealEstate, false, nullptr, nullptr},
    {8, "Eviction, Complaint For", Category::RealEstate, false, nullptr, nullptr},
    {9, "Lease, Commercial", Category::RealEstate, false, nullptr, nullptr},
    {10, "Lease, Residential", Category::RealEstate, false, nullptr, nullptr},
    {11, "Mechanics Lien, Affidavit For", Category::RealEstate, false, nullptr, nullptr},
    {12, "Mechanics Lien, Satisfaction of", Category::RealEstate, false, nullptr, nullptr},
    {13, "Mortgage, Satisfaction of", Category::RealEstate, false, nullptr, nullptr},
    {14, "Promissory Note", Category::RealEstate, false, nullptr, nullptr},
    {15, "Purchase Agreement", Category::RealEstate, false, nullptr, nullptr},
    {16, "Quit, Notice to", Category::RealEstate, false, nullptr, nullptr},
    {17, "Survivor, Spouse or Joint Affidavit", Category::RealEstate, false, nullptr, nullptr},
    {18, "Transfer on Death, Designation Affidavit", Category::RealEstate, false, nullptr, nullptr},
    {19, "Transfer on Death, Confirmation Affidavit", Category::RealEstate, false, nullptr, nullptr},
    {20, "Trust, Affidavit Of Transfer From", Category::RealEstate, false, nullptr, nullptr},
    {21, "Codicil", Category::EstatePlanning, false, nullptr, nullptr},
    {22, "Domicile, Affidavit of", Category::EstatePlanning, false, nullptr, nullptr},
    {23, "Gift, Anatomical, By Next of Kin", Category::EstatePlanning, false, nullptr, nullptr},
    {24, "Gift, Inter Vivos", Category::EstatePlanning, false, nullptr, nullptr},
    {25, "Gift, Deed of", Category::EstatePlanning, false, nullptr, nullptr},
    {26, "Gift, Acceptance of", Category::EstatePlanning, false, nullptr, nullptr},
    {27, "Gift, Renunciation of", Category::EstatePlanning, false, nullptr, nullptr},
    {28, "Living Will Declaration", Category::EstatePlanning, false, nullptr, nullptr},
    {29, "Power of Attorney, Durable/Non-Durable", Category::EstatePlanning, false, nullptr, nullptr},
    {30, "Power of Attorney, Health Care", Category::EstatePlanning, false, nullptr, nullptr},
    {31, "Trust, Revocable", Category::EstatePlanning, false, nullptr, nullptr},
    {32, "Trust, Revocation of", Category::EstatePlanning, false, nullptr, nullptr},
    {33, "Trust, Testamentary", Category::EstatePlanning, false, nullptr, nullptr},
    {34, "Will, Pour Over", Category::EstatePlanning, false, nullptr, nullptr},
    {35, "Will, Spouse, Children", Category::EstatePlanning, false, nullptr, nullptr},
    {36, "Will, Single, Children", Category::EstatePlanning, false, nullptr, nullptr},
    {37, "Will, Single, No Children", Category::EstatePlanning, false, nullptr, nullptr},
    {44, "Will, Generic", Category::EstatePlanning, false, nullptr, nullptr},
    {56, "Do Not Resuscitate", Category::EstatePlanning, false, nullptr, nullptr},
    {59, "Appeal, Notice of", Category::Miscellaneous, false, nullptr, nullptr},
    {60, "Appearance, Notice of", Category::Miscellaneous, false, nullptr, nullptr},
    {61, "Attorney's Retainer Agreement", Category::Miscellaneous, false, nullptr, nullptr},
    {62, "Client's Rights, Notice", Category::Miscellaneous, false, nullptr, nullptr},
    {63, "Cognovit Note", Category::Miscellaneous, false, nullptr, nullptr},
    {64, "Collection Letter", Category::Miscellaneous, false, nullptr, nullptr},
    {65, "Contingency Fee Contract", Category::Miscellaneous, false, nullptr, nullptr},
    {66, "Criminal Demand For Discovery", Category::Miscellaneous, false, nullptr, nullptr},
    {67, "Criminal Motion For Discovery", Category::Miscellaneous, false, nullptr, nullptr},
    {68, "Demand (Wrongdoer's) Letter", Category::Miscellaneous, false, nullptr, nullptr},
    {69, "Deposition, Notice of", Category::Miscellaneous, false, nullptr, nullptr},
    {70, "Dismissal, Stipulation For", Category::Miscellaneous, false, nullptr, nullptr},
    {71, "Enclosure Letter", Category::Miscellaneous, false, nullptr, nullptr},
    {72, "Medical Records, Request (HIPAA)", Category::Miscellaneous, false, nullptr, nullptr},
    {73, "Release, General", Category::Miscellaneous, false, nullptr, nullptr},
    {74, "Sales Tax, Certificate of Exemption", Category::Miscellaneous, false, nullptr, nullptr},
    {75, "Speed Letter, Blank Form", Category::Miscellaneous, false, nullptr, nullptr},
    {76, "(Reserved)", Category::Miscellaneous, true, nullptr, nullptr},
    {77, "Wage Loss Verification Letter", Category::Miscellaneous, false, nullptr, nullptr},
    {78, "Gift, Anatomical", Category::EstatePlanning, false, nullptr, nullptr},
};

} // namespace

std::span<const DocumentPage> documentPages()
{
    return kPages;
}

const DocumentPage* documentPage(int pageNo)
{
    const auto it = std::find_if(std::begin(kPages), std::end(kPages), [pageNo](const DocumentPage& page) {
        return page.number == pageNo;
    });
    return it == std::end(kPages) ? nullptr : &*it;
}

RuleSet ruleSetFor(int pageNo)
{
    const DocumentPage* page = documentPage(pageNo);
    return page ? page->ruleSet : nullptr;
}

DefaultsRoutine defaultsRoutineFor(int pageNo)
{
    const DocumentPage* page = documentPage(pageNo);
    return page ? page->defaults : nullptr;
}

} // namespace scrivix
