#pragma once
// TCell: an ordered list of sections with its own indent manager, laid
// out and drawn as a column. TSectionList: the whole document, holding the
// document-wide defaults, the selection, anchors and image maps.

#include "viewer/FreeList.h"
#include "viewer/HtmlForm.h"
#include "viewer/HtmlSections.h"
#include "viewer/IndentManager.h"
#include "viewer/ViewerHost.h"

#include <QColor>
#include <QImage>
#include <QHash>
#include <QMap>
#include <QStringList>
#include <QRect>
#include <functional>
#include <stdexcept>

class QPainter;
class TCell;

// Calls f on every section of the cell and, depth first, of the cells
// inside its tables.
void ForEachSection(const TCell& cell, const std::function<void(TSectionBase&)>& f);

// An error raised while laying out one section: the section is dropped
// and the message reported.
struct THtmlLayoutError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TCell : public TFreeList<TSectionBase> {
public:
    static constexpr int MaxDocumentHeight = 1000000000;  // px

    explicit TCell(TSectionList* master) : MasterList(master) {}
    virtual ~TCell() = default;

    TSectionList* MasterList;
    int LastY = 0;      // px, document Y of the last layout
    int StartCurs = 0;  // first character index
    int Len = 0;        // characters
    int Width = 0;      // px, width of the last layout

    // Appends a section: an empty preformatted line gets one space, and the
    // section computes its spacing. A null section is ignored.
    void Add(std::unique_ptr<TSectionBase> section);
    void CopyToClipboard(QString& out, int selB, int selE) const;
    void UpdateFonts();
    // Lays out every section; returns the height (px).
    virtual int DoLogic(TMeasurer& m, int Y, int Width, int& Curs, int& MaxWidth);
    virtual void MinMaxWidth(TMeasurer& m, int& Min, int& Max);
    virtual int Draw(TDrawContext& dc, int X, int Y);
    // Moves the laid-out sections down by dy px and their characters by dcurs.
    void MoveBy(int dy, int dcurs);
    void ResetImages();
    // The document is parsed: the list of sections, and the lists inside
    // them, move into `arena` (they change little after).
    void FinishParse(TArena& arena);
    virtual bool GetURL(TMeasurer& m, int X, int Y, QString& URL) const;
    // The section holding document Y, with its top and index; null if none.
    TSectionBase* FindSectionAtPosition(int Y, int& Top, int& Index) const;
    int FindCursor(TMeasurer& m, int X, int Y, int& LineY, int& LineHt) const;
    int FindString(int From, const QString& S, bool MatchCase) const;
    bool CursorToXY(TMeasurer& m, int Index, int& X, int& Y) const;
};

class TSectionList : public TCell {
public:
    static QColor DefaultBackground() { return QColor(0xC0, 0xC0, 0xC0); }

    TSectionList() : TCell(this) {}
    // The sections go before the arena that holds them.
    ~TSectionList() override { clear(); }

    // The sections of the document, and the text and font runs of each
    // finished text section (Arena.h).
    TArena Arena;
    // Where a text section gathers its lines while it is laid out; freed
    // after each layout of the document.
    TPackedArray<LineRec> LineScratch;
    template <class T, class... Args>
    std::unique_ptr<T> MakeSection(Args&&... args) {
        static_assert(alignof(T) <= alignof(void*) && sizeof(T) % 8 == 0 && sizeof(T) / 8 <= 255);
        // A constructor that throws gives the whole piece back, at the
        // size it was taken.
        void* piece = Arena.allocate(sizeof(T), alignof(void*));
        T* made = nullptr;
        try {
            made = ::new (piece) T(std::forward<Args>(args)...);
        } catch (...) {
            Arena.recycle(piece, sizeof(T));
            throw;
        }
        std::unique_ptr<T> s(made);
        s->ParentSectionList = this;
        s->PieceUnits = std::uint8_t(sizeof(T) / 8);
        return s;
    }

    // Document defaults (the viewer's Def* properties).
    QString FontName = QStringLiteral("Times New Roman");
    QString PreFontName = QStringLiteral("Courier New");
    int FontSize = 12;  // pt; every nominal size scales by FontSize / 12
    QColor FontColor = Qt::black;
    QColor HotSpotColor = Qt::blue;
    QColor Background = DefaultBackground();
    bool BackgroundChosen = false;  // BGCOLOR or the owner chose the colour
    QString BackgroundImageName;
    bool ShowImages = false;
    // The page asks for pictures no wider than their place (StyleHints.h).
    bool FitImagesToWidth = false;
    bool Printing = false;  // never set by the program

