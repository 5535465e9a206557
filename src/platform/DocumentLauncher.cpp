#include "platform/DocumentLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace scrivix {

bool DesktopLauncher::startProgram(const QString& program,
                                   const QStringList& arguments,
                                   const QString& workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}

bool DesktopLauncher::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace scrivix
