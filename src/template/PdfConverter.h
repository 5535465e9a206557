#pragma once

#include <QString>

namespace scrivix {

// Turns documents into PDF or text with LibreOffice, headless.
class PdfConverter
{
public:
    // The LibreOffice program: the first of soffice or libreoffice found on
    // the usual paths, or empty.
    static QString findOffice();

    // Converts a document to the given format ("pdf", or a filter spec such as
    // "txt:Text (encoded):UTF8") at outputPath. Returns an empty string on
    // success, else what went wrong in one line.
    static QString convert(const QString& inputPath, const QString& format, const QString& outputPath);
};

} // namespace scrivix
