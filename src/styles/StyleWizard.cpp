#include "styles/StyleWizard.h"

#include "app/AppPaths.h"
#include "app/HelpCalls.h"
#include "app/Resources.h"
#include "app/ShippedNames.h"
#include "app/UserDialogs.h"
#include "app/Utils.h"
#include "model/PictureQuestion.h"
#include "viewer/HtmlViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int kStyleWizardHelpContext = 31;

QColor ToQColor(quint32 c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
quint32 FromQColor(const QColor& c) { return quint32(c.red()) | quint32(c.green()) << 8 | quint32(c.blue()) << 16; }

// Sets a flag for as long as the program fills controls itself.
struct TFlagGuard {
    bool& flag;
    bool old;
    explicit TFlagGuard(bool& f) : flag(f), old(f) { flag = true; }
    ~TFlagGuard() { flag = old; }
};

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& r, bool wrap = true) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(r);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QLabel* AddWizardPicture(QWidget* page, const char* name) {
    auto* img = new QLabel(page);
    img->setObjectName(QLatin1String(name));
    img->setGeometry(8, 8, 130, 250);
    img->setPixmap(ResourceBitmap(QStringLiteral("Wizard_Style")));
    return img;
}

QToolButton* AddGlyphButton(QWidget* parent, const char* name, const QString& glyph, const QRect& r) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(r);
    const QPixmap picture = ResourceBitmap(glyph);
    b->setIcon(QIcon(picture));
    if (!picture.isNull()) b->setIconSize(picture.size());
    b->setAutoRaise(false);
    return b;
}

}  // namespace

// ---------------------------------------------------------------------------

TColorPanel::TColorPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    SetColor(0);
}

void TColorPanel::SetColor(quint32 color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(color));
    setPalette(p);
    update();
}

void TColorPanel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
    QFrame::mouseReleaseEvent(e);
}

void TColorPanel::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(e);
}

// ---------------------------------------------------------------------------

QString StyleSampleHTML(const TStyleChunk& style, const QString& image) {
    auto quoted = [](quint32 c) { return QLatin1Char('"') + ColorToHTML(c) + QLatin1Char('"'); };
    QString body = QStringLiteral("<BODY");
    // The picture's name comes from a style file: quoted so that it stays
    // one attribute whatever it holds.
    if (!image.isEmpty()) body += QStringLiteral(" BACKGROUND=\"") + image.toHtmlEscaped() + QLatin1Char('"');
    body += QStringLiteral(" BGCOLOR=") + quoted(style.BackColor) + QStringLiteral(" TEXT=") +
            quoted(style.TextColor) + QStringLiteral(" LINK=") + quoted(style.LinkColor) +
            QStringLiteral(" ALINK=") + quoted(style.ALinkColor) + QStringLiteral(" VLINK=") +
            quoted(style.VLinkColor) + QLatin1Char('>');
    auto font = [&](const char* lead, quint32 c, const char* text) {
        return QLatin1String(lead) + QStringLiteral("<FONT COLOR=") + quoted(c) + QStringLiteral("> ") +
               QCoreApplication::translate("TfrmStyleWiz", text).toHtmlEscaped() + QStringLiteral(" </FONT>");
    };
    const QStringList lines = {
        QStringLiteral("<HTML>"),
        body,
        QStringLiteral("<CENTER><BOLD>"),
        font("<P><BR><BR><BR>", style.TextColor, QT_TRANSLATE_NOOP("TfrmStyleWiz", "Document Text")),
        font("<P> ", style.LinkColor, QT_TRANSLATE_NOOP("TfrmStyleWiz", "Standard Link")),
        font("<P> ", style.ALinkColor, QT_TRANSLATE_NOOP("TfrmStyleWiz", "Active Link")),
        font("<P> ", style.VLinkColor, QT_TRANSLATE_NOOP("TfrmStyleWiz", "Visited Link")),
        QStringLiteral("</CENTER></BOLD>"),
        QStringLiteral("</BODY>"),
        QStringLiteral("</HTML>"),
    };
    return lines.join(CRLF);
}

// ---------------------------------------------------------------------------

