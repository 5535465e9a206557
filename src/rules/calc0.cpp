// Deed, Executor's Under Will: one or more executors convey to one or more
// grantees.

#include "rules/Calcs.h"
#include "rules/RuleFramework.h"

namespace scrivix {

namespace {

constexpr int kPage = 0;
constexpr int kExecutors = 70;
constexpr int kGrantees = 130;

// Executor wording whose plural does not depend on the executors' genders.
constexpr WordingRow kExecutorWording[] = {
    {13, "were", "was", "was", "was"},
    {15, "they", "he", "she", "it"},
    {16, "are", "is", "is", "is"},
    {26, "do", "does", "does", "does"},
    {30, "have", "has", "has", "has"},
    {39, "their hands", "his hand", "her hand", "its hand"},
    {57, "they", "he", "she", "it"},
    {58, "their", "his", "her", "its"},
    {68, "their", "his", "her", "its"},
};

// Executor titles, and the same titles when every executor is a woman.
constexpr WordingRow kExecutorTitles[] = {
    {14, "Executors", "Executor", "Executrix", "Executor"},
    {17, "Executors", "Executor", "Executrix", "Executor"},
    {22, "Executors", "Executor", "Executrix", "Executor"},
    {29, "Executors", "Executor", "Executrix", "Executor"},
    {38, "Executors", "Executor", "Executrix", "Executor"},
    {69, "EXECUTORS", "EXECUTOR", "EXECUTRIX", "EXECUTOR"},
};
constexpr WordingRow kExecutrixTitles[] = {
    {14, "Executrices", "Executor", "Executrix", "Executor"},
    {17, "Executrices", "Executor", "Executrix", "Executor"},
    {22, "Executrices", "Executor", "Executrix", "Executor"},
    {29, "Executrices", "Executor", "Executrix", "Executor"},
    {38, "Executrices", "Executor", "Executrix", "Executor"},
    {69, "EXECUTRICES", "EXECUTOR", "EXECUTRIX", "EXECUTOR"},
};

constexpr WordingRow kGranteeWording[] = {
    {24, "Grantees", "Grantee", "Grantee", "Grantee"},
    {27, "Grantees", "Grantee", "Grantee", "Grantee"},
    {28, "their", "his", "her", "its"},
    {36, "Grantees", "Grantee", "Grantee", "Grantee"},
    {37, "their", "his", "her", "its"},
};

// The executors' names in capitals: rows 1 to 4 beside the notary's wording,
// rows 5 to 10 in a run of their own.
constexpr CopyRow kExecutorCapitals[] = {
    {45, 70},
    {47, 73},
    {49, 76},
    {51, 79},
    {180, 82},
    {181, 85},
    {182, 88},
    {183, 91},
    {184, 94},
    {185, 97},
};

constexpr CopyRow kExecutorNameCopies[] = {{12, 6}, {18, 6}, {19, 7}};

constexpr DefaultsRow kDefaults[] = {
    {2, GlobalDefault::County},
    {4, GlobalDefault::County},
    {10, GlobalDefault::Month},
    {11, GlobalDefault::Year},
    {31, GlobalDefault::PoliticalSubdivision},
    {32, GlobalDefault::City},
    {33, GlobalDefault::County},
    {42, GlobalDefault::Month},
    {43, GlobalDefault::Year},
    {52, GlobalDefault::County, DefaultsRow::Form::Capitals},
    {61, GlobalDefault::Month},
    {62, GlobalDefault::Year},
    {63, GlobalDefault::Notary},
    {64, GlobalDefault::AttorneyName},
    {65, GlobalDefault::BuildingDesignation},
    {66, GlobalDefault::StreetAddress},
    {67, GlobalDefault::CityStateZip},
    {46, GlobalDefault::TelephoneFax},
    {191, GlobalDefault::EMail},
    {192, GlobalDefault::SupremeCtRegNo},
};

// "Executrices" only when the gender of every counted row is exactly "F".
bool allExecutorsWomen(const PageAnswers& answers, int count)
{
    for (int row = 0; row < count; ++row) {
        if (answers[nameAnswer(kExecutors, row) + 1] != QLatin1String("F"))
            return false;
    }
    return true;
}

} // namespace

void Calc0(TAnswer& store)
{
    PageAnswers answers(store, kPage);

    const bool executorsPlural = isPlural(answers, kExecutors);
    const int executorCount = partyCount(answers, kExecutors);
    const GenderClass executorGender = genderClass(answers, kExecutors + 1);
    writeWording(answers, kExecutorWording, executorsPlural, executorGender);
    const bool women = executorsPlural && allExecutorsWomen(answers, executorCount);
    writeWording(answers, women ? kExecutrixTitles : kExecutorTitles, executorsPlural, executorGender);

    writeWording(answers, kGranteeWording, isPlural(answers, kGrantees), genderClass(answers, kGrantees + 1));

    addClosingPeriod(answers, 8);
    writeCopies(answers, kExecutorNameCopies);
    writeAmountPair(answers, 21, 20);
    addClosingPeriod(answers, 34);
    answers.set(54, answers[6]);
    writeCapitalisedCopies(answers, kExecutorCapitals);
    answers.set(199, signatureBlock(answers, kExecutors, executorCount));
    writeCapitalisedCopies(answers, std::to_array<CopyRow>({{53, 63}}));
}

void Defaults0(TAnswer& store, const GlobalDefaults& globals)
{
    PageAnswers answers(store, kPage);
    applyDefaults(answers, kDefaults, globals);
}

} // namespace scrivix
