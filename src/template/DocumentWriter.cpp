#include "template/DocumentWriter.h"

#include "core/FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace scrivix {

namespace {

void appendEscape(QByteArray& out, char16_t unit)
{
    // \u takes a signed 16-bit number.
    out += "\\u" + QByteArray::number(int(qint16(unit))) + '?';
}

} // namespace

QByteArray DocumentWriter::toAscii(const QString& rtf)
{
    QByteArray out;
    out.reserve(rtf.size());
    const char16_t* text = reinterpret_cast<const char16_t*>(rtf.constData());
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            out += char(c);
            continue;
        }
        // A group of its own, with one fallback character per escape whatever
        // \uc the text around it has set.
        out += "{\\uc1";
        appendEscape(out, c);
        if (QChar::isHighSurrogate(c) && i + 1 < rtf.size() && QChar::isLowSurrogate(text[i + 1]))
            appendEscape(out, text[++i]);
        out += '}';
    }
    return out;
}

QString DocumentWriter::outputPath(const QString& tempFolder)
{
    const QDir folder(tempFolder);
    const QString usual = folder.filePath(QStringLiteral("send_temp.rtf"));
    if (QFile::remove(usual) || !QFileInfo::exists(usual))
        return usual;
    const int k = int(QRandomGenerator::global()->bounded(999));
    return folder.filePath(QStringLiteral("send_temp%1.rtf").arg(k));
}

QString DocumentWriter::write(const QString& tempFolder, const QString& rtf)
{
    const QString path = outputPath(tempFolder);
    writeTo(path, rtf);
    return path;
}

void DocumentWriter::writeTo(const QString& path, const QString& rtf)
{
    const QByteArray bytes = toAscii(rtf);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw FileError(QStringLiteral("Cannot write file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace scrivix
