#include "TestSupport.h"
#include "app/AppPaths.h"
#include "app/Utils.h"
#include "docs/HtmlCommand.h"
#include "docs/PageFile.h"
#include "html/PageEncoding.h"
#include "html/BodyStyle.h"
#include "html/PageGenerator.h"
#include "html/PageHead.h"
#include "html/PhoneFit.h"
#include "model/WebBlocks.h"
#include "styles/StyleList.h"
#include "upload/UploadList.h"
#include "viewer/HtmlEncoding.h"
#include "viewer/HtmlDocument.h"
#include "viewer/StyleHints.h"
#include "viewer/ViewerCommand.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

const QString kHead = QStringLiteral(
    "<HTML>\r\n<HEAD>\r\n<TITLE>%1</TITLE>\r\n"
    "<META NAME=\"Generator\" CONTENT=\"Tarvo V1.0 (Win95)\">\r\n"
    "<META NAME=\"Description\" CONTENT=\"Tarvo Document\">\r\n</HEAD>\r\n<BODY>\r\n");
const QString kTail = QStringLiteral("</BODY>\r\n</HTML>\r\n");

// A chunk without its canvas picture: the generator needs only the record.
std::unique_ptr<TWebChunk> Chunk(int kind) {
    auto c = std::make_unique<TWebChunk>();
    c->Kind = kind;
    c->AllocateRecord();
    return c;
}

QString Emit(TWebChunk& c) {
    BuildBlockHTML(c);
    return c.HTML;
}

}  // namespace

class TestPageGen : public QObject {
    Q_OBJECT
private slots:
    void emptyPageWithAndWithoutLogo();
    void blocksAreFollowedByAnExtraLineBreakAndStoreTheirHTML();
    void paragraph();
    void linkAndEmail();
    void image_data();
    void image();
    void headingAndLine();
    void damagedValues();
    void fieldsAreInsertedAsTypedTheTitleNeverEndsItsElement();
    void hostileTitleAndAddressesStayInTheirPlaces();
    void decorationPictureAndChosenIcon();
    void pageBytesKeepEveryCharacter();
    void phoneLinesGoIntoTheHeadAndComeOutAgain();
    void shippedPagesAreWrittenAsBefore();
    void viewerTakesOnlyThePictureWidthRule();
    void standardsPageCarriesWhatTheWebRates();
    void descriptionAndIcon();
    void titleNobodyChoseIsTheFirstHeading();
};

void TestPageGen::emptyPageWithAndWithoutLogo() {
    TPage page;
    QCOMPARE(BuildPageHTML(page, false), kHead.arg(QString()) + kTail);
    // The logo is the picture alone with its words: the build names no
    // project address, and a page never links to one that does not answer.
    QVERIFY(ProjectSiteURL().isEmpty());
    const QString logo = QStringLiteral(
        "<CENTER><BR><BR><IMG SRC=\"graphics/button.gif\" WIDTH=88 HEIGHT=31 ALT=\"Made with Tarvo\"></CENTER>\r\n");
    QCOMPARE(BuildPageHTML(page, true), kHead.arg(QString()) + logo + kTail);
    QCOMPARE(LogoLine() + CRLF, logo);
    page.PageTitle.clear();
    QVERIFY(BuildPageHTML(page, false).contains(QStringLiteral("<TITLE></TITLE>\r\n")));
}

void TestPageGen::blocksAreFollowedByAnExtraLineBreakAndStoreTheirHTML() {
    TPage page;
    page.WebChunks.push_back(Chunk(bkLink));  // a new link block
    page.WebChunks.push_back(Chunk(bkLine));
    page.Chunk(1)->HTML = QStringLiteral("stale");
    const QString link = QStringLiteral(" <A HREF=\"http://\"></A> \r\n");
    const QString line = QStringLiteral("<HR SIZE=6>\r\n");
    QCOMPARE(BuildPageHTML(page, false), kHead.arg(QString()) + link + CRLF + line + CRLF + kTail);
    QCOMPARE(page.Chunk(0)->HTML, link);
    QCOMPARE(page.Chunk(1)->HTML, line);
}

