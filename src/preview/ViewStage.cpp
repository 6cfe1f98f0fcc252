#include "preview/ViewStage.h"

#include "app/AppPaths.h"
#include "app/EditorText.h"
#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "viewer/ImageCache.h"
#include "model/PictureQuestion.h"
#include "model/PictureImport.h"
#include "app/PictureControl.h"
#include "app/Settings.h"
#include "app/ShippedNames.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "app/SafeWrite.h"
#include "app/WhatsThis.h"
#include "docs/PageSession.h"
#include "html/BodyStyle.h"
#include "html/HtmlWarn.h"
#include "html/PageEncoding.h"
#include "html/PageGenerator.h"
#include "html/PageHead.h"
#include "viewer/HtmlViewer.h"
#include "viewer/ViewerCommand.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <utility>
#include <QTabWidget>

namespace {

constexpr int kStylesHelpContext = 31;

QFont BoldArial(int pixels) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

// Sets a flag for the duration of one write.
struct TFlagGuard {
    bool& flag;
    bool old;
    explicit TFlagGuard(bool& f) : flag(f), old(f) { flag = true; }
    ~TFlagGuard() { flag = old; }
};

}  // namespace

TViewStage* AttachViewStage(TStageHost& window, TPageSession& session) { return new TViewStage(window, session); }

TViewStage::TViewStage(TStageHost& window, TPageSession& session)
    : QObject(&window), w_(window), session_(session) {
    setObjectName(QStringLiteral("ViewStage"));
    CreateControls();

    connect(memHTML, &QPlainTextEdit::textChanged, this, &TViewStage::memHTMLChange);
    connect(txtTitle, &QLineEdit::textChanged, this, &TViewStage::txtTitleChange);
    connect(chkLogo, &QCheckBox::toggled, this, &TViewStage::chkLogoClick);
    connect(chkFitPhone, &QCheckBox::toggled, this, &TViewStage::chkFitPhoneClick);
    // On toggled, not clicked: an assistive tool presses a checkable
    // button through its toggle action, which raises no click.
    connect(btnDesktopView, &QPushButton::toggled, this, [this](bool on) {
        if (on) SetPhoneView(false);
    });
    connect(btnPhoneView, &QPushButton::toggled, this, [this](bool on) {
        if (on) SetPhoneView(true);
    });
    connect(lstStyles, &QListWidget::currentRowChanged, this,
            [this] { session_.StyleName = SelectedStyleName(); });
    connect(lstStyles, &QListWidget::itemClicked, this, &TViewStage::lstStylesClick);
    connect(btnEditStyle, &QPushButton::clicked, this, &TViewStage::btnEditStyleClick);
    connect(pagePreview, &QTabWidget::currentChanged, this, &TViewStage::pagePreviewChange);
    connect(w_.FullSizeButton(), &TPicture::mousePressed, this, [this](QMouseEvent* e) {
        if (e->button() != Qt::LeftButton || !PreviewToggleWorks()) return;
        w_.FullSizeButton()->ShowBitmap(FullPreview() ? QStringLiteral("Min_Dn") : QStringLiteral("Max_Dn"), true);
    });
    connect(w_.FullSizeButton(), &TPicture::mouseReleased, this, [this](QMouseEvent* e) {
        if (e->button() != Qt::LeftButton || !PreviewToggleWorks()) return;
        w_.FullSizeButton()->ShowBitmap(FullPreview() ? QStringLiteral("Min_Up") : QStringLiteral("Max_Up"), true);
    });
    connect(w_.FullSizeButton(), &TPicture::clicked, this, [this] {
        if (PreviewToggleWorks()) TogglePreviewSize();
    });

    // The blocks are the page again (the stage switch asked before hand
    // edits were given up).
    auto emptyEditor = [this](int) { session_.DropHTML(); };
    w_.OnStage(&TStageHost::stagePreparing, TStageHost::stChoose, this, emptyEditor);
    w_.OnStage(&TStageHost::stagePreparing, TStageHost::stBuild, this, emptyEditor);
    w_.OnStage(&TStageHost::stageEntered, TStageHost::stView, this, [this](int from) { EnterView(from); });
    // The page's HTML file is written before the Send stage lists its files.
    w_.OnStage(&TStageHost::stagePreparing, TStageHost::stSend, this, [this](int from) { EnterSend(from); });
    connect(&w_, &TStageHost::stageChanged, this, [this] {
        ShowTitle();
        // The width switch works where the preview size picture does.
        const bool view = w_.CurrentStage() == TStageHost::stView;
        btnDesktopView->setEnabled(view);
        btnPhoneView->setEnabled(view);
    });
    w_.Hooks().HTMLEditAccepted = [this] { return session_.HandEdited; };
    w_.Hooks().RenderSnapshot = [this] { return PageRendering(); };

    // The page session holds the page's HTML, style and logo; these
    // controls show them.
    session_.Styles = &StyleList;
    connect(&session_, &TPageSession::styleChanged, this, [this] { SelectStyleByName(session_.StyleName); });
    connect(&session_, &TPageSession::logoChanged, this, [this] { chkLogo->setChecked(session_.Logo()); });
    auto showFitPhone = [this] {
        const QSignalBlocker quiet(chkFitPhone);
        chkFitPhone->setChecked(session_.Page.FitPhone);
    };
    connect(&session_, &TPageSession::fitPhoneChanged, this, showFitPhone);
    showFitPhone();
    connect(&session_, &TPageSession::pageOptionsChanged, this, &TViewStage::ShowPageOptions);
    ShowPageOptions();
    connect(cmbPageLanguage, &QComboBox::activated, this, &TViewStage::PageOptionEdited);
    connect(txtPageDescription, &QLineEdit::textEdited, this, &TViewStage::PageOptionEdited);
    connect(chkReadableLayout, &QCheckBox::clicked, this, &TViewStage::PageOptionEdited);
    connect(cmbPageIcon, &QComboBox::activated, this, &TViewStage::cmbPageIconChange);
    connect(chkSiteMenu, &QCheckBox::clicked, this, [this](bool on) {
        if (!session_.Page.FillingPanel) session_.SetShowSiteMenu(on);
    });
    connect(&session_, &TPageSession::htmlChanged, this, [this] {
        TFlagGuard g(htmlUpdating_);
        ShowInEditor(memHTML, session_.HTML());
    });

    // The full-size preview follows the window's size; a right-button
    // release on the style controls asks "What's This?".
    w_.ClientArea()->installEventFilter(this);
    lstStyles->viewport()->installEventFilter(this);
    btnEditStyle->installEventFilter(this);

    LoadStyles();
    ShowStyles();
}

