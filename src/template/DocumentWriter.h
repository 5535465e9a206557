#pragma once

#include <QByteArray>
#include <QString>

namespace scrivix {

// Writes a merged document for the word processor: send_temp.rtf in the
// temporary folder, in 7-bit ASCII.
class DocumentWriter
{
public:
    // The document as 7-bit ASCII. Characters beyond ASCII, which can only
    // come from answers, are written as RTF Unicode escapes so they print as
    // typed (José, not Jos?).
    static QByteArray toAscii(const QString& rtf);

    // send_temp.rtf after deleting an older one; when that one cannot be
    // deleted (the word processor holds it), send_temp<k>.rtf, k from 0 to 998.
    static QString outputPath(const QString& tempFolder);

    // Writes the document and returns its path. Throws FileError.
    static QString write(const QString& tempFolder, const QString& rtf);
    static void writeTo(const QString& path, const QString& rtf);
};

} // namespace scrivix
