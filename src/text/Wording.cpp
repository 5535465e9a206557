#include "text/Wording.h"

#include "text/Messages.h"
#include "text/ShortDate.h"

#include <QLocale>
#include <QStringList>

#include <array>
#include <cmath>

namespace scrivix {

namespace {

const std::array<const char*, 10> kDigitWords = {
    "", "One ", "Two ", "Three ", "Four ", "Five ", "Six ", "Seven ", "Eight ", "Nine "};
const std::array<const char*, 10> kTensWords = {
    "", "Ten ", "Twenty ", "Thirty ", "Forty ", "Fifty ", "Sixty ", "Seventy ", "Eighty ", "Ninety "};

struct TeenPattern
{
    const char* pattern;
    const char* replacement;
};
// Tried in this order; only the first one found is joined.
const std::array<TeenPattern, 9> kTeens = {{
    {"Ten One", "Eleven"},
    {"Ten Two", "Twelve"},
    {"Ten Three", "Thirteen"},
    {"Ten Four", "Fourteen"},
    {"Ten Five", "Fifteen"},
    {"Ten Six", "Sixteen"},
    {"Ten Seven", "Seventeen"},
    {"Ten Eight", "Eighteen"},
    {"Ten Nine", "Nineteen"},
}};

const std::array<const char*, 12> kMonthNames = {"January",
                                                 "February",
                                                 "March",
                                                 "April",
                                                 "May",
                                                 "June",
                                                 "July",
                                                 "August",
                                                 "September",
                                                 "October",
                                                 "November",
                                                 "December"};
// Tried in this order, case-sensitive.
const std::array<const char*, 12> kMonthAbbreviations = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Words for the hundreds, tens and units of a three-digit group.
void appendGroup(QString& words, int group)
{
    const int hundreds = group / 100;
    const int tens = group / 10 % 10;
    const int units = group % 10;
    if (hundreds)
        words += QLatin1String(kDigitWords[hundreds]) + QLatin1String("Hundred ");
    if (tens)
        words += QLatin1String(kTensWords[tens]);
    if (units)
        words += QLatin1String(kDigitWords[units]);
}

// Blanks and control characters off both ends, as typed amounts are cleaned.
QString trimControls(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).unicode() <= ' ')
        ++start;
    while (end > start && text.at(end - 1).unicode() <= ' ')
        --end;
    return text.mid(start, end - start);
}

// Reads a typed amount with the user's decimal separator.
double parseAmount(const QString& text, bool& ok)
{
    const QString cleaned = RemoveCommasAndSigns(text.isEmpty() ? QStringLiteral("0.00") : text);
    const double value = QLocale().toDouble(cleaned, &ok);
    ok = ok && std::isfinite(value);
    return ok ? value : 0.0;
}

} // namespace

QString NumberToWords(double amount)
{
    if (!std::isfinite(amount)) {
        ShowNumberedMessage(21270);
        return {};
    }
    if (amount > 999999999) {
        ShowNumberedMessage(21260);
        return {};
    }
    if (amount == 0)
        return QStringLiteral("No ");
    if (amount < 0)
        return {};

    const auto whole = static_cast<qint64>(std::floor(amount));
    QString words;
    appendGroup(words, int(whole / 1000000));
    if (whole >= 1000000) {
        words += QLatin1String("Million ");
        words = ConvertTeens(words);
    }
    appendGroup(words, int(whole / 1000 % 1000));
    if (whole % 1000000 >= 1000) {
        words += QLatin1String("Thousand ");
        words = ConvertTeens(words);
    }
    appendGroup(words, int(whole % 1000));
    return ConvertTeens(words);
}

QString ConvertTeens(const QString& words)
{
    for (const TeenPattern& teen : kTeens) {
        const QLatin1String pattern(teen.pattern);
        const qsizetype at = words.indexOf(pattern);
        if (at >= 0) {
            QString joined = words;
            return joined.replace(at, pattern.size(), QLatin1String(teen.replacement));
        }
    }
    return words;
}

QString Float2Dollar(double amount)
{
    const double whole = std::trunc(amount);
    // Rounded half to even, as the cents of a negotiable amount are. The sign
    // belongs to the amount, not to the cents.
    const auto cents = static_cast<qint64>(std::fabs(std::nearbyint((amount - whole) * 100)));
    const QString centsText =
        (cents >= 10 ? QString::number(cents) : QLatin1Char('0') + QString::number(cents)) +
        QLatin1String("/100");
    return NumberToWords(amount) + QLatin1String("and ") + centsText;
}

