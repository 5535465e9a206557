#include "platform/Folders.h"

#include "core/ProgramFolders.h"

#include <QDir>
#include <QFile>

namespace scrivix {

Folders Folders::defaults()
{
    Folders folders;
    const QDir home(QDir::homePath());
    folders.maker = home.filePath(QStringLiteral("Tessivar"));
    folders.settings = QDir(folders.maker).filePath(QStringLiteral("Scrivix"));
    folders.clientFiles = QDir(folders.settings).filePath(QStringLiteral("Files"));
    folders.temp = QDir(folders.settings).filePath(QStringLiteral("Temp"));
    folders.templates = QDir(folders.settings).filePath(QStringLiteral("Templates"));
    folders.program = ProgramFolders::dataFolder();
    folders.screens = QDir(folders.program).filePath(QStringLiteral("PSF"));
    folders.publications = QDir(folders.program).filePath(QStringLiteral("PDF"));
    folders.shippedTemplates = ProgramFolders::shippedTemplatesFolder();
    return folders;
}

QString Folders::settingsFile() const
{
    return QDir(settings).filePath(QStringLiteral("scrivix.ini"));
}

void Folders::prepare(const Folders& folders)
{
    QDir().mkpath(folders.clientFiles);
    QDir().mkpath(folders.temp);
    if (QFileInfo::exists(folders.templates))
        return;
    QDir().mkpath(folders.templates);
    const QDir shipped(folders.shippedTemplates);
    for (const QString& name : shipped.entryList({QStringLiteral("*.rtf")}, QDir::Files))
        QFile::copy(shipped.filePath(name), QDir(folders.templates).filePath(name));
}

} // namespace scrivix
