#pragma once

#include <QString>

namespace scrivix {

// The program's folders: the maker folder ~/Tessivar with the settings, client
// files, temporary output and the user's own copy of the templates below it,
// and the folders of what the program ships (screens, manual).
struct Folders
{
    QString maker;
    QString settings;
    QString clientFiles;
    QString temp;
    QString templates;
    QString program;
    QString screens;
    QString publications;
    QString shippedTemplates;

    static Folders defaults();
    QString settingsFile() const;

    // Creates the client files and temporary folders when missing, and a
    // missing templates folder filled with the shipped templates.
    static void prepare(const Folders& folders);
};

} // namespace scrivix
