#include "template/PdfConverter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

namespace scrivix {

QString PdfConverter::findOffice()
{
    QStringList candidates = {QStringLiteral("/usr/bin/soffice"), QStringLiteral("/usr/bin/libreoffice")};
    for (const QString& folder :
         QDir(QStringLiteral("/opt")).entryList({QStringLiteral("libreoffice*")}, QDir::Dirs))
        candidates.append(QStringLiteral("/opt/%1/program/soffice").arg(folder));
    candidates.append(QStringLiteral("/usr/lib/libreoffice/program/soffice"));
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return {};
}

QString PdfConverter::convert(const QString& inputPath, const QString& format, const QString& outputPath)
{
    const QString office = findOffice();
    if (office.isEmpty())
        return QStringLiteral("LibreOffice is not installed (no soffice found)");

    // A profile and an output folder of its own, so a running LibreOffice of
    // the user's is neither disturbed nor asked to do the work.
    QTemporaryDir work;
    if (!work.isValid())
        return QStringLiteral("cannot create a temporary folder: %1").arg(work.errorString());
    const QString profile = QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString();
    const QString outFolder = work.filePath(QStringLiteral("out"));

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(office,
                  {QStringLiteral("-env:UserInstallation=") + profile,
                   QStringLiteral("--headless"),
                   QStringLiteral("--norestore"),
                   QStringLiteral("--convert-to"),
                   format,
                   QStringLiteral("--outdir"),
                   outFolder,
                   QFileInfo(inputPath).absoluteFilePath()});
    if (!process.waitForFinished(180000)) {
        process.kill();
        return QStringLiteral("LibreOffice did not finish the conversion");
    }
    const QString extension = format.section(QLatin1Char(':'), 0, 0);
    const QString produced =
        QDir(outFolder).filePath(QFileInfo(inputPath).completeBaseName() + QLatin1Char('.') + extension);
    if (process.exitCode() != 0 || !QFileInfo::exists(produced))
        return QStringLiteral("LibreOffice could not convert the document: %1")
            .arg(QString::fromLocal8Bit(process.readAll()).simplified());
    QFile::remove(outputPath);
    if (!QFile::copy(produced, outputPath))
        return QStringLiteral("cannot write \"%1\"").arg(QDir::toNativeSeparators(outputPath));
    return {};
}

} // namespace scrivix