bool TViewStage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
        (watched == lstStyles->viewport() || watched == btnEditStyle)) {
        ShowWhatsThis(watched == btnEditStyle ? static_cast<QWidget*>(btnEditStyle) : lstStyles, kStylesHelpContext);
        return true;
    }
    if (watched == w_.ClientArea() && event->type() == QEvent::Resize && FullPreview()) PlaceViewer();
    return QObject::eventFilter(watched, event);
}

void TViewStage::CreateControls() {
    QFrame* pnl = w_.StagePanel(TStageHost::stView);
    lblPreDesc = new QLabel(tr("Click the Web tab to preview your page.  You can change the look by "
                                           "returning to 'Build Your Page', or click on HTML to see the code Tarvo has "
                                           "created.  If you know HTML, you can change the code to change your page.  "
                                           "If not - learn it right here!"),
                            pnl);
    lblPreDesc->setObjectName(QStringLiteral("lblPreDesc"));
    lblPreDesc->setGeometry(8, 0, 613, 26);
    lblPreDesc->setWordWrap(true);
    lblPreDesc->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    lblPageTitle = new QLabel(tr("Page Title:"), pnl);
    lblPageTitle->setObjectName(QStringLiteral("lblPageTitle"));
    lblPageTitle->setFont(BoldArial(19));
    lblPageTitle->setGeometry(12, 26, 110, 22);
    txtTitle = new QLineEdit(pnl);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtTitle->setGeometry(126, 27, 334, 20);
    FitLabelBeforeField(lblPageTitle, txtTitle);
    lblTitleHint = new QLabel(tr("the template's title"), txtTitle);
    lblTitleHint->setObjectName(QStringLiteral("lblTitleHint"));
    {
        QFont f = lblTitleHint->font();
        f.setItalic(true);
        lblTitleHint->setFont(f);
        QPalette grey = lblTitleHint->palette();
        grey.setColor(QPalette::WindowText, QColor(110, 110, 110));
        lblTitleHint->setPalette(grey);
        const int width = lblTitleHint->sizeHint().width();
        lblTitleHint->setGeometry(txtTitle->width() - width - 4, 0, width, txtTitle->height());
    }
    lblTitleHint->hide();
    chkFitPhone = new QCheckBox(tr("Fit phone screens"), pnl);
    chkFitPhone->setObjectName(QStringLiteral("chkFitPhone"));
    chkFitPhone->setGeometry(470, 27, 150, 20);
    chkFitPhone->setToolTip(tr("Lay the page out at the width of a phone's screen, with pictures no wider "
                               "than the screen. Desktop browsers show it as before."));

    pagePreview = new QTabWidget(pnl);
    pagePreview->setObjectName(QStringLiteral("pagePreview"));
    // The tab row sits above the designed 209 pixels of the page control.
    pagePreview->setGeometry(8, 49, 617, 203);
    tabWebView = new QWidget;
    tabWebView->setObjectName(QStringLiteral("tabWebView"));
    tabHTML = new QWidget;
    tabHTML->setObjectName(QStringLiteral("tabHTML"));
    pagePreview->addTab(tabWebView, tr("Web"));
    pagePreview->addTab(tabHTML, QStringLiteral("HTML"));
    tabPageOptions = new QWidget;
    tabPageOptions->setObjectName(QStringLiteral("tabPageOptions"));
    pagePreview->addTab(tabPageOptions, tr("Page"));
    auto* lblLanguage = new QLabel(tr("Language of the page:"), tabPageOptions);
    lblLanguage->setObjectName(QStringLiteral("lblPageLanguage"));
    lblLanguage->setGeometry(8, 10, 170, 22);
    cmbPageLanguage = new QComboBox(tabPageOptions);
    cmbPageLanguage->setObjectName(QStringLiteral("cmbPageLanguage"));
    cmbPageLanguage->setGeometry(180, 10, 200, 22);
    for (const TPageLanguage& l : PageLanguages())
        cmbPageLanguage->addItem(QString::fromUtf8(l.name), QString::fromLatin1(l.tag));
    lblLanguage->setBuddy(cmbPageLanguage);
    auto* lblDescription = new QLabel(tr("Description:"), tabPageOptions);
    lblDescription->setObjectName(QStringLiteral("lblPageDescription"));
    lblDescription->setGeometry(8, 44, 170, 22);
    txtPageDescription = new QLineEdit(tabPageOptions);
    txtPageDescription->setObjectName(QStringLiteral("txtPageDescription"));
    txtPageDescription->setGeometry(180, 44, 340, 22);
    txtPageDescription->setMaxLength(kDescriptionMaxLength);
    txtPageDescription->setToolTip(tr("One sentence about the page for search engines and link previews. "
                                      "Left empty, the first sentence of the page's first paragraph is used."));
    lblDescription->setBuddy(txtPageDescription);
    lblDescriptionCount = new QLabel(tabPageOptions);
    lblDescriptionCount->setObjectName(QStringLiteral("lblDescriptionCount"));
    lblDescriptionCount->setGeometry(526, 44, 76, 22);
    chkReadableLayout = new QCheckBox(tr("Readable layout"), tabPageOptions);
    chkReadableLayout->setObjectName(QStringLiteral("chkReadableLayout"));
    chkReadableLayout->setGeometry(180, 78, 300, 22);
    chkReadableLayout->setToolTip(tr("Set the text in a centred column of reading width, in the system's "
                                     "sans-serif font, with pictures no wider than the column."));
    auto* lblIcon = new QLabel(tr("Icon:"), tabPageOptions);
    lblIcon->setObjectName(QStringLiteral("lblPageIcon"));
    lblIcon->setGeometry(8, 112, 170, 22);
    cmbPageIcon = new QComboBox(tabPageOptions);
    cmbPageIcon->setObjectName(QStringLiteral("cmbPageIcon"));
    cmbPageIcon->setGeometry(180, 112, 260, 22);
    cmbPageIcon->setToolTip(tr("The small picture browsers show beside the page's title, in tabs and bookmarks."));
    lblIcon->setBuddy(cmbPageIcon);
    imgPageIcon = new QLabel(tabPageOptions);
    imgPageIcon->setObjectName(QStringLiteral("imgPageIcon"));
    imgPageIcon->setGeometry(448, 112, 22, 22);
    imgPageIcon->setAlignment(Qt::AlignCenter);
    chkSiteMenu = new QCheckBox(tr("Show the site menu"), tabPageOptions);
    chkSiteMenu->setObjectName(QStringLiteral("chkSiteMenu"));
    chkSiteMenu->setGeometry(180, 146, 300, 22);
    chkSiteMenu->setToolTip(tr("Put the menu of the pages of this folder at the top of the page."));

    ctlHTML = new THTMLViewer(*this, tabWebView);
    ctlHTML->setObjectName(QStringLiteral("ctlHTML"));
    ctlHTML->setGeometry(0, 0, 609, 181);
    ctlHTML->setCursor(Qt::IBeamCursor);
    ctlHTML->setViewImages(true);
    ctlHTML->setDefBackground(QColor(192, 192, 192));
    ctlHTML->setBorderStyle(htSingle);
    ctlHTML->setHistoryMaxCount(0);
    ctlHTML->setDefFontName(QStringLiteral("Times New Roman"));
    ctlHTML->setDefPreFontName(QStringLiteral("Courier New"));

    memHTML = new QPlainTextEdit(tabHTML);
    memHTML->setObjectName(QStringLiteral("memHTML"));
    memHTML->setGeometry(0, 0, 609, 181);
    memHTML->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memHTML->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono(QStringLiteral("Courier New"));
    mono.setPixelSize(12);
    memHTML->setFont(mono);

    Panel1 = new QFrame(pnl);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(11, 253, 613, 41);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    lblStyle = new QLabel(tr("Style"), Panel1);
    lblStyle->setObjectName(QStringLiteral("lblStyle"));
    lblStyle->setFont(BoldArial(19));
    lblStyle->setGeometry(8, 9, 56, 22);
    lstStyles = new QListWidget(Panel1);
    lstStyles->setObjectName(QStringLiteral("lstStyles"));
    lstStyles->setGeometry(66, 4, 436, 33);
    // A list in six columns: items run down each column, then across.
    lstStyles->setFlow(QListView::TopToBottom);
    lstStyles->setWrapping(true);
    lstStyles->setResizeMode(QListView::Adjust);
    lstStyles->setGridSize(QSize(72, 14));
    lstStyles->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    btnEditStyle = new QPushButton(tr("Edit Styles"), Panel1);
    btnEditStyle->setObjectName(QStringLiteral("btnEditStyle"));
    btnEditStyle->setGeometry(512, 7, 92, 27);

    chkLogo = new QCheckBox(tr("Insert Tarvo Logo"), w_.StagePanel(TStageHost::stSend));
    chkLogo->setObjectName(QStringLiteral("chkLogo"));
    chkLogo->setGeometry(16, 262, 160, 20);
    chkLogo->setChecked(true);

    // The width switch sits in the tab row, right of the tabs: the row
    // below the panels is full (preview size, logo, Exit).
    auto* widths = new QWidget;
    widths->setObjectName(QStringLiteral("pnlPreviewWidth"));
    auto* row = new QHBoxLayout(widths);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(2);
    auto viewButton = [widths, row](const char* name, const QString& text) {
        auto* b = new QPushButton(text, widths);
        b->setObjectName(QString::fromLatin1(name));
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setEnabled(false);
        row->addWidget(b);
        return b;
    };
    btnDesktopView = viewButton("btnDesktopView", tr("Desktop"));
    btnPhoneView = viewButton("btnPhoneView", tr("Phone"));
    pagePreview->setCornerWidget(widths, Qt::TopRightCorner);
    btnDesktopView->setChecked(true);
    btnDesktopView->setToolTip(tr("Show the preview as wide as a desktop window allows."));
    btnPhoneView->setToolTip(tr("Show the preview at the width of a phone's screen."));
}