void TestPageGen::paragraph() {
    auto c = Chunk(bkPara);
    c->Para->Paragraph = QStringLiteral("first\r\nsecond");
    c->Para->Align = alCenter;
    c->Para->NewLine = 1;
    QCOMPARE(Emit(*c), QStringLiteral("<P ALIGN=Center>\r\nfirst<BR>\r\nsecond</P>\r\n<BR>\r\n"));
    // A lone line feed gets no tag; no alignment means no P element.
    c->Para->Paragraph = QStringLiteral("a\nb\r\n");
    c->Para->Align = alNone;
    c->Para->NewLine = 0;
    QCOMPARE(Emit(*c), QStringLiteral("a\nb<BR>\r\n"));
    c->Para->Paragraph.clear();
    QCOMPARE(Emit(*c), QString());
}

void TestPageGen::linkAndEmail() {
    auto link = Chunk(bkLink);
    *link->Link = {QStringLiteral("See"), QStringLiteral("http://x.example/"), QStringLiteral("here"),
                   QStringLiteral("now."), alCenter, 1};
    QCOMPARE(Emit(*link), QStringLiteral("<DIV ALIGN=Center>\r\nSee <A HREF=\"http://x.example/\">here</A> now.\r\n"
                                         "</DIV>\r\n<BR>\r\n"));
    auto mail = Chunk(bkEmail);
    *mail->Email = {QStringLiteral("Write"), QStringLiteral("me@x.example"), QStringLiteral("me"),
                    QStringLiteral("today"), alCenter, 1};
    // Unlike the link, no line break after the closing DIV.
    QCOMPARE(Emit(*mail), QStringLiteral("<DIV ALIGN=Center>\r\nWrite <A HREF=\"mailto:me@x.example\">me</A> today\r\n"
                                         "</DIV><BR>\r\n"));
    *mail->Email = {};
    QCOMPARE(Emit(*mail), QStringLiteral(" <A HREF=\"mailto:\"></A> \r\n"));
}

void TestPageGen::image_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("width");
    QTest::addColumn<int>("align");
    QTest::addColumn<QString>("alt");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default link is no link") << "http://" << "" << "" << 0 << ""
                                             << "<IMG SRC=\"graphics/a b.gif\">\r\n";
    QTest::newRow("empty link") << "" << "10" << "" << 1 << ""
                                << "<IMG SRC=\"graphics/a b.gif\" HEIGHT=10 ALIGN=Left>\r\n";
    QTest::newRow("right, sizes, alt") << "" << "10" << "20" << 3 << "Cat"
                                       << "<IMG SRC=\"graphics/a b.gif\" HEIGHT=10 WIDTH=20 ALIGN=Right ALT=\"Cat\">\r\n";
    QTest::newRow("centred and linked")
        << "http://y.example/" << "" << "5" << 2 << ""
        << "<CENTER>\r\n<A HREF=\"http://y.example/\">\r\n<IMG SRC=\"graphics/a b.gif\" WIDTH=5>\r\n</A>\r\n"
           "</CENTER>\r\n";
    QTest::newRow("bad code") << "" << "" << "" << 7 << "" << "<IMG SRC=\"graphics/a b.gif\">\r\n";
}

void TestPageGen::image() {
    QFETCH(QString, link);
    QFETCH(QString, height);
    QFETCH(QString, width);
    QFETCH(int, align);
    QFETCH(QString, alt);
    QFETCH(QString, expected);
    auto c = Chunk(bkImage);
    *c->Image = {QStringLiteral("graphics\\a b.gif"), height, width, alt, link, quint8(align), 0};
    QCOMPARE(Emit(*c), expected);
    c->Image->NewLine = 1;
    QCOMPARE(Emit(*c), expected + QStringLiteral("<BR>\r\n"));
}

void TestPageGen::headingAndLine() {
    auto h = Chunk(bkHeading);
    *h->Heading = {QStringLiteral("3 (Large)"), QStringLiteral("Hello"), alNone, 1};
    // The heading's own new-line flag writes nothing.
    QCOMPARE(Emit(*h), QStringLiteral("<H3>Hello</H3>\r\n"));
    h->Heading->Align = alRight;
    QCOMPARE(Emit(*h), QStringLiteral("<H3 ALIGN=Right>Hello</H3>\r\n"));
    auto l = Chunk(bkLine);
    *l->Line = {QStringLiteral("50%"), QStringLiteral("2 (Thinner)")};
    QCOMPARE(Emit(*l), QStringLiteral("<HR WIDTH=50%% SIZE=2>\r\n"));
}

