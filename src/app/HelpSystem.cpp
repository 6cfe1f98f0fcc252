#include "app/HelpSystem.h"

#include "app/AboutBox.h"
#include "app/HelpCalls.h"
#include "app/HelpWindow.h"
#include "app/StageHost.h"
#include "app/PictureControl.h"
#include "app/UserDialogs.h"
#include "app/WhatsThis.h"

#include <QCoreApplication>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>

namespace {

struct TNamedContext {
    const char* name;
    int context;
};

// F1: the edit controls and lists with a topic of their own, and the six
// property panels, whose topic explains any control on them that has none.
constexpr TNamedContext kHelpContexts[] = {
    {"cmbHeadSize", 44},   {"txtHeading", 45},    {"txtImgFileName", 56}, {"txtImgHeight", 57},
    {"txtImgWidth", 57},   {"txtImgDesc", 59},    {"txtLinkURL", 53},     {"txtLinkPre", 52},
    {"txtLinkLink", 54},   {"txtLinkPost", 55},   {"txtParagraph", 50},   {"txtLineWidth", 47},
    {"cmbLineThick", 48},  {"txtEmail", 62},      {"txtEmailPre", 61},    {"txtEmailLink", 63},
    {"txtEmailPost", 64},  {"lstStyles", 31},     {"memHTML", 32},        {"lstFiles", 41},
    {"ctlHTML", 21},       {"pnlPara", 12},       {"pnlLink", 13},        {"pnlImage", 14},
    {"pnlHeading", 15},    {"pnlEmail", 16},      {"pnlLine", 17},       {"chkFitPhone", 21},
    {"btnPhoneView", 21},  {"btnDesktopView", 21},
};

// "What's This?" on a right-button release, for the main window's pictures
// and lists that do not ask for it themselves (the canvas, the property
// panels, the style controls and the gallery list do).
constexpr TNamedContext kWhatsThisContexts[] = {
    {"Panel2", 71},   {"imgPreView", 71}, {"imgFrontPim", 71}, {"imgWebBack", 75},
    {"lstFiles", 41}, {"imgUpload", 40},  {"imgView", 76},     {"imgExit", 87},
};

int ContextByName(const TNamedContext* table, size_t count, const QString& name) {
    for (size_t i = 0; i < count; ++i)
        if (name == QLatin1String(table[i].name)) return table[i].context;
    return 0;
}

// The control a mouse event on `widget` belongs to: a list's viewport
// stands for the list.
QWidget* ControlOf(QWidget* widget) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget()))
        if (area->viewport() == widget) return area;
    return widget;
}

}  // namespace

void AssignHelpContext(QWidget* mainWindow) {
    if (!mainWindow) return;
    // The stage controls all live on the client area; wizards and dialogs
    // owned by the window keep their own names out of this.
    auto* main = qobject_cast<QMainWindow*>(mainWindow);
    QWidget* root = main && main->centralWidget() ? main->centralWidget() : mainWindow;
    for (const TNamedContext& entry : kHelpContexts)
        for (QWidget* control : root->findChildren<QWidget*>(QLatin1String(entry.name)))
            control->setProperty("HelpContext", entry.context);
}

int HelpContextOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        const int context = w->property("HelpContext").toInt();
        if (context > 0) return context;
        if (w->isWindow()) break;
    }
    return 0;
}

QStringList UnmatchedHelpNames(QWidget* mainWindow) {
    QStringList missing;
    auto check = [&](const TNamedContext& entry) {
        const QString name = QLatin1String(entry.name);
        if (!mainWindow->findChild<QWidget*>(name) && !missing.contains(name)) missing << name;
    };
    for (const TNamedContext& entry : kHelpContexts) check(entry);
    for (const TNamedContext& entry : kWhatsThisContexts) check(entry);
    return missing;
}

