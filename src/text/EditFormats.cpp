#include "text/EditFormats.h"

#include "text/Wording.h"

#include <QLocale>

namespace scrivix {

namespace {

QString wholeNumber(double value)
{
    return QLocale().toString(value, 'f', 0).trimmed();
}

QString plain(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    return decimals > 0 ? text.replace(QLatin1Char('.'), QLocale().decimalPoint()) : text;
}

} // namespace

QString EditFormats::display(int kind, const QString& answer)
{
    switch (kind) {
    case Money:
        return Str2Amount(answer);
    case Decimal:
        return plain(Str2Float_P(answer), 2);
    case WholeNumber:
        return wholeNumber(Str2Float_0(answer));
    default:
        return answer;
    }
}

QString EditFormats::store(int kind, const QString& text)
{
    if (kind == Decimal)
        return QLocale().toString(Str2Float_P(text), 'g', QLocale::FloatingPointShortest);
    return text;
}

QString EditFormats::onExit(int kind, const QString& text)
{
    switch (kind) {
    case Money:
        return Str2Amount(text);
    case Decimal:
        return plain(Str2Float_P(text), 2) + QLatin1Char('%');
    case WholeNumber:
    case SmallNumber:
        return wholeNumber(Str2Float_0(text));
    default:
        return text;
    }
}

} // namespace scrivix