QString TViewStage::HTMLText() const { return session_.HTML(); }

void TViewStage::SetHTMLText(const QString& text) {
    TFlagGuard g(htmlUpdating_);
    session_.SetHTML(text);
    ShowInEditor(memHTML, text);
}

QString TViewStage::PageHTMLPath() const { return session_.PageHTMLPath(); }

bool TViewStage::SaveFromHTML(const QString& path, bool ask) const { return WriteHTMLFile(path, HTMLText(), ask); }

bool TViewStage::WriteHTMLFile(const QString& path, const QString& text, bool ask) const {
    const TPageBytes page = EncodePageHTML(text);
    if (ask && !AcceptPageBytes(&w_, w_.ApplicationTitle(), page)) return false;
    const TWriteOutcome written = WriteFileChecked(path, page.Bytes);
    if (!written.ok)
        Dialogs().Tell(&w_, w_.ApplicationTitle(), written.Message(path), TMsgIcon::Critical);
    return written.ok;
}

bool TViewStage::FullPreview() const { return ctlHTML->parentWidget() == w_.ClientArea(); }

bool TViewStage::PreviewToggleWorks() const {
    return w_.CurrentStage() == TStageHost::stView && (FullPreview() || pagePreview->currentWidget() == tabWebView);
}

bool TViewStage::PhoneView() const { return btnPhoneView->isChecked(); }

