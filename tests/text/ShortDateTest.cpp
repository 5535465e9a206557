#include "text/ShortDate.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace scrivix;

TEST(ShortDate, ReadsLenientlyInTheLocalesOrder)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    const QLocale de(QLocale::German, QLocale::Germany);
    const QDate today(2026, 12, 11);
    const struct
    {
        QLocale locale;
        const char* text;
        QDate expected;
    } cases[] = {
        {us, "1/5/2018", QDate(2018, 1, 5)},
        {us, "01/05/18", QDate(2018, 1, 5)},
        {us, " 12/31/1999 ", QDate(1999, 12, 31)},
        {us, "3/4", QDate(2026, 3, 4)},
        {us, "1/5/75", QDate(2075, 1, 5)},
        {us, "1/5/76", QDate(1976, 1, 5)},
        {uk, "5/1/2018", QDate(2018, 1, 5)},
        {de, "5.1.2018", QDate(2018, 1, 5)},
        {us, "13/1/2018", QDate()},
        {us, "1/5/018", QDate()},
        {us, "1/5/2018/1", QDate()},
        {us, "a/b/c", QDate()},
        {us, "5.1.2018", QDate()},
        {us, "", QDate()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortDate::parse(QString::fromUtf8(c.text), c.locale, today), c.expected)
            << c.locale.name().toStdString() << " " << c.text;
}

TEST(ShortDate, WritesAFourDigitYear)
{
    EXPECT_EQ(ShortDate::format(QDate(2026, 12, 9), QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("12/9/2026"));
    EXPECT_EQ(ShortDate::format(QDate(2026, 12, 9), QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("09.12.2026"));
}
