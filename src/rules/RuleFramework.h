#pragma once

#include "core/GlobalDefaults.h"
#include "rules/PageAnswers.h"

#include <span>

namespace scrivix {

// What every document rule set and defaults routine shares: party blocks,
// the plural and gender choice, wording tables, signature blocks, amount
// pairs and defaults lists.

enum class GenderClass { Masculine, Feminine, Neuter };

// A party block: ten rows of name, second column (gender in most documents)
// and third column, from its first answer on.
constexpr int PartyRows = 10;
constexpr int nameAnswer(int firstAnswer, int row)
{
    return firstAnswer + 3 * row;
}

// Plural when the second row holds a name, whatever the other rows hold.
bool isPlural(const PageAnswers& answers, int firstAnswer);
// The rows whose name is filled, wherever they stand.
int partyCount(const PageAnswers& answers, int firstAnswer);
// "M" masculine, "F" feminine (upper-cased first), anything else neuter.
GenderClass genderClass(const PageAnswers& answers, int genderAnswer);

// One line of a wording table: the answer and its four wordings.
struct WordingRow
{
    int answer;
    const char* plural;
    const char* masculine;
    const char* feminine;
    const char* neuter;
};
// Writes every row: the plural column when plural, else the gender's column.
void writeWording(PageAnswers& answers, std::span<const WordingRow> table, bool plural, GenderClass gender);
const char* wordingFor(const WordingRow& row, bool plural, GenderClass gender);

// The signature lines of the rows after the first, under the template's own
// first line: row 1's name in capitals, then for each further row an
// underscore line with its name in capitals under it.
QString signatureBlock(const PageAnswers& answers, int firstAnswer, int count);

// A capitalised copy: target := upper-cased source.
struct CopyRow
{
    int target;
    int source;
};
void writeCapitalisedCopies(PageAnswers& answers, std::span<const CopyRow> copies);
void writeCopies(PageAnswers& answers, std::span<const CopyRow> copies);

// The figure answer rewritten as 1,250.50 and the words answer from it.
void writeAmountPair(PageAnswers& answers, int figureAnswer, int wordsAnswer);
// Appends "." to a filled answer that does not end in one.
void addClosingPeriod(PageAnswers& answers, int answer);

// A defaults list: which answer takes which global default, when empty.
struct DefaultsRow
{
    enum class Form { AsSet, Capitals, TodayInWords };
    int answer;
    GlobalDefault source;
    Form form = Form::AsSet;
};
void applyDefaults(PageAnswers& answers, std::span<const DefaultsRow> list, const GlobalDefaults& globals);

} // namespace scrivix