TfrmStyleWiz::TfrmStyleWiz(const TStyleList& styles, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmStyleWiz"));
    setWindowTitle(tr("Tarvo Style Wizard"));
    setFixedSize(500, 318);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    setFont(f);

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 500, 268);
    CreatePage1();
    CreatePage2();
    CreatePage3();
    CreateButtons();

    StartNewStyle();
    ClearStyle();
    WizardMode = wmAdd;
    PageControl1->setCurrentWidget(tab1);
    UpdateButtons();
    // Every style is listed, a nameless one too: styles are kept by their
    // place in the file, and names need not be unique.
    EditList.SetSaver([this](const TStyleList& list) -> TSaveOutcome {
        QString error;
        // The old file is still there after a failure.
        if (!WriteStylesToFile(StylesDataPath(), list, &error))
            return TSaveOutcome::Failed(tr("Your Style List could not be saved.\n%1").arg(error));
        return {};
    });
    connect(&EditList, &TListEditCore::ItemsChanged, this, &TfrmStyleWiz::LoadStyleRows);
    connect(&EditList, &TListEditCore::ItemChanged, this, [this](int index) {
        if (QListWidgetItem* item = lstStyles->item(index)) item->setText(ShownStyleName(EditList.At(index)->StyleName));
    });
    connect(&EditList, &TListEditCore::CurrentChanged, this, [this] {
        ShowCurrentRow();
        lstStylesClick();
    });
    EditList.SetItems(CopyStyleList(styles));
    WireControls();
}

void TfrmStyleWiz::WireControls() {
    connect(txtStyleName, &QLineEdit::textChanged, this, &TfrmStyleWiz::txtStyleNameChange);
    connect(txtImgFilename, &QLineEdit::textChanged, this, &TfrmStyleWiz::txtImgFilenameChange);
    connect(spdImgFile, &QToolButton::clicked, this, &TfrmStyleWiz::spdImgFileClick);
    connect(btnClearImage, &QPushButton::clicked, this, &TfrmStyleWiz::btnClearImageClick);
    // A click or a key that moves the selection both pick the style.
    connect(lstStyles, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!Filling) EditList.Select(row);
    });
    connect(spbUp, &QToolButton::clicked, this, &TfrmStyleWiz::spbUpClick);
    connect(spbDown, &QToolButton::clicked, this, &TfrmStyleWiz::spbDownClick);
    connect(butDelete, &QPushButton::clicked, this, &TfrmStyleWiz::butDeleteClick);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStyleWiz::btnNextClick);
    connect(btnBack, &QPushButton::clicked, this, &TfrmStyleWiz::btnBackClick);
    connect(btnFinish, &QPushButton::clicked, this, &TfrmStyleWiz::btnFinishClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { ShowHelp(this, THelpCall::Context, kStyleWizardHelpContext); });
    connect(radAdd, &QRadioButton::toggled, this, [this](bool on) { if (on) WizardMode = wmAdd; });
    connect(radModify, &QRadioButton::toggled, this, [this](bool on) { if (on) WizardMode = wmModify; });
    connect(radDelete, &QRadioButton::toggled, this, [this](bool on) { if (on) WizardMode = wmDelete; });
}

TfrmStyleWiz::~TfrmStyleWiz() = default;

void TfrmStyleWiz::CreatePage1() {
    tab1 = new QWidget;
    tab1->setObjectName(QStringLiteral("tab1"));
    PageControl1->addWidget(tab1);
    imgWizard1 = AddWizardPicture(tab1, "imgWizard1");
    QLabel* head = AddLabel(tab1, "lblWelcome",
                            tr("This Wizard helps you to create your own Styles to use with your Tarvo Web Pages"),
                            QRect(152, 10, 336, 40));
    QFont bold = head->font();
    bold.setBold(true);
    bold.setPixelSize(14);
    head->setFont(bold);
    AddLabel(tab1, "lblHowTo",
             tr("To create a Tarvo Style, you need to choose a combination of background image and text "
                            "colours. Or you might just choose the colours to use without a background image."),
             QRect(152, 58, 336, 48));
    AddLabel(tab1, "lblHelpHint",
             tr("You can press the HELP button at any time if you aren't sure of anything."),
             QRect(152, 112, 336, 32));
    AddLabel(tab1, "lblClickNext", tr("To add a style to your list, click  NEXT."), QRect(152, 150, 336, 18));
    radAdd = new QRadioButton(tr("Add new Style to the Style list."), tab1);
    radAdd->setObjectName(QStringLiteral("radAdd"));
    radAdd->setGeometry(164, 184, 320, 22);
    radAdd->setChecked(true);
    radModify = new QRadioButton(tr("Modify a Style."), tab1);
    radModify->setObjectName(QStringLiteral("radModify"));
    radModify->setGeometry(164, 208, 320, 22);
    radDelete = new QRadioButton(tr("Delete a Style from the Style list."), tab1);
    radDelete->setObjectName(QStringLiteral("radDelete"));
    radDelete->setGeometry(164, 232, 320, 22);
}

