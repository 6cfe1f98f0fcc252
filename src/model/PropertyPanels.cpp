// The property panels: their controls and layout. Every panel is 281 x 273
// at 338, 20 of the Build stage, with its title picture at the top left, a
// short description, the fields, and the alignment buttons at the bottom.

#include "model/PropertyPanels.h"

#include "app/StageHost.h"
#include "model/WebBlocks.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/Utils.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

constexpr int kMargin = 8;
constexpr int kInner = TPropertyPanels::PanelWidth - 2 * kMargin;  // width of a full-width field
constexpr int kEditHeight = 20;
constexpr int kButtonTop = 240;

enum class Glyph { Left, Center, Right, NewLine, Folder };

// The small pictures on the buttons, drawn in the panel's own colours.
QIcon MakeGlyph(Glyph g) {
    QPixmap pm(17, 17);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, g == Glyph::NewLine || g == Glyph::Folder);
    const QColor ink(0, 0, 128);
    switch (g) {
        case Glyph::Left:
        case Glyph::Center:
        case Glyph::Right: {
            // Lines of text, long and short, set against one side or centred.
            const int widths[] = {15, 9, 15, 11, 15};
            for (int i = 0; i < 5; ++i) {
                const int w = widths[i];
                const int x = g == Glyph::Left ? 1 : g == Glyph::Right ? 16 - w : (17 - w) / 2;
                p.fillRect(x, 2 + i * 3, w, 2, ink);
            }
            break;
        }
        case Glyph::NewLine: {
            // A return arrow: down from the top right, then left.
            QPen pen(ink, 2);
            pen.setJoinStyle(Qt::MiterJoin);
            p.setPen(pen);
            p.drawPolyline(QPolygonF({QPointF(13, 2), QPointF(13, 11), QPointF(4, 11)}));
            QPainterPath head;
            head.moveTo(1, 11);
            head.lineTo(6, 6.5);
            head.lineTo(6, 15.5);
            head.closeSubpath();
            p.fillPath(head, ink);
            break;
        }
        case Glyph::Folder: {
            p.setPen(QPen(QColor(120, 90, 0), 1));
            p.setBrush(QColor(255, 214, 90));
            p.drawRect(QRectF(1.5, 5.5, 14, 9));
            p.drawRect(QRectF(1.5, 3.5, 6, 2));
            break;
        }
    }
    return QIcon(pm);
}

}  // namespace

TPropertyPanels::TPropertyPanels(TStageHost& window, TPage& page) : QObject(&window), w_(window), page_(page) {
    setObjectName(QStringLiteral("PropertyPanels"));
    CreateParaPanel();
    CreateLinkPanel();
    CreateImagePanel();
    CreateHeadingPanel();
    CreateEmailPanel();
    CreateLinePanel();
    pnlBlank = MakePanel("pnlBlank", 12);
    WireControls();
    ShowPanel(-1);
}

QFrame* TPropertyPanels::MakePanel(const char* name, int tag) {
    auto* panel = new QFrame(w_.StagePanel(TStageHost::stBuild));
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(PanelLeft, PanelTop, PanelWidth, PanelHeight);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    panel->setProperty("Tag", tag);
    panel->installEventFilter(this);
    panel->hide();
    return panel;
}

void TPropertyPanels::AddTitle(QWidget* panel, int kind, const char* name) {
    auto* title = new TPicture(panel, QLatin1String(name));
    title->setGeometry(kMargin, kMargin, 83, 16);
    title->setPixmap(ResourceBitmap(KindPictureName(kind) + QStringLiteral("_T")));
    title->Tag = panel->property("Tag").toInt();
    title->setProperty("Tag", title->Tag);
    title->installEventFilter(this);
    titles[size_t(kind)] = title;
}

QLabel* TPropertyPanels::AddLabel(QWidget* panel, const char* name, const QString& text, const QRect& geometry,
                                  int tag) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setWordWrap(geometry.height() > 16);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A label without a help context of its own explains its panel.
    label->setProperty("Tag", tag ? tag : panel->property("Tag").toInt());
    label->installEventFilter(this);
    return label;
}

