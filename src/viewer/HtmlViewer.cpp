// The viewer control: construction, properties, loading, layout, scroll
// bars, keys and history. Painting is in HtmlViewerPaint.cpp, the mouse
// and links in HtmlViewerMouse.cpp.
#include "viewer/HtmlViewer.h"

#include "viewer/HtmlEncoding.h"
#include "viewer/HtmlSections.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

namespace {
constexpr int kVSmall = 16;  // px, vertical line step
constexpr int kHSmall = 15;  // px, horizontal step
constexpr int kMaxFontName = 31;

// Shows the busy cursor for the life of the object.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};
}  // namespace

QString ExpandHtmlFilename(const QString& name, const QString& base, const QString& folder) {
    const auto fromUrl = [](QString s) {
        // "caf%C3%A9.png" names the file "café.png", as on a web server.
        s = FileNameOfReference(s.trimmed());
        if (s.contains(QLatin1Char('/'))) {
            if (s.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
                s.remove(0, 7);  // "file:///home/..." keeps its root "/"
            // A drive letter written "C|" in old URLs.
            if (s.size() > 2 && s[0] == QLatin1Char('/') && s[2] == QLatin1Char('|'))
                s.remove(0, 1);
            if (s.size() > 1 && s[1] == QLatin1Char('|'))
                s[1] = QLatin1Char(':');
        }
        s.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return s;
    };
    QString result = fromUrl(name);
    if (result.isEmpty())
        return result;
    const bool absolute = QDir::isAbsolutePath(result) ||
                          (result.size() > 1 && result[1] == QLatin1Char(':'));
    if (absolute || base.compare(QLatin1String("DosPath"), Qt::CaseInsensitive) == 0)
        return result;
    QString dir = base.isEmpty() ? folder : fromUrl(base);
    // A BASE naming a document resolves against that document's folder.
    if (!base.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir = QFileInfo(dir).path();
    if (dir.isEmpty())
        return result;
    return QDir::cleanPath(QDir(dir).filePath(result));
}

THTMLViewer::THTMLViewer(QWidget* parent) : THTMLViewer(THtmlViewerHost::Quiet(), parent) {}

THTMLViewer::THTMLViewer(THtmlViewerHost& host, QWidget* parent) : QWidget(parent), host_(&host) {
    setObjectName(QStringLiteral("HTMLViewer"));
    panel_ = new TPaintPanel(this);
    panel_->move(1, 1);
    vbar_ = new QScrollBar(Qt::Vertical, this);
    vbar_->setSingleStep(kVSmall);
    vbar_->setFocusPolicy(Qt::NoFocus);
    vbar_->hide();
    hbar_ = new QScrollBar(Qt::Horizontal, this);
    hbar_->setSingleStep(kHSmall);
    hbar_->setFocusPolicy(Qt::NoFocus);
    hbar_->hide();
    scrollWidth_ = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, vbar_);
    connect(vbar_, &QScrollBar::valueChanged, this, [this](int v) {
        if (v != vpos_) {
            setFocus();
            applyVertical(v);
        }
    });
    connect(hbar_, &QScrollBar::valueChanged, this, [this](int v) {
        if (v != hpos_) {
            setFocus();
            setHorizontal(v);
        }
    });
    autoScrollTimer_ = new QTimer(this);
    autoScrollTimer_->setObjectName(QStringLiteral("timAutoScroll"));
    autoScrollTimer_->setInterval(100);
    connect(autoScrollTimer_, &QTimer::timeout, this, &THTMLViewer::AutoScrollTick);

    TSectionList& list = doc_.list();
    list.setHost(*this);
    list.FormList.Panel = panel_;
    cache_.SetCacheCount(imageCacheCount_);
    defBackground_ = TSectionList::DefaultBackground();
    list.Background = defBackground_;

    setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    resize(150, 150);
}

THTMLViewer::~THTMLViewer() = default;

QWidget* THTMLViewer::paintPanel() const { return panel_; }

// ---- properties ---------------------------------------------------------

void THTMLViewer::setViewImages(bool on) {
    TSectionList& list = doc_.list();
    if (on == list.ShowImages || busy_)
        return;
    BusyCursor cursor;
    busy_ = true;
    list.ShowImages = on;
    if (!isEmptyDocument()) {
        const TReadingPosition pos = GetPosition();
        resetImages();
        Layout();
        SetPosition(pos);
        panel_->update();
    }
    busy_ = false;
    fetchBackground();
}

void THTMLViewer::setDefBackground(const QColor& c) {
    if (busy_)
        return;
    defBackground_ = c;
    defBackgroundChosen_ = true;
    doc_.list().SetBackground(c);
    panel_->update();
}

void THTMLViewer::setBorderStyle(THTMLBorderStyle s) {
    if (s != borderStyle_) {
        borderStyle_ = s;
        update();
    }
}

void THTMLViewer::setHistoryMaxCount(int n) {
    if (n < 0 || n == historyMaxCount_)
        return;
    if (n < historyMaxCount_)
        ClearHistory();
    historyMaxCount_ = n;
}

void THTMLViewer::setDefFontName(const QString& name) {
    const QString n = name.left(kMaxFontName);
    if (n.compare(doc_.list().FontName, Qt::CaseInsensitive) == 0)
        return;
    doc_.list().FontName = n;
    doc_.updateFonts();
    if (!isEmptyDocument())
        Reformat();
    panel_->update();
}

void THTMLViewer::setDefPreFontName(const QString& name) {
    const QString n = name.left(kMaxFontName);
    if (n.compare(doc_.list().PreFontName, Qt::CaseInsensitive) == 0)
        return;
    doc_.list().PreFontName = n;
    doc_.updateFonts();
    if (!isEmptyDocument())
        Reformat();
    panel_->update();
}

void THTMLViewer::setDefFontSize(int size) {
    doc_.list().FontSize = std::max(6, size);
    doc_.updateFonts();
    if (!isEmptyDocument())
        Reformat();
    panel_->update();
}

void THTMLViewer::setDefFontColor(const QColor& c) {
    defFontColor_ = c;
    doc_.list().FontColor = c;
    doc_.updateFonts();
    panel_->update();
}

void THTMLViewer::setDefHotSpotColor(const QColor& c) {
    defHotSpotColor_ = c;
    doc_.list().HotSpotColor = c;
    doc_.updateFonts();
    panel_->update();
}

void THTMLViewer::setImageCacheCount(int n) {
    n = std::clamp(n, 0, 20);
    if (n != imageCacheCount_) {
        imageCacheCount_ = n;
        cache_.SetCacheCount(n);
    }
}

void THTMLViewer::setNoSelect(bool on) {
    noSelect_ = on;
    if (on) {
        doc_.list().SelB = doc_.list().SelE = -1;
        panel_->update();
    }
}

void THTMLViewer::setScrollBars(TScrollStyle s) {
    if (s == scrollBars_)
        return;
    scrollBars_ = s;
    Layout();
    ScrollTo(vpos_);
    update();
}

// ---- loading ------------------------------------------------------------

bool THTMLViewer::isEmptyDocument() const { return doc_.list().count() == 0; }

void THTMLViewer::restoreDefaults() {
    TSectionList& list = doc_.list();
    list.Background = defBackground_;
    list.BackgroundChosen = defBackgroundChosen_;
    list.FontColor = defFontColor_;
    list.HotSpotColor = defHotSpotColor_;
    doc_.updateFonts();
}

void THTMLViewer::prepareLoad() {
    doc_.list().Clear();
    cache_.PurgeCache();
    restoreDefaults();
    selLast_ = 0;
    selAnchor_ = -1;
    background_ = QImage();
    layoutErrorTold_ = false;
}

QString THTMLViewer::LoadFromFile(const QString& fileName) {
    if (busy_ || fileName.trimmed().isEmpty())
        return QString();
    const QString oldFile = currentFile_, oldTitle = title_;
    const TReadingPosition oldPos = GetPosition();
    const QString error = LoadFile(fileName);
    if (currentFile_ != oldFile)
        AddToHistory(oldFile, oldTitle, oldPos);
    return error;
}

QString THTMLViewer::LoadFile(const QString& fileName) {
    BusyCursor cursor;
    const int hash = fileName.indexOf(QLatin1Char('#'));
    const QString dest = hash >= 0 ? fileName.mid(hash + 1) : QString();
    const QString file = hash >= 0 ? fileName.left(hash) : fileName;
    if (!QFileInfo(file).isFile())
        return QCoreApplication::translate("HtmlViewer", "Can't locate file: ") + file;
    busy_ = true;
    prepareLoad();
    const QString error = doc_.parseFile(file);
    const QString oldFile = currentFile_;
    currentFile_ = QFileInfo(file).absoluteFilePath();
    FinishLoad();
    if (!dest.isEmpty()) {
        PositionTo(dest);
    } else if (currentFile_ != oldFile) {
        ScrollTo(0);
        setHorizontal(0);
    } else {
        ScrollTo(vpos_);  // same file: keep the place, within the new length
    }
    panel_->update();
    busy_ = false;
    return error;
}

QString THTMLViewer::LoadStrings(const QStringList& lines, const QString& folder) {
    const bool wasBusy = busy_;
    busy_ = true;
    prepareLoad();
    currentFile_.clear();
    stringsFolder_ = folder;
    const QString error = doc_.parseLines(lines, folder);
    FinishLoad();
    ScrollTo(0);
    setHorizontal(0);
    panel_->update();
    busy_ = wasBusy;
    return error;
}

void THTMLViewer::FinishLoad() {
    title_ = doc_.title();
    base_ = doc_.base();
    Layout();
    fetchBackground();
}

void THTMLViewer::Clear() {
    if (busy_)
        return;
    doc_.list().Clear();
    restoreDefaults();
    base_.clear();
    title_.clear();
    maxVert_ = maxHorz_ = 0;
    vpos_ = hpos_ = 0;
    vbar_->setRange(0, 0);
    vbar_->hide();
    vbar_->resize(vbar_->width(), panel_->height());
    hbar_->hide();
    selLast_ = 0;
    selAnchor_ = -1;
    background_ = QImage();
    update();
    panel_->update();
}

QString THTMLViewer::HTMLExpandFilename(const QString& name) const {
    const QString folder =
        currentFile_.isEmpty() ? stringsFolder_ : QFileInfo(currentFile_).path();
    return ExpandHtmlFilename(name, base_, folder);
}

QImage THTMLViewer::requestImage(const QString& src, bool transparent) {
    int t = transparent ? TrBottomLeft : TrNone;
    const auto expand = [this](const QString& n) { return HTMLExpandFilename(n); };
    // The host is asked first; a picture it leaves alone is read from its
    // file. Either way the cache keeps what came.
    bool supplied = false;
    const auto ask = [this, &supplied](const QString& source, QImage& picture, QColor& colour) {
        supplied = host_->PictureWanted(source, picture, colour);
    };
    const QImage image = cache_.GetTheBitmap(src, t, ask, expand);
    if (!image.isNull() || supplied)
        return image;
    return cache_.GetTheBitmap(src, t, TGetBitmapFn(), expand);
}

QImage THTMLViewer::PictureFor(const QString& source, bool transparent) {
    return requestImage(source, transparent);
}

void THTMLViewer::SectionDropped(const QString& message) { layoutErrors_ << message; }

void THTMLViewer::BackgroundChanged(const QColor&) { panel_->update(); }

void THTMLViewer::FormSubmitted(const QString& action, const QString& method, const QStringList& results) {
    SubmitForm(action, method, results);
}

void THTMLViewer::fetchBackground() {
    const TSectionList& list = doc_.list();
    background_ = QImage();
    if (list.ShowImages && !list.BackgroundImageName.isEmpty())
        background_ = requestImage(list.BackgroundImageName, false);
    panel_->update();
}

void THTMLViewer::resetImages() {
    // Pictures are fetched when first measured; switching pictures on or off
    // has them fetched (or set aside) again, in table cells too.
    doc_.list().ResetImages();
}

// ---- layout and scroll bars -----------------------------------------------

void THTMLViewer::Layout() {
    maxHorz_ = 0;
    host_->ProcessingChanged(true);
    processing_ = true;
    int w = width() - 20;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        w -= scrollWidth_;
    try {
        doc_.layout(std::max(w, 1));
        maxVert_ = doc_.documentHeight();
        maxHorz_ = doc_.maxWidth();
    } catch (const std::exception&) {
        maxVert_ = doc_.documentHeight();
    }
    ArrangeScrollBars();
    processing_ = false;
    host_->ProcessingChanged(false);
    tellLayoutErrors();
}

void THTMLViewer::tellLayoutErrors() {
    // One message per page at most: a page of many dropped tables, laid
    // out again on every resize, would otherwise stack up boxes.
    const QStringList errors = std::exchange(layoutErrors_, QStringList());
    if (errors.isEmpty() || layoutErrorTold_)
        return;
    layoutErrorTold_ = true;
    host_->LayoutFailed(errors.first());
}

void THTMLViewer::ArrangeScrollBars() {
    const int H = height(), W = width(), S = scrollWidth_;
    const bool hAllowed = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
    bool vShow = false, hShow = false;
    if (scrollBars_ == ssNone || scrollBars_ == ssHorizontal) {
        hShow = scrollBars_ == ssHorizontal && W < maxHorz_ + 20;
    } else {
        vShow = maxVert_ >= H - 2 ||
                (hAllowed && maxVert_ >= H - S - 2 && W - S < maxHorz_ + 20);
        hShow = hAllowed && (W < maxHorz_ + 20 || (vShow && W - S < maxHorz_ + 20));
    }
    const int IW = vShow ? W - S : W;
    const int panelW = std::max(0, IW - 2);
    const int panelH = std::max(0, hShow ? H - S - 2 : H - 2);
    panel_->setGeometry(1, 1, panelW, panelH);

    hMax_ = std::max(0, std::max(maxHorz_ + 20, IW - 2));
    hbar_->setGeometry(1, H - S - 1, panelW, S);
    hbar_->setPageStep(std::max(1, IW - 20));
    hbar_->setRange(0, std::max(0, hMax_ - panelW));
    hbar_->setVisible(hShow);

    vbar_->setGeometry(W - S - 1, 1, S, panelH);
    vbar_->setPageStep(std::max(1, panelH - kVSmall));
    {
        const QSignalBlocker block(vbar_);
        vbar_->setRange(0, std::max(0, maxVert_ - panelH));
        vbar_->setValue(vpos_);
    }
    vbar_->setVisible(vShow);
}

void THTMLViewer::applyVertical(int y) {
    y = std::max(0, std::min(y, maxVert_ - panel_->height()));
    vpos_ = y;
    doc_.list().SetYOffset(y);
    {
        const QSignalBlocker block(vbar_);
        vbar_->setValue(y);
    }
    panel_->update();
}

void THTMLViewer::ScrollTo(int y) { applyVertical(y); }

void THTMLViewer::setHorizontal(int x) {
    x = std::max(0, std::min(x, hMax_ - panel_->width()));
    hpos_ = x;
    {
        const QSignalBlocker block(hbar_);
        hbar_->setValue(x);
    }
    panel_->update();
}

TReadingPosition THTMLViewer::GetPosition() const {
    int top = 0, index = 0;
    const TSectionBase* s = doc_.list().FindSectionAtPosition(vpos_, top, index);
    if (!s)
        return TReadingPosition();
    return {index, vpos_ - top};
}

void THTMLViewer::SetPosition(const TReadingPosition& pos) {
    const TSectionList& list = doc_.list();
    if (pos.section < 0 || pos.section >= list.count())
        return;
    ScrollTo(list.at(pos.section)->YValue + pos.offset);
}

void THTMLViewer::Reformat() {
    if (busy_)
        return;
    busy_ = true;
    const TReadingPosition pos = GetPosition();
    Layout();
    SetPosition(pos);
    busy_ = false;
}

void THTMLViewer::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (width() == laidOutWidth_) {
        ArrangeScrollBars();
    } else {
        Reformat();
        laidOutWidth_ = width();
    }
    if (maxVert_ < panel_->height())
        SetPosition(TReadingPosition());
    else
        ScrollTo(vpos_);
    setHorizontal(hpos_);
    update();
}

