#include "rules/RuleFramework.h"

#include "text/ShortDate.h"
#include "text/Wording.h"

namespace scrivix {

bool isPlural(const PageAnswers& answers, int firstAnswer)
{
    return !answers.isEmpty(nameAnswer(firstAnswer, 1));
}

int partyCount(const PageAnswers& answers, int firstAnswer)
{
    int count = 0;
    for (int row = 0; row < PartyRows; ++row) {
        if (!answers.isEmpty(nameAnswer(firstAnswer, row)))
            ++count;
    }
    return count;
}

GenderClass genderClass(const PageAnswers& answers, int genderAnswer)
{
    const QString gender = answers[genderAnswer].toUpper();
    if (gender == QLatin1String("M"))
        return GenderClass::Masculine;
    if (gender == QLatin1String("F"))
        return GenderClass::Feminine;
    return GenderClass::Neuter;
}

const char* wordingFor(const WordingRow& row, bool plural, GenderClass gender)
{
    if (plural)
        return row.plural;
    switch (gender) {
    case GenderClass::Masculine:
        return row.masculine;
    case GenderClass::Feminine:
        return row.feminine;
    case GenderClass::Neuter:
        break;
    }
    return row.neuter;
}

void writeWording(PageAnswers& answers, std::span<const WordingRow> table, bool plural, GenderClass gender)
{
    for (const WordingRow& row : table)
        answers.set(row.answer, QString::fromLatin1(wordingFor(row, plural, gender)));
}

QString signatureBlock(const PageAnswers& answers, int firstAnswer, int count)
{
    if (count <= 0)
        return {};
    static const QString line = QString(33, QLatin1Char('_'));
    QString block = answers[nameAnswer(firstAnswer, 0)].toUpper();
    for (int row = 1; row < count; ++row) {
        block += QLatin1String("\\par\\par\\tab ") + line + QLatin1String("\\par\\tab ") +
                 answers[nameAnswer(firstAnswer, row)].toUpper();
    }
    return block;
}

void writeCapitalisedCopies(PageAnswers& answers, std::span<const CopyRow> copies)
{
    for (const CopyRow& copy : copies)
        answers.set(copy.target, answers[copy.source].toUpper());
}

void writeCopies(PageAnswers& answers, std::span<const CopyRow> copies)
{
    for (const CopyRow& copy : copies)
        answers.set(copy.target, answers[copy.source]);
}

void writeAmountPair(PageAnswers& answers, int figureAnswer, int wordsAnswer)
{
    answers.set(figureAnswer, Str2Amount(answers[figureAnswer]));
    answers.set(wordsAnswer, Float2Dollar(Str2Float_2(answers[figureAnswer])));
}

void addClosingPeriod(PageAnswers& answers, int answer)
{
    const QString& text = answers[answer];
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')))
        answers.set(answer, text + QLatin1Char('.'));
}

void applyDefaults(PageAnswers& answers, std::span<const DefaultsRow> list, const GlobalDefaults& globals)
{
    for (const DefaultsRow& row : list) {
        if (!answers.isEmpty(row.answer))
            continue;
        switch (row.form) {
        case DefaultsRow::Form::AsSet:
            answers.set(row.answer, globals.value(row.source));
            break;
        case DefaultsRow::Form::Capitals:
            answers.set(row.answer, globals.value(row.source).toUpper());
            break;
        case DefaultsRow::Form::TodayInWords:
            answers.set(row.answer, ConvertDate(ShortDate::format(QDate::currentDate())));
            break;
        }
    }
}

} // namespace scrivix
