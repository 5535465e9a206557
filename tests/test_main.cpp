#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Tests read and write numbers and dates as a US user types them.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
