#include "core/AnswerFile.h"

#include "core/Cp1252Codec.h"
#include "core/FileError.h"
#include "core/TAnswer.h"
#include "core/TextFieldReader.h"
#include "text/Wording.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace scrivix {

namespace {

QByteArray pageHeader(int pageNo)
{
    return "Page " + QByteArray::number(pageNo) + "; Continuation No. 0";
}

// Builds the file in one buffer, written through a cursor: a full store is
// two hundred thousand short lines.
class LineWriter
{
public:
    LineWriter() { m_bytes.resize(1 << 20); }

    void line(QByteArrayView text)
    {
        char* dst = room(text.size() + 2);
        std::memcpy(dst, text.data(), text.size());
        endLine(dst + text.size());
    }

    // An answer's text line and its override flag line.
    void answer(const QString& text, bool overridden)
    {
        char* dst = room(text.size() + 5);
        bool sawControl = false;
        const qsizetype written = Cp1252Codec::encodeInto(text, dst, &sawControl);
        // A line break would shift every answer after it; it is kept as the
        // line separator the screens use.
        if (sawControl && (std::memchr(dst, '\n', written) || std::memchr(dst, '\r', written))) {
            line(Cp1252Codec::encode(JoinLines(text)));
            dst = room(3) - 2;
        } else {
            dst += written;
            dst[0] = '\r';
            dst[1] = '\n';
        }
        dst[2] = overridden ? '1' : '0';
        endLine(dst + 3);
    }

    QByteArray take()
    {
        m_bytes.truncate(m_used);
        return std::move(m_bytes);
    }

private:
    char* room(qsizetype size)
    {
        if (m_used + size > m_bytes.size())
            m_bytes.resize(std::max(2 * m_bytes.size(), m_used + size));
        return m_bytes.data() + m_used;
    }

    void endLine(char* end)
    {
        end[0] = '\r';
        end[1] = '\n';
        m_used = end + 2 - m_bytes.data();
    }

    QByteArray m_bytes;
    qsizetype m_used = 0;
};

} // namespace

QByteArray AnswerFile::formatVersion(double value)
{
    // printf gives "6.15000000000000E+00"; the file wants the exponent in four digits.
    char mantissa[64];
    std::snprintf(mantissa, sizeof mantissa, "%.14E", std::fabs(value));
    QByteArray text(mantissa);
    const qsizetype e = text.indexOf('E');
    const int exponent = text.mid(e + 1).toInt();
    QByteArray result = (value < 0 ? "-" : " ") + text.left(e) + 'E' + (exponent < 0 ? '-' : '+');
    result += QByteArray::number(std::abs(exponent)).rightJustified(4, '0');
    return result;
}

QByteArray AnswerFile::toBytes(TAnswer& store, const QString& currentFileName, int currentPageNo)
{
    const bool isDefaultFile =
        QFileInfo(currentFileName).fileName().toUpper() == QLatin1String("DEFAULT.SCX");
    store.LastDocNo = isDefaultFile ? -1 : currentPageNo;

    LineWriter out;
    out.line(Cp1252Codec::encode(store.ProgramName));
    out.line(formatVersion(store.VersionNo));
    out.line(QByteArray::number(store.LastDocNo));
    for (int pageNo = 0; pageNo < TAnswer::PageCount; ++pageNo) {
        out.line(pageHeader(pageNo));
        for (const TAnswer::Entry& entry : store.answers(pageNo))
            out.answer(entry.text, entry.obj.OvRide);
    }
    return out.take();
}

void AnswerFile::write(QIODevice& device, TAnswer& store, const QString& currentFileName, int currentPageNo)
{
    const QByteArray bytes = toBytes(store, currentFileName, currentPageNo);
    if (device.write(bytes) != bytes.size())
        throw FileError(device.errorString());
}

bool AnswerFile::fromBytes(const QByteArray& bytes, TAnswer& store)
{
    TextFieldReader reader(bytes);
    const auto [name, nameLength] = reader.line();
    store.ProgramName = Cp1252Codec::decode(name, nameLength);
    store.VersionNo = reader.realField();
    reader.skipLine();
    store.LastDocNo = reader.integerField();
    reader.skipLine();
    for (int pageNo = 0; pageNo < TAnswer::PageCount; ++pageNo) {
        reader.skipLine();
        for (TAnswer::Entry& entry : store.answers(pageNo)) {
            const auto [text, length] = reader.line();
            if (length == 0)
                entry.text.clear();
            else
                Cp1252Codec::decodeInto(entry.text, text, length);
            entry.obj.OvRide = reader.integerField() != 0;
            reader.skipLine();
        }
    }
    store.VersionNo = TAnswer::CurrentVersionNo;
    return true;
}

bool AnswerFile::read(QIODevice& device, TAnswer& store)
{
    return fromBytes(device.readAll(), store);
}

void AnswerFile::save(const QString& path, TAnswer& store, int currentPageNo)
{
    const QByteArray bytes = toBytes(store, path, currentPageNo);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(file.errorString());
}

bool AnswerFile::load(const QString& path, TAnswer& store)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(file.errorString());
    return fromBytes(bytes, store);
}

QList<AnswerFile::Position> AnswerFile::unencodableAnswers(const TAnswer& store)
{
    QList<Position> positions;
    for (int pageNo = 0; pageNo < TAnswer::PageCount; ++pageNo) {
        const TAnswer::AnswerList& list = store.answers(pageNo);
        for (int answerNo = 0; answerNo < int(list.size()); ++answerNo) {
            if (!Cp1252Codec::canEncode(list[answerNo].text))
                positions.append({pageNo, answerNo});
        }
    }
    return positions;
}

} // namespace scrivix
