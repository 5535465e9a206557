#include "cli/CliRun.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

CliRun cli(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SCRIVIX_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(240000));
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