TColorPanel* TfrmStyleWiz::AddColorPanel(QWidget* parent, const char* name, const QString& label, int x, int y,
                                         quint32 TStyleChunk::*field) {
    auto* pnl = new TColorPanel(parent);
    pnl->setObjectName(QLatin1String(name));
    pnl->setGeometry(x, y, 30, 22);
    QLabel* l = AddLabel(parent, QStringLiteral("lbl") + QLatin1String(name + 3), label, QRect(x + 36, y + 3, 120, 18), false);
    l->setBuddy(pnl);
    connect(pnl, &TColorPanel::clicked, this, [this, pnl, field] {
        const std::optional<QColor> chosen = Dialogs().PickColor(this, ToQColor(EditStyle->*field));
        if (!chosen || !chosen->isValid()) return;
        EditStyle->*field = FromQColor(*chosen);
        pnl->SetColor(EditStyle->*field);
        EditList.MarkDirty();
        RefreshHTML();
    });
    return pnl;
}

void TfrmStyleWiz::CreatePage2() {
    tab2 = new QWidget;
    tab2->setObjectName(QStringLiteral("tab2"));
    PageControl1->addWidget(tab2);

    ctlHTML = new THTMLViewer(tab2);
    ctlHTML->setObjectName(QStringLiteral("ctlHTML"));
    ctlHTML->setGeometry(8, 8, 125, 225);
    ctlHTML->setScrollBars(ssNone);
    ctlHTML->setNoSelect(true);
    ctlHTML->setDefFontName(QStringLiteral("Arial"));
    ctlHTML->setDefFontSize(11);
    ctlHTML->setDefBackground(ToQColor(0xC0C0C0));
    ctlHTML->setHistoryMaxCount(0);
    ctlHTML->setViewImages(true);
    ctlHTML->setBorderStyle(htSingle);
    ctlHTML->setFocusPolicy(Qt::NoFocus);

    QLabel* lblName = AddLabel(tab2, "lblStyleName",
                               tr("Enter a description for your Style e.g. My Groovy Style"),
                               QRect(145, 8, 347, 18), false);
    txtStyleName = new QLineEdit(tab2);
    txtStyleName->setObjectName(QStringLiteral("txtStyleName"));
    txtStyleName->setGeometry(145, 27, 347, 22);
    lblName->setBuddy(txtStyleName);

    grpBackground = new QGroupBox(tr("Background Properties"), tab2);
    grpBackground->setObjectName(QStringLiteral("grpBackground"));
    grpBackground->setGeometry(145, 56, 347, 102);
    AddLabel(grpBackground, "lblChooseImage", tr("Choose a background image for your style."),
             QRect(10, 20, 327, 18), false);
    txtImgFilename = new QLineEdit(grpBackground);
    txtImgFilename->setObjectName(QStringLiteral("txtImgFilename"));
    txtImgFilename->setGeometry(10, 40, 297, 22);
    txtImgFilename->setReadOnly(true);
    spdImgFile = AddGlyphButton(grpBackground, "spdImgFile", QStringLiteral("Glyph_Browse"), QRect(311, 39, 26, 24));
    pnlBack = AddColorPanel(grpBackground, "pnlBack", tr("Background Colour"), 10, 70,
                            &TStyleChunk::BackColor);
    btnClearImage = new QPushButton(tr("Clear Image"), grpBackground);
    btnClearImage->setObjectName(QStringLiteral("btnClearImage"));
    btnClearImage->setGeometry(249, 68, 88, 26);
    lblImgInfo = AddLabel(grpBackground, "lblImgInfo", QString(), QRect(146, 66, 100, 30), false);
    QFont small = lblImgInfo->font();
    small.setPixelSize(10);
    lblImgInfo->setFont(small);

    grpColours = new QGroupBox(tr("Text/Link Colours"), tab2);
    grpColours->setObjectName(QStringLiteral("grpColours"));
    grpColours->setGeometry(145, 164, 347, 80);
    pnlDoc = AddColorPanel(grpColours, "pnlDoc", tr("Document Text"), 10, 22, &TStyleChunk::TextColor);
    pnlStandard = AddColorPanel(grpColours, "pnlStandard", tr("Standard Link"), 176, 22,
                                &TStyleChunk::LinkColor);
    pnlActive = AddColorPanel(grpColours, "pnlActive", tr("Active Link"), 10, 50, &TStyleChunk::ALinkColor);
    pnlVisited = AddColorPanel(grpColours, "pnlVisited", tr("Visited Link"), 176, 50,
                               &TStyleChunk::VLinkColor);
}