QLineEdit* TPropertyPanels::AddEdit(QWidget* panel, const char* name, const QRect& geometry, int tag) {
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    edit->setProperty("Tag", tag);
    return edit;
}

TPropertyPanels::TButtonRow TPropertyPanels::AddButtonRow(QWidget* panel, const char* prefix, bool emailHints) {
    auto make = [&](const char* suffix, const QString& hint, Glyph glyph, const QRect& geometry, int tag) {
        auto* b = new QToolButton(panel);
        b->setObjectName(QLatin1String(prefix) + QLatin1String(suffix));
        b->setGeometry(geometry);
        b->setCheckable(true);
        b->setToolTip(hint);
        b->setIcon(MakeGlyph(glyph));
        b->setIconSize(QSize(17, 17));
        b->setFocusPolicy(Qt::NoFocus);
        b->setProperty("Tag", tag);
        b->installEventFilter(this);
        return b;
    };
    TButtonRow row;
    row.left = make("Left", emailHints ? QCoreApplication::translate("PropertyPanels", "Left Align") : QCoreApplication::translate("PropertyPanels", "Align Left"), Glyph::Left,
                    QRect(kMargin, kButtonTop, 25, 25), 92);
    row.center = make("Center", emailHints ? QCoreApplication::translate("PropertyPanels", "Center Align") : QCoreApplication::translate("PropertyPanels", "Align Center"),
                      Glyph::Center, QRect(kMargin + 25, kButtonTop, 25, 25), 94);
    row.right = make("Right", QCoreApplication::translate("PropertyPanels", "Align Right"), Glyph::Right, QRect(kMargin + 50, kButtonTop, 25, 25), 93);
    row.newLine = make("Return", QCoreApplication::translate("PropertyPanels", "Start new line for next block"), Glyph::NewLine,
                       QRect(kMargin + 90, kButtonTop, 24, 24), 95);
    return row;
}

void TPropertyPanels::AddExampleLine(QWidget* panel, const char* prefix, const QString& before, const QString& link,
                                     const QString& after, int top) {
    // "e.g." text, the blue link text and the text after it, side by side.
    const QFontMetrics fm(panel->font());
    int x = kMargin;
    const QString names[3] = {QLatin1String(prefix) + QStringLiteral("EG1"), QLatin1String(prefix) + QStringLiteral("EG2"),
                              QLatin1String(prefix) + QStringLiteral("EG3")};
    const QString texts[3] = {before, link, after};
    for (int i = 0; i < 3; ++i) {
        QLabel* l = AddLabel(panel, "", texts[i], QRect(x, top, fm.horizontalAdvance(texts[i]) + 2, 14));
        l->setObjectName(names[i]);
        if (i == 1) {
            QFont f(QStringLiteral("MS Sans Serif"));
            f.setPixelSize(11);
            f.setUnderline(true);
            l->setFont(f);
            l->setStyleSheet(QStringLiteral("color: blue"));
            l->resize(QFontMetrics(f).horizontalAdvance(texts[i]) + 2, 14);
        }
        x += l->width() + 3;
    }
}

void TPropertyPanels::CreateParaPanel() {
    QFrame* p = pnlPara = MakePanel("pnlPara", 12);
    AddTitle(p, bkPara, "imgParagraphT");
    AddLabel(p, "Label2", QCoreApplication::translate("PropertyPanels", "A paragraph will appear as a block of text."), QRect(8, 30, kInner, 14));
    AddLabel(p, "lblParaDesc",
             QCoreApplication::translate("PropertyPanels", "You can align this block of text to the left, center or right of the page. Type your "
                            "text in the field below; you can use simple HTML tags here."),
             QRect(8, 46, kInner, 48));
    AddLabel(p, "lblParaPara", QCoreApplication::translate("PropertyPanels", "Type your paragraph text here:"), QRect(8, 96, kInner, 14), 50);
    txtParagraph = new QPlainTextEdit(p);
    txtParagraph->setObjectName(QStringLiteral("txtParagraph"));
    txtParagraph->setGeometry(13, 112, 254, 119);
    // Long lines wrap at the box's width (only on screen: the paragraph
    // keeps the line breaks the user typed).
    txtParagraph->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtParagraph->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtParagraph->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtParagraph->setProperty("Tag", 50);
    paraButtons = AddButtonRow(p, "spdPara", false);
}

