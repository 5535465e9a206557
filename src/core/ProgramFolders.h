#pragma once

#include <QString>

namespace scrivix {

// Where the program finds what it ships with: screens, templates, help and
// the manual lie beside the executable, or in ../share/scrivix when installed.
class ProgramFolders
{
public:
    static QString dataFolder();
    static QString shippedTemplatesFolder();
};

} // namespace scrivix
