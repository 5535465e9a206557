#pragma once

#include <QByteArray>
#include <QString>

namespace scrivix {

// Windows-1252, the single-byte code page of answer files and the settings
// file. The five bytes that the code page leaves unassigned map to the C1
// controls of the same value, so every byte survives a round trip.
class Cp1252Codec
{
public:
    static QString decode(const char* data, qsizetype size);
    static QString decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }
    // Decodes into an existing string, reusing its storage where it can.
    static void decodeInto(QString& text, const char* data, qsizetype size);

    // Characters the code page cannot hold are written as '?'. Writes at most
    // text.size() bytes to out and returns how many it wrote; sawControl, when
    // given, is set when the text holds a control character (below blank).
    static qsizetype encodeInto(QStringView text, char* out, bool* sawControl = nullptr);
    static void encodeAppend(const QString& text, QByteArray& out);
    static QByteArray encode(const QString& text);

    // True when every character of the text has a byte in the code page.
    static bool canEncode(const QString& text);
};

} // namespace scrivix
