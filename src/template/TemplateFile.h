#pragma once

#include <QString>

namespace scrivix {

// Template files page<N>.rtf: RTF, read and written byte for byte as Latin-1
// so that whatever a word processor saved survives a repair unchanged.
class TemplateFile
{
public:
    static QString path(const QString& templatesFolder, int pageNo);
    // Throws FileError with the file system's words.
    static QString load(const QString& path);
    static void save(const QString& path, const QString& text);
};

} // namespace scrivix