THelpSystem::THelpSystem(TStageHost& w) : THelpDesk(&w), w_(w) {
    setObjectName(QStringLiteral("HelpSystem"));

    popWhatsThis = new QMenu(&w);
    popWhatsThis->setObjectName(QStringLiteral("popWhatsThis"));
    popMenWhatsThis = popWhatsThis->addAction(QCoreApplication::translate("HelpSystem", "What's This?"));
    popMenWhatsThis->setObjectName(QStringLiteral("popMenWhatsThis"));
    connect(popMenWhatsThis, &QAction::triggered, this, &THelpSystem::popMenWhatsThisClick);

    connect(w.MenuItem(TStageHost::TMenuItem::HelpTopics), &QAction::triggered, this, [this] { ShowHelp(&w_, THelpCall::Contents); });
    connect(w.MenuItem(TStageHost::TMenuItem::HelpAbout), &QAction::triggered, this, &THelpSystem::menHelpAboutClick);
    // Beside Help Topics, with the desktop's usual key.
    mnuHelpWhatsThis = new QAction(QCoreApplication::translate("HelpSystem", "What's &This?"), w.HelpMenu());
    mnuHelpWhatsThis->setObjectName(QStringLiteral("mnuHelpWhatsThis"));
    mnuHelpWhatsThis->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    const QList<QAction*> helpItems = w.HelpMenu()->actions();
    w.HelpMenu()->insertAction(helpItems.value(1), mnuHelpWhatsThis);
    connect(mnuHelpWhatsThis, &QAction::triggered, this, &THelpSystem::mnuHelpWhatsThisClick);

    AssignHelpContext(&w);
    WatchNamedControls();
    // F1 goes to the focused control (or to a window without one).
    Watch(&w);
    Watch(QApplication::focusWidget());
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old && !whatsThisMode_ && !eatRelease_ && old != &w_ && old != helpOwner_ &&
            ContextByName(kWhatsThisContexts, std::size(kWhatsThisContexts), ControlOf(old)->objectName()) == 0)
            old->removeEventFilter(this);
        Watch(now);
    });
}

THelpSystem::~THelpSystem() = default;

void THelpSystem::Watch(QWidget* widget) {
    if (widget && !dynamic_cast<THelpPopup*>(widget->window())) widget->installEventFilter(this);
}

void THelpSystem::WatchNamedControls() {
    for (const TNamedContext& entry : kWhatsThisContexts)
        for (QWidget* control : w_.findChildren<QWidget*>(QLatin1String(entry.name))) {
            Watch(control);
            if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) Watch(area->viewport());
        }
}

void THelpSystem::WatchWholeWindow(bool on) {
    const QList<QWidget*> all = w_.findChildren<QWidget*>();
    for (QWidget* widget : all) {
        if (on) Watch(widget);
        else widget->removeEventFilter(this);
    }
    if (on) return;
    // Back to the few watched outside the mode.
    WatchNamedControls();
    Watch(&w_);
    Watch(QApplication::focusWidget());
    if (helpOwner_) helpOwner_->installEventFilter(this);
}

void THelpSystem::OfferWhatsThis(QWidget* source) { PopupWhatsThis(source, QCursor::pos()); }

THelpWindow* THelpSystem::HelpWindow() const { return helpWindow_; }

THelpPopup* THelpSystem::HelpPopup() const { return popup_; }

void THelpSystem::PopupWhatsThis(QWidget* source, const QPoint& globalPos) {
    whatsThisSource_ = source;
    whatsThisPos_ = globalPos;
    popWhatsThis->popup(globalPos);
}

void THelpSystem::popMenWhatsThisClick() {
    const int context = WhatsThisContext();
    // The style list's topic is a whole page (it also explains the style
    // wizard), too much for a pop-up.
    const THelpCall call = context == 31 ? THelpCall::Context : THelpCall::ContextPopup;
    Request(whatsThisSource_ ? whatsThisSource_.data() : &w_, call, context);
}

void THelpSystem::HelpKey(QWidget* focused) {
    AssignHelpContext(&w_);  // controls made after the window are included
    const int context = HelpContextOf(focused);
    if (context > 0) Request(focused, THelpCall::Context, context);
    else Request(focused, THelpCall::Contents);
}

int THelpSystem::WhatsThisContextOf(QWidget* widget) {
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        QWidget* control = ControlOf(w);
        int context = ContextByName(kWhatsThisContexts, std::size(kWhatsThisContexts), control->objectName());
        if (context == 0 && control->objectName().startsWith(QLatin1String("imgBr")))
            if (auto* brick = qobject_cast<TPicture*>(control)) context = BrickWhatsThisContext(brick->Tag);
        if (context == 0) context = control->property("Tag").toInt();
        if (context == 0) context = control->property("HelpContext").toInt();
        if (context > 0) return context;
    }
    return 0;
}

void THelpSystem::mnuHelpWhatsThisClick() {
    if (whatsThisMode_) return;
    AssignHelpContext(&w_);
    whatsThisMode_ = true;
    WatchWholeWindow(true);
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
}

void THelpSystem::EndWhatsThisMode() {
    if (!whatsThisMode_) return;
    whatsThisMode_ = false;
    // The release of the click that ended the mode is still to be eaten.
    if (!eatRelease_) WatchWholeWindow(false);
    QApplication::restoreOverrideCursor();
}

