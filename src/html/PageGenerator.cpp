#include "html/PageGenerator.h"

#include "app/AppPaths.h"
#include "app/Utils.h"
#include "html/PageEncoding.h"
#include "html/PageHead.h"
#include "html/PhoneFit.h"
#include "html/SiteMenu.h"
#include "model/PictureImport.h"
#include "model/WebBlocks.h"

#include <QFileInfo>

QString ProjectSiteURL() { return QStringLiteral(TARVO_PROJECT_URL); }

QString LogoText() {
    const QString picture = QStringLiteral(
        "<IMG SRC=\"graphics/button.gif\" WIDTH=88 HEIGHT=31 ALT=\"Made with Tarvo\">");
    const QString site = ProjectSiteURL();
    if (site.isEmpty()) return QStringLiteral("<BR><BR>") + picture;
    return QStringLiteral("<BR><BR><A HREF=\"") + site + QStringLiteral("\">") + picture + QStringLiteral("</A>");
}

QString LogoLine() {
    return QStringLiteral("<CENTER>") + LogoText() + QStringLiteral("</CENTER>");
}

QString AlignName(int code) {
    switch (code) {
        case alLeft: return QStringLiteral("Left");
        case alCenter: return QStringLiteral("Center");
        case alRight: return QStringLiteral("Right");
        default: return QString();
    }
}

