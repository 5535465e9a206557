#pragma once

#include "core/GlobalDefaults.h"

#include <QString>
#include <QStringList>

namespace scrivix {

// What the program keeps between runs: folders, recent files, the word
// processor options, two display options and the preparer's global defaults.
struct Settings
{
    QString clientFilesFolder;
    QString tempFolder;
    QString templatesFolder; // for the run only; never written
    QStringList recentFiles; // newest first
    bool forceWord = false;
    bool forceWordPad = false;
    QString wordPath;
    bool ghostPrompts = true;
    bool shrinkFonts = false;
    GlobalDefaults globals;
};

} // namespace scrivix
