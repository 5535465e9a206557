#include "core/Cp1252Codec.h"

#include <array>

namespace scrivix {

namespace {

// Unicode of the bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

QString Cp1252Codec::decode(const char* data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kHighControls[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

void Cp1252Codec::encodeAppend(const QString& text, QByteArray& out)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* dst = out.data() + start;
    qsizetype written = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            dst[written++] = char(c);
            continue;
        }
        // A character outside the basic plane is one '?', not two.
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        const int byte = byteOf(c);
        dst[written++] = byte < 0 ? '?' : char(byte);
    }
    out.resize(start + written);
}

QByteArray Cp1252Codec::encode(const QString& text)
{
    QByteArray bytes;
    encodeAppend(text, bytes);
    return bytes;
}

bool Cp1252Codec::canEncode(const QString& text)
{
    for (const QChar c : text) {
        if (byteOf(c.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace scrivix