void THTMLViewer::keyPressEvent(QKeyEvent* e) {
    int y = vpos_;
    switch (e->key()) {
    case Qt::Key_PageUp: y -= vbar_->pageStep(); break;
    case Qt::Key_PageDown: y += vbar_->pageStep(); break;
    case Qt::Key_Up: y -= kVSmall; break;
    case Qt::Key_Down: y += kVSmall; break;
    case Qt::Key_Home: y = 0; break;
    case Qt::Key_End: y = maxVert_; break;
    case Qt::Key_Left: setHorizontal(hpos_ - kHSmall); return;
    case Qt::Key_Right: setHorizontal(hpos_ + kHSmall); return;
    default: QWidget::keyPressEvent(e); return;
    }
    ScrollTo(y);
}

void THTMLViewer::wheelEvent(QWheelEvent* e) {
    // A touchpad tells pixels; a wheel tells eighths of a degree, 120 to a
    // notch, which moves the desktop's lines per notch (three by default).
    QPoint pixels = e->pixelDelta();
    if (pixels.isNull()) {
        const int lines = QApplication::wheelScrollLines();
        const QPoint angle = e->angleDelta();
        pixels = QPoint(angle.x() * lines * kHSmall / 120, angle.y() * lines * kVSmall / 120);
    }
    if (pixels.y() != 0)
        ScrollTo(vpos_ - pixels.y());
    if (pixels.x() != 0)
        setHorizontal(hpos_ - pixels.x());
    e->accept();
}