void TPropertyPanels::CreateLinkPanel() {
    QFrame* p = pnlLink = MakePanel("pnlLink", 13);
    AddTitle(p, bkLink, "imgLinkT");
    AddLabel(p, "lblLInkDesc",
             QCoreApplication::translate("PropertyPanels", "When readers of your page click on this link, it takes them to any web site whose URL "
                            "you enter."),
             QRect(8, 30, kInner, 28));
    AddLabel(p, "lblLinkURL", QCoreApplication::translate("PropertyPanels", " What is the URL of the page you wish to link to?"), QRect(8, 62, kInner, 14), 53);
    txtLinkURL = AddEdit(p, "txtLinkURL", QRect(8, 77, 150, kEditHeight), 53);
    cmbLinkPages = new QComboBox(p);
    cmbLinkPages->setObjectName(QStringLiteral("cmbLinkPages"));
    cmbLinkPages->setGeometry(8 + 150 + 4, 76, kInner - 150 - 4, kEditHeight + 2);
    cmbLinkPages->setToolTip(tr("Link to one of your saved pages"));
    cmbLinkPages->setProperty("Tag", 53);
    AddLabel(p, "lblLinkPre", QCoreApplication::translate("PropertyPanels", "Any text to display before the link?"), QRect(8, 100, kInner, 14), 52);
    txtLinkPre = AddEdit(p, "txtLinkPre", QRect(8, 115, kInner, kEditHeight), 52);
    AddLabel(p, "lblLinkLink", QCoreApplication::translate("PropertyPanels", " What is the text to click on?"), QRect(8, 138, kInner, 14), 54);
    txtLinkLink = AddEdit(p, "txtLinkLink", QRect(8, 153, kInner, kEditHeight), 54);
    AddLabel(p, "lblLinkPost", QCoreApplication::translate("PropertyPanels", "Any other text to follow this link?"), QRect(8, 176, kInner, 14), 55);
    txtLinkPost = AddEdit(p, "txtLinkPost", QRect(8, 191, kInner, kEditHeight), 55);
    AddExampleLine(p, "lblLink", QCoreApplication::translate("PropertyPanels", "e.g. Text before link"), QStringLiteral("www.mypage.com"),
                   QCoreApplication::translate("PropertyPanels", "text after link."), 218);
    linkButtons = AddButtonRow(p, "spdLink", false);
}

