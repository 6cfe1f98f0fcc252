#include "main/MainWindow.h"
#include "docs/PageSession.h"

#include "app/AppPaths.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "app/WhatsThis.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

namespace {

TfrmMain* g_mainWindow = nullptr;

const QColor kSilver(192, 192, 192);

// The help topic of the preview size button.
constexpr int kFullSizeHelpContext = 76;

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry, QFrame::Shape shape = QFrame::NoFrame,
                  QFrame::Shadow shadow = QFrame::Plain, int lineWidth = 1) {
    auto* f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(geometry);
    f->setFrameShape(shape);
    f->setFrameShadow(shadow);
    f->setLineWidth(lineWidth);
    f->setAutoFillBackground(true);
    return f;
}

QTimer* MakeTimer(QObject* parent, const char* name, int interval, bool enabled) {
    auto* t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setInterval(interval);
    if (enabled) t->start();
    return t;
}

}  // namespace

TfrmMain* MainWindow() { return g_mainWindow; }

TfrmMain::TfrmMain(const QString& commandLineDocument, QWidget* parent)
    : TStageHost(parent), session_(std::make_unique<TPageSession>()), commandLineDocument_(commandLineDocument) {
    g_mainWindow = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tarvo"));
    // Every window and dialog of the program carries the program icon.
    QApplication::setWindowIcon(ProgramIcon());
    setWindowIcon(ProgramIcon());
    // A single border with a minimise button and no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    pal.setColor(QPalette::Button, kSilver);
    setPalette(pal);

    CreateMenu();
    CreateControls();
    CreateTimers();
    WireControls();
    // A window of fixed size: nothing to maximise but for the full-size
    // preview (SetFullClient).
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // What happens when the window is created, in this order.
    currentStage_ = stChoose;
    tolveyPalette_ = screen() && screen()->depth() <= 8;
    PaintEmDan();
    DeletePreviewFile();
    // The first switch, to the Choose stage, happens once the subsystems
    // have installed their hooks (see StartUp in the program's entry).
}

TfrmMain::~TfrmMain() {
    if (g_mainWindow == this) g_mainWindow = nullptr;
    // The stage subsystems go while the window they see is still whole:
    // left to QObject, they would go after this destructor, and the events
    // of the closing window would reach their filters through a TStageHost
    // that is no longer there.
    hooks_ = {};
    parts_ = {};
    QList<QPointer<QObject>> parts;
    for (QObject* child : children())
        if (!child->isWidgetType() && !qobject_cast<QLayout*>(child)) parts.append(child);
    for (const QPointer<QObject>& part : std::as_const(parts)) delete part.data();
}

void TfrmMain::CreateMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menMain"));
    mnuFile = bar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    auto add = [](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    mnuFileNew = add(mnuFile, "mnuFileNew", tr("&New"));
    menFileOpen = add(mnuFile, "menFileOpen", tr("&Open"));
    menFileSave = add(mnuFile, "menFileSave", tr("&Save"));
    menFileSaveAs = add(mnuFile, "menFileSaveAs", tr("Save &As"));
    menFileMake = add(mnuFile, "menFileMake", tr("&Make Template"));
    ExternalPreview1 = add(mnuFile, "ExternalPreview1", tr("External Preview"));
    mnuFile->addSeparator();
    menFileExit = add(mnuFile, "menFileExit", tr("&Exit"));
    // The page's undo history names its steps in these items and enables them.
    mnuEdit = bar->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    menEditUndo = add(mnuEdit, "menEditUndo", tr("&Undo"));
    menEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menEditUndo->setEnabled(false);
    menEditRedo = add(mnuEdit, "menEditRedo", tr("&Redo"));
    menEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menEditRedo->setEnabled(false);
    mnuHelp = bar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpTopics = add(mnuHelp, "mnuHelpTopics", tr("&Help Topics"));
    mnuHelp->addSeparator();
    menHelpAbout = add(mnuHelp, "menHelpAbout", tr("&About"));
    // The usual keys of the file commands and of help, shown in the menu.
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    menFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    menFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    menFileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuHelpTopics->setShortcut(QKeySequence(Qt::Key_F1));
}

