// The user manual is made at build time beside the program; it must be a
// real PDF that reads as the manual.

#include "QtPrinters.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

TEST(Manual, IsBuiltBesideTheProgramAsARealManual)
{
    const QString path = QStringLiteral(SCRIVIX_BUILD_DIR "/scrivix.pdf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString manual = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* topic : {"Scrivix User Manual",
                              "Getting started",
                              "Party",
                              "Override",
                              "Global",
                              "Template",
                              "Check/Fix",
                              "Transfer Global Defaults",
                              "scrivix-cli"})
        EXPECT_TRUE(manual.contains(QString::fromLatin1(topic), Qt::CaseInsensitive)) << topic;

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    ASSERT_TRUE(info.waitForFinished(60000));
    const QString pages =
        QString::fromUtf8(info.readAllStandardOutput()).section(QStringLiteral("Pages:"), 1).trimmed();
    EXPECT_GE(pages.section(QLatin1Char('\n'), 0, 0).trimmed().toInt(), 8);
}
