#include "cli/CliCommands.h"

#include "core/AnswerFile.h"
#include "core/Cp1252Codec.h"
#include "core/FileError.h"
#include "core/ProgramFolders.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "core/TAnswer.h"
#include "rules/TransferGlobals.h"
#include "template/DocumentAssembly.h"
#include "template/DocumentWriter.h"
#include "template/PdfConverter.h"
#include "template/TemplateMerge.h"
#include "template/TemplateRepair.h"
#include "text/Wording.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace scrivix {

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

const char* const kOverview =
    "Usage: scrivix-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Works on Scrivix answer files (.scx) without the window.\n"
    "\n"
    "Commands:\n"
    "  words AMOUNT                 Write an amount out in words, as documents state it.\n"
    "  dump FILE.scx PAGE           List the answers of a page that hold text or are overridden.\n"
    "  set FILE.scx PAGE N=TEXT...  Set answers of a page and write the answer file.\n"
    "  calc FILE.scx PAGE           Run the page's rules and write the answer file.\n"
    "  defaults FILE.scx PAGE --settings FILE.ini\n"
    "                               Fill the page's empty answers from the global defaults.\n"
    "  assemble FILE.scx PAGE -o OUT.rtf [--templates DIR] [--pdf OUT.pdf]\n"
    "                               Produce the page's document.\n"
    "  fix-template FILE.rtf        Repair answer variables a word processor split.\n"
    "\n"
    "Run 'scrivix-cli COMMAND --help' for the details of a command.\n";

QTextStream& out()
{
    static QTextStream stream(stdout);
    stream.setEncoding(QStringConverter::Utf8);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    stream.setEncoding(QStringConverter::Utf8);
    return stream;
}

int fail(const QString& message, int status = kExitFailure)
{
    err() << "scrivix-cli: " << message << Qt::endl;
    return status;
}

// Parses a command's arguments; on --help prints the help and sets status 0,
// on a usage error prints one line and sets status 2.
bool parseCommand(QCommandLineParser& parser,
                  const QStringList& arguments,
                  qsizetype positionalCount,
                  bool moreAllowed,
                  int& status)
{
    parser.addHelpOption();
    if (!parser.parse(arguments)) {
        status = fail(parser.errorText(), kExitUsage);
        return false;
    }
    const QString command = QStringLiteral("scrivix-cli ") + arguments.value(0);
    if (parser.isSet(QStringLiteral("help"))) {
        // The parser names the program alone; the usage line wants the command too.
        QString help = parser.helpText();
        const qsizetype options = help.indexOf(QLatin1String(" [options]"));
        if (help.startsWith(QLatin1String("Usage: ")) && options > 0)
            help.replace(7, options - 7, command);
        out() << help;
        out().flush();
        status = 0;
        return false;
    }
    const qsizetype given = parser.positionalArguments().size();
    if (given < positionalCount || (!moreAllowed && given > positionalCount)) {
        status = fail(QStringLiteral("wrong number of arguments; see '%1 --help'").arg(command), kExitUsage);
        return false;
    }
    return true;
}

bool parseNumber(const QString& text, int low, int high, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= low && value <= high;
}

// Reads an answer file; on failure prints one line and sets status.
bool loadStore(const QString& path, TAnswer& store, int& status)
{
    try {
        AnswerFile::load(path, store);
        return true;
    } catch (const FileError& e) {
        status = fail(QStringLiteral("%1: %2").arg(path, e.message()));
        return false;
    }
}

bool saveStore(const QString& path, TAnswer& store, int pageNo, int& status)
{
    try {
        AnswerFile::save(path, store, pageNo);
        return true;
    } catch (const FileError& e) {
        status = fail(QStringLiteral("%1: %2").arg(path, e.message()));
        return false;
    }
}

void addFileAndPage(QCommandLineParser& parser)
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The answer file (.scx)."));
    parser.addPositionalArgument(QStringLiteral("PAGE"), QStringLiteral("The page number, 0 to 99."));
}

bool parsePage(const QString& text, int& pageNo, int& status)
{
    if (parseNumber(text, 0, TAnswer::PageCount - 1, pageNo))
        return true;
    status = fail(QStringLiteral("page must be a number from 0 to 99, not \"%1\"").arg(text), kExitUsage);
    return false;
}

