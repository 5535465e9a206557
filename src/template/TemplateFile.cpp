#include "template/TemplateFile.h"

#include "core/FileError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace scrivix {

QString TemplateFile::path(const QString& templatesFolder, int pageNo)
{
    return QDir(templatesFolder).filePath(QStringLiteral("page%1.rtf").arg(pageNo));
}

QString TemplateFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Cannot open file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    return QString::fromLatin1(file.readAll());
}

void TemplateFile::save(const QString& path, const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(QStringLiteral("Cannot write file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace scrivix