void TPropertyPanels::CreateImagePanel() {
    QFrame* p = pnlImage = MakePanel("pnlImage", 14);
    AddTitle(p, bkImage, "imgImageT");
    AddLabel(p, "Label6", QCoreApplication::translate("PropertyPanels", "Add an image to your page.  Images help to liven up a Web Page."),
             QRect(8, 30, kInner, 28));
    AddLabel(p, "lblImgFilename", QCoreApplication::translate("PropertyPanels", "Enter the location of your image file :"), QRect(8, 60, kInner, 14), 56);
    txtImgFileName = AddEdit(p, "txtImgFileName", QRect(8, 75, 235, kEditHeight), 56);
    spdImgFile = new QToolButton(p);
    spdImgFile->setObjectName(QStringLiteral("spdImgFile"));
    spdImgFile->setGeometry(8 + 235 + 2, 74, 21, 21);
    spdImgFile->setIcon(MakeGlyph(Glyph::Folder));
    spdImgFile->setIconSize(QSize(17, 17));
    spdImgFile->setFocusPolicy(Qt::NoFocus);
    spdImgFile->setToolTip(QCoreApplication::translate("PropertyPanels", "Choose an image file"));
    spdImgFile->setProperty("Tag", 56);
    spdImgFile->installEventFilter(this);
    QLabel* height = AddLabel(p, "lblImgHeight", QCoreApplication::translate("PropertyPanels", "Height :"), QRect(8, 103, 44, 14), 57);
    txtImgHeight = AddEdit(p, "txtImgHeight", QRect(54, 100, 60, kEditHeight), 57);
    FitLabelBeforeField(height, txtImgHeight);
    QLabel* width = AddLabel(p, "lblImgWidth", QCoreApplication::translate("PropertyPanels", " Width :"), QRect(132, 103, 44, 14), 57);
    txtImgWidth = AddEdit(p, "txtImgWidth", QRect(178, 100, 60, kEditHeight), 57);
    FitLabelBeforeField(width, txtImgWidth);
    AddLabel(p, "lblImgAlt", QCoreApplication::translate("PropertyPanels", "Text description of the image :"), QRect(8, 126, 190, 14), 59);
    // The description leaves room for the decoration mark beside it.
    constexpr int kDecorationWidth = 112;
    txtImgDesc = AddEdit(p, "txtImgDesc", QRect(8, 141, kInner - kDecorationWidth - 4, kEditHeight), 59);
    txtImgDesc->setPlaceholderText(QCoreApplication::translate("PropertyPanels", "What the picture shows"));
    lblImgAltWarn = AddLabel(p, "lblImgAltWarn", QCoreApplication::translate("PropertyPanels", "\u26A0 Needed"), QRect(200, 126, 73, 14), 59);
    lblImgAltWarn->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblImgAltWarn->setStyleSheet(QStringLiteral("color: #B00000"));
    lblImgAltWarn->setToolTip(QCoreApplication::translate("PropertyPanels", "Screen readers read this description to people who cannot see the "
                                             "picture, and browsers show it when the picture does not load."));
    chkImgDecoration = new QCheckBox(QCoreApplication::translate("PropertyPanels", "Decoration only"), p);
    chkImgDecoration->setObjectName(QStringLiteral("chkImgDecoration"));
    chkImgDecoration->setGeometry(8 + kInner - kDecorationWidth, 141, kDecorationWidth, kEditHeight);
    chkImgDecoration->setToolTip(QCoreApplication::translate("PropertyPanels", "The picture only decorates the page (a border, a "
                                                "flourish): screen readers pass over it, and it needs no description."));
    chkImgDecoration->setProperty("Tag", 59);
    chkImgDecoration->installEventFilter(this);
    AddLabel(p, "Label5",
             QCoreApplication::translate("PropertyPanels", "You can make this image a link to another Web Page. Just type in the URL below."),
             QRect(8, 166, kInner, 28));
    AddLabel(p, "Label4", QCoreApplication::translate("PropertyPanels", " What is the URL of the page you wish to link to?"), QRect(8, 196, kInner, 14), 53);
    txtImgLink = AddEdit(p, "txtImgLink", QRect(8, 211, kInner, kEditHeight), 53);
    imageButtons = AddButtonRow(p, "spdImage", false);
    lblImgInfo = AddLabel(p, "lblImgInfo", QString(), QRect(128, kButtonTop - 2, kInner - 120, 30));
    QFont small = lblImgInfo->font();
    small.setPixelSize(10);
    lblImgInfo->setFont(small);
}

void TPropertyPanels::CreateHeadingPanel() {
    QFrame* p = pnlHeading = MakePanel("pnlHeading", 15);
    AddTitle(p, bkHeading, "imgHeadingT");
    AddLabel(p, "lblHeadDesc", QCoreApplication::translate("PropertyPanels", "The heading is the title for your page or a section of the page."),
             QRect(8, 30, kInner, 28));
    AddLabel(p, "Label1",
             QCoreApplication::translate("PropertyPanels", "People often use H1 (the biggest size) headings at the start, then smaller ones for the "
                            "rest.  But you can use different sizes for any effects you want, anywhere you want."),
             QRect(8, 62, kInner, 56));
    AddLabel(p, "lblHeadHeading", QCoreApplication::translate("PropertyPanels", "Heading text:"), QRect(8, 126, kInner, 14), 45);
    txtHeading = AddEdit(p, "txtHeading", QRect(8, 141, kInner, kEditHeight), 45);
    AddLabel(p, "lblHeadSize", QCoreApplication::translate("PropertyPanels", " What is the size of the heading?"), QRect(8, 172, kInner, 14), 44);
    cmbHeadSize = new QComboBox(p);
    cmbHeadSize->setObjectName(QStringLiteral("cmbHeadSize"));
    cmbHeadSize->setGeometry(8, 187, 140, 21);
    for (const char* item : kHeadSizes) cmbHeadSize->addItem(QCoreApplication::translate("WebBlocks", item), QLatin1String(item));
    cmbHeadSize->setProperty("Tag", 44);
    headButtons = AddButtonRow(p, "spdHead", false);
}

