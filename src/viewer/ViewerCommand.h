#pragma once
// Pictures of documents without a window, and the command-line options
// --text and --render.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <QtGlobal>

class QIODevice;
class QMessageLogContext;
class QTextStream;
class THtmlDocument;

// Lays `doc` out to `width` (less the two 10-pixel margins) and draws it
// with its pictures loaded from its folder. A `height` of 0 or less means
// the whole document, up to a bound.
QImage RenderHtmlDocument(THtmlDocument& doc, int width, int height = 0);
// The picture of a file (or of text lines, whose pictures are found in
// `folder`) at `size`: a page snapshot. `error` receives the load or parse
// message, "" when none.
QImage RenderHtmlFile(const QString& fileName, QSize size, QString* error = nullptr);
QImage RenderHtmlLines(const QStringList& lines, const QString& folder, QSize size,
                       QString* error = nullptr);

// Whether the command frees its document (Free) or leaves it to the end of
// a process that exits right after (WithProcess).
enum class TDocumentEnd { Free, WithProcess };

// `args`: "--text FILE [--width N]" or "--render FILE -o PNG [--width N]".
// Exit status: 0 done, 1 wrong arguments, 2 missing or unreadable file,
// 3 the picture could not be written, 4 the document has a parse error
// (what was read is still written).
int RunViewerCommand(const QStringList& args, QIODevice& out, QTextStream& err,
                     TDocumentEnd end = TDocumentEnd::Free);

// Message handler for the window-free commands: Qt's own notes (about the
// platform and its folders) would only clutter the one-line messages they
// print; a fatal one is still told before the process ends.
void QuietCommandMessages(QtMsgType type, const QMessageLogContext& context, const QString& msg);

// The whole `tarvo --text ...` process: an offscreen application that has
// fonts alone (no widgets, no window), the text on standard output, and an
// exit at once without freeing the document. Ends the process with the
// status of RunViewerCommand.
[[noreturn]] void RunTextProcess(int argc, char** argv);
