#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of the real scrivix-cli, as a US user would run it.
struct CliRun
{
    int status;
    QString out;
    QString err;
};

CliRun cli(const QStringList& arguments);

QByteArray contentsOf(const QString& path);
