#pragma once
// THTMLViewer: a control that shows one HTML document from a file or from
// text lines, scrolls it, selects text with the mouse, follows links
// between local HTML files and keeps a history of visited files.
//
//   auto* viewer = new THTMLViewer(parent);
//   viewer->setViewImages(true);
//   QString error = viewer->LoadFromFile(path + "#top");   // "" when fine
//   viewer->LoadStrings(memo->toPlainText().split('\n'), pageFolder);
//
// What the viewer asks of the window it sits in goes to its host
// (ViewerHost.h), given when it is made; without one it asks nothing.

#include "viewer/HtmlDocument.h"
#include "viewer/ImageCache.h"
#include "viewer/ViewerHost.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>
#include <vector>

class QScrollBar;
class QTimer;
class THTMLViewer;

// The drawing surface inside the one-pixel border.
class TPaintPanel : public QWidget {
public:
    explicit TPaintPanel(THTMLViewer* viewer);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    THTMLViewer* viewer_;
};

enum THTMLBorderStyle { htFocused, htNone, htSingle };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A file name for a link or picture source: URL form turned into a path
// and made absolute against `base` (a folder or a document), else against
// `folder`. A `base` of "DosPath" leaves relative names alone.
QString ExpandHtmlFilename(const QString& name, const QString& base, const QString& folder);

// A reading position that survives a new layout: a section of the document
// and the pixels from its top, whatever the page's length.
struct TReadingPosition {
    int section = 0;
    int offset = 0;  // px
    bool operator==(const TReadingPosition&) const = default;
};

class THTMLViewer : public QWidget, private THtmlDocumentHost {
public:
    // The host outlives the viewer.
    THTMLViewer(THtmlViewerHost& host, QWidget* parent);
    explicit THTMLViewer(QWidget* parent = nullptr);  // the quiet host
    ~THTMLViewer() override;

    THtmlViewerHost& host() const { return *host_; }

    // Loading. Each returns "" or the error: "Can't locate file: NAME" for
    // a missing file (nothing changes), or the parser's message (what was
    // read before it is shown).
    QString LoadFromFile(const QString& fileName);
    // Lines of text (an editor's); `folder` resolves relative picture names.
    QString LoadStrings(const QStringList& lines, const QString& folder = QString());
    void Clear();

    bool PositionTo(const QString& dest);
    void ScrollTo(int y);
    TReadingPosition GetPosition() const;
    void SetPosition(const TReadingPosition& pos);
    void Reformat();
    QString HTMLExpandFilename(const QString& name) const;
    void ClearHistory();
    // Called for a submitted form; the host hears of it later, from the
    // event loop.
    void SubmitForm(const QString& action, const QString& method, const QStringList& results);
    // Follows HotSpotURL.
    virtual void HotSpotClick();

    void SelectAll();
    QString SelectedText() const { return doc_.copyText(); }

    // Properties.
    bool ViewImages() const { return doc_.list().ShowImages; }
    void setViewImages(bool on);
    QColor DefBackground() const { return defBackground_; }
    void setDefBackground(const QColor& c);
    THTMLBorderStyle BorderStyle() const { return borderStyle_; }
    void setBorderStyle(THTMLBorderStyle s);
    int HistoryMaxCount() const { return historyMaxCount_; }
    void setHistoryMaxCount(int n);
    QString DefFontName() const { return doc_.list().FontName; }
    void setDefFontName(const QString& name);
    QString DefPreFontName() const { return doc_.list().PreFontName; }
    void setDefPreFontName(const QString& name);
    int DefFontSize() const { return doc_.list().FontSize; }
    void setDefFontSize(int size);
    QColor DefFontColor() const { return defFontColor_; }
    void setDefFontColor(const QColor& c);
    QColor DefHotSpotColor() const { return defHotSpotColor_; }
    void setDefHotSpotColor(const QColor& c);
    int ImageCacheCount() const { return imageCacheCount_; }
    void setImageCacheCount(int n);
    bool NoSelect() const { return noSelect_; }
    void setNoSelect(bool on);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void setScrollBars(TScrollStyle s);