void TViewStage::SetPhoneView(bool phone) {
    (phone ? btnPhoneView : btnDesktopView)->setChecked(true);
    PlaceViewer();
}

void TViewStage::PlaceViewer() {
    // The place: the whole main panel above the lower row, or the tab.
    const QRect place = FullPreview()
                            ? QRect(2, 2, w_.ClientArea()->width() - 4, w_.ClientArea()->height() - w_.BottomBarHeight() - 2)
                            : QRect(0, 0, 609, 181);
    QRect r = place;
    if (PhoneView() && place.width() > kPhoneViewWidth) {
        r.setWidth(kPhoneViewWidth);
        r.moveLeft(place.left() + (place.width() - kPhoneViewWidth) / 2);
    }
    ctlHTML->setGeometry(r);
    // At full size a plain backdrop covers the stage around a phone-wide
    // preview.
    if (!phoneBackdrop_) {
        phoneBackdrop_ = new QWidget(w_.ClientArea());
        phoneBackdrop_->setObjectName(QStringLiteral("pnlPhoneBackdrop"));
        phoneBackdrop_->setAutoFillBackground(true);
        QPalette dark = phoneBackdrop_->palette();
        dark.setColor(QPalette::Window, QColor(96, 96, 96));
        phoneBackdrop_->setPalette(dark);
        phoneBackdrop_->hide();
    }
    if (FullPreview() && r != place) {
        phoneBackdrop_->setGeometry(place);
        phoneBackdrop_->show();
        phoneBackdrop_->raise();
        ctlHTML->raise();
    } else {
        phoneBackdrop_->hide();
    }
}

