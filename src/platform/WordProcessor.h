#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace scrivix {

class DocumentLauncher;
struct Settings;

// The word processor that receives documents and templates: LibreOffice
// Writer, or the desktop's own application for RTF when WordPad is forced or
// no LibreOffice is present.
class WordProcessor
{
public:
    // Whether a LibreOffice program lies on one of the usual paths.
    static bool WordInstalled();

    // Opens the file in the word processor the settings choose. False when it
    // could not be started (the caller shows message 11500).
    static bool LaunchWordProcessor(DocumentLauncher& launcher,
                                    const Settings& settings,
                                    bool wordPresent,
                                    const QString& folder,
                                    const QString& filePath);

    // Searches the folders depth first for a file named soffice (letter case
    // ignored); the first match, or empty. keepGoing is asked between folders
    // so a long search can let the window draw.
    static QString searchForOffice(const QStringList& roots, const std::function<void()>& keepGoing = {});
    static QStringList searchRoots();
};

} // namespace scrivix