namespace {

// The first character of a list item ("3 (Large)" gives "3"). The panels
// always store an item; an empty text can only come from a damaged file and
// then falls back to the item a new block starts with.
QString LevelOf(const QString& item, const char* fallback) {
    return item.isEmpty() ? QString(QLatin1Char(fallback[0])) : item.left(1);
}

QString ParaHTML(const TBlockPara& b) {
    QString s;
    if (b.Align != alNone) s += QStringLiteral("<P ALIGN=") + AlignName(b.Align) + QStringLiteral(">") + CRLF;
    // Every line break of the editor gets "<BR>" in front of its CR; a lone
    // LF gets no tag.
    QString text = b.Paragraph;
    text.replace(QLatin1Char('\r'), QStringLiteral("<BR>\r"));
    s += text;
    if (b.Align != alNone) s += QStringLiteral("</P>") + CRLF;
    if (b.NewLine) s += QStringLiteral("<BR>") + CRLF;
    return s;
}

// An address as it goes into a double-quoted attribute: kept whole on a
// standards page, as typed on a page written before.
QString AddressValue(const QString& typed, bool standards) { return standards ? AttributeMarkup(typed) : typed; }

QString LinkHTML(const TBlockLink& b, bool standards = false) {
    QString s;
    if (b.Align != alNone) s += QStringLiteral("<DIV ALIGN=") + AlignName(b.Align) + QStringLiteral(">") + CRLF;
    s += b.PreText + QStringLiteral(" ");
    s += QStringLiteral("<A HREF=\"") + AddressValue(b.URL, standards) + QStringLiteral("\">");
    s += b.LinkText + QStringLiteral("</A> ");
    s += b.PostText + CRLF;
    if (b.Align != alNone) s += QStringLiteral("</DIV>") + CRLF;
    if (b.NewLine) s += QStringLiteral("<BR>") + CRLF;
    return s;
}

QString EmailHTML(const TBlockEmail& b, bool standards = false) {
    QString s;
    if (b.Align != alNone) s += QStringLiteral("<DIV ALIGN=") + AlignName(b.Align) + QStringLiteral(">") + CRLF;
    s += b.PreText + QStringLiteral(" <A HREF=\"mailto:") + AddressValue(b.Address, standards) + QStringLiteral("\">");
    s += b.LinkText + QStringLiteral("</A> ");
    s += b.PostText + CRLF;
    // Unlike the link block, no line break follows the closing DIV.
    if (b.Align != alNone) s += QStringLiteral("</DIV>");
    if (b.NewLine) s += QStringLiteral("<BR>") + CRLF;
    return s;
}

// What the generator knows of a standards page while it writes a picture.
struct TStandardsImage {
    QString folder;     // where the page's pictures are found
    bool lazy = false;  // below the first screen: loaded when scrolled near
};

// The stated size as written: both when given; the one missing worked out
// from the picture's own proportions; both from the picture when neither
// is given or a given one is no number.
void CompleteSize(const TBlockImage& b, const QString& folder, QString& width, QString& height) {
    width = b.ImgWidth.trimmed();
    height = b.ImgHeight.trimmed();
    bool wOk = false, hOk = false;
    const int w = width.toInt(&wOk), h = height.toInt(&hOk);
    if (wOk && hOk && w > 0 && h > 0) return;
    const QString path = PicturePathInFolder(folder, b.FileName);
    const TPictureFacts facts = path.isEmpty() ? TPictureFacts() : ReadPictureFacts(path);
    if (!facts.readable || facts.size.isEmpty()) return;
    const QSize natural = facts.size;
    if (wOk && w > 0) height = QString::number(qMax(1, int(qRound64(double(w) * natural.height() / natural.width()))));
    else if (hOk && h > 0) width = QString::number(qMax(1, int(qRound64(double(h) * natural.width() / natural.height()))));
    else {
        width = QString::number(natural.width());
        height = QString::number(natural.height());
    }
}

QString ImageHTML(const TBlockImage& b, const TStandardsImage* standards = nullptr) {
    // "http://" alone is the default of a new block and means no link.
    const bool linked = !b.ImgLink.isEmpty() && b.ImgLink != QLatin1String("http://");
    QString s;
    if (b.Align == alCenter) s += QStringLiteral("<CENTER>") + CRLF;
    if (linked) s += QStringLiteral("<A HREF=\"") + AddressValue(b.ImgLink, standards != nullptr) + QStringLiteral("\">") + CRLF;
    s += QStringLiteral("<IMG SRC=\"") + (standards ? AttributeFileReference(b.FileName) : ReferenceForFile(b.FileName)) +
         QStringLiteral("\"");
    QString width = b.ImgWidth, height = b.ImgHeight;
    if (standards) CompleteSize(b, standards->folder, width, height);
    if (!height.isEmpty()) s += QStringLiteral(" HEIGHT=") + height;
    if (!width.isEmpty()) s += QStringLiteral(" WIDTH=") + width;
    // Centring is the CENTER element around the image, never an attribute.
    if (b.Align == alLeft || b.Align == alRight) s += QStringLiteral(" ALIGN=") + AlignName(b.Align);
    if (standards) {
        // Every picture has its words on a standards page; a decoration,
        // and one whose words are not given yet (the panel still says they
        // are needed), has an empty text, so a reader skips the picture
        // instead of reading its file name.
        const QString words = b.Decoration ? QString() : AttributeText(PlainTextOf(b.AltText));
        s += QStringLiteral(" ALT=\"") + words + QStringLiteral("\"");
        if (standards->lazy) s += QStringLiteral(" LOADING=\"lazy\"");
    } else if (b.Decoration) {
        s += QStringLiteral(" ALT=\"\"");
    } else if (!b.AltText.isEmpty()) {
        s += QStringLiteral(" ALT=\"") + b.AltText + QStringLiteral("\"");
    }
    s += QStringLiteral(">") + CRLF;
    if (linked) s += QStringLiteral("</A>") + CRLF;
    if (b.Align == alCenter) s += QStringLiteral("</CENTER>") + CRLF;
    if (b.NewLine) s += QStringLiteral("<BR>") + CRLF;
    return s;
}

QString HeadingHTML(const TBlockHeading& b) {
    // The heading's own new-line flag is not written: a heading is a block
    // element and starts a new line after itself anyway.
    const QString level = LevelOf(b.HeadSize, kHeadSizes[0]);
    QString s = QStringLiteral("<H") + level;
    if (b.Align != alNone) s += QStringLiteral(" ALIGN=") + AlignName(b.Align);
    s += QStringLiteral(">") + b.HeadText + QStringLiteral("</H") + level + QStringLiteral(">") + CRLF;
    return s;
}

QString LineHTML(const TBlockLine& b) {
    QString s = QStringLiteral("<HR");
    if (!b.LineWidth.isEmpty()) s += QStringLiteral(" WIDTH=") + b.LineWidth + QStringLiteral("%");
    s += QStringLiteral(" SIZE=") + LevelOf(b.Thickness, kLineThicknesses[0]);
    s += QStringLiteral(">") + CRLF;
    return s;
}

}  // namespace

void BuildBlockHTML(TWebChunk& chunk) {
    switch (chunk.Kind) {
        case bkPara:
            if (chunk.Para) chunk.HTML = ParaHTML(*chunk.Para);
            break;
        case bkLink:
            if (chunk.Link) chunk.HTML = LinkHTML(*chunk.Link);
            break;
        case bkImage:
            if (chunk.Image) chunk.HTML = ImageHTML(*chunk.Image);
            break;
        case bkHeading:
            if (chunk.Heading) chunk.HTML = HeadingHTML(*chunk.Heading);
            break;
        case bkEmail:
            if (chunk.Email) chunk.HTML = EmailHTML(*chunk.Email);
            break;
        case bkLine:
            if (chunk.Line) chunk.HTML = LineHTML(*chunk.Line);
            break;
        default: break;
    }
}