    int YOff = 0;  // px, vertical scroll offset used by Draw
    int SelB = 0, SelE = 0;  // selection [SelB, SelE) as character indexes

    QMap<QString, TSectionBase*> NameList;  // upper-cased anchor names
    TFreeList<TMapItem> MapList;
    TFormList FormList;

    // The distinct run fonts and hot-spot URLs of the document; runs hold
    // indexes into these.
    std::vector<TRunFont> RunFonts;
    QStringList Urls;
    int InternFont(const TMyFont& font, TScript sscript, bool hot);
    int InternUrl(const QString& url);  // -1 for ""
    std::vector<TRunStyle> RunStyles;
    int InternStyle(const TMyFont& font, TScript sscript, const QString& url);
    // Measures every run font not yet measured with `m`. Every cell and
    // section asks before it measures: answered here, without a call, when
    // nothing was added since the last time with the same measurer.
    void ResolveFonts(TMeasurer& m) {
        if (resolvedFor_ != &m || resolvedCount_ != RunFonts.size())
            resolveNewFonts(m);
    }
    // Counts the times the run fonts were measured again (another
    // measurer, new defaults): a width kept from before is good only
    // while this stays the same.
    quint32 FontsGeneration() const { return fontsGeneration_; }
    // Re-applies the defaults (names, size, colours) to every run font and
    // recomputes the spacing sections.
    void UpdateFonts();

    // Whoever lays the document out: pictures, dropped sections, the
    // background colour and submitted forms go to it.
    THtmlDocumentHost& host() const { return *host_; }
    void setHost(THtmlDocumentHost& host) { host_ = &host; }

    void SetYOffset(int y) {
        YOff = y;
        FormList.ScrollStarted();
    }
    void SetBackground(const QColor& c);
    // Draws the part of the document inside `clip` (device coordinates);
    // document point (x, y) lands at (X + x, Y + y - YOff).
    int Draw(QPainter& p, TMeasurer& m, const QRect& clip, int X, int Y);
    using TCell::Draw;
    // The selected text, lines ended by CR LF.
    QString CopyToClipboard() const;
    using TCell::CopyToClipboard;
    const TMapItem* FindMap(const QString& name) const;
    // Forgets anchors that point at a section about to be freed, or at any
    // section inside it (a table's cells).
    void ForgetSection(const TSectionBase* s);
    // The document is parsed: gives back what only parsing needed, and
    // moves the lists of sections into the arena.
    void FinishParse();
    using TCell::FinishParse;
    // Frees everything and returns to an empty document (defaults kept).
    void Clear();

    struct FontKey {
        QString name;
        int nominal;
        uint flags;  // fixed pitch, bold, italic, underline, hot, script
        QRgb color;
        bool operator==(const FontKey& o) const {
            return nominal == o.nominal && flags == o.flags && color == o.color && name == o.name;
        }
    };

private:
    THtmlDocumentHost* host_ = &THtmlDocumentHost::Quiet();
    QHash<FontKey, int> fontIndex_;  // run font -> index
    // The measurer the first resolvedCount_ run fonts were measured with.
    const TMeasurer* resolvedFor_ = nullptr;
    size_t resolvedCount_ = 0;
    quint32 fontsGeneration_ = 1;
    QHash<QString, int> urlIndex_;
    QHash<quint64, int> styleIndex_;  // font << 32 | (url + 1) -> index
    // The style InternStyle gave last, and what it was asked for.
    int lastStyle_ = -1;
    FontKey lastStyleKey_{};
    QString lastStyleUrl_;
    int findStyle(const TMyFont& font, TScript sscript, const QString& url);
    void resolveNewFonts(TMeasurer& m);
    static FontKey fontKey(const TMyFont& f, TScript sscript, bool hot);
    static uint fontFlags(const TMyFont& f, TScript sscript, bool hot);
};

inline size_t qHash(const TSectionList::FontKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.name, k.nominal, k.flags, k.color);
}