void TestPageGen::damagedValues() {
    // Only a damaged document can hold these.
    auto p = Chunk(bkPara);
    p->Para->Paragraph = QStringLiteral("x");
    p->Para->Align = 9;
    QCOMPARE(Emit(*p), QStringLiteral("<P ALIGN=>\r\nx</P>\r\n"));
    QCOMPARE(AlignName(0), QString());
    QCOMPARE(AlignName(-1), QString());
    auto h = Chunk(bkHeading);
    h->Heading->HeadSize.clear();
    QCOMPARE(Emit(*h), QStringLiteral("<H1></H1>\r\n"));
    auto l = Chunk(bkLine);
    l->Line->Thickness.clear();
    QCOMPARE(Emit(*l), QStringLiteral("<HR SIZE=6>\r\n"));
    // An unknown kind, or a chunk without its record, keeps its old text.
    TWebChunk odd;
    odd.Kind = 42;
    odd.HTML = QStringLiteral("kept");
    QCOMPARE(Emit(odd), QStringLiteral("kept"));
    TWebChunk bare;
    bare.Kind = bkLink;
    bare.HTML = QStringLiteral("kept too");
    QCOMPARE(Emit(bare), QStringLiteral("kept too"));
}

void TestPageGen::fieldsAreInsertedAsTypedTheTitleNeverEndsItsElement() {
    TPage page;
    page.PageTitle = QStringLiteral("Caf\u00e9 <b>&</b> \u20ac");
    auto c = Chunk(bkPara);
    c->Para->Paragraph = QStringLiteral("<i>\"quoted\"</i> \u2019");
    page.WebChunks.push_back(std::move(c));
    const QString html = BuildPageHTML(page, false);
    // A page written before keeps its "&" as typed; its tags show as text,
    // as a browser shows them in a title anyway.
    QVERIFY(html.contains(QStringLiteral("<TITLE>Café &lt;b&gt;&&lt;/b&gt; €</TITLE>\r\n")));
    QVERIFY(html.contains(QStringLiteral("<BODY>\r\n<i>\"quoted\"</i> ’\r\n</BODY>")));
}

void TestPageGen::pageBytesKeepEveryCharacter() {
    // All ASCII: the bytes of earlier versions, no charset line.
    TPage page;
    page.PageTitle = QStringLiteral("Plain");
    const QString ascii = BuildPageHTML(page, false);
    QCOMPARE(ascii, kHead.arg("Plain") + kTail);
    QCOMPARE(EncodePageHTML(ascii).Bytes, ascii.toLatin1());

    // Any other character: UTF-8, declared before the title.
    const QString line = QString::fromUtf8("Zoë's café — Łódź, 日本語 😀");
    page.PageTitle = line;
    const QString html = BuildPageHTML(page, false);
    QCOMPARE(html, QString(kHead.arg(line) + kTail).replace("<TITLE>", kUtf8MetaLine + "\r\n<TITLE>"));
    TPageBytes out = EncodePageHTML(html);
    QVERIFY(out.Fits());
    QCOMPARE(out.Bytes, html.toUtf8());
    // Text typed into the HTML by hand gets the line at its writing.
    const QString typed = QString(kHead.arg("Plain") + kTail).replace("<BODY>", "<BODY>" + line);
    QCOMPARE(EncodePageHTML(typed).Bytes, DeclareUtf8(typed).toUtf8());
    QVERIFY(DeclareUtf8(typed).contains(kUtf8MetaLine + "\r\n<TITLE>Plain"));

    // A declared charset is kept while it can hold the page; when it cannot,
    // the page comes as UTF-8 with its declaration changed, for the user to accept.
    const QString latin = QStringLiteral("<HTML><HEAD><meta charset=\"Windows-1252\"><TITLE>Café</TITLE>");
    out = EncodePageHTML(latin);
    QVERIFY(out.Fits());
    QCOMPARE(out.Bytes, QByteArray("<HTML><HEAD><meta charset=\"Windows-1252\"><TITLE>Caf\xe9</TITLE>"));
    out = EncodePageHTML(latin + line);
    QVERIFY(!out.Fits());
    QCOMPARE(out.Charset, QString("windows-1252"));
    QCOMPARE(out.Unfit, QString::fromUtf8("Ł"));
    QCOMPARE(out.Bytes, QString(latin + line).replace("Windows-1252", "utf-8").toUtf8());
}

