#include "cli/CliCommands.h"

#include "core/AnswerFile.h"
#include "core/AnswerFileError.h"
#include "core/Cp1252Codec.h"
#include "core/TAnswer.h"
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
bool parseCommand(QCommandLineParser& parser, const QStringList& arguments, qsizetype positionalCount,
                  bool moreAllowed, int& status)
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

bool parsePage(const QString& text, int& pageNo, int& status)
{
    if (parseNumber(text, 0, TAnswer::PageCount - 1, pageNo))
        return true;
    status = fail(QStringLiteral("page must be a number from 0 to 99, not \"%1\"").arg(text), kExitUsage);
    return false;
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
    if (command.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out() << kOverview;
        out().flush();
        return command.isEmpty() ? kExitUsage : 0;
    }
    if (command == QLatin1String("--version")) {
        out() << "scrivix-cli 6.15" << Qt::endl;
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
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The answer file (.scx)."));
    parser.addPositionalArgument(QStringLiteral("PAGE"), QStringLiteral("The page number, 0 to 99."));
    int status = 0;
    int pageNo = 0;
    if (!parseCommand(parser, arguments, 2, false, status) ||
        !parsePage(parser.positionalArguments().at(1), pageNo, status))
        return status;

    const QString path = parser.positionalArguments().at(0);
    TAnswer store;
    try {
        AnswerFile::load(path, store);
    } catch (const AnswerFileError& e) {
        return fail(QStringLiteral("%1: %2").arg(path, e.message()));
    }
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
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The answer file (.scx)."));
    parser.addPositionalArgument(QStringLiteral("PAGE"), QStringLiteral("The page number, 0 to 99."));
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
    try {
        if (QFileInfo::exists(path))
            AnswerFile::load(path, store);
        for (const auto& [answerNo, text] : assignments)
            store.setText(pageNo, answerNo, text);
        AnswerFile::save(path, store, pageNo);
    } catch (const AnswerFileError& e) {
        return fail(QStringLiteral("%1: %2").arg(path, e.message()));
    }
    return 0;
}

} // namespace scrivix
