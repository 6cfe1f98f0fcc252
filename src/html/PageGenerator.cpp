#include "html/PageGenerator.h"

#include "app/Utils.h"
#include "html/PageEncoding.h"
#include "html/PhoneFit.h"
#include "model/WebBlocks.h"

const QString kLogoText = QStringLiteral("<BR><BR><A HREF=\"") + kMakerSiteURL +
                          QStringLiteral("\"><IMG SRC=\"graphics/button.gif\"></A>");

QString LogoLine() {
    return QStringLiteral("<CENTER>") + kLogoText + QStringLiteral("</CENTER>");
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

QString LinkHTML(const TBlockLink& b) {
    QString s;
    if (b.Align != alNone) s += QStringLiteral("<DIV ALIGN=") + AlignName(b.Align) + QStringLiteral(">") + CRLF;
    s += b.PreText + QStringLiteral(" ");
    s += QStringLiteral("<A HREF=\"") + b.URL + QStringLiteral("\">");
    s += b.LinkText + QStringLiteral("</A> ");
    s += b.PostText + CRLF;
    if (b.Align != alNone) s += QStringLiteral("</DIV>") + CRLF;
    if (b.NewLine) s += QStringLiteral("<BR>") + CRLF;
    return s;
}

QString EmailHTML(const TBlockEmail& b) {
    QString s;
    if (b.Align != alNone) s += QStringLiteral("<DIV ALIGN=") + AlignName(b.Align) + QStringLiteral(">") + CRLF;
    s += b.PreText + QStringLiteral(" <A HREF=\"mailto:") + b.Address + QStringLiteral("\">");
    s += b.LinkText + QStringLiteral("</A> ");
    s += b.PostText + CRLF;
    // Unlike the link block, no line break follows the closing DIV.
    if (b.Align != alNone) s += QStringLiteral("</DIV>");
    if (b.NewLine) s += QStringLiteral("<BR>") + CRLF;
    return s;
}

QString ImageHTML(const TBlockImage& b) {
    // "http://" alone is the default of a new block and means no link.
    const bool linked = !b.ImgLink.isEmpty() && b.ImgLink != QLatin1String("http://");
    QString s;
    if (b.Align == alCenter) s += QStringLiteral("<CENTER>") + CRLF;
    if (linked) s += QStringLiteral("<A HREF=\"") + b.ImgLink + QStringLiteral("\">") + CRLF;
    s += QStringLiteral("<IMG SRC=\"") + ReferenceForFile(b.FileName) + QStringLiteral("\"");
    if (!b.ImgHeight.isEmpty()) s += QStringLiteral(" HEIGHT=") + b.ImgHeight;
    if (!b.ImgWidth.isEmpty()) s += QStringLiteral(" WIDTH=") + b.ImgWidth;
    // Centring is the CENTER element around the image, never an attribute.
    if (b.Align == alLeft || b.Align == alRight) s += QStringLiteral(" ALIGN=") + AlignName(b.Align);
    if (!b.AltText.isEmpty()) s += QStringLiteral(" ALT=\"") + b.AltText + QStringLiteral("\"");
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

QString BuildPageHTML(TPage& page, bool withLogo) {
    QString s;
    s += QStringLiteral("<HTML>") + CRLF;
    s += QStringLiteral("<HEAD>") + CRLF;
    s += QStringLiteral("<TITLE>") + page.PublishedTitle() + QStringLiteral("</TITLE>") + CRLF;
    s += QStringLiteral("<META NAME=\"Generator\" CONTENT=\"Tarvo V1.0 (Win95)\">") + CRLF;
    s += QStringLiteral("<META NAME=\"Description\" CONTENT=\"Tarvo Document\">") + CRLF;
    if (page.FitPhone) s += PhoneFitLines() + CRLF;
    s += QStringLiteral("</HEAD>") + CRLF;
    s += QStringLiteral("<BODY>") + CRLF;
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