void TViewStage::TogglePreviewSize() {
    if (!FullPreview()) {
        w_.SetFullClient(true);
        ctlHTML->setParent(w_.ClientArea());
        PlaceViewer();
        ctlHTML->show();
        ctlHTML->raise();
        w_.FullSizeButton()->ShowBitmap(QStringLiteral("Min_Up"), true);
    } else {
        w_.SetFullClient(false);
        ctlHTML->setParent(tabWebView);
        PlaceViewer();
        ctlHTML->show();
        w_.FullSizeButton()->ShowBitmap(QStringLiteral("Max_Up"), true);
    }
    w_.CenterBottomBar();
    ShowRover();
}

void TViewStage::SetHTMLView() {
    ctlHTML->setParent(tabWebView);
    PlaceViewer();
    ctlHTML->show();
    ctlHTML->raise();
    pagePreview->setCurrentWidget(tabWebView);
}

QString TViewStage::PreviewConversion(const QString& text) {
    QString t = ReplaceAllNoCase(text, QStringLiteral("<DIV"), QStringLiteral("<P"));
    t = ReplaceAllNoCase(t, QStringLiteral("</DIV><BR>"), QStringLiteral("</P>"));
    return ReplaceAllNoCase(t, QStringLiteral("</DIV>"), QStringLiteral("</P>"));
}

void TViewStage::ShowRover() {
    TFlagGuard busy(RoverBusy);
    if (!lstStyles->currentItem() && lstStyles->count() > 0) lstStyles->setCurrentRow(0);
    AddBodyDef();
    // The viewer's own copy: a failure to write it loses nothing (the
    // viewer shows the text itself), so it is not told.
    const QString preview = JoinPath(HTMLDir(), QStringLiteral("~tmpprvw.html"));
    // The preview is a passing copy: a page its charset cannot hold is
    // shown in UTF-8 without a question, which comes when the page is saved.
    const bool written = WriteFileChecked(preview, EncodePageHTML(HTMLText()).Bytes).ok;
    LoadViewer(written ? preview : QString(), PreviewConversion(HTMLText()));
    HTMLEditAccepted = false;
}

void TViewStage::LoadViewer(const QString& file, const QString& text) {
    if (!file.isEmpty()) ctlHTML->LoadFromFile(file);
    QStringList lines = text.split(CRLF);
    if (!lines.isEmpty() && lines.constLast().isEmpty()) lines.removeLast();
    ctlHTML->LoadStrings(lines, HTMLDir());
}