// Parses a command of the form FILE PAGE [options]; on a usage error or
// --help prints and sets status.
bool parseFileAndPage(QCommandLineParser& parser, const QStringList& arguments, int& pageNo, int& status)
{
    return parseCommand(parser, arguments, 2, false, status) &&
           parsePage(parser.positionalArguments().at(1), pageNo, status);
}

} // namespace

int CliCommands::run(const QStringList& arguments)
{
    const QString command = arguments.value(0);
    if (command == QLatin1String("words"))
        return words(arguments);
    if (command == QLatin1String("dump"))
        return dump(arguments);
    if (command == QLatin1String("set"))
        return set(arguments);
    if (command == QLatin1String("calc"))
        return calc(arguments);
    if (command == QLatin1String("defaults"))
        return defaults(arguments);
    if (command == QLatin1String("assemble"))
        return assemble(arguments);
    if (command == QLatin1String("fix-template"))
        return fixTemplate(arguments);
    if (command.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out() << kOverview;
        out().flush();
        return command.isEmpty() ? kExitUsage : 0;
    }
    if (command == QLatin1String("--version")) {
        out() << "scrivix-cli " << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    }
    return fail(QStringLiteral("unknown command \"%1\"; see 'scrivix-cli --help'").arg(command), kExitUsage);
}

int CliCommands::words(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes AMOUNT out in words with its cents, as documents state amounts:\n"
                       "1250 gives \"One Thousand Two Hundred Fifty and 00/100\".\n"
                       "AMOUNT may be typed as in a money field: $1,250.00 or (300).\n"
                       "Put -- before a negative amount written with a minus sign."));
    parser.addPositionalArgument(QStringLiteral("AMOUNT"), QStringLiteral("The amount."));
    int status = 0;
    if (!parseCommand(parser, arguments, 1, false, status))
        return status;
    out() << Float2Dollar(Str2Float_2(parser.positionalArguments().at(0))) << Qt::endl;
    return 0;
}

int CliCommands::dump(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists the answers of PAGE in FILE that hold text or are overridden,\n"
                       "one a line: answer number, tab, 1 when overridden else 0, tab, text."));
    addFileAndPage(parser);
    int status = 0;
    int pageNo = 0;
    if (!parseFileAndPage(parser, arguments, pageNo, status))
        return status;

    const QString path = parser.positionalArguments().at(0);
    TAnswer store;
    if (!loadStore(path, store, status))
        return status;
    const TAnswer::AnswerList& answers = store.answers(pageNo);
    for (int answerNo = 0; answerNo < int(answers.size()); ++answerNo) {
        const TAnswer::Entry& entry = answers[answerNo];
        if (entry.text.isEmpty() && !entry.obj.OvRide)
            continue;
        out() << answerNo << '\t' << (entry.obj.OvRide ? '1' : '0') << '\t' << entry.text << '\n';
    }
    out().flush();
    return 0;
}

int CliCommands::set(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Sets answers of PAGE and writes FILE as a client file, with PAGE as the page\n"
                       "to return to. FILE is created when it does not exist yet. Line breaks in a\n"
                       "TEXT are kept as \" | \". A TEXT with characters that an answer file cannot\n"
                       "hold is refused and nothing is written."));
    addFileAndPage(parser);
    parser.addPositionalArgument(QStringLiteral("N=TEXT"),
                                 QStringLiteral("Answer number (0 to 1000) and its new text."),
                                 QStringLiteral("N=TEXT..."));
    int status = 0;
    int pageNo = 0;
    if (!parseCommand(parser, arguments, 3, true, status) ||
        !parsePage(parser.positionalArguments().at(1), pageNo, status))
        return status;

    const QString path = parser.positionalArguments().at(0);
    QList<std::pair<int, QString>> assignments;
    for (const QString& assignment : parser.positionalArguments().mid(2)) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        int answerNo = 0;
        if (equals < 0 || !parseNumber(assignment.left(equals), 0, TAnswer::AnswersPerPage - 1, answerNo))
            return fail(QStringLiteral("\"%1\" is not N=TEXT with N from 0 to 1000").arg(assignment),
                        kExitUsage);
        const QString text = JoinLines(assignment.mid(equals + 1));
        if (!Cp1252Codec::canEncode(text))
            return fail(QStringLiteral("answer %1: \"%2\" holds characters that an answer file cannot "
                                       "store; nothing was written")
                            .arg(answerNo)
                            .arg(text));
        assignments.append({answerNo, text});
    }

    TAnswer store;
    if (QFileInfo::exists(path) && !loadStore(path, store, status))
        return status;
    for (const auto& [answerNo, text] : assignments)
        store.setText(pageNo, answerNo, text);
    return saveStore(path, store, pageNo, status) ? 0 : status;
}

