#include "core/Cp1252Codec.h"

#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
    QString text;
    decodeInto(text, data, size);
    return text;
}

void Cp1252Codec::decodeInto(QString& text, const char* data, qsizetype size)
{
    // Reuse the string's own storage where it has room; a fresh one otherwise,
    // which is cheaper than growing an empty string.
    if (text.isDetached() && text.capacity() >= size)
        text.resize(size);
    else
        text = QString(size, Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(text.data());
    const auto* src = reinterpret_cast<const unsigned char*>(data);
    qsizetype i = 0;
#ifdef __SSE2__
    // Eight bytes at a time while they are plain ASCII.
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= size; i += 8) {
        const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src + i));
        if (_mm_movemask_epi8(bytes) != 0)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_unpacklo_epi8(bytes, zero));
    }
#endif
    // Latin-1 but for the 32 bytes from 0x80 that Windows-1252 gives other characters.
    for (; i < size; ++i) {
        const unsigned char byte = src[i];
        dst[i] = (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : char16_t(byte);
    }
}

qsizetype Cp1252Codec::encodeInto(QStringView text, char* out, bool* sawControl)
{
    const char16_t* src = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    bool control = false;
#ifdef __SSE2__
    // Eight characters at a time while they are plain ASCII.
    const __m128i zero = _mm_setzero_si128();
    const __m128i highestAscii = _mm_set1_epi16(0x7F);
    const __m128i blank = _mm_set1_epi16(0x20);
    __m128i controls = zero;
    for (; i + 8 <= size; i += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i aboveAscii = _mm_subs_epu16(chars, highestAscii);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(aboveAscii, zero)) != 0xFFFF)
            break;
        controls = _mm_or_si128(controls, _mm_cmplt_epi16(chars, blank));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(chars, chars));
    }
    control = _mm_movemask_epi8(controls) != 0;
#endif
    qsizetype written = i;
    for (; i < size; ++i) {
        const char16_t c = src[i];
        control = control || c < 0x20;
        // A character outside the basic plane is one '?', not two.
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(src[i + 1]))
            ++i;
        const int byte = byteOf(c);
        out[written++] = byte < 0 ? '?' : char(byte);
    }
    if (sawControl)
        *sawControl = control;
    return written;
}

void Cp1252Codec::encodeAppend(const QString& text, QByteArray& out)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    out.resize(start + encodeInto(text, out.data() + start));
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
