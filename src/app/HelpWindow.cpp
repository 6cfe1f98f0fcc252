#include "app/HelpWindow.h"

#include "app/AppPaths.h"
#include "app/Resources.h"
#include "app/Utils.h"
#include "viewer/HtmlViewer.h"

#include <QCoreApplication>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QDir>
#include <QKeyEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QString ContextFile(int context) {
    return HelpPage(QString::number(context) + QStringLiteral(".html"));
}

// Splits "file#place" into the file and "#place".
std::pair<QString, QString> SplitPlace(const QString& target) {
    const int hash = target.indexOf(QLatin1Char('#'));
    if (hash < 0) return {target, QString()};
    return {target.left(hash), target.mid(hash)};
}

void SetupViewer(THTMLViewer* viewer) {
    viewer->setViewImages(true);
    viewer->setDefFontName(QStringLiteral("Arial"));
    viewer->setDefPreFontName(QStringLiteral("Courier New"));
    viewer->setDefBackground(Qt::white);
    viewer->setHistoryMaxCount(0);  // the windows keep their own history
}

// A help page named by a link, in the help's language: a page of the
// English folder or of a language's folder is looked up by its name (a
// translated page may link to one not translated yet, and back).
QString InHelpLanguage(const QString& file) {
    const QFileInfo info(file);
    const QString folder = QDir::cleanPath(info.absolutePath());
    const QString help = QDir::cleanPath(QFileInfo(HelpDir()).absoluteFilePath());
    if (folder != help && QFileInfo(folder).absolutePath() != help) return file;
    return HelpPage(info.fileName());
}

}  // namespace

QString HelpTopicFile(int context) { return HasHelpTopic(context) ? ContextFile(context) : HelpFile(); }

bool HasHelpTopic(int context) { return context > 0 && QFileInfo(ContextFile(context)).isFile(); }

QString FirstParagraph(const QString& html) {
    static const QRegularExpression start(QStringLiteral("<P[\\s>]"), QRegularExpression::CaseInsensitiveOption);
    // What ends a paragraph: its end tag or the start of the next block.
    static const QRegularExpression end(
        QStringLiteral("</P\\s*>|<(P|H[1-6]|UL|OL|DL|HR|PRE|BLOCKQUOTE|CENTER|TABLE|DIV)[\\s>]|</BODY"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch s = start.match(html);
    if (!s.hasMatch()) return QString();
    const int textStart = s.capturedStart();
    const QRegularExpressionMatch e = end.match(html, s.capturedEnd());
    if (e.hasMatch() && e.captured().startsWith(QLatin1String("</P"), Qt::CaseInsensitive))
        return html.mid(textStart, e.capturedEnd() - textStart);
    const int textEnd = e.hasMatch() ? e.capturedStart() : html.size();
    return html.mid(textStart, textEnd - textStart).trimmed() + QStringLiteral("</P>");
}

// ---- the help window --------------------------------------------------------

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QCoreApplication::translate("HelpWindow", "Tarvo Help"));
    setWindowIcon(QIcon(ResourceBitmap(QStringLiteral("AppIcon"))));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 0);
    auto makeButton = [this, buttons](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        buttons->addWidget(b);
        return b;
    };
    btnContents = makeButton("btnContents", QCoreApplication::translate("HelpWindow", "&Contents"));
    btnBack = makeButton("btnBack", QCoreApplication::translate("HelpWindow", "&Back"));
    btnForward = makeButton("btnForward", QCoreApplication::translate("HelpWindow", "&Forward"));
    buttons->addStretch(1);

    ctlHelp = new THTMLViewer(host_, this);
    ctlHelp->setObjectName(QStringLiteral("ctlHelp"));
    SetupViewer(ctlHelp);
    ctlHelp->setBorderStyle(htSingle);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addLayout(buttons);
    layout->addWidget(ctlHelp, 1);

    connect(btnContents, &QPushButton::clicked, this, &THelpWindow::ShowContents);
    connect(btnBack, &QPushButton::clicked, this, &THelpWindow::GoBack);
    connect(btnForward, &QPushButton::clicked, this, &THelpWindow::GoForward);

    resize(660, 540);
    UpdateButtons();
}

QString THelpWindow::CurrentFile() const { return ctlHelp->CurrentFile(); }

THelpWindow::TPlace THelpWindow::Here() const { return TPlace{ctlHelp->CurrentFile(), ctlHelp->VPosition()}; }

void THelpWindow::ShowContents() { ShowFile(HelpFile()); }

void THelpWindow::ShowTopic(int context) { ShowFile(HelpTopicFile(context)); }

void THelpWindow::ShowFile(const QString& target) {
    const TPlace left = Here();
    if (Load(target) && !left.file.isEmpty() && (left.file != ctlHelp->CurrentFile() || left.position != ctlHelp->VPosition())) {
        back_.append(left);
        forward_.clear();
    }
    UpdateButtons();
    Present();
}

bool THelpWindow::Load(const QString& target) {
    const auto [file, place] = SplitPlace(target);
    if (!QFileInfo(file).isFile()) {
        // Only the contents page itself can be missing here: say where the
        // help should be rather than show an empty window.
        if (!ctlHelp->CurrentFile().isEmpty()) return false;
        ctlHelp->LoadStrings({QStringLiteral("<HTML><BODY><H3>") + QCoreApplication::translate("HelpWindow", "Tarvo Help") + QStringLiteral("</H3>"),
                              QStringLiteral("<P>") + QCoreApplication::translate("HelpWindow", "The help pages were not found. They belong in the folder %1 beside the program.").arg(QDir::toNativeSeparators(HelpDir()).toHtmlEscaped()) + QStringLiteral("</P></BODY></HTML>")});
        return false;
    }
    const QString absolute = QFileInfo(file).absoluteFilePath();
    if (absolute != ctlHelp->CurrentFile()) ctlHelp->LoadFromFile(absolute);
    if (place.isEmpty() || !ctlHelp->PositionTo(place)) ctlHelp->ScrollTo(0);
    return true;
}