void THelpSystem::menHelpAboutClick() {
    TfrmAbout about(&w_);
    Dialogs().Run(&about);
}

THelpWindow* THelpSystem::WindowFor(QWidget*) {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = modal && modal != helpWindow_ ? modal : &w_;
    if (!helpWindow_) helpWindow_ = new THelpWindow(owner);
    else MoveHelpWindowTo(owner);
    helpOwner_ = owner == &w_ ? nullptr : owner;
    if (helpOwner_) helpOwner_->installEventFilter(this);
    return helpWindow_;
}

void THelpSystem::MoveHelpWindowTo(QWidget* owner) {
    if (helpWindow_->parentWidget() == owner) return;
    const QRect geometry = helpWindow_->geometry();
    const bool visible = helpWindow_->isVisible();
    helpWindow_->setParent(owner, Qt::Window);
    helpWindow_->setGeometry(geometry);
    if (visible) helpWindow_->show();
}

void THelpSystem::Show(QWidget* source, THelpCall call, int context) {
    switch (call) {
        case THelpCall::Contents:
            WindowFor(source)->ShowContents();
            break;
        case THelpCall::Context:
            WindowFor(source)->ShowTopic(context);
            break;
        case THelpCall::ContextPopup: {
            if (!HasHelpTopic(context)) {
                WindowFor(source)->ShowContents();
                break;
            }
            QWidget* window = source ? source->window() : &w_;
            if (popup_ && popup_->parentWidget() != window) delete popup_;
            if (!popup_) popup_ = new THelpPopup(window);
            const QPoint at = source && source == whatsThisSource_ ? whatsThisPos_ : QCursor::pos();
            popup_->ShowTopic(HelpTopicFile(context), at);
            break;
        }
    }
}

bool THelpSystem::eventFilter(QObject* watched, QEvent* event) {
    if (whatsThisMode_ || eatRelease_) {
        auto* widget = qobject_cast<QWidget*>(watched);
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                if (!widget || !whatsThisMode_) break;
                eatRelease_ = true;
                EndWhatsThisMode();
                if (!w_.isAncestorOf(widget)) return true;
                const int context = WhatsThisContextOf(widget);
                QWidget* control = ControlOf(widget);
                whatsThisSource_ = control;
                whatsThisPos_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
                AskWhatsThis(nullptr, context);
                if (context == 0) Request(control, THelpCall::Contents);
                else Request(control, context == 31 ? THelpCall::Context : THelpCall::ContextPopup, context);
                return true;
            }
            case QEvent::MouseButtonRelease:
                if (!eatRelease_) break;
                eatRelease_ = false;
                WatchWholeWindow(false);
                return true;
            case QEvent::KeyPress:
                if (whatsThisMode_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                    EndWhatsThisMode();
                    return true;
                }
                break;
            default:
                break;
        }
    }
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // F1 is also the key of "Help Topics"; on a control with a topic
            // of its own the key press goes on to the control, below.
            auto* key = static_cast<QKeyEvent*>(event);
            QWidget* focused = QApplication::focusWidget();
            if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && focused && watched == focused &&
                !dynamic_cast<THelpPopup*>(focused->window())) {
                AssignHelpContext(&w_);
                if (HelpContextOf(focused) > 0) {
                    key->accept();
                    return true;
                }
            }
            break;
        }
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            auto* widget = qobject_cast<QWidget*>(watched);
            if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && widget && !key->isAutoRepeat() &&
                !dynamic_cast<THelpPopup*>(widget->window())) {
                HelpKey(QApplication::focusWidget() ? QApplication::focusWidget() : widget);
                return true;
            }
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* widget = qobject_cast<QWidget*>(watched);
            if (mouse->button() != Qt::RightButton || !widget || !w_.isAncestorOf(widget)) break;
            QWidget* control = ControlOf(widget);
            const int context = ContextByName(kWhatsThisContexts, std::size(kWhatsThisContexts), control->objectName());
            if (context > 0) {
                ShowWhatsThis(control, context);
                return true;
            }
            break;
        }
        case QEvent::Hide:
            // The modal window holding the help window goes away: the help
            // window stays, now the main window's again.
            if (helpOwner_ && watched == helpOwner_ && helpWindow_) {
                helpOwner_ = nullptr;
                MoveHelpWindowTo(&w_);
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

THelpSystem* AttachHelp(TStageHost& w) { return new THelpSystem(w); }
