// Deed, Fiduciary's Statutory: one or more fiduciaries grant, with fiduciary
// covenants.

#include "rules/Calcs.h"
#include "rules/RuleFramework.h"

namespace scrivix {

namespace {

constexpr int kPage = 1;
constexpr int kGrantors = 70;

constexpr WordingRow kGrantorWording[] = {
    {2, "Grantors", "Grantor", "Grantor", "Grantor"},
    {6, "grant", "grants", "grants", "grants"},
    {15, "Grantors", "Grantor", "Grantor", "Grantor"},
    {16, "their hands", "his hand", "her hand", "its hand"},
    {27, "persons", "person", "person", "person"},
    {31, "they", "he", "she", "it"},
    {32, "their", "his", "her", "its"},
    {42, "GRANTORS", "GRANTOR", "GRANTOR", "GRANTOR"},
};

// The ten grantors' names in capitals, written whether or not the row is filled.
constexpr CopyRow kGrantorCapitals[] = {
    {22, 70},
    {24, 73},
    {26, 76},
    {28, 79},
    {50, 82},
    {51, 85},
    {52, 88},
    {53, 91},
    {54, 94},
    {55, 97},
};

// The county and notary of the acknowledgement print in capitals.
constexpr CopyRow kCapitalisedInPlace[] = {{29, 29}, {37, 37}};

constexpr DefaultsRow kDefaults[] = {
    {9, GlobalDefault::County},
    {10, GlobalDefault::PoliticalSubdivision},
    {11, GlobalDefault::City},
    {19, GlobalDefault::Month},
    {20, GlobalDefault::Year},
    {29, GlobalDefault::County, DefaultsRow::Form::Capitals},
    {35, GlobalDefault::Month},
    {36, GlobalDefault::Year},
    {37, GlobalDefault::Notary},
    {38, GlobalDefault::AttorneyName},
    {39, GlobalDefault::BuildingDesignation},
    {40, GlobalDefault::StreetAddress},
    {41, GlobalDefault::CityStateZip},
    {43, GlobalDefault::TelephoneFax},
    {191, GlobalDefault::EMail},
    {192, GlobalDefault::SupremeCtRegNo},
};

} // namespace

void Calc1(TAnswer& store)
{
    PageAnswers answers(store, kPage);

    const int grantorCount = partyCount(answers, kGrantors);
    writeWording(answers, kGrantorWording, isPlural(answers, kGrantors), genderClass(answers, kGrantors + 1));
    writeAmountPair(answers, 5, 4);
    addClosingPeriod(answers, 12);
    writeCapitalisedCopies(answers, kGrantorCapitals);
    answers.set(199, signatureBlock(answers, kGrantors, grantorCount));
    writeCapitalisedCopies(answers, kCapitalisedInPlace);
    answers.set(44, answers[1]);
}

void Defaults1(TAnswer& store, const GlobalDefaults& globals)
{
    PageAnswers answers(store, kPage);
    applyDefaults(answers, kDefaults, globals);
}

} // namespace scrivix