void TfrmMain::CreateControls() {
    pnlMain = MakePanel(this, "pnlMain", QRect(0, 0, 632, 436));
    setCentralWidget(pnlMain);
    // The client area keeps its designed size (but for the full-size
    // preview); the bottom bar stays at its bottom.
    pnlMain->setFixedSize(632, 436);
    pnlMain->installEventFilter(this);

    pnlTopPim = MakePanel(pnlMain, "pnlTopPim", QRect(7, 2, 620, 95), QFrame::Panel, QFrame::Sunken, 2);
    picToolbar = new TPicture(pnlTopPim, QStringLiteral("picToolbar"));
    picToolbar->setGeometry(0, 0, 620, 96);
    picRedPill = new TPicture(pnlTopPim, QStringLiteral("picRedPill"));
    picRedPill->setGeometry(0, 0, kStages[0].width, 96);
    // The lit segment lies over the toolbar; clicks on it are toolbar clicks.
    picRedPill->setAttribute(Qt::WA_TransparentForMouseEvents);
    picWindy = new QWidget(pnlTopPim);
    picWindy->setObjectName(QStringLiteral("picWindy"));
    picWindy->setGeometry(kStages[0].mascotLeft, 10, 64, 59);
    picWindy->hide();
    imgWindyPim = new TPicture(this, QStringLiteral("imgWindyPim"));
    imgWindyPim->hide();
    imgWindyPimB = new TPicture(this, QStringLiteral("imgWindyPimB"));
    imgWindyPimB->hide();

    pnlChoose = MakePanel(pnlMain, "pnlChoose", QRect(0, 96, 629, 294));
    pnlBuild = MakePanel(pnlMain, "pnlBuild", QRect(4, 95, 625, 297));
    pnlView = MakePanel(pnlMain, "pnlView", QRect(0, 96, 629, 294));
    pnlSend = MakePanel(pnlMain, "pnlSend", QRect(0, 96, 629, 294));
    for (QFrame* p : {pnlChoose, pnlBuild, pnlView, pnlSend}) p->hide();

    lblBuildRight = new QLabel(tr("Drag Web Blocks over, then up/down to create your page layout."), pnlBuild);
    lblBuildRight->setObjectName(QStringLiteral("lblBuildRight"));
    lblBuildRight->setGeometry(9, 2, 320, 16);
    lblBuildLeft = new QLabel(tr("Fill in the appropriate details to complete your Web Block."), pnlBuild);
    lblBuildLeft->setObjectName(QStringLiteral("lblBuildLeft"));
    lblBuildLeft->setGeometry(338, 2, 285, 16);

    Panel3 = MakePanel(pnlMain, "Panel3", QRect(0, 436 - 44, 632, 44));
    pnlLower = MakePanel(Panel3, "pnlLower", QRect(11, 2, 613, 41));
    imgView = new TPicture(pnlLower, QStringLiteral("imgView"));
    imgView->setGeometry(24, 10, 54, 20);
    imgLogo = new TPicture(pnlLower, QStringLiteral("imgLogo"));
    imgLogo->move(118, 3);
    imgExit = new TPicture(pnlLower, QStringLiteral("imgExit"));
    imgExit->setGeometry(538, 10, 51, 18);
    imgExit->setToolTip(tr("Click here to leave Tarvo."));

    tmpMemo = new QPlainTextEdit(pnlMain);
    tmpMemo->setObjectName(QStringLiteral("tmpMemo"));
    tmpMemo->hide();
}

void TfrmMain::CreateTimers() {
    timInit = MakeTimer(this, "timInit", 1000, true);
    timTopPim = MakeTimer(this, "timTopPim", 25, false);
    timFlashPage = MakeTimer(this, "timFlashPage", 500, false);
}

void TfrmMain::WireControls() {
    connect(timInit, &QTimer::timeout, this, &TfrmMain::timInitTimer);
    connect(timFlashPage, &QTimer::timeout, this, &TStageHost::sendStageTick);
    connect(picToolbar, &TPicture::mouseReleased, this,
            [this](QMouseEvent* e) { ToolbarRelease(int(e->position().x()), e->button()); });
    connect(imgExit, &TPicture::mousePressed, this, [this](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton) imgExit->ShowBitmap(QStringLiteral("Exit_Dn"), true);
    });
    connect(imgExit, &TPicture::mouseReleased, this, [this](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton) imgExit->ShowBitmap(QStringLiteral("Exit_Up"), true);
    });
    connect(imgExit, &TPicture::clicked, this, &QWidget::close);
    // The preview size button's "What's This?" (its help topic).
    connect(imgView, &TPicture::mouseReleased, this, [this](QMouseEvent* e) {
        if (e->button() == Qt::RightButton) ShowWhatsThis(imgView, kFullSizeHelpContext);
    });
    connect(menFileExit, &QAction::triggered, this, &QWidget::close);
}

