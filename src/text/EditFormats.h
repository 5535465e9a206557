#pragma once

#include <QString>

namespace scrivix {

// How an edit of an input screen shows, stores and reformats its answer, by
// its edit kind (the thousands digit of its Tag): 1 text, 2 money, 3 decimal,
// 4 whole number, 5 text reformatted as a small whole number when left.
class EditFormats
{
public:
    enum Kind { Unbound = 0, Text = 1, Money = 2, Decimal = 3, WholeNumber = 4, SmallNumber = 5 };

    static bool isBound(int kind) { return kind >= Text && kind <= SmallNumber; }

    // The answer as the edit shows it: money 1,234.50, decimal 7.50, whole 1,234,567.
    static QString display(int kind, const QString& answer);
    // The edit's text as the answer keeps it: decimals as their shortest number (7.5).
    static QString store(int kind, const QString& text);
    // The edit's text reformatted when the user leaves it: money 2,500.00,
    // decimal 7.50%, whole 1,234,567.
    static QString onExit(int kind, const QString& text);
};

} // namespace scrivix
