#pragma once
// Pictures of documents without a window, and the command-line options
// --text and --render.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

class QIODevice;
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

// `args`: "--text FILE [--width N]" or "--render FILE -o PNG [--width N]".
// Exit status: 0 done, 1 wrong arguments, 2 missing or unreadable file,
// 3 the picture could not be written, 4 the document has a parse error
// (what was read is still written).
int RunViewerCommand(const QStringList& args, QIODevice& out, QTextStream& err);