namespace {

// About how far down a phone's screen a block reaches, in pixels: enough
// to tell the pictures of the first screen from those below it.
int EstimatedHeight(const TWebChunk& chunk) {
    switch (chunk.Kind) {
        case bkHeading: return 48;
        case bkPara: return chunk.Para ? 24 * int(1 + chunk.Para->Paragraph.size() / 40) + 16 : 0;
        case bkImage: {
            const int h = chunk.Image ? chunk.Image->ImgHeight.toInt() : 0;
            const int w = chunk.Image ? chunk.Image->ImgWidth.toInt() : 0;
            // A picture wider than a phone is drawn smaller.
            return w > 360 && h > 0 ? h * 360 / w : (h > 0 ? h : 200);
        }
        default: return 32;
    }
}

// The pictures that start below this many pixels load lazily.
constexpr int kFirstScreen = 900;

// The menu of the page's site when the page shows it ("" otherwise).
QString PageSiteMenu(const TPage& page, const QString& folder) {
    if (!page.ShowSiteMenu) return QString();
    const QString file = StripExtension(QFileInfo(page.DocFileName).fileName()) + QStringLiteral(".html");
    TSite site = LoadSite(folder);
    // The page's own title as it is now, not as its file last had it.
    for (TSitePage& p : site.Pages)
        if (SiteFileName(p.File) == SiteFileName(file)) p.Title = SiteTitleText(TitleElementText(page));
    return SiteMenuLines(site, file);
}

QString StandardsPageHTML(TPage& page, bool withLogo, const QString& pictureFolder) {
    const QString folder = pictureFolder.isEmpty() ? HTMLDir() : pictureFolder;
    const QString menu = PageSiteMenu(page, folder);
    QString s;
    s += QStringLiteral("<!DOCTYPE html>") + CRLF;
    s += QStringLiteral("<HTML LANG=\"") + page.Language + QStringLiteral("\">") + CRLF;
    s += QStringLiteral("<HEAD>") + CRLF;
    s += StandardsHeadLines(page, kDefaultIconBackground, kDefaultIconText);
    if (page.FitPhone) s += PhoneFitLines() + CRLF;
    if (!menu.isEmpty()) s += SiteMenuStyleLines() + CRLF;
    s += QStringLiteral("</HEAD>") + CRLF;
    s += QStringLiteral("<BODY>") + CRLF;
    if (!menu.isEmpty()) s += menu + CRLF;
    int top = 0;
    for (auto& chunk : page.WebChunks) {
        if (!chunk) continue;
        if (chunk->Kind == bkImage && chunk->Image) {
            const TStandardsImage standards{folder, top > kFirstScreen};
            chunk->HTML = ImageHTML(*chunk->Image, &standards);
        } else if (chunk->Kind == bkLink && chunk->Link) {
            chunk->HTML = LinkHTML(*chunk->Link, true);
        } else if (chunk->Kind == bkEmail && chunk->Email) {
            chunk->HTML = EmailHTML(*chunk->Email, true);
        } else {
            BuildBlockHTML(*chunk);
        }
        top += EstimatedHeight(*chunk);
        s += chunk->HTML + CRLF;
    }
    if (withLogo) s += LogoLine() + CRLF;
    s += QStringLiteral("</BODY>") + CRLF;
    s += QStringLiteral("</HTML>") + CRLF;
    return s;
}

}  // namespace

QString BuildPageHTML(TPage& page, bool withLogo, const QString& pictureFolder) {
    if (page.Standards()) return StandardsPageHTML(page, withLogo, pictureFolder);
    QString s;
    s += QStringLiteral("<HTML>") + CRLF;
    s += QStringLiteral("<HEAD>") + CRLF;
    s += QStringLiteral("<TITLE>") + TitleElementText(page) + QStringLiteral("</TITLE>") + CRLF;
    s += QStringLiteral("<META NAME=\"Generator\" CONTENT=\"Tarvo V1.0 (Win95)\">") + CRLF;
    s += QStringLiteral("<META NAME=\"Description\" CONTENT=\"Tarvo Document\">") + CRLF;
    if (page.FitPhone) s += PhoneFitLines() + CRLF;
    s += QStringLiteral("</HEAD>") + CRLF;
    s += QStringLiteral("<BODY>") + CRLF;
    const QString menu = PageSiteMenu(page, pictureFolder.isEmpty() ? HTMLDir() : pictureFolder);
    if (!menu.isEmpty()) s += menu + CRLF;
    for (auto& chunk : page.WebChunks) {
        if (!chunk) continue;
        BuildBlockHTML(*chunk);
        // One extra line break after every block, even one that ends in one.
        s += chunk->HTML + CRLF;
    }
    if (withLogo) s += LogoLine() + CRLF;
    s += QStringLiteral("</BODY>") + CRLF;
    s += QStringLiteral("</HTML>") + CRLF;
    return DeclareUtf8(s);
}