QImage TViewStage::PageRendering() {
    // The page as it stands in the editor; an empty editor (the Build
    // stage) is rendered from the blocks without being filled, so that it
    // never holds text older than the blocks.
    QStringList lines = PreviewConversion(session_.PageHTMLText()).split(CRLF);
    const QSize size(w_.ClientArea()->width() - 4, w_.ClientArea()->height() - 10);
    return RenderHtmlLines(lines, HTMLDir(), size);
}

void TViewStage::EnterView(int from) {
    if (from == TStageHost::stSend || from == TStageHost::stSent) {
        // Back from sending: the text stands as it was, hand edits included.
        LoadViewer(QString(), HTMLText());
    } else {
        SetHTMLText(BuildPageHTML(session_.Page, session_.Logo()));
        session_.HandEdited = false;
        ShowRover();
    }
    SetHTMLView();
}

void TViewStage::EnterSend(int from) {
    const QString text = HTMLText();
    // From the Choose and Build stages the blocks are the page, whatever
    // text an earlier command left behind.
    if (from < TStageHost::stView || text.isEmpty() || text == QLatin1String("<BODY>")) {
        SetHTMLText(BuildPageHTML(session_.Page, session_.Logo()));
        ShowRover();
        SaveFromHTML(PageHTMLPath());
    }
}

void TViewStage::memHTMLChange() {
    // The program's own writes have set the session's text already.
    if (htmlUpdating_) return;
    // The session's text changes only where the editor's did: line breaks
    // and non-breaking spaces elsewhere stay as they were.
    const QString before = session_.HTML();
    session_.SetHTML(ApplyEditorChange(before, EditorContents(memHTML), CRLF));
    if (UndoingHTML) return;
    // A hand edit is the user's work from here on: the page has changed,
    // and nothing drops it without a question.
    const auto keep = [this] {
        session_.HandEdited = true;
        session_.Page.PageChanged = true;
    };
    if (HTMLEditAccepted ||
        !ReadSettingBool(QString::fromLatin1(SettingKeys::General), QString::fromLatin1(SettingKeys::ShowHTMLWarning),
                         true))
        return keep();
    QList<TTypedKey> typed;
    if (AskHTMLWarning(&w_, &typed)) {
        HTMLEditAccepted = true;
        // What the user typed while the alert was up goes on into the text,
        // once the key that opened the alert is done with.
        if (!typed.isEmpty())
            QMetaObject::invokeMethod(
                memHTML,
                [edit = memHTML, typed] {
                    for (const TTypedKey& k : typed) {
                        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, k.text);
                        QCoreApplication::sendEvent(edit, &press);
                    }
                },
                Qt::QueuedConnection);
        return keep();
    }
    TFlagGuard g(UndoingHTML);
    memHTML->undo();
    session_.SetHTML(before);
}

void TViewStage::pagePreviewChange(int index) {
    if (pagePreview->widget(index) != tabWebView) return;
    LoadViewer(QString(), PreviewConversion(HTMLText()));
}

void TViewStage::txtTitleChange() {
    if (session_.Page.FillingPanel || settingTitle_) return;
    session_.Page.PageTitle = txtTitle->text();
    // A box emptied gives the page its first heading's text again.
    SetHTMLText(ReplaceTitle(HTMLText(), TitleElementText(session_.Page)));
    session_.Page.PageChanged = true;
    ShowTitleHint();
}

void TViewStage::ShowTitle() {
    {
        TFlagGuard g(settingTitle_);
        txtTitle->setText(session_.Page.PublishedTitle());
    }
    ShowTitleHint();
}

void TViewStage::ShowTitleHint() {
    const TPage& page = session_.Page;
    const bool template_ = !page.TemplateTitle.isEmpty() && page.PageTitle == page.TemplateTitle;
    lblTitleHint->setVisible(template_);
    // The typed text stops short of the hint.
    txtTitle->setTextMargins(0, 0, template_ ? lblTitleHint->width() + 4 : 0, 0);
    txtTitle->setToolTip(template_ ? tr("This is still the title of the template your page was made from. Type "
                                        "your page's own title here.")
                                   : QString());
}

void TViewStage::chkLogoClick() {
    // The session puts the logo line into a page held in the editor (or
    // takes it out) and writes the page's HTML file.
    const TSessionOutcome written = session_.SetLogo(chkLogo->isChecked());
    if (!written.done()) Dialogs().Tell(&w_, w_.ApplicationTitle(), written.message, TMsgIcon::Critical);
    // The logo's picture is sent with the page, or no longer.
    emit w_.uploadListChanged();
}

