#pragma once

#include <QString>
#include <QStringList>

class QUrl;

namespace scrivix {

// Starts programs and opens documents and addresses with the desktop's
// applications. The program uses the desktop; tests put in a recorder so
// nothing is started.
class DocumentLauncher
{
public:
    virtual ~DocumentLauncher() = default;
    virtual bool
    startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) = 0;
    virtual bool openUrl(const QUrl& url) = 0;
};

class DesktopLauncher : public DocumentLauncher
{
public:
    bool
    startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) override;
    bool openUrl(const QUrl& url) override;
};

} // namespace scrivix