void TfrmStyleWiz::CreatePage3() {
    tab3 = new QWidget;
    tab3->setObjectName(QStringLiteral("tab3"));
    PageControl1->addWidget(tab3);
    imgWizard3 = AddWizardPicture(tab3, "imgWizard3");
    AddLabel(tab3, "lblListHint",
             tr("To delete or move a style in the list below, select  the list and then click on the "
                            "DELETE button, or one of the arrows. The order of the styles in the list below will be "
                            "the same in the 'Styles' Section of your Tarvo preview page."),
             QRect(152, 8, 336, 64));
    lstStyles = new QListWidget(tab3);
    lstStyles->setObjectName(QStringLiteral("lstStyles"));
    lstStyles->setGeometry(152, 76, 262, 150);
    spbUp = AddGlyphButton(tab3, "spbUp", QStringLiteral("Glyph_Up"), QRect(435, 88, 32, 32));
    butDelete = new QPushButton(tr("&Delete"), tab3);
    butDelete->setObjectName(QStringLiteral("butDelete"));
    butDelete->setGeometry(422, 137, 58, 27);
    spbDown = AddGlyphButton(tab3, "spbDown", QStringLiteral("Glyph_Down"), QRect(435, 181, 32, 32));
    lblModify = AddLabel(tab3, "lblModify", tr("To modify the details of the Style, select a Style, and click NEXT"),
                         QRect(152, 234, 336, 30));
    lblDelete = AddLabel(tab3, "lblDelete", tr("Click FINISH to return to Tarvo."), QRect(152, 234, 336, 30));
}

void TfrmStyleWiz::CreateButtons() {
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("bvlButtons"));
    rule->setGeometry(8, 270, 484, 2);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto button = [this](const char* name, const QString& text, int x) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 280, 76, 27);
        b->setAutoDefault(false);
        return b;
    };
    btnHelp = button("btnHelp", tr("&Help"), 8);
    btnBack = button("btnBack", tr("&<< Back"), 248);
    btnNext = button("btnNext", tr("Next >&>"), 328);
    btnFinish = button("btnFinish", tr("&Finish"), 328);
    btnCancel = button("btnCancel", tr("&Cancel"), 416);
}

// ---------------------------------------------------------------------------

void TfrmStyleWiz::SetDefaultColors(TStyleChunk& style) {
    style.BackColor = 0xC0C0C0;   // silver
    style.TextColor = 0x000000;   // black
    style.LinkColor = 0xFF0000;   // blue
    style.ALinkColor = 0x0000FF;  // red
    style.VLinkColor = 0xFF00FF;  // fuchsia
}

void TfrmStyleWiz::StartNewStyle() {
    NewStyle = std::make_unique<TStyleChunk>(BlankStyle);
    EditStyle = NewStyle.get();
}

void TfrmStyleWiz::ClearStyle() {
    TFlagGuard g(Filling);
    StoredNameShown.clear();
    txtStyleName->clear();
    txtImgFilename->clear();
    lblImgInfo->clear();
    SetDefaultColors(*EditStyle);
    pnlBack->SetColor(EditStyle->BackColor);
    pnlDoc->SetColor(EditStyle->TextColor);
    pnlStandard->SetColor(EditStyle->LinkColor);
    pnlActive->SetColor(EditStyle->ALinkColor);
    pnlVisited->SetColor(EditStyle->VLinkColor);
}

void TfrmStyleWiz::ShowMyDetails() {
    TFlagGuard g(Filling);
    StoredNameShown = EditStyle->StyleName;
    txtStyleName->setText(ShownStyleName(StoredNameShown));
    txtImgFilename->setText(EditStyle->BackImage);
    lblImgInfo->clear();
    pnlBack->SetColor(EditStyle->BackColor);
    pnlDoc->SetColor(EditStyle->TextColor);
    pnlStandard->SetColor(EditStyle->LinkColor);
    pnlActive->SetColor(EditStyle->ALinkColor);
    pnlVisited->SetColor(EditStyle->VLinkColor);
}

