#include "core/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>

namespace scrivix {

QString ProgramFolders::dataFolder()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    if (programFolder.exists(QStringLiteral("PSF")) || programFolder.exists(QStringLiteral("Templates")))
        return programFolder.path();
    return QDir::cleanPath(programFolder.filePath(QStringLiteral("../share/scrivix")));
}

QString ProgramFolders::shippedTemplatesFolder()
{
    return QDir(dataFolder()).filePath(QStringLiteral("Templates"));
}

} // namespace scrivix
