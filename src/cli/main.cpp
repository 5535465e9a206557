#include "cli/CliCommands.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("scrivix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("6.15"));
    return scrivix::CliCommands::run(QCoreApplication::arguments().mid(1));
}