void TestPageGen::phoneLinesGoIntoTheHeadAndComeOutAgain() {
    TPage page;
    auto image = Chunk(bkImage);
    image->Image->FileName = "graphics\\wide.png";
    page.WebChunks.push_back(std::move(image));
    const QString off = BuildPageHTML(page, true);
    page.FitPhone = true;
    const QString on = BuildPageHTML(page, true);
    // The lines stand right before the end of the head, in the generator's
    // style; nothing else of the page differs.
    const QString lines = PhoneFitLines() + CRLF;
    QVERIFY(lines.startsWith(kViewportMetaLine + CRLF));
    QVERIFY(lines.endsWith(QStringLiteral("</STYLE>\r\n")));
    QVERIFY(!lines.contains(QRegularExpression("[^\r]\n")));
    QCOMPARE(on, QString(off).insert(off.indexOf("</HEAD>"), lines));
    // The view stage's switch on held text: in and out again, once.
    QCOMPARE(WithPhoneFit(off), on);
    QCOMPARE(WithPhoneFit(on), on);
    QCOMPARE(WithoutPhoneFit(on), off);
    QCOMPARE(WithoutPhoneFit(off), off);
    // A text without the generator's head end is left alone.
    QCOMPARE(WithPhoneFit("<p>hand made</p>"), QString("<p>hand made</p>"));
    // A page needing UTF-8 declares it before its title as before, and the
    // phone lines after the generator's own META lines.
    page.PageTitle = QString::fromUtf8("Café");
    const QString utf8 = BuildPageHTML(page, false);
    QVERIFY(utf8.indexOf(kUtf8MetaLine) < utf8.indexOf("<TITLE>"));
    QVERIFY(utf8.indexOf("Tarvo Document") < utf8.indexOf(kViewportMetaLine));
    QCOMPARE(utf8.count(kViewportMetaLine), 1);
}

void TestPageGen::hostileTitleAndAddressesStayInTheirPlaces() {
    TPage page;
    page.Language = "en";
    page.PageTitle = QStringLiteral("</TITLE><SCRIPT>alert(1)</SCRIPT> Fish & \"Chips\"");
    auto link = Chunk(bkLink);
    link->Link->URL = QStringLiteral("x\" onclick=\"alert(1)");
    link->Link->LinkText = QStringLiteral("menu");
    page.WebChunks.push_back(std::move(link));
    auto email = Chunk(bkEmail);
    email->Email->Address = QStringLiteral("a@b.example\"><SCRIPT>");
    page.WebChunks.push_back(std::move(email));
    auto picture = Chunk(bkImage);
    picture->Image->FileName = QStringLiteral("graphics\\a\"b&c.png");
    picture->Image->ImgLink = QStringLiteral("https://shop.example/?a=1&b=2&amp;c=3\"");
    page.WebChunks.push_back(std::move(picture));
    const QString html = BuildPageHTML(page, false);
    const QString element = "&lt;/TITLE&gt;&lt;SCRIPT&gt;alert(1)&lt;/SCRIPT&gt; Fish &amp; \"Chips\"";
    QVERIFY2(html.contains("<TITLE>" + element + "</TITLE>\r\n"), qPrintable(html.left(300)));
    QVERIFY(html.contains("<META PROPERTY=\"og:title\" CONTENT=\"&lt;/TITLE&gt;&lt;SCRIPT&gt;alert(1)&lt;/SCRIPT&gt; Fish &amp; &quot;Chips&quot;\">"));
    QVERIFY(html.contains("<A HREF=\"x&quot; onclick=&quot;alert(1)\">menu</A>"));
    QVERIFY(html.contains("<A HREF=\"mailto:a@b.example&quot;&gt;&lt;SCRIPT&gt;\">"));
    // A file name is kept as the file's own name; "&amp;" typed stays one.
    QVERIFY(html.contains("<A HREF=\"https://shop.example/?a=1&amp;b=2&amp;c=3&quot;\">"));
    QVERIFY(html.contains("<IMG SRC=\"graphics/a%22b%26c.png\""));
    QCOMPARE(FileNameOfReference("graphics/a%22b%26c.png"), QString("graphics/a\"b&c.png"));
    QVERIFY(!html.contains("<SCRIPT", Qt::CaseInsensitive));
    // The title box's editor writes the same element, and the icon's
    // letter is the title's first letter as the reader sees it.
    const QString retitled = ReplaceTitle(html, TitleElementText(page));
    QCOMPARE(retitled, html);
    page.PageTitle = QStringLiteral("<b>Zoo</b>");
    QVERIFY(ReplaceTitle(html, TitleElementText(page)).contains("<TITLE>&lt;b&gt;Zoo&lt;/b&gt;</TITLE>"));
    // A page written before: the same title cannot end its element either.
    page.Language.clear();
    page.PageTitle = QStringLiteral("x</TITLE><SCRIPT>alert(1)</SCRIPT> Tom & Jerry");
    QVERIFY(BuildPageHTML(page, false).contains("<TITLE>x&lt;/TITLE&gt;&lt;SCRIPT&gt;alert(1)&lt;/SCRIPT&gt; Tom & Jerry</TITLE>"));
}