void TPropertyPanels::CreateEmailPanel() {
    QFrame* p = pnlEmail = MakePanel("pnlEmail", 16);
    AddTitle(p, bkEmail, "imgEmailT");
    AddLabel(p, "lblEmailDesc",
             QCoreApplication::translate("PropertyPanels", " When readers of your page click on this link, it pops up an e-mail screen "
                            "pre-addressed to you or anyone you choose."),
             QRect(8, 28, kInner, 42));
    AddLabel(p, "lblEmailAddr", QCoreApplication::translate("PropertyPanels", " What is the e-mail address?"), QRect(8, 72, kInner, 14), 62);
    txtEmail = AddEdit(p, "txtEmail", QRect(8, 87, kInner, kEditHeight), 62);
    AddLabel(p, "lblEmailPre", QCoreApplication::translate("PropertyPanels", "Any text to appear before the e-mail link?"), QRect(8, 110, kInner, 14), 61);
    txtEmailPre = AddEdit(p, "txtEmailPre", QRect(8, 125, kInner, kEditHeight), 61);
    AddLabel(p, "lblEmailLink", QCoreApplication::translate("PropertyPanels", " What is the text to click on for the e-mail link?"),
             QRect(8, 148, kInner, 14), 63);
    txtEmailLink = AddEdit(p, "txtEmailLink", QRect(8, 163, kInner, kEditHeight), 63);
    AddLabel(p, "lblEmailPost", QCoreApplication::translate("PropertyPanels", "Any other text to follow this e-mail link?"), QRect(8, 186, kInner, 14), 64);
    txtEmailPost = AddEdit(p, "txtEmailPost", QRect(8, 201, kInner, kEditHeight), 64);
    AddExampleLine(p, "lblEmail", QCoreApplication::translate("PropertyPanels", "e.g. Text before"), QCoreApplication::translate("PropertyPanels", "text to click on"),
                   QCoreApplication::translate("PropertyPanels", "text after."), 224);
    // Unlike the other edits, the e-mail edits answer a right click with
    // "What's This?" instead of the edit menu.
    for (QLineEdit* e : {txtEmail, txtEmailPre, txtEmailLink, txtEmailPost}) {
        e->setContextMenuPolicy(Qt::PreventContextMenu);
        e->installEventFilter(this);
    }
    emailButtons = AddButtonRow(p, "spdEmail", true);
}

void TPropertyPanels::CreateLinePanel() {
    QFrame* p = pnlLine = MakePanel("pnlLine", 17);
    AddTitle(p, bkLine, "imgLineT");
    AddLabel(p, "Label3", QCoreApplication::translate("PropertyPanels", "Create a horizontal line for design effect."), QRect(8, 30, kInner, 14));
    AddLabel(p, "lblLineDesc1",
             QCoreApplication::translate("PropertyPanels", "If you leave the boxes blank, the line will appear all the way (100%) across the page.  "
                            "Lines are a good way to separate your page contents, for example, separating a picture "
                            "from some text."),
             QRect(8, 50, kInner, 70));
    AddLabel(p, "lblLineWidth", QCoreApplication::translate("PropertyPanels", "How wide is this line (as a percentage of the page)"),
             QRect(8, 128, kInner, 14), 47);
    txtLineWidth = AddEdit(p, "txtLineWidth", QRect(8, 143, 60, kEditHeight), 47);
    AddLabel(p, "lblLineThick", QCoreApplication::translate("PropertyPanels", "Thickness"), QRect(8, 174, kInner, 14), 48);
    cmbLineThick = new QComboBox(p);
    cmbLineThick->setObjectName(QStringLiteral("cmbLineThick"));
    cmbLineThick->setGeometry(8, 189, 140, 21);
    for (const char* item : kLineThicknesses) cmbLineThick->addItem(QCoreApplication::translate("WebBlocks", item), QLatin1String(item));
    cmbLineThick->setProperty("Tag", 48);
}
