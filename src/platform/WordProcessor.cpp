#include "platform/WordProcessor.h"

#include "core/Settings.h"
#include "platform/DocumentLauncher.h"
#include "template/PdfConverter.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace scrivix {

namespace {

QString searchFolder(const QString& folder, const std::function<void()>& keepGoing, int depth)
{
    if (keepGoing)
        keepGoing();
    const QDir dir(folder);
    // Files of this folder first, then its subfolders, in the order the file system lists them.
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted)) {
        if (entry.fileName().compare(QLatin1String("soffice"), Qt::CaseInsensitive) == 0)
            return entry.absoluteFilePath();
    }
    if (depth > 12)
        return {};
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Unsorted)) {
        const QString found = searchFolder(entry.absoluteFilePath(), keepGoing, depth + 1);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

} // namespace

bool WordProcessor::WordInstalled()
{
    return !PdfConverter::findOffice().isEmpty();
}

bool WordProcessor::LaunchWordProcessor(DocumentLauncher& launcher,
                                        const Settings& settings,
                                        bool wordPresent,
                                        const QString& folder,
                                        const QString& filePath)
{
    if ((wordPresent || settings.forceWord) && !settings.forceWordPad) {
        const QString program = settings.wordPath.isEmpty() ? QStringLiteral("soffice") : settings.wordPath;
        return launcher.startProgram(
            program, {QStringLiteral("--writer"), QFileInfo(filePath).fileName()}, folder);
    }
    return launcher.openUrl(QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()));
}

QString WordProcessor::searchForOffice(const QStringList& roots, const std::function<void()>& keepGoing)
{
    for (const QString& root : roots) {
        const QString found = searchFolder(root, keepGoing, 0);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QStringList WordProcessor::searchRoots()
{
    return {QStringLiteral("/opt"), QStringLiteral("/usr/lib")};
}

} // namespace scrivix