void TViewStage::chkFitPhoneClick() {
    if (session_.Page.FillingPanel || chkFitPhone->isChecked() == session_.Page.FitPhone) return;
    // The session puts the phone lines into a page held in the editor (or
    // takes them out); the choice is saved with the document.
    session_.SetFitPhone(chkFitPhone->isChecked());
    session_.Page.PageChanged = true;
    if (w_.CurrentStage() == TStageHost::stView && !HTMLText().isEmpty()) ShowRover();
}

void TViewStage::ShowPageOptions() {
    const QSignalBlocker a(cmbPageLanguage), b(txtPageDescription), c(chkReadableLayout), d(chkSiteMenu);
    const TPage& page = session_.Page;
    // A page written before has no language: the list says so until one
    // is chosen.
    const int old = cmbPageLanguage->findData(QString());
    if (page.Language.isEmpty() && old < 0) cmbPageLanguage->insertItem(0, tr("(none, as written before)"), QString());
    if (!page.Language.isEmpty() && old >= 0) cmbPageLanguage->removeItem(old);
    int index = cmbPageLanguage->findData(page.Language);
    if (index < 0) {
        // A language outside the list, from a page made elsewhere: shown by its tag.
        cmbPageLanguage->addItem(page.Language, page.Language);
        index = cmbPageLanguage->count() - 1;
    }
    cmbPageLanguage->setCurrentIndex(index);
    if (txtPageDescription->text() != page.Description) txtPageDescription->setText(page.Description);
    txtPageDescription->setPlaceholderText(page.Description.isEmpty() ? PageDescription(page) : QString());
    lblDescriptionCount->setText(QStringLiteral("%1 / %2").arg(page.Description.size()).arg(kDescriptionMaxLength));
    chkReadableLayout->setChecked(page.ReadableLayout);
    chkSiteMenu->setChecked(page.ShowSiteMenu);
    ShowIconChoices();
}

void TViewStage::ShowIconChoices() {
    const QSignalBlocker quiet(cmbPageIcon);
    const TPage& page = session_.Page;
    cmbPageIcon->clear();
    cmbPageIcon->addItem(tr("The title's first letter"), QString());
    // The page's own pictures, each once, and the chosen icon among them.
    QStringList pictures;
    for (const auto& chunk : page.WebChunks)
        if (chunk && chunk->Kind == bkImage && chunk->Image && !chunk->Image->FileName.trimmed().isEmpty())
            pictures << chunk->Image->FileName;
    if (!page.IconFile.isEmpty()) pictures << page.IconFile;
    for (const QString& file : pictures)
        if (cmbPageIcon->findData(file) < 0) cmbPageIcon->addItem(ShownPictureReference(file), file);
    cmbPageIcon->addItem(tr("Another picture..."), kOtherIconItem);
    cmbPageIcon->setCurrentIndex(qMax(0, cmbPageIcon->findData(page.IconFile)));
    QPixmap shown;
    const QString path = page.IconFile.isEmpty() ? QString() : PicturePathInFolder(HTMLDir(), page.IconFile);
    if (!path.isEmpty()) shown = QPixmap::fromImage(LoadImage(path));
    imgPageIcon->setPixmap(shown.isNull() ? QPixmap() : shown.scaled(imgPageIcon->size(), Qt::KeepAspectRatio,
                                                                    Qt::SmoothTransformation));
}

void TViewStage::cmbPageIconChange(int index) {
    QString icon = cmbPageIcon->itemData(index).toString();
    if (icon == kOtherIconItem) {
        icon = session_.Page.IconFile;
        const QString graphics = JoinPath(HTMLDir(), QStringLiteral("graphics"));
        TFileRequest request;
        request.caption = tr("Choose the page's icon");
        request.filters = PictureDialogFilters();
        request.folder = graphics;
        const QString chosen = Dialogs().OpenFile(&w_, request);
        // The picture is copied among the page's pictures, so it is sent
        // with the page and the page names it inside its own folders.
        const QString name = QFileInfo(chosen).fileName().remove(QLatin1Char(' ')).toLower();
        const std::optional<TImportedPicture> picture =
            chosen.isEmpty() ? std::nullopt : ImportChosenPicture(&w_, chosen, graphics, name);
        if (picture) icon = StoredPictureReference(QStringLiteral("graphics/") + picture->name, QString());
    }
    ApplyPageOptions(icon);
}

void TViewStage::PageOptionEdited() { ApplyPageOptions(session_.Page.IconFile); }

