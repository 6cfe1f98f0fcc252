#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace {

struct TOptionSpec {
    QStringList names;
    const char* valueName;  // nullptr: a switch
    const char* description;
    bool command;  // starts a command that runs without a window
};

// Every option, in the order --help lists them. A new option is one line
// here; the command it belongs to reads its value.
const QList<TOptionSpec>& Options() {
    static const QList<TOptionSpec> options{
        {{QStringLiteral("html")}, "DOCUMENT", "Print the page's HTML (or write it with -o), without a window.", true},
        {{QStringLiteral("text")}, "HTMLFILE", "Print the text the viewer copies from an HTML file.", true},
        {{QStringLiteral("render")}, "HTMLFILE", "Draw an HTML file as the viewer shows it into the PNG named by -o.", true},
        {{QStringLiteral("upload")}, "DOCUMENT", "Send the page, the pages it links to and every file they reference to a server, without a window.", true},
        {{QStringLiteral("check")}, "DOCUMENT", "Print what a visitor, a phone or a screen reader will meet on the page, one line per finding (exit status 10 when there is any).", true},
        {{QStringLiteral("history")}, nullptr, "List what was published to a server and folder (--to or --server), newest first.", true},
        {{QStringLiteral("put-back")}, "N", "Put publish N of --history back on that server and folder (--to or --server).", true},
        {{QStringLiteral("export")}, "DOCUMENT", "Write the page, its linked pages and their files into the folder DIR given after it, as an upload sends them.", true},
        {{QStringLiteral("o")}, "FILE", "The file --html or --render writes.", false},
        {{QStringLiteral("width")}, "N", "The width in pixels for --text and --render (40 to 10000, default 600).", false},
        {{QStringLiteral("no-logo")}, nullptr, "Leave the Tarvo logo out of the page (--html, --upload, --export).", false},
        {{QStringLiteral("to")}, "URL", "--upload: ftp://, ftps://, sftp://, davs:// or dav://USER@HOST[:PORT][/DIRECTORY], or a Git repository as git+https://USER@HOST/PATH/REPO.git[#BRANCH] or git+ssh://USER@HOST[:PORT]/PATH/REPO.git[#BRANCH] (the password or token from --password-stdin or TARVO_PASSWORD).", false},
        {{QStringLiteral("web-address")}, "URL", "--upload, --export, --put-back: where the server folder (or DIR) is seen on the web, for the pages' own addresses, the site's sitemap and the check that the page is live.", false},
        {{QStringLiteral("server")}, "NAME", "--upload: the server of that name in your server list.", false},
        {{QStringLiteral("password-stdin")}, nullptr, "--upload: read the password from the first line of standard input.", false},
        {{QStringLiteral("trust")}, "FINGERPRINT", "--upload: accept the server key with this fingerprint once.", false},
        {{QStringLiteral("force")}, nullptr, "--export: replace files of the folder that hold something else.", false},
        {{QStringLiteral("all")}, nullptr, "--upload: send every file, also those unchanged since the last upload to that server and folder.", false},
    };
    return options;
}

const char kCommands[] =
    "\nWithout a command option Tarvo opens its window, on DOCUMENT when one is given.\n"
    "\nExit status: 0 success; 1 wrong arguments (or, for the window, no display);\n"
    "2 a missing, unreadable or damaged file; 3 the picture could not be written;\n"
    "4 the page has a parse error (--text, --render); 5 the server cannot be\n"
    "reached, the log-in fails or its key is not trusted; 6 the server folder\n"
    "cannot be made or entered; 7 a file could not be sent; 8 the upload was\n"
    "cancelled; for --export, 7 a file could not be written. See tarvo(1).\n";

void Fill(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Tarvo, a web page builder for beginners."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const TOptionSpec& o : Options()) {
        QCommandLineOption option(o.names, QString::fromLatin1(o.description));
        if (o.valueName) option.setValueName(QString::fromLatin1(o.valueName));
        parser.addOption(option);
    }
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("DOCUMENT"), QStringLiteral("A page (.tve) or template (.tvt) to open."),
                                 QStringLiteral("[DOCUMENT]"));
}

bool IsCommand(const QString& arg) {
    for (const TOptionSpec& o : Options())
        if (o.command && arg == QStringLiteral("--") + o.names.constFirst()) return true;
    return false;
}

}  // namespace

TCommandLine ParseCommandLine(const QStringList& args) {
    TCommandLine result;
    // --help and --version win wherever they stand before "--".
    for (const QString& arg : args) {
        if (arg == QLatin1String("--")) break;
        if (arg == QLatin1String("--help") || arg == QLatin1String("--help-all") || arg == QLatin1String("-h") ||
            arg == QLatin1String("-?")) {
            result.action = TCommandLine::ShowHelp;
            return result;
        }
        if (arg == QLatin1String("--version") || arg == QLatin1String("-v")) {
            result.action = TCommandLine::ShowVersion;
            return result;
        }
    }
    if (!args.isEmpty() && IsCommand(args.constFirst())) {
        result.action = TCommandLine::RunCommand;
        return result;
    }
    QCommandLineParser parser;
    Fill(parser);
    if (!parser.parse(QStringList{QStringLiteral("tarvo")} + args)) {
        result.action = TCommandLine::Wrong;
        result.error = parser.errorText();
        return result;
    }
    for (const TOptionSpec& o : Options()) {
        if (parser.isSet(o.names.constFirst())) {
            result.action = TCommandLine::Wrong;
            result.error = o.command ? QStringLiteral("--%1 must come first").arg(o.names.constFirst())
                                     : QStringLiteral("--%1 belongs to a command such as --html or --upload")
                                           .arg(o.names.constFirst());
            return result;
        }
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        result.action = TCommandLine::Wrong;
        result.error = QStringLiteral("one document at a time");
        return result;
    }
    result.document = positional.value(0);
    return result;
}

QString CommandLineHelp() {
    QCommandLineParser parser;
    Fill(parser);
    QString text = parser.helpText();
    // Qt names the program by its path; the user typed "tarvo".
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    text.replace(0, end, QStringLiteral("Usage: tarvo [options] [DOCUMENT]"));
    return text + QString::fromLatin1(kCommands);
}

QString ProgramVersion() { return QStringLiteral(TARVO_VERSION); }

QString VersionText() { return QStringLiteral("tarvo %1\n").arg(ProgramVersion()); }