void TestPageGen::decorationPictureAndChosenIcon() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("graphics"));
    QVERIFY(QImage(40, 20, QImage::Format_RGB32).save(dir.filePath("graphics/border.png")));
    QVERIFY(QImage(64, 64, QImage::Format_RGB32).save(dir.filePath("graphics/logo.png")));
    QVERIFY(QImage(32, 32, QImage::Format_RGB32).save(dir.filePath("graphics/icon.png")));
    TPage page;
    page.Language = "en";
    page.PageTitle = "Choir";
    auto border = Chunk(bkImage);
    border->Image->FileName = "graphics\\border.png";
    border->Image->AltText = "A gold border";  // kept, but not used
    border->Image->Decoration = true;
    page.WebChunks.push_back(std::move(border));
    auto logo = Chunk(bkImage);
    logo->Image->FileName = "graphics\\logo.png";
    logo->Image->AltText = "Our logo";
    page.WebChunks.push_back(std::move(logo));
    QString html = BuildPageHTML(page, false, dir.path());
    QVERIFY(html.contains("<IMG SRC=\"graphics/border.png\" HEIGHT=20 WIDTH=40 ALT=\"\">"));
    QVERIFY(html.contains("<IMG SRC=\"graphics/logo.png\" HEIGHT=64 WIDTH=64 ALT=\"Our logo\">"));
    // The card's picture is the first one that is not decoration.
    QVERIFY(StandardsHeadLines(page, Qt::white, Qt::black, "https://example.org/")
                .contains("CONTENT=\"https://example.org/graphics/logo.png\""));

    // A chosen icon replaces the letter; the style does not touch it; it is
    // one of the files sent with the page; one outside the page's folders
    // is refused.
    page.IconFile = "graphics\\icon.png";
    TStyleChunk style;
    html = AddBodyDef(BuildPageHTML(page, false, dir.path()), &style);
    QVERIFY(html.contains("<LINK REL=\"icon\" HREF=\"graphics/icon.png\">\r\n"));
    QVERIFY(!html.contains("data:image"));
    const QString pageFile = dir.filePath("choir.html");
    auto sent = [&](const QString& text) {
        QStringList files;
        for (const ResourceDetail& d : BuildUploadList(text, pageFile))
            files << (d.State == TUploadState::Refused ? "refused:" + d.Remote : d.Remote);
        return files;
    };
    QCOMPARE(sent(html), QStringList({"graphics/border.png", "graphics/logo.png", "graphics/icon.png"}));
    page.IconFile = "../../etc/passwd.png";
    QVERIFY(sent(BuildPageHTML(page, false, dir.path())).contains("refused:../../etc/passwd.png"));
    QVERIFY(sent(BuildPageHTML(page, false, dir.path())).size() == 3);

    // A page written before writes a decoration with empty words too, and
    // nothing else changes.
    page.Language.clear();
    page.IconFile.clear();
    page.Chunk(1)->Image->Decoration = false;
    html = BuildPageHTML(page, false);
    QVERIFY(html.contains("<IMG SRC=\"graphics/border.png\" ALT=\"\">"));
    QVERIFY(html.contains("<IMG SRC=\"graphics/logo.png\" ALT=\"Our logo\">"));
    QVERIFY(!html.contains("LINK"));
}