QString TfrmStyleWiz::CreateHTML() const { return StyleSampleHTML(*EditStyle, txtImgFilename->text()); }

void TfrmStyleWiz::RefreshHTML() {
    // Given the HTML folder, the viewer finds the background picture under
    // its stored relative name; no file is written and the process's
    // current folder stays as it is.
    ctlHTML->LoadStrings(CreateHTML().split(CRLF), HTMLDir());
}

// ---------------------------------------------------------------------------

void TfrmStyleWiz::txtStyleNameChange(const QString& text) {
    if (Filling) return;
    EditStyle->StyleName = text == ShownStyleName(StoredNameShown) ? StoredNameShown : text;
    // A renamed record of the list shows its new name there too.
    const int index = EditList.IndexOf(EditStyle);
    if (index >= 0) EditList.ItemEdited(index);
    else EditList.MarkDirty();
}

void TfrmStyleWiz::txtImgFilenameChange(const QString& text) {
    if (Filling) return;
    EditStyle->BackImage = text;
    EditList.MarkDirty();
}

void TfrmStyleWiz::spdImgFileClick() {
    const QString folder = JoinPath(HTMLDir(), QStringLiteral("backgrnd"));
    TFileRequest request;
    request.caption = tr("Open");
    request.filters = PictureDialogFilters();
    request.folder = folder;
    const QString chosen = Dialogs().OpenFile(this, request);
    if (chosen.isEmpty()) return;
    // A picture already in the folder is used where it lies (its bytes are
    // those of the file of its name); another one never replaces a file.
    const std::optional<TImportedPicture> picture =
        ImportChosenPicture(this, chosen, folder, QFileInfo(chosen).fileName());
    if (!picture) return;
    txtImgFilename->setText(QStringLiteral("backgrnd\\") + picture->name);
    // Two short lines: the size in pixels, then in bytes (and before).
    QString info = DescribePicture(picture->size, picture->bytes).replace(QStringLiteral(", "), QStringLiteral("\n"));
    if (picture->webSized || picture->converted) info += tr(", was ") + DescribeBytes(picture->originalBytes);
    lblImgInfo->setText(info);
    RefreshHTML();
}

void TfrmStyleWiz::btnClearImageClick() {
    txtImgFilename->clear();
    lblImgInfo->clear();
    RefreshHTML();
}

void TfrmStyleWiz::LoadStyleRows() {
    {
        TFlagGuard g(Filling);
        lstStyles->clear();
        for (const auto& s : EditList.Items()) lstStyles->addItem(ShownStyleName(s->StyleName));
    }
    ShowCurrentRow();
}

// Chooses the row of EditList's current style (by its place: names need
// not be unique), or none.
void TfrmStyleWiz::ShowCurrentRow() {
    TFlagGuard g(Filling);
    lstStyles->setCurrentRow(EditList.Current());
}

void TfrmStyleWiz::lstStylesClick() {
    TStyleChunk* chosen = EditList.CurrentItem();
    // The style shown already (moved, or just added) keeps its edits as
    // they are.
    if (!chosen || chosen == EditStyle) return;
    EditStyle = chosen;
    ShowMyDetails();
}

void TfrmStyleWiz::spbUpClick() { EditList.MoveUp(); }
void TfrmStyleWiz::spbDownClick() { EditList.MoveDown(); }

void TfrmStyleWiz::butDeleteClick() {
    if (!EditList.CurrentItem()) return;
    // The details let go of the style before it goes; the next one, if
    // any, is chosen and shown.
    StartNewDetails();
    EditList.RemoveCurrent();
}

// ---------------------------------------------------------------------------

// Which page follows which. Add: start, details. Modify: start, list,
// the chosen style's details. Delete: start, list. Unlike the server
// wizard, whose Next waits disabled for a choice, Next on the list page
// says what is missing: each wizard keeps the way its users know.
std::span<const TWizardStep<TfrmStyleWiz>> TfrmStyleWiz::Steps() {
    using W = TfrmStyleWiz;
    using M = TWizardMove;
    static const TWizardStep<W> steps[] = {
        {pgStart, WizardModes({wmAdd}), M::Next, pgDetails, nullptr, &W::StartNewDetails},
        {pgStart, WizardModes({wmModify, wmDelete}), M::Next, pgList},
        {pgList, WizardModes({wmModify}), M::Next, pgDetails, &W::StyleChosen, &W::lstStylesClick},
        {pgDetails, WizardModes({wmModify}), M::Back, pgList},
        {pgDetails, WizardModes({wmAdd, wmDelete}), M::Back, pgStart},
        {pgList, kAnyWizardMode, M::Back, pgStart},
    };
    return steps;
}