void TfrmMain::PaintEmDan() {
    DrawToolbar();
    imgLogo->ShowBitmap(QStringLiteral("Logo"));
    // The two picture buttons are as wide as their word needs in the
    // interface's language (the pictures of each button share one size):
    // the preview size button grows to the right, Exit to the left.
    imgView->ShowBitmap(QStringLiteral("Max_Dis"));
    const int exitRight = imgExit->geometry().right();
    imgExit->ShowBitmap(QStringLiteral("Exit_Up"));
    imgExit->move(exitRight + 1 - imgExit->width(), imgExit->y());
    imgWindyPim->ShowBitmap(QStringLiteral("Windy_Right"));
    imgWindyPimB->ShowBitmap(QStringLiteral("Windy_Left"));
    RegisterCursors();
}

void TfrmMain::DrawToolbar() {
    toolbarPixmap_ = ResourceBitmap(QStringLiteral("Toolbar"));
    picToolbar->setPixmap(toolbarPixmap_);
}

void TfrmMain::DeletePreviewFile() {
    const QString dir = HTMLDir();
    if (!QDir::setCurrent(dir)) return;
    const QString preview = JoinPath(dir, QStringLiteral("~tmpprvw.html"));
    if (QFile::exists(preview)) QFile::remove(preview);
}

void TfrmMain::timInitTimer() {
    // Each tick toggles the hint: hidden for half a second, shown for one.
    const bool show = lblBuildRight->isHidden();
    lblBuildRight->setVisible(show);
    timInit->setInterval(show ? 1000 : 500);
}

void TfrmMain::StopHintBlink() {
    timInit->stop();
    lblBuildRight->show();
}

QString TfrmMain::ApplicationTitle() const { return QStringLiteral("Tarvo"); }

TPage& TfrmMain::Page() { return session_->Page; }

QFrame* TfrmMain::StagePanel(int stage) const {
    switch (stage) {
        case stChoose: return pnlChoose;
        case stBuild: return pnlBuild;
        case stView: return pnlView;
        default: return pnlSend;
    }
}

int TfrmMain::BottomBarHeight() const { return Panel3->height(); }

void TfrmMain::CenterBottomBar() { pnlLower->move((Panel3->width() - pnlLower->width()) / 2, pnlLower->y()); }

QAction* TfrmMain::MenuItem(TMenuItem item) const {
    switch (item) {
        case TMenuItem::FileNew: return mnuFileNew;
        case TMenuItem::FileOpen: return menFileOpen;
        case TMenuItem::FileSave: return menFileSave;
        case TMenuItem::FileSaveAs: return menFileSaveAs;
        case TMenuItem::FileMake: return menFileMake;
        case TMenuItem::ExternalPreview: return ExternalPreview1;
        case TMenuItem::EditUndo: return menEditUndo;
        case TMenuItem::EditRedo: return menEditRedo;
        case TMenuItem::HelpTopics: return mnuHelpTopics;
        case TMenuItem::HelpAbout: return menHelpAbout;
    }
    return nullptr;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (hooks_.AskForSave && !hooks_.AskForSave()) {
        event->ignore();
        return;
    }
    DeletePreviewFile();
    event->accept();
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        QTimer::singleShot(0, this, &TfrmMain::FormShow);
    }
}

void TfrmMain::FormShow() {
    if (commandLineDocument_.isEmpty()) return;
    const QString doc = commandLineDocument_;
    commandLineDocument_.clear();
    Page().LoadingDocument = true;
    Page().FillingPanel = true;
    if (hooks_.OpenDocument) hooks_.OpenDocument(doc);
    if (Page().Count() > 0 && hooks_.SelectAndHighlight) hooks_.SelectAndHighlight(0);
    Page().LoadingDocument = false;
    if (!openingFromGallery_) ShowRedPill(stBuild, false);
    Page().FillingPanel = false;
}

bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !realizingPalette_) RefreshPalette();
    return QMainWindow::event(event);
}

void TfrmMain::SetFullClient(bool full) {
    if (full) {
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        pnlMain->setMinimumSize(632, 436);
        pnlMain->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showMaximized();
    } else {
        showNormal();
        pnlMain->setFixedSize(632, 436);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        adjustSize();
    }
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlMain && event->type() == QEvent::Resize && Panel3) {
        Panel3->setGeometry(0, pnlMain->height() - 44, pnlMain->width(), 44);
        CenterBottomBar();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::keyPressEvent(QKeyEvent* event) { QMainWindow::keyPressEvent(event); }
