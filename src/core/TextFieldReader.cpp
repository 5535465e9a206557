#include "core/TextFieldReader.h"

#include "core/FileError.h"

#include <QRegularExpression>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace scrivix {

namespace {

[[noreturn]] void invalidNumericInput()
{
    throw FileError(QStringLiteral("Invalid numeric input"));
}

} // namespace

TextFieldReader::TextFieldReader(const QByteArray& bytes)
    : m_end(bytes.constData() + bytes.size()), m_pos(bytes.constData())
{
}

std::pair<const char*, qsizetype> TextFieldReader::line()
{
    const char* start = m_pos;
    const char* end = m_pos;
#ifdef __SSE2__
    // Sixteen bytes at a time to the next CR or LF.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    while (m_end - end >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(end));
        const int found =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, lf), _mm_cmpeq_epi8(bytes, cr)));
        if (found != 0) {
            end += __builtin_ctz(unsigned(found));
            m_pos = end;
            skipLineEnd();
            return {start, end - start};
        }
        end += 16;
    }
#endif
    while (end < m_end && *end != '\n' && *end != '\r')
        ++end;
    m_pos = end;
    skipLineEnd();
    return {start, end - start};
}

// Blanks, tabs and line ends are skipped, then up to maxLength characters are
// taken, stopping at the first control character or blank.
QByteArray TextFieldReader::field(int maxLength)
{
    while (m_pos < m_end && static_cast<unsigned char>(*m_pos) <= ' ')
        ++m_pos;
    const char* start = m_pos;
    while (m_pos < m_end && m_pos - start<maxLength&& static_cast<unsigned char>(*m_pos)> ' ')
        ++m_pos;
    return QByteArray(start, m_pos - start);
}

int TextFieldReader::integerField()
{
    // The common case in an answer file: one digit alone on its line.
    if (m_end - m_pos >= 2 && (*m_pos == '0' || *m_pos == '1') && (m_pos[1] == '\r' || m_pos[1] == '\n'))
        return *m_pos++ - '0';
    const QByteArray token = field(32);
    if (token.isEmpty())
        return 0;
    bool ok = false;
    const int value = token.toInt(&ok, 10);
    if (!ok)
        invalidNumericInput();
    return value;
}

double TextFieldReader::realField()
{
    static const QRegularExpression realForm(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QByteArray token = field(64);
    if (token.isEmpty())
        return 0.0;
    if (!realForm.match(QString::fromLatin1(token)).hasMatch())
        invalidNumericInput();
    return token.toDouble();
}

void TextFieldReader::skipLineEnd()
{
    if (m_pos < m_end && *m_pos == '\r')
        ++m_pos;
    if (m_pos < m_end && *m_pos == '\n')
        ++m_pos;
}

} // namespace scrivix