    // State.
    const QString& Title() const { return title_; }
    const QString& Base() const { return base_; }
    const QString& CurrentFile() const { return currentFile_; }
    const QString& HotSpotURL() const { return hotSpotURL_; }
    // Visited files, the newest first; HistoryIndex is the one shown.
    struct THistoryEntry {
        QString file, title;
        TReadingPosition position;  // where the file was left
    };
    const std::vector<THistoryEntry>& History() const { return history_; }
    int HistoryIndex() const { return historyIndex_; }
    int MaxVert() const { return maxVert_; }  // px, document height
    int MaxHorz() const { return maxHorz_; }  // px, widest line
    int VPosition() const { return vpos_; }   // px, vertical scroll position
    int HPosition() const { return hpos_; }   // px, horizontal scroll position
    bool Processing() const { return processing_; }
    const QString& LastError() const { return lastError_; }  // of the last followed link
    THtmlDocument& document() { return doc_; }
    TStringBitmapList& imageCache() { return cache_; }
    QWidget* paintPanel() const;
    QScrollBar* verticalBar() const { return vbar_; }
    QScrollBar* horizontalBar() const { return hbar_; }
    int ScrollWidth() const { return scrollWidth_; }

    // Paints the panel's `clip` (panel coordinates) on `p`.
    void HTMLPaint(QPainter& p, const QRect& clip);
    virtual void HTMLMouseDown(QMouseEvent* e);
    virtual void HTMLMouseMove(QMouseEvent* e);
    virtual void HTMLMouseUp(QMouseEvent* e);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    friend class TPaintPanel;

    THtmlViewerHost* host_;
    THtmlDocument doc_;
    TStringBitmapList cache_;
    TPaintPanel* panel_ = nullptr;
    QScrollBar* vbar_ = nullptr;
    QScrollBar* hbar_ = nullptr;
    QTimer* autoScrollTimer_ = nullptr;
    int scrollWidth_ = 16;  // px

    QString title_, base_, currentFile_, hotSpotURL_, stringsFolder_, lastError_;
    std::vector<THistoryEntry> history_;
    int historyIndex_ = 0;
    int maxVert_ = 0, maxHorz_ = 0;  // px
    int vpos_ = 0, hpos_ = 0;        // px
    int hMax_ = 0;                   // px, horizontal extent
    int selAnchor_ = -1, selLast_ = 0;  // character indexes
    bool busy_ = false, processing_ = false, autoScrolling_ = false;
    int laidOutWidth_ = -1;  // px
    QPoint lastMouse_;       // panel coordinates, last seen while dragging
    QImage background_;      // the BODY picture, tiled behind the text
    QStringList layoutErrors_;  // collected during a layout pass, then told
    bool layoutErrorTold_ = false;  // a layout error shown for this page

    QColor defBackground_;
    // The text and link colours every load starts from; a page's BODY
    // TEXT and LINK change only the document's copies.
    QColor defFontColor_ = Qt::black;
    QColor defHotSpotColor_ = Qt::blue;
    bool defBackgroundChosen_ = false;  // the owner set DefBackground
    THTMLBorderStyle borderStyle_ = htFocused;
    int historyMaxCount_ = 0;
    int imageCacheCount_ = 5;
    bool noSelect_ = false;
    TScrollStyle scrollBars_ = ssBoth;

    QString LoadFile(const QString& fileName);
    void prepareLoad();
    void restoreDefaults();
    void FinishLoad();
    void Layout();
    void ArrangeScrollBars();
    void tellLayoutErrors();
    void applyVertical(int y);
    void setHorizontal(int x);
    void AddToHistory(const QString& oldFile, const QString& oldTitle, const TReadingPosition& oldPos);
    void ExtendSelection(int x, int y);
    void AutoScrollTick();
    void fetchBackground();
    void resetImages();
    bool isEmptyDocument() const;
    QImage requestImage(const QString& src, bool transparent);
    QPoint toDocument(int x, int y) const;  // panel point -> document point

    // What the document asks of the viewer.
    QImage PictureFor(const QString& source, bool transparent) override;
    void SectionDropped(const QString& message) override;
    void BackgroundChanged(const QColor& colour) override;
    void FormSubmitted(const QString& action, const QString& method, const QStringList& results) override;
};