// ---- history ---------------------------------------------------------------

void THTMLViewer::AddToHistory(const QString& oldFile, const QString& oldTitle,
                               const TReadingPosition& oldPos) {
    if (historyMaxCount_ < 1 || currentFile_.isEmpty())
        return;
    const TReadingPosition pos = GetPosition();
    if (oldFile == currentFile_ && oldPos == pos)
        return;
    if (!history_.empty() && !oldFile.isEmpty()) {
        history_[historyIndex_] = {oldFile, oldTitle, oldPos};
        history_.erase(history_.begin(), history_.begin() + historyIndex_);
    }
    historyIndex_ = 0;
    history_.insert(history_.begin(), {currentFile_, title_, pos});
    if (int(history_.size()) > historyMaxCount_)
        history_.erase(history_.begin() + historyMaxCount_);
    host_->HistoryChanged();
}

void THTMLViewer::ClearHistory() {
    const bool had = !history_.empty();
    history_.clear();
    historyIndex_ = 0;
    if (had)
        host_->HistoryChanged();
}

void THTMLViewer::SubmitForm(const QString& action, const QString& method,
                             const QStringList& results) {
    // Told from the event loop, after the control that submitted is done.
    QTimer::singleShot(0, this, [this, action, method, results] {
        host_->FormSubmitted(action, method, results);
    });
}