int CliCommands::calc(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs the rules of PAGE on the answers in FILE (wording, amounts in words,\n"
                       "signature block) and writes FILE back, with PAGE as the page to return to."));
    addFileAndPage(parser);
    int status = 0;
    int pageNo = 0;
    if (!parseFileAndPage(parser, arguments, pageNo, status))
        return status;
    const QString path = parser.positionalArguments().at(0);
    TAnswer store;
    if (!loadStore(path, store, status))
        return status;
    store.Calculate(pageNo, false);
    return saveStore(path, store, pageNo, status) ? 0 : status;
}

int CliCommands::defaults(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Fills the empty answers of PAGE in FILE from the global defaults kept in a\n"
                       "settings file (scrivix.ini), and writes FILE back. Filled answers are left alone."));
    addFileAndPage(parser);
    const QCommandLineOption settingsOption(QStringLiteral("settings"),
                                            QStringLiteral("The settings file with the global defaults."),
                                            QStringLiteral("FILE.ini"));
    parser.addOption(settingsOption);
    int status = 0;
    int pageNo = 0;
    if (!parseFileAndPage(parser, arguments, pageNo, status))
        return status;
    if (!parser.isSet(settingsOption))
        return fail(QStringLiteral("--settings FILE.ini is required"), kExitUsage);

    Settings settings;
    const QString settingsPath = parser.value(settingsOption);
    try {
        SettingsFile::load(settingsPath, settings);
    } catch (const FileError& e) {
        return fail(QStringLiteral("%1: %2").arg(settingsPath, e.message()));
    }
    const QString path = parser.positionalArguments().at(0);
    TAnswer store;
    if (!loadStore(path, store, status))
        return status;
    TransferGlobals(store, pageNo, settings.globals);
    return saveStore(path, store, pageNo, status) ? 0 : status;
}

int CliCommands::assemble(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Produces the document of PAGE: runs the page's rules on the answers in FILE,\n"
                       "merges them into the page's template and writes the RTF document. The answer\n"
                       "file is not changed. With --pdf, LibreOffice also converts it to PDF."));
    addFileAndPage(parser);
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("The RTF document to write."),
                                          QStringLiteral("OUT.rtf"));
    const QCommandLineOption templatesOption(
        QStringLiteral("templates"),
        QStringLiteral("The templates folder (default: the shipped templates)."),
        QStringLiteral("DIR"));
    const QCommandLineOption pdfOption(
        QStringLiteral("pdf"), QStringLiteral("Also write the document as PDF."), QStringLiteral("OUT.pdf"));
    parser.addOptions({outputOption, templatesOption, pdfOption});
    int status = 0;
    int pageNo = 0;
    if (!parseFileAndPage(parser, arguments, pageNo, status))
        return status;
    if (!parser.isSet(outputOption))
        return fail(QStringLiteral("-o OUT.rtf is required"), kExitUsage);

    TAnswer store;
    if (!loadStore(parser.positionalArguments().at(0), store, status))
        return status;
    const QString templates = parser.isSet(templatesOption) ? parser.value(templatesOption)
                                                            : ProgramFolders::shippedTemplatesFolder();
    const QString rtfPath = parser.value(outputOption);
    try {
        TemplateMerge merge;
        DocumentWriter::writeTo(rtfPath, assembleDocument(store, pageNo, templates, merge));
    } catch (const FileError& e) {
        return fail(e.message());
    }
    if (parser.isSet(pdfOption)) {
        const QString problem =
            PdfConverter::convert(rtfPath, QStringLiteral("pdf"), parser.value(pdfOption));
        if (!problem.isEmpty())
            return fail(problem);
    }
    return 0;
}

int CliCommands::fixTemplate(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Repairs a template in place: answer variables that a word processor split\n"
                       "with formatting, such as /*2{\\b 4}/, become whole again (/*24/)."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The template (.rtf)."));
    int status = 0;
    if (!parseCommand(parser, arguments, 1, false, status))
        return status;
    const QString path = parser.positionalArguments().at(0);
    try {
        const bool changed = TemplateRepair::repairFile(path);
        out() << (changed ? "Repaired " : "Nothing to repair in ") << path << Qt::endl;
    } catch (const FileError& e) {
        return fail(e.message());
    }
    return 0;
}

} // namespace scrivix
