#include "cli/CliCommands.h"
#include "core/TAnswer.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("scrivix-cli"));
    QCoreApplication::setApplicationVersion(QString::number(scrivix::TAnswer::CurrentVersionNo, 'f', 2));
    return scrivix::CliCommands::run(QCoreApplication::arguments().mid(1));
}