QString Float2Amount(double amount)
{
    return trimControls(TrimTrailingBlanks(QLocale().toString(amount, 'f', 2)));
}

QString Str2Amount(const QString& text)
{
    return Float2Amount(Str2Float_2(text));
}

QString ConvertDate(const QString& text)
{
    if (text.isEmpty())
        return {};
    const QDate date = ShortDate::parse(text);
    if (!date.isValid())
        return text;
    return QLatin1String(kMonthNames[date.month() - 1]) + QLatin1Char(' ') + QString::number(date.day()) +
           QLatin1String(", ") + QString::number(date.year());
}

NormalizedDate NormalizeDate(const QString& text)
{
    if (text.isEmpty() || ShortDate::parse(text).isValid())
        return {text, true};

    int month = 0;
    for (std::size_t i = 0; i < kMonthAbbreviations.size() && month == 0; ++i) {
        if (text.contains(QLatin1String(kMonthAbbreviations[i])))
            month = int(i) + 1;
    }
    if (month == 0) {
        ShowNumberedMessage(21180);
        return {ShortDate::format(QDate::currentDate()), false};
    }
    // "Sept. 3, 2017": the day stands between the first blank and the first
    // comma, the year after the comma.
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const qsizetype comma = text.indexOf(QLatin1String(", "));
    const qsizetype dayEnd = comma >= 0 ? comma : text.size();
    const QString day = blank >= 0 && blank < dayEnd ? text.mid(blank + 1, dayEnd - blank - 1) : QString();
    const QString year = comma >= 0 ? text.mid(comma + 2) : QString();
    return {QString::number(month) + QLatin1Char('/') + day + QLatin1Char('/') + year, true};
}

QString RomanNumeral(int n)
{
    if (n < 1 || n > 49)
        return {};
    static const std::array<const char*, 5> tens = {"", "X", "XX", "XXX", "XL"};
    static const std::array<const char*, 10> units = {
        "", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    return QLatin1String(tens[n / 10]) + QLatin1String(units[n % 10]);
}

QString RemoveBoldCodes(const QString& text)
{
    QString result = text;
    result.remove(QLatin1String("\\b "));
    result.remove(QLatin1String("\\b0 "));
    return result;
}

QString RemoveCommasAndSigns(const QString& text)
{
    if (text.isEmpty())
        return {};
    const QLocale locale;
    const QString decimalPoint = locale.decimalPoint();
    const QString groupSeparator = locale.groupSeparator();
    const bool negative = text.contains(QLatin1Char('(')) || text.contains(QLatin1Char('-'));
    QString cleaned;
    cleaned.reserve(text.size() + 1);
    if (negative)
        cleaned += QLatin1Char('-');
    for (const QChar c : text) {
        // The comma is grouping in most locales; where it is the decimal
        // point the locale's own group separator is removed instead.
        const bool removed = QStringView(u" $%()-").contains(c) ||
                             (c == QLatin1Char(',') && decimalPoint != QLatin1String(",")) ||
                             (groupSeparator == QString(c) && decimalPoint != groupSeparator);
        if (!removed)
            cleaned += c;
    }
    return cleaned;
}

double Str2Float_P(const QString& text)
{
    bool ok = false;
    const double value = parseAmount(text, ok);
    if (!ok)
        ShowNumberedMessage(21182);
    return value;
}

double Str2Float_0(const QString& text)
{
    bool ok = false;
    const double value = parseAmount(text, ok);
    if (!ok) {
        ShowNumberedMessage(21192);
        return 0;
    }
    return std::round(value);
}

double Str2Float_2(const QString& text)
{
    const QString trimmed = trimControls(text);
    bool ok = false;
    const double value = parseAmount(trimmed, ok);
    if (!ok) {
        ShowNumberedMessage(21202, trimmed);
        return 0;
    }
    return std::round(value * 100) / 100;
}

QString JoinLines(const QString& text)
{
    // Editors on this platform end lines with LF alone; any line break counts.
    QString joined = text;
    joined.replace(QLatin1String("\r\n"), QLatin1String(" | "));
    joined.replace(QLatin1Char('\n'), QLatin1String(" | "));
    joined.replace(QLatin1Char('\r'), QLatin1String(" | "));
    return joined;
}

QString SplitLines(const QString& text)
{
    QString split = text;
    return split.replace(QLatin1String(" | "), QLatin1String("\r\n"));
}

QString TrimTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

} // namespace scrivix
