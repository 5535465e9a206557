#include "screens/ScreenLoader.h"

#include "core/FileError.h"

#include <QDir>
#include <QFile>
#include <QUiLoader>
#include <QWidget>

namespace scrivix {

QString ScreenLoader::path(const QString& screensFolder, int pageNo)
{
    return QDir(screensFolder).filePath(QStringLiteral("page%1.psf").arg(pageNo));
}

QWidget* ScreenLoader::load(const QString& path, QWidget* parent)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    QUiLoader loader;
    QWidget* screen = loader.load(&file, parent);
    if (!screen)
        throw FileError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), loader.errorString()));
    return screen;
}

} // namespace scrivix
