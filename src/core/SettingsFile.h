#pragma once

#include <QByteArray>
#include <QString>

namespace scrivix {

struct Settings;

// scrivix.ini: despite its name a fixed sequence of lines (two folders, two
// reserved lines, the recent files with their count, the word-processor and
// display options, the fourteen global defaults), CR LF, Windows-1252.
class SettingsFile
{
public:
    // Reads over the settings, which hold their defaults. A file that ends
    // early leaves what follows at its default, but for the display options
    // (off) and the global defaults (empty). A count that is not a number
    // throws FileError "Invalid numeric input".
    static void fromBytes(const QByteArray& bytes, Settings& settings);
    static QByteArray toBytes(const Settings& settings);

    // Throws FileError with the file system's words.
    static void load(const QString& path, Settings& settings);
    // Written whole through a temporary file: a failed write leaves the old one.
    static void save(const QString& path, const Settings& settings);

    // Reads the settings file at start-up. On the first run, when there is
    // none, creates it (and its folder) with the two folders, the reserved
    // lines, no recent files and an empty line for every other entry, and
    // leaves the settings at their defaults.
    static void readOrCreate(const QString& path, Settings& settings);
    static QByteArray firstRunBytes(const Settings& settings);
};

} // namespace scrivix