void TestPageGen::shippedPagesAreWrittenAsBefore() {
    // Every shipped template and saved page, with the logo as --html writes
    // it: the bytes stored in tests/html/shipped, made by the version before
    // pages could fit phone screens. A new shipped page needs its file
    // there (tarvo --html PAGE -o NAME.html).
    TTestEnv env;
    QVERIFY(env.ok());
    const QDir expected(qEnvironmentVariable("TARVO_TEST_SOURCE") + "/html/shipped");
    QStringList documents;
    for (const QString& folder : TemplateFolders())
        for (const QFileInfo& f : QDir(folder).entryInfoList({"*.tvt"}, QDir::Files)) documents << f.absoluteFilePath();
    for (const QFileInfo& f : QDir(JoinPath(AppDir(), "save")).entryInfoList({"*.tve"}, QDir::Files))
        documents << f.absoluteFilePath();
    QVERIFY2(documents.size() >= 8, qPrintable(documents.join(", ")));
    for (const QString& document : documents) {
        TPageReadOutcome read;
        const QString html = PageHtmlOfDocument(document, true, read);
        QCOMPARE(read.Result, TPageReadResult::Ok);
        QFile stored(expected.filePath(QFileInfo(document).completeBaseName() + ".html"));
        QVERIFY2(stored.open(QIODevice::ReadOnly), qPrintable(stored.fileName()));
        QCOMPARE(EncodePageHTML(html).Bytes, stored.readAll());
    }
}

void TestPageGen::viewerTakesOnlyThePictureWidthRule() {
    QVERIFY(AsksImagesWithinWidth("<HEAD>\r\n" + PhoneFitLines() + "\r\n</HEAD>"));
    QVERIFY(AsksImagesWithinWidth("<style>p { color: red } P, img{MAX-WIDTH:100%}</style>"));
    QVERIFY(!AsksImagesWithinWidth("<P>IMG { max-width: 100% }</P>"));
    QVERIFY(!AsksImagesWithinWidth("<STYLE>IMG.small { max-width: 100% }</STYLE>"));
    QVERIFY(!AsksImagesWithinWidth("<STYLE>IMG { max-width: 50% }</STYLE>"));
    QVERIFY(!AsksImagesWithinWidth("<STYLE>@media print { IMG { max-width: 100% } }</STYLE>"));
    // The readable layout's column, and only a rule for BODY alone.
    QCOMPARE(AsksReadingColumn("<HEAD>\r\n" + ReadableLayoutLines() + "\r\n</HEAD>"), 42.0);
    QVERIFY(AsksImagesWithinWidth(ReadableLayoutLines()));
    QCOMPARE(AsksReadingColumn("<P>BODY { max-width: 42em }</P>"), 0.0);
    QCOMPARE(AsksReadingColumn("<STYLE>BODY.wide { max-width: 80em }</STYLE>"), 0.0);
    QCOMPARE(AsksReadingColumn("<STYLE>BODY { max-width: 600px }</STYLE>"), 0.0);
    // The viewer lays such a page out in that column, centred in a wide window.
    const auto firstLetterX = [](const QString& html) {
        THtmlDocument doc;
        doc.parse(html, QString());
        doc.layout(1000);
        int x = -1, y = -1;
        return doc.cursorToXY(0, x, y) ? x : -1;
    };
    const QString text = "<BODY>\r\n" + QString("Words to read. ").repeated(60) + "\r\n</BODY>";
    const int plain = firstLetterX("<HTML><HEAD></HEAD>" + text + "</HTML>");
    const int column = firstLetterX("<HTML><HEAD>" + ReadableLayoutLines() + "</HEAD>" + text + "</HTML>");
    QVERIFY2(plain >= 0 && plain < 20 && column >= 140 && column <= 200, qPrintable(QString("%1 %2").arg(plain).arg(column)));
    // Unclosed rules and elements by the hundred thousand are read in one pass.
    QVERIFY(!AsksImagesWithinWidth("<STYLE>" + QString("IMG {").repeated(200000)));
    QVERIFY(!AsksImagesWithinWidth(QString("<STYLE>").repeated(200000)));
}

