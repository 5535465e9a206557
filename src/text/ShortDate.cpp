#include "text/ShortDate.h"

#include <QStringList>

namespace scrivix {

namespace {

struct ShortDateLayout
{
    // Positions of day, month and year among the three fields.
    int day = 1;
    int month = 0;
    int year = 2;
    QChar separator = QLatin1Char('/');
};

ShortDateLayout layoutOf(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    ShortDateLayout layout;
    int field = 0;
    QChar previous;
    bool separatorFound = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) {
            if (c != previous) {
                if (c == QLatin1Char('d'))
                    layout.day = field;
                else if (c == QLatin1Char('M'))
                    layout.month = field;
                else
                    layout.year = field;
                ++field;
            }
        } else if (!separatorFound && !c.isSpace() && c != QLatin1Char('\'')) {
            layout.separator = c;
            separatorFound = true;
        }
        previous = c;
    }
    return layout;
}

bool parseField(const QString& text, int maxDigits, int& value)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > maxDigits)
        return false;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    value = digits.toInt();
    return true;
}

} // namespace

int ShortDate::expandYear(int twoDigitYear, int currentYear)
{
    // The century window: from 50 years before this year to 49 after it.
    int year = currentYear - currentYear % 100 + twoDigitYear;
    if (year < currentYear - 50)
        year += 100;
    else if (year > currentYear + 49)
        year -= 100;
    return year;
}

QDate ShortDate::parse(const QString& text, const QLocale& locale, const QDate& today)
{
    const ShortDateLayout layout = layoutOf(locale);
    const QStringList fields = text.trimmed().split(layout.separator);
    if (fields.size() != 2 && fields.size() != 3)
        return {};

    int day = 0;
    int month = 0;
    int year = today.year();
    if (fields.size() == 3) {
        const QString yearText = fields.at(layout.year).trimmed();
        if (yearText.size() != 2 && yearText.size() != 4)
            return {};
        if (!parseField(yearText, 4, year))
            return {};
        if (yearText.size() == 2)
            year = expandYear(year, today.year());
    }
    // Without a year, day and month keep their order from the full layout.
    const bool dayFirst = layout.day < layout.month;
    const int dayField = fields.size() == 3 ? layout.day : (dayFirst ? 0 : 1);
    const int monthField = fields.size() == 3 ? layout.month : (dayFirst ? 1 : 0);
    if (!parseField(fields.at(dayField), 2, day) || !parseField(fields.at(monthField), 2, month))
        return {};
    return QDate(year, month, day);
}

QString ShortDate::format(const QDate& date, const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(date, format);
}

} // namespace scrivix
