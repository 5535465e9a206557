#include "app/StyleSheet.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The window runs offscreen, on a 1600 x 1000 screen, as a US user would see it.
int main(int argc, char** argv)
{
    QTemporaryDir config;
    const QString screens = config.filePath(QStringLiteral("offscreen.json"));
    QFile file(screens);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(R"({ "screens": [ { "name": "Desk", "x": 0, "y": 0, "width": 1600, "height": 1000,
                        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] })");
        file.close();
    }
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screens.toLocal8Bit());
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    app.setStyleSheet(scrivix::scrivixStyleSheet());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
