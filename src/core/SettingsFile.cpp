#include "core/SettingsFile.h"

#include "core/Cp1252Codec.h"
#include "core/FileError.h"
#include "core/Settings.h"
#include "core/TextFieldReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>

namespace scrivix {

namespace {

// The global defaults in the order the file keeps them.
constexpr std::array<GlobalDefault, GlobalDefaults::Count> kFileOrder = {
    GlobalDefault::AttorneyName,
    GlobalDefault::BuildingDesignation,
    GlobalDefault::CityStateZip,
    GlobalDefault::StreetAddress,
    GlobalDefault::TelephoneFax,
    GlobalDefault::EMail,
    GlobalDefault::SupremeCtRegNo,
    GlobalDefault::PoliticalSubdivision,
    GlobalDefault::City,
    GlobalDefault::State,
    GlobalDefault::County,
    GlobalDefault::Month,
    GlobalDefault::Year,
    GlobalDefault::Notary,
};

const QLatin1String kReserved("reserved");

QString readText(TextFieldReader& reader)
{
    const auto [text, length] = reader.line();
    return Cp1252Codec::decode(text, length);
}

void readFolder(TextFieldReader& reader, QString& folder)
{
    const QString line = readText(reader);
    if (!line.isEmpty())
        folder = line;
}

// "X" switches an option on, any other text off; an empty line keeps it.
void readCheck(TextFieldReader& reader, bool& option)
{
    const QString line = readText(reader);
    if (!line.isEmpty())
        option = line == QLatin1String("X");
}

void appendLine(QByteArray& out, const QString& text)
{
    Cp1252Codec::encodeAppend(text, out);
    out += "\r\n";
}

// The folders, the reserved lines and the recent files, which every file starts with.
void appendHead(QByteArray& out, const Settings& settings)
{
    appendLine(out, settings.clientFilesFolder);
    appendLine(out, settings.tempFolder);
    appendLine(out, kReserved);
    appendLine(out, kReserved);
    appendLine(out, QString::number(settings.recentFiles.size()));
    for (const QString& path : settings.recentFiles)
        appendLine(out, path);
}

} // namespace

void SettingsFile::fromBytes(const QByteArray& bytes, Settings& settings)
{
    TextFieldReader reader(bytes);
    readFolder(reader, settings.clientFilesFolder);
    readFolder(reader, settings.tempFolder);
    reader.skipLine();
    reader.skipLine();
    const int count = reader.integerField();
    reader.skipLine();
    for (int i = 0; i < count; ++i)
        settings.recentFiles.append(readText(reader));
    readCheck(reader, settings.forceWord);
    readCheck(reader, settings.forceWordPad);
    readFolder(reader, settings.wordPath);
    settings.ghostPrompts = readText(reader) == QLatin1String("TRUE");
    settings.shrinkFonts = readText(reader) == QLatin1String("TRUE");
    for (const GlobalDefault which : kFileOrder)
        settings.globals.setValue(which, readText(reader));
}

QByteArray SettingsFile::toBytes(const Settings& settings)
{
    QByteArray out;
    appendHead(out, settings);
    appendLine(out, settings.forceWord ? QStringLiteral("X") : QString());
    appendLine(out, settings.forceWordPad ? QStringLiteral("X") : QString());
    appendLine(out, settings.wordPath);
    appendLine(out, settings.ghostPrompts ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    appendLine(out, settings.shrinkFonts ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    for (const GlobalDefault which : kFileOrder)
        appendLine(out, settings.globals.value(which));
    return out;
}

QByteArray SettingsFile::firstRunBytes(const Settings& settings)
{
    QByteArray out;
    appendHead(out, settings);
    // Force Word, force WordPad, the Word path, two options, the global defaults.
    for (int i = 0; i < 5 + GlobalDefaults::Count; ++i)
        out += "\r\n";
    return out;
}

void SettingsFile::readOrCreate(const QString& path, Settings& settings)
{
    if (QFileInfo::exists(path)) {
        load(path, settings);
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw FileError(QStringLiteral("Cannot create folder \"%1\"").arg(QDir::toNativeSeparators(folder)));
    const QByteArray bytes = firstRunBytes(settings);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(file.errorString());
}

void SettingsFile::load(const QString& path, Settings& settings)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(file.errorString());
    fromBytes(file.readAll(), settings);
}

void SettingsFile::save(const QString& path, const Settings& settings)
{
    const QByteArray bytes = toBytes(settings);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(file.errorString());
}

} // namespace scrivix