// What each page shows: on the details page Finish takes Next's place;
// the list page to delete from offers Finish, and no way back.
std::span<const TWizardView<TfrmStyleWiz>> TfrmStyleWiz::Views() {
    using W = TfrmStyleWiz;
    static const TWizardView<W> views[] = {
        {pgStart, kAnyWizardMode, true, false, false},
        {pgDetails, WizardModes({wmAdd}), false, true, true, 0, &W::ArriveWithNewStyle},
        {pgDetails, WizardModes({wmModify, wmDelete}), false, true, true, 0, &W::RefreshHTML},
        {pgList, WizardModes({wmModify}), true, false, true, shModify},
        {pgList, WizardModes({wmDelete}), false, true, false, shDelete | shDeleteButton},
    };
    return views;
}

void TfrmStyleWiz::Move(TWizardMove move) {
    const TWizardStep<TfrmStyleWiz>* step = FindWizardStep(Steps(), PageControl1->currentIndex(), WizardMode, move);
    if (!step || (step->allowed && !(this->*step->allowed)())) return;
    if (step->before) (this->*step->before)();
    PageControl1->setCurrentIndex(step->to);
    UpdateButtons();
    if (const auto* view = FindWizardView(Views(), step->to, WizardMode); view && view->arrive) (this->*view->arrive)();
}

void TfrmStyleWiz::UpdateButtons() {
    const auto* view = FindWizardView(Views(), PageControl1->currentIndex(), WizardMode);
    if (!view) return;
    btnNext->setVisible(view->next);
    btnFinish->setVisible(view->finish);
    btnBack->setEnabled(view->back);
    lblModify->setVisible(view->shown & shModify);
    lblDelete->setVisible(view->shown & shDelete);
    butDelete->setVisible(view->shown & shDeleteButton);
}

void TfrmStyleWiz::btnNextClick() { Move(TWizardMove::Next); }
void TfrmStyleWiz::btnBackClick() { Move(TWizardMove::Back); }

// Next on the list page needs a style chosen; without one it says so.
bool TfrmStyleWiz::StyleChosen() {
    if (EditList.CurrentItem()) return true;
    Dialogs().Tell(this, QString(), tr("Please select a Style to edit before continuing."), TMsgIcon::Information);
    return false;
}

// A fresh record becomes the style of the details page, shown with a new
// style's empty edits and colours.
void TfrmStyleWiz::StartNewDetails() {
    StartNewStyle();
    ClearStyle();
}

void TfrmStyleWiz::ArriveWithNewStyle() {
    RefreshHTML();
    txtStyleName->setFocus();
}

bool TfrmStyleWiz::AskForSave() {
    const TFinishOutcome outcome = EditList.Finish([this] {
        const auto answer = Dialogs().Ask(this, tr("Style List Changed"),
                                          tr("Do you want to save the changes to your Style List?"), TMsgIcon::Question,
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        return answer == QMessageBox::Yes ? TListEditCore::TAnswer::Save
               : answer == QMessageBox::No ? TListEditCore::TAnswer::Discard
                                           : TListEditCore::TAnswer::Cancel;
    });
    // A failed save keeps the edits open so the user can try again or give up.
    if (!outcome.Message.isEmpty())
        Dialogs().Tell(this, tr("Style List Changed"), outcome.Message, TMsgIcon::Warning);
    return outcome.Close;
}

void TfrmStyleWiz::btnFinishClick() {
    if (WizardMode == wmAdd) {
        if (txtStyleName->text().isEmpty()) {
            Dialogs().Tell(this, QString(),
                           tr("Sorry. You must give this Style a name before you can add it to your Style "
                                          "List."),
                           TMsgIcon::Information);
            txtStyleName->setFocus();
            return;
        }
        // Appended once, however often Finish is pressed.
        if (NewStyle && EditStyle == NewStyle.get()) EditList.Add(std::move(NewStyle));
    }
    if (AskForSave()) accept();
}