void TViewStage::ApplyPageOptions(const QString& icon) {
    if (session_.Page.FillingPanel) return;
    const QString language = cmbPageLanguage->currentData().toString();
    // The first option changed on a page written before turns on the
    // readable layout with it, as a new page has it.
    const bool readable = session_.Page.Standards() || sender() == chkReadableLayout ? chkReadableLayout->isChecked() : true;
    const bool changed = !session_.Page.Standards() || language != session_.Page.Language ||
                         txtPageDescription->text() != session_.Page.Description ||
                         readable != session_.Page.ReadableLayout || icon != session_.Page.IconFile;
    session_.SetPageOptions(language, txtPageDescription->text(), readable, icon);
    if (changed) session_.Page.PageChanged = true;
    ShowPageOptions();
    if (changed && w_.CurrentStage() == TStageHost::stView && !HTMLText().isEmpty()) ShowRover();
}

void TViewStage::LoadStyles() { LoadStyleList(StylesDataPath(), StyleList); }

void TViewStage::ShowStyles() {
    // The shipped styles show their names in the user's language; each row
    // keeps the stored name, which the document records.
    lstStyles->clear();
    auto add = [this](const QString& name) {
        auto* item = new QListWidgetItem(ShownStyleName(name), lstStyles);
        item->setData(Qt::UserRole, name);
    };
    add(kNoStyleName);
    for (const auto& s : StyleList) add(s->StyleName);
}

QString TViewStage::SelectedStyleName() const {
    const QListWidgetItem* item = lstStyles->currentItem();
    return item ? item->data(Qt::UserRole).toString() : kNoStyleName;
}

void TViewStage::SelectStyleByName(const QString& wanted) {
    // A copy: `wanted` may be the session's StyleName, which selecting row 0
    // sets to "[None]" before the wanted row is found.
    const QString name = wanted;
    lstStyles->setCurrentRow(0);
    const int index = StyleListBoxIndex(StyleList, name);
    if (index >= 0) lstStyles->setCurrentRow(index);
}

void TViewStage::AddBodyDef() {
    const int row = lstStyles->currentRow();
    // No text: the blocks are the page (the Choose and Build stages), and
    // the chosen style goes in when the page is made from them.
    if (row < 0 || HTMLText().isEmpty()) return;
    const TStyleChunk* style = row == 0 || row > int(StyleList.size()) ? nullptr : StyleList[size_t(row - 1)].get();
    SetHTMLText(::AddBodyDef(HTMLText(), style));
    if (!RoverBusy) ShowRover();
}

void TViewStage::lstStylesClick() {
    if (session_.Page.LoadingDocument || session_.Page.FillingPanel) return;
    lstStyles->setEnabled(false);
    AddBodyDef();
    session_.Page.PageChanged = true;
    lstStyles->setEnabled(true);
    lstStyles->setFocus();
}

void TViewStage::btnEditStyleClick() {
    if (!lstStyles->currentItem()) lstStyles->setCurrentRow(0);
    const QString remembered = SelectedStyleName();
    if (RunStyleWizard) RunStyleWizard();
    LoadStyles();
    ShowStyles();
    const int index = StyleListBoxIndex(StyleList, remembered);
    lstStyles->setCurrentRow(index >= 0 ? index : 0);
    AddBodyDef();
}

bool TViewStage::WithLogo() const { return chkLogo && chkLogo->isChecked(); }

// ---- what the preview's viewer asks ------------------------------------------
// Links, pictures and forms of the previewed page behave as the viewer
// handles them by itself; the preview keeps no history.

void TViewStage::HotSpotCovered(const QString&) {}
bool TViewStage::HotSpotClicked(const QString&) { return false; }
bool TViewStage::PictureWanted(const QString&, QImage&, QColor&) { return false; }
void TViewStage::FormSubmitted(const QString&, const QString&, const QStringList&) {}
void TViewStage::HistoryChanged() {}
void TViewStage::ProcessingChanged(bool) {}

void TViewStage::MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
    emit previewMouseReleased(button);
}

void TViewStage::LayoutFailed(const QString& message) {
    // Told after the layout (which may run inside a resize) is done, and
    // once for a refresh, which loads the viewer twice.
    if (std::exchange(layoutFailureTold_, true))
        return;
    QTimer::singleShot(0, this, [this, message] {
        layoutFailureTold_ = false;
        Dialogs().Tell(&w_, QCoreApplication::translate("THTMLViewer", "Error"), message, TMsgIcon::Critical);
    });
}