void TestPageGen::standardsPageCarriesWhatTheWebRates() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("graphics"));
    QVERIFY(QImage(300, 200, QImage::Format_RGB32).save(dir.filePath("graphics/choir.png")));
    TPage page;
    page.Language = "pl";
    page.FitPhone = true;
    page.ReadableLayout = true;
    page.PageTitle = QString::fromUtf8("Chór \"Cecylia\"");
    auto heading = Chunk(bkHeading);
    heading->Heading->HeadText = QString::fromUtf8("Chór");
    page.InsertChunk(0, std::move(heading));
    auto para = Chunk(bkPara);
    para->Para->Paragraph = QString::fromUtf8("Śpiewamy od 1998 roku. Próby w czwartki.");
    page.InsertChunk(1, std::move(para));
    // A picture without a stated size or words, and one far down the page
    // with half its size stated and words with a quote in them.
    auto first = Chunk(bkImage);
    first->Image->FileName = "graphics\\choir.png";
    page.InsertChunk(2, std::move(first));
    auto tall = Chunk(bkPara);
    tall->Para->Paragraph = QString("words ").repeated(800);
    page.InsertChunk(3, std::move(tall));
    auto second = Chunk(bkImage);
    second->Image->FileName = "graphics\\choir.png";
    second->Image->ImgWidth = "150";
    second->Image->AltText = "Our \"best\" concert";
    page.InsertChunk(4, std::move(second));

    const QString html = BuildPageHTML(page, true, dir.path());
    QVERIFY(html.startsWith("<!DOCTYPE html>\r\n<HTML LANG=\"pl\">\r\n<HEAD>\r\n<META CHARSET=\"utf-8\">\r\n<TITLE>"));
    static const QRegularExpression generator("<META NAME=\"Generator\" CONTENT=\"Tarvo [0-9]+\\.[0-9]+[^\"]*\">");
    QVERIFY(generator.match(html).hasMatch());
    QVERIFY(!html.contains("Tarvo Document") && !html.contains("Win95"));
    QVERIFY(html.contains(QString::fromUtf8("<META NAME=\"Description\" CONTENT=\"Śpiewamy od 1998 roku.\">")));
    QVERIFY(html.contains(QString::fromUtf8("<META PROPERTY=\"og:title\" CONTENT=\"Chór &quot;Cecylia&quot;\">")));
    // The card's picture needs an absolute address: none without the
    // folder's address on the web, the first picture below it with one.
    QVERIFY(!html.contains("og:image"));
    const QString card = StandardsHeadLines(page, Qt::white, Qt::black, "https://example.org/chor");
    QVERIFY(card.contains("<META PROPERTY=\"og:image\" CONTENT=\"https://example.org/chor/graphics/choir.png\">"));
    for (const char* notAnAddress : {"javascript:alert(1)", "chor/", "file:///etc/"})
        QVERIFY(!StandardsHeadLines(page, Qt::white, Qt::black, notAnAddress).contains("og:image"));
    QVERIFY(html.contains(kViewportMetaLine));
    QVERIFY(html.contains(ReadableLayoutLines()));
    // Every picture has ALT, WIDTH and HEIGHT; only the one below the
    // first screen loads lazily; the logo has its words and no link.
    QVERIFY(html.contains("<IMG SRC=\"graphics/choir.png\" HEIGHT=200 WIDTH=300 ALT=\"\">"));
    QVERIFY(html.contains("<IMG SRC=\"graphics/choir.png\" HEIGHT=100 WIDTH=150 ALT=\"Our &quot;best&quot; concert\" LOADING=\"lazy\">"));
    QVERIFY(html.contains("ALT=\"Made with Tarvo\"") && !html.contains("<A HREF=\"http://www.tarvo.example"));
    static const QRegularExpression img("<IMG\\b[^>]*>");
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const QString tag = it.next().captured();
        QVERIFY2(tag.contains(" ALT=\"") && tag.contains(" WIDTH=") && tag.contains(" HEIGHT="), qPrintable(tag));
    }
    // The bytes are UTF-8 as the page says, without a second declaration.
    const QByteArray bytes = EncodePageHTML(html).Bytes;
    QCOMPARE(bytes, html.toUtf8());
    QVERIFY(!html.contains(kUtf8MetaLine));

    // The viewer reads the new head without showing any of it.
    QFile file(dir.filePath("page.html"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QString errors;
    QTextStream err(&errors);
    QCOMPARE(RunViewerCommand({"--text", file.fileName()}, out, err), 0);
    const QString text = QString::fromUtf8(out.data()).trimmed();
    QVERIFY2(!text.contains("DOCTYPE") && !text.contains("max-width") && !text.contains("svg"), qPrintable(text.left(300)));
    QVERIFY(text.startsWith(QString::fromUtf8("Chór")));

    // The logo remover knows the line of earlier versions and today's.
    QCOMPARE(RemoveLogo("a" + kOldLogoLine + "\r\nb"), QString("a\r\nb"));
    QCOMPARE(RemoveLogo("a" + LogoLine() + "\r\nb"), QString("a\r\nb"));
}

void TestPageGen::descriptionAndIcon() {
    TPage page;
    page.Language = "en";
    // No paragraph: no description line at all, never "Tarvo Document".
    QVERIFY(!BuildPageHTML(page, false).contains("NAME=\"Description\""));
    auto para = Chunk(bkPara);
    para->Para->Paragraph = "<B>Fish &amp; chips</B> every Friday! " + QString("Long words ").repeated(30);
    page.InsertChunk(0, std::move(para));
    QCOMPARE(PageDescription(page), QString("Fish & chips every Friday!"));
    page.Chunk(0)->Para->Paragraph = QString("word ").repeated(100);
    const QString cut = PageDescription(page);
    QVERIFY(cut.size() <= kDescriptionMaxLength && cut.endsWith(QChar(0x2026)) && !cut.contains("wor\u2026"));
    page.Description = "  Our   own words.  ";
    QCOMPARE(PageDescription(page), QString("Our own words."));

    // The icon: the title's first letter, drawn in the style's colours
    // once the style is put in; nothing in it ends the tag early.
    page.PageTitle = QString::fromUtf8("élan");
    const QString html = BuildPageHTML(page, false);
    QVERIFY(html.contains(kIconLinkStart));
    TStyleChunk style;
    style.BackColor = 0x00FFFFFF;
    style.TextColor = 0x00102030;  // #302010
    const QString styled = AddBodyDef(html, &style);
    QCOMPARE(styled.count(kIconLinkStart), 1);
    const qsizetype at = styled.indexOf(kIconLinkStart);
    const QString line = styled.mid(at, styled.indexOf('\r', at) - at);
    QVERIFY(line.endsWith("\">") && line.count('>') == 1 && line.count('<') == 1);
    const QString svg = QUrl::fromPercentEncoding(line.toUtf8());
    QVERIFY2(svg.contains("fill='#302010'") && svg.contains("fill='#ffffff'>" + QString::fromUtf8("É")), qPrintable(svg));
    // A page written before has none of this.
    page.Language.clear();
    QVERIFY(!BuildPageHTML(page, false).contains("LINK REL"));
}

void TestPageGen::titleNobodyChoseIsTheFirstHeading() {
    TPage page;
    page.DocFileName = QStringLiteral("/home/u/save/chor.tve");
    QVERIFY(BuildPageHTML(page, false).contains("<TITLE>chor</TITLE>"));
    auto para = Chunk(bkPara);
    para->Para->Paragraph = QStringLiteral("Not a heading");
    page.WebChunks.push_back(std::move(para));
    page.WebChunks.push_back(Chunk(bkHeading));  // a heading without text
    auto heading = Chunk(bkHeading);
    heading->Heading->HeadText = QStringLiteral("Chór  Parafialny\r\nw Gdańsku");
    page.WebChunks.push_back(std::move(heading));
    QVERIFY(BuildPageHTML(page, false).contains(QStringLiteral("<TITLE>Chór Parafialny w Gdańsku</TITLE>")));
    // One the user typed wins; a blank one counts as none.
    page.PageTitle = QStringLiteral("Our choir");
    QVERIFY(BuildPageHTML(page, false).contains("<TITLE>Our choir</TITLE>"));
    page.PageTitle = QStringLiteral("  ");
    QVERIFY(BuildPageHTML(page, false).contains(QStringLiteral("<TITLE>Chór Parafialny w Gdańsku</TITLE>")));
}

QTEST_MAIN(TestPageGen)
#include "test_pagegen.moc"
