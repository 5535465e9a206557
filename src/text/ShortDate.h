#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace scrivix {

// The user's short date, read leniently the way desktop users type it: the
// locale's order of day, month and year and its separator, one or two digits
// for day and month, a two- or four-digit year (or none: this year).
class ShortDate
{
public:
    // An invalid date when the text is not a short date.
    static QDate
    parse(const QString& text, const QLocale& locale = QLocale(), const QDate& today = QDate::currentDate());

    // The locale's short date, always with a four-digit year.
    static QString format(const QDate& date, const QLocale& locale = QLocale());

    // The year a two-digit year stands for: the one nearest to this year.
    static int expandYear(int twoDigitYear, int currentYear);
};

} // namespace scrivix
