#pragma once

#include <QString>

namespace scrivix {

// Amounts, numbers and dates as legal documents write them, and the readers
// of amounts as users type them. Every routine reports its own failure through
// the message catalogue and returns a safe result; none throws.

// English words, every word capitalised and followed by one blank: 2013 gives
// "Two Thousand Thirteen ". Whole part only; 0 gives "No ".
QString NumberToWords(double amount);
// Joins the first teen pattern found ("Ten One" to "Eleven" ... ).
QString ConvertTeens(const QString& words);
// Words and cents: 1250 gives "One Thousand Two Hundred Fifty and 00/100".
QString Float2Dollar(double amount);
// Figures with thousands separators and two decimals: 1234.5 gives "1,234.50".
QString Float2Amount(double amount);
QString Str2Amount(const QString& text);

// A short date written out: 1/5/2018 gives "January 5, 2018"; anything else
// comes back unchanged.
QString ConvertDate(const QString& text);

struct NormalizedDate
{
    QString text;
    bool ok;
};
// A written-out date back to month/day/year: "January 5, 2018" gives
// "1/5/2018". A short date comes back unchanged.
NormalizedDate NormalizeDate(const QString& text);

// Upper-case roman numeral of 1..49; anything else gives an empty text.
QString RomanNumeral(int n);
// Removes the RTF bold codes "\b " and "\b0 ".
QString RemoveBoldCodes(const QString& text);
// Strips currency, percent and grouping characters; "(" or "-" makes the
// number negative: "(300)" gives "-300".
QString RemoveCommasAndSigns(const QString& text);

// Amounts as typed, in the user's locale; a text that is not a number shows
// its message and reads as 0.
double Str2Float_P(const QString& text);
double Str2Float_0(const QString& text);
double Str2Float_2(const QString& text);

// Multi-line texts are kept on one line with " | " for each line break.
QString JoinLines(const QString& text);
QString SplitLines(const QString& text);
QString TrimTrailingBlanks(const QString& text);

} // namespace scrivix
