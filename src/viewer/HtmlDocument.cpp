#include "viewer/HtmlDocument.h"
#include "viewer/StyleHints.h"

#include "viewer/HtmlEncoding.h"
#include "viewer/HtmlParser.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>

QString DecodeWindows1252(const QByteArray& bytes) {
    // 0x80..0x9F differ from Latin-1; 0 marks the five unassigned codes,
    // which are kept as their Latin-1 control characters.
    static const char16_t k80[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QString s(bytes.size(), Qt::Uninitialized);
    QChar* out = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes[i]);
        out[i] = (c >= 0x80 && c <= 0x9F && k80[c - 0x80]) ? QChar(k80[c - 0x80]) : QChar(c);
    }
    return s;
}

THtmlDocument::THtmlDocument(std::unique_ptr<TMeasurer> measurer)
    : measurer_(measurer ? std::move(measurer) : std::make_unique<TQtMeasurer>()) {}

THtmlDocument::~THtmlDocument() = default;

QString THtmlDocument::parse(const QString& html, const QString& baseFolder) {
    list_.Clear();
    const TStyleHints hints = ReadStyleHints(html);
    list_.FitImagesToWidth = hints.imagesWithinWidth;
    columnEms_ = hints.readingColumnEms;
    folder_ = baseFolder;
    THtmlParser parser(list_);
    const QString error = parser.Parse(html);
    list_.FinishParse();
    title_ = parser.Title;
    base_ = parser.Base;
    width_ = height_ = maxWidth_ = 0;
    return error;
}

QString THtmlDocument::parseLines(const QStringList& lines, const QString& baseFolder) {
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\r');
    return parse(text, baseFolder);
}

QString THtmlDocument::parseFile(const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        list_.Clear();
        return QCoreApplication::translate("HtmlDocument", "Can't locate file: ") + fileName;
    }
    const QString folder = fileName.left(fileName.lastIndexOf(QLatin1Char('/')) + 1);
    return parse(DecodeHtmlBytes(f.readAll()), folder);
}

void THtmlDocument::layout(int width) {
    width_ = width;
    int curs = 0;
    maxWidth_ = 0;
    // A page that asks for a reading column is laid out that wide (an em
    // being the default font's size: points of 1/72 inch at 96 pixels per
    // inch) and centred in the width.
    int column = width;
    if (columnEms_ > 0) column = std::min(width, std::max(1, int(columnEms_ * list_.FontSize * 4 / 3)));
    columnOffset_ = (width - column) / 2;
    list_.FormList.SetHeightWidth(*measurer_);
    height_ = list_.DoLogic(*measurer_, 0, column, curs, maxWidth_);
    if (columnOffset_ > 0) maxWidth_ += columnOffset_;
    list_.LineScratch.reset();
}

void THtmlDocument::draw(QPainter& p, const QRect& clip, QPoint origin) {
    list_.Draw(p, *measurer_, clip, origin.x() + columnOffset_, origin.y());
}

QString THtmlDocument::urlAt(int x, int y) {
    QString url;
    return list_.GetURL(*measurer_, x - columnOffset_, y, url) ? url : QString();
}

int THtmlDocument::cursorAt(int x, int y) {
    int lineY = 0, lineHt = 0;
    return list_.FindCursor(*measurer_, x - columnOffset_, y, lineY, lineHt);
}

bool THtmlDocument::cursorToXY(int index, int& x, int& y) {
    const bool found = list_.CursorToXY(*measurer_, index, x, y);
    if (found) x += columnOffset_;
    return found;
}

int THtmlDocument::findString(int from, const QString& s, bool matchCase) {
    return list_.FindString(from, s, matchCase);
}

void THtmlDocument::setSelection(int from, int to) {
    list_.SelB = std::min(from, to);
    list_.SelE = std::max(from, to);
}

void THtmlDocument::selectAll() { setSelection(0, list_.Len); }

QString THtmlDocument::copyText() const { return list_.CopyToClipboard(); }

void THtmlDocument::updateFonts() { list_.UpdateFonts(); }
