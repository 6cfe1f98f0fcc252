#pragma once
// The program's command-line options: one table for the parser, --help and
// the window's check of its arguments.

#include <QString>
#include <QStringList>

struct TCommandLine {
    enum Action { OpenWindow, RunCommand, ShowHelp, ShowVersion, Wrong };
    Action action = OpenWindow;
    QString document;  // OpenWindow: the document to open, if any
    QString error;     // Wrong: the one-line message
};

// Reads the arguments (without the program's name). A command option first
// (--html, --text, --render, --upload) is RunCommand: the command checks the
// rest itself. Otherwise the window opens on at most one document; --help
// or --version anywhere before "--" ask for the text only.
TCommandLine ParseCommandLine(const QStringList& args);
// What --help and --version print.
QString CommandLineHelp();
QString VersionText();
// The program's version: CMake's project() version, which the package, the
// changelog and the AppStream release carry too.
QString ProgramVersion();