void THelpWindow::FollowLink(const QString& url) {
    if (url.isEmpty()) return;
    if (url.startsWith(QLatin1Char('#'))) {
        ShowFile(ctlHelp->CurrentFile() + url);
        return;
    }
    // Links between help pages only; the help never starts another program.
    if (url.contains(QLatin1String("://")) || url.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) return;
    const auto [file, place] = SplitPlace(url);
    ShowFile(InHelpLanguage(ctlHelp->HTMLExpandFilename(file)) + place);
}

void THelpWindow::GoBack() { Step(back_, forward_); }

void THelpWindow::GoForward() { Step(forward_, back_); }

void THelpWindow::Step(QList<TPlace>& from, QList<TPlace>& to) {
    if (from.isEmpty()) return;
    to.append(Here());
    const TPlace place = from.takeLast();
    Load(place.file);
    ctlHelp->ScrollTo(place.position);
    UpdateButtons();
}

void THelpWindow::UpdateButtons() {
    btnBack->setEnabled(CanGoBack());
    btnForward->setEnabled(CanGoForward());
}

void THelpWindow::Present() {
    if (isMinimized()) showNormal();
    if (!placed_) {
        // First shown: beside the window that asked, or as far to the right
        // of the screen as it goes, so that the program stays in sight.
        placed_ = true;
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        if (QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            QPoint at = area.center() - QPoint(width() / 2, height() / 2);
            if (owner) {
                const QRect frame = owner->frameGeometry();
                at = QPoint(std::min(frame.right() + 8, area.right() - width()), frame.top());
            }
            move(std::max(at.x(), area.left()), std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
        }
    }
    show();
    raise();
    activateWindow();
    ctlHelp->setFocus();
}

// ---- the pop-up topic ------------------------------------------------------

namespace {
constexpr int kPopupWidth = 320;  // px
constexpr int kPopupMargin = 6;   // px around the text
const QColor kPopupColour(255, 255, 225);
}  // namespace

THelpPopup::THelpPopup(QWidget* parent) : QFrame(parent, Qt::Popup) {
    setObjectName(QStringLiteral("frmHelpPopup"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPopupColour);
    setPalette(pal);

    ctlPopup = new THTMLViewer(host_, this);
    ctlPopup->setObjectName(QStringLiteral("ctlPopup"));
    SetupViewer(ctlPopup);
    ctlPopup->setDefBackground(kPopupColour);
    ctlPopup->setBorderStyle(htNone);
    ctlPopup->setScrollBars(ssNone);
    ctlPopup->setNoSelect(true);
    ctlPopup->setDefFontSize(10);
    // Every click and key closes the pop-up, wherever it lands.
    ctlPopup->installEventFilter(this);
    ctlPopup->paintPanel()->installEventFilter(this);
}

void THelpPopup::ShowTopic(const QString& topicFile, const QPoint& globalPos) {
    QString html;
    LoadFileText(topicFile, html);
    shown_ = FirstParagraph(html);
    if (shown_.isEmpty()) shown_ = QStringLiteral("<P>") + QCoreApplication::translate("HelpWindow", "There is no help for this item.") + QStringLiteral("</P>");
    const int inner = kPopupWidth - 2 * kPopupMargin;
    ctlPopup->setGeometry(kPopupMargin, kPopupMargin, inner, 400);
    ctlPopup->LoadStrings({QStringLiteral("<HTML><BODY>"), shown_, QStringLiteral("</BODY></HTML>")},
                          QFileInfo(topicFile).absolutePath());
    const int textHeight = std::clamp(ctlPopup->MaxVert(), 16, 400);
    ctlPopup->setGeometry(kPopupMargin, kPopupMargin, inner, textHeight);
    resize(kPopupWidth, textHeight + 2 * kPopupMargin);

    // Just below and right of the mouse, kept on the screen.
    QPoint at = globalPos + QPoint(8, 12);
    if (QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        if (at.y() + height() > area.bottom()) at.setY(globalPos.y() - height() - 4);
        at.setY(std::max(at.y(), area.top()));
    }
    move(at);
    show();
    raise();
    activateWindow();
    setFocus();
}

bool THelpPopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
        hide();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void THelpPopup::keyPressEvent(QKeyEvent* event) {
    event->accept();
    hide();
}

void THelpPopup::mousePressEvent(QMouseEvent* event) {
    event->accept();
    hide();
}

bool THelpPopup::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && isVisible()) hide();
    return QFrame::event(event);
}

// ---- what the viewers ask ---------------------------------------------------

bool THelpViewerHost::HotSpotClicked(const QString& url) {
    if (window_)
        window_->FollowLink(url);
    return true;
}
void THelpViewerHost::HotSpotCovered(const QString&) {}
bool THelpViewerHost::PictureWanted(const QString&, QImage&, QColor&) { return false; }
void THelpViewerHost::FormSubmitted(const QString&, const QString&, const QStringList&) {}
void THelpViewerHost::HistoryChanged() {}
void THelpViewerHost::ProcessingChanged(bool) {}
void THelpViewerHost::MouseReleased(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void THelpViewerHost::LayoutFailed(const QString&) {}
