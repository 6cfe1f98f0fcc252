#pragma once
// THtmlDocument: one parsed document with its layout, ready to draw, hit
// test and copy from. The viewer widget and the command line use this.
//
//   THtmlDocument doc;                    // real fonts
//   doc.parse(html, folder);              // error text, "" when none
//   doc.layout(600);                      // px
//   QImage img(600, doc.documentHeight(), QImage::Format_RGB32);
//   QPainter p(&img);
//   doc.draw(p, img.rect());
//   doc.selectAll();
//   QString text = doc.copyText();

#include "viewer/HtmlMeasure.h"
#include "viewer/SectionList.h"

#include <memory>

class THtmlDocument {
public:
    // Uses `measurer` when given (tests pass a fixed one), else real fonts.
    explicit THtmlDocument(std::unique_ptr<TMeasurer> measurer = nullptr);
    ~THtmlDocument();

    // Replaces the document with `html`; `baseFolder` resolves relative
    // names later. Returns the parser's error message, "" when none; the
    // part read before an error is kept.
    QString parse(const QString& html, const QString& baseFolder = QString());
    // Text lines, each followed by a line end (an editor's lines).
    QString parseLines(const QStringList& lines, const QString& baseFolder = QString());
    // Reads a file as Windows-1252 text. An unreadable file gives
    // "Can't locate file: " + name and an empty document.
    QString parseFile(const QString& fileName);
    // Lays the document out to `width` px.
    void layout(int width);
    int documentHeight() const { return height_; }  // px
    int maxWidth() const { return maxWidth_; }      // px, widest line or object
    int layoutWidth() const { return width_; }      // px
    // Draws what lies inside `clip`; document point (x, y) lands on
    // (origin.x + x, origin.y + y - list().YOff).
    void draw(QPainter& p, const QRect& clip, QPoint origin = QPoint(0, 0));

    // Hit tests in document coordinates.
    QString urlAt(int x, int y);
    int cursorAt(int x, int y);  // character index, -1 when none
    bool cursorToXY(int index, int& x, int& y);
    int findString(int from, const QString& s, bool matchCase);

    void setSelection(int from, int to);  // [from, to), any order
    void selectAll();
    QString copyText() const;  // the selection's text, lines ended by CR LF
    int textLength() const { return list_.Len; }

    // Re-applies the document defaults (font names, size, colours).
    void updateFonts();

    const QString& title() const { return title_; }
    const QString& base() const { return base_; }
    const QString& baseFolder() const { return folder_; }
    TSectionList& list() { return list_; }
    const TSectionList& list() const { return list_; }
    TMeasurer& measurer() { return *measurer_; }

private:
    std::unique_ptr<TMeasurer> measurer_;
    TSectionList list_;
    QString title_, base_, folder_;
    int width_ = 0, height_ = 0, maxWidth_ = 0;
    double columnEms_ = 0;  // the reading column the page asks for; 0 none
    int columnOffset_ = 0;  // its left edge in the laid-out width
};

// Windows-1252 bytes to text.
QString DecodeWindows1252(const QByteArray& bytes);
