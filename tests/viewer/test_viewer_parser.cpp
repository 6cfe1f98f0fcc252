// The reader and parser: characters, entities, comments, tags and
// attributes, fonts, and what each tag builds.
#include "ViewerTestUtil.h"
#include "viewer/ImageCache.h"
#include "viewer/HtmlParser.h"
#include "viewer/HtmlTokens.h"

#include <QRegularExpression>

#include <QtTest>

class TestViewerParser : public QObject {
    Q_OBJECT
private slots:
    void characterAndEntityRules_data();
    void characterAndEntityRules();
    void comments();
    void unterminatedCommentKeepsTextBefore();
    void strayAngleBrackets();
    void attributeValues();
    void titleBaseAndTextAfterBody();
    void bodyAttributes();
    void alignment();
    void fontColour();
    void fontSizes();
    void headingsAndStyles();
    void preformattedLines();
    void lists();
    void anchorsAndLinks();
    void imagesAndMaps();
    void hostileNestingStaysBounded();
    void textKeepsEveryCharacter();
};

void TestViewerParser::characterAndEntityRules_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("text");
    QTest::newRow("amp") << "a &amp; b" << "a & b";
    QTest::newRow("amp amp") << "a &amp;amp; b" << "a &amp; b";
    QTest::newRow("lt gt quot") << "&lt;&gt;&quot;" << "<>\"";
    QTest::newRow("unknown keeps semicolon") << "&bogus; x" << "&bogus; x";
    QTest::newRow("unknown without semicolon") << "&bogus x" << "&bogus x";
    QTest::newRow("names are case-sensitive") << "&AMP; &eacute;&Eacute" << QString("&AMP; ") + QChar(0xE9) + QChar(0xC9);
    QTest::newRow("seven letters stay") << "&abcdefgh;" << "&abcdefgh;";
    QTest::newRow("latin letters") << "&Agrave;&szlig;&yuml;&nbsp;" << QString(QChar(192)) + QChar(223) + QChar(255) + QChar(160);
    QTest::newRow("numeric") << "&#65;&#66" << "AB";
    QTest::newRow("numeric control stays") << "&#7;" << "&#7;";
    QTest::newRow("numeric 256 stays") << "&#256;" << "&#256;";
    QTest::newRow("five digits") << "&#00065;" << "&#00065;";
    QTest::newRow("no digits") << "&#; &" << "&#; &";
    QTest::newRow("line ends and tabs fold") << "a\r\nb\n\rc\rd\n\ne\tf   g" << "a b c d e f g";
    QTest::newRow("leading space dropped") << " \n x" << "x";
    QTest::newRow("long run split at 100") << QString(250, 'x') << QString(250, 'x');
}

void TestViewerParser::characterAndEntityRules() {
    QFETCH(QString, html);
    QFETCH(QString, text);
    QCOMPARE(shown(html), text);
}

void TestViewerParser::comments() {
    QCOMPARE(shown("a<!-- one --><!-- two -- -->b<!---->c"), QString("abc"));
    // "--" must be followed (after optional white space) by ">".
    QCOMPARE(shown("a<!-- x -- y -- \n >b"), QString("ab"));
    QCOMPARE(shown("a<!-- x --- >b"), QString("ab"));
    // Declarations run to the next ">".
    QCOMPARE(shown("<!DOCTYPE html PUBLIC \"x\">a<!x>b"), QString("ab"));
    // A lone "<" not followed by "!" is a tag start.
    QCOMPARE(shown("a<b>b</b>"), QString("ab"));
}

void TestViewerParser::unterminatedCommentKeepsTextBefore() {
    QString error;
    auto doc = fixedDoc("<p>shown text<!-- never closed <b>lost</b>", 1000, &error);
    QCOMPARE(error, QString("Open Comment at End of HTML File"));
    QCOMPARE(sectionTexts(*doc).join("|"), QString("shown text"));
    // A declaration cut off by the end of input raises the same error.
    fixedDoc("x<!DOCTYPE", 1000, &error);
    QCOMPARE(error, QString("Open Comment at End of HTML File"));
}

void TestViewerParser::strayAngleBrackets() {
    QCOMPARE(shown("x > y"), QString("x y"));
    QCOMPARE(shown("a < b and c > d"), QString("a d"));
    QCOMPARE(shown("1 <2 > 3"), QString("1 3"));
    // Control characters do not reach the text.
    QCOMPARE(shown(QString("a") + QChar(4) + "b" + QChar(2) + "c"), QString("abc"));
}

void TestViewerParser::attributeValues() {
    const QString html("<img border src=\"A b.gif\" width=50% height='30%' alt=x&y align=+12ab hspace=00FF00 vspace=-7>");
    THtmlTokenizer t(html);
    t.GetCh();
    t.Next();
    QCOMPARE(t.Sy, S(Tag::IMG));
    const TAttributeList& a = t.Attributes;
    QCOMPARE(a.find(Attr::BORDER)->Value, 1);  // BORDER without a value
    QCOMPARE(a.find(Attr::SRC)->Name, QString("A b.gif"));  // case kept
    QCOMPARE(a.find(Attr::WIDTH)->Name, QString("50%"));
    QCOMPARE(a.find(Attr::WIDTH)->Value, 50);
    QCOMPARE(a.find(Attr::HEIGHT)->Value, 30);
    QCOMPARE(a.find(Attr::ALT)->Name, QString("x&y"));
    QCOMPARE(a.find(Attr::ALIGN)->Name, QString("+12AB"));  // number form: upper-cased
    QCOMPARE(a.find(Attr::ALIGN)->Value, 0);
    QCOMPARE(a.items().size(), size_t(8));
    QCOMPARE(a.items()[6].Which, Attr::Unknown);
    QCOMPARE(a.items()[6].Value, 0);  // a hex colour starting with a digit is no integer
    QCOMPARE(a.items()[7].Value, -7);

    // End tags of tags without an end form are unrecognised; H needs a level.
    const QString ends("</br></b><h7><h 2>");
    THtmlTokenizer u(ends);
    u.GetCh();
    u.Next();
    QCOMPARE(u.Sy, int(CommandSy));
    u.Next();
    QCOMPARE(u.Sy, E(Tag::B));
    u.Next();
    QCOMPARE(u.Sy, int(CommandSy));
    u.Next();
    QCOMPARE(u.Sy, S(Tag::H));
    QCOMPARE(u.Value, 2);
    // A quoted value ends at ">" when the quote is missing.
    const QString unquoted("<a href=\"open>text");
    THtmlTokenizer v(unquoted);
    v.GetCh();
    v.Next();
    QCOMPARE(v.Attributes.find(Attr::HREF)->Name, QString("open"));
    v.Next();
    QCOMPARE(v.Token, QString("text"));
}

void TestViewerParser::titleBaseAndTextAfterBody() {
    auto doc = fixedDoc("<html><head><title>My &amp; Page</title><base href=\"http://x/\"></head>"
                        "<body>inside</body> after the body");
    QCOMPARE(doc->title(), QString("My & Page"));
    QCOMPARE(doc->base(), QString("http://x/"));
    QCOMPARE(sectionTexts(*doc).join("|"), QString("inside"));
}

void TestViewerParser::bodyAttributes() {
    auto doc = fixedDoc("<style>p {}</style><body text=red link=\"#00FF00\" bgcolor=yellow background=b.gif>x");
    const TSectionList& l = doc->list();
    QCOMPARE(l.FontColor, QColor(Qt::red));
    QCOMPARE(l.HotSpotColor, QColor(0, 255, 0));
    QCOMPARE(l.Background, QColor(255, 255, 0));
    QVERIFY(l.BackgroundChosen);
    QCOMPARE(l.BackgroundImageName, QString("b.gif"));
    // Text before BODY went with the dropped section.
    QCOMPARE(sectionTexts(*doc).join("|"), QString("x"));
    QCOMPARE(sectionWith(*doc, "x")->fontAt(0).TheFont.color, QColor(Qt::red));
    // A second BODY changes nothing once sections exist.
    auto doc2 = fixedDoc("<p>a<body bgcolor=red>b");
    QVERIFY(!doc2->list().BackgroundChosen);
}

void TestViewerParser::alignment() {
    auto doc = fixedDoc("<div align=center>div</div><center>mid<p>para</center>after"
                        "<p align=RIGHT>right<p align=middle>dflt<br>br<h2 align=center>head</h2>");
    QCOMPARE(sectionWith(*doc, "div")->Justify, jsLeft);
    QCOMPARE(sectionWith(*doc, "mid")->Justify, jsCenter);
    QCOMPARE(sectionWith(*doc, "para")->Justify, jsCenter);
    QCOMPARE(sectionWith(*doc, "after")->Justify, jsLeft);
    QCOMPARE(sectionWith(*doc, "right")->Justify, jsRight);
    QCOMPARE(sectionWith(*doc, "dflt")->Justify, jsLeft);
    QCOMPARE(sectionWith(*doc, "br")->Justify, jsLeft);
    QCOMPARE(sectionWith(*doc, "head")->Justify, jsCenter);
    // Several P in a row make one paragraph space; the last ALIGN wins.
    auto doc2 = fixedDoc("a<p align=right></p> <p align=center>b");
    QCOMPARE(sectionWith(*doc2, "b")->Justify, jsCenter);
    int spaces = 0;
    for (const auto& s : doc2->list())
        spaces += dynamic_cast<TParagraphSpace*>(s.get()) != nullptr;
    QCOMPARE(spaces, 1);
}

void TestViewerParser::fontColour() {
    auto doc = fixedDoc("<font color=red>n</font><font color=\"#00ff00\">h</font>"
                        "<font color=0000FF>d</font><font color=nosuch>b</font>"
                        "<font color=navy>o<font color=zzz>i</font>c</font>");
    const TSection* s = sectionWith(*doc, "n");
    auto colourOf = [s](QChar c) { return s->fontAt(int(s->text().indexOf(c))).TheFont.color; };
    QCOMPARE(colourOf('n'), QColor(Qt::red));
    QCOMPARE(colourOf('h'), QColor(0, 255, 0));
    QCOMPARE(colourOf('d'), QColor(0, 0, 255));
    QCOMPARE(colourOf('b'), QColor(Qt::black));
    QCOMPARE(colourOf('i'), QColor(0, 0, 128));
    // A FONT that changed nothing still pairs with its end tag.
    QCOMPARE(colourOf('c'), QColor(0, 0, 128));
}

void TestViewerParser::fontSizes() {
    auto doc = fixedDoc("<font size=1>a</font><font size=7>b</font><font size=+1>c</font>"
                        "<basefont size=5><font size=+1>d</font><font size=-2>e</font>"
                        "<font size=9>f</font><big>g<big>h</big></big><small>i</small>"
                        "<tt>j</tt><pre><font size=1>k</font><big>l</big></pre>");
    auto size = [&](QChar c) {
        const TSection* s = sectionWith(*doc, QString(c));
        return s->fontAt(int(s->text().indexOf(c))).TheFont.nominal;
    };
    QCOMPARE(size('a'), 8);
    QCOMPARE(size('b'), 36);
    QCOMPARE(size('c'), 14);  // BASEFONT 3 + 1
    QCOMPARE(size('d'), 24);  // BASEFONT 5 + 1
    QCOMPARE(size('e'), 12);
    QCOMPARE(size('f'), 18);  // out of range: unchanged (the BASEFONT font)
    QCOMPARE(size('g'), 24);  // BIG of the BASEFONT's 18
    QCOMPARE(size('h'), 36);
    QCOMPARE(size('i'), 14);
    QCOMPARE(size('j'), 10);
    QCOMPARE(size('k'), 7);   // PRE table
    QCOMPARE(size('l'), 12);  // PRE 10 -> 12
    const TSection* j = sectionWith(*doc, "j");
    QVERIFY(j->fontAt(int(j->text().indexOf('j'))).TheFont.fixedPitch);
    QCOMPARE(j->fontAt(int(j->text().indexOf('j'))).TheFont.name, QString("Courier New"));
}

void TestViewerParser::headingsAndStyles() {
    auto doc = fixedDoc("<h1>One</h1>text <b>b<i>bi</b>i</i><u>u</u>x<sub>s</sub><sup>p</sup>"
                        "<address>ad</address>plain</h3>end");
    const TSection* h = sectionWith(*doc, "One");
    QCOMPARE(h->fontAt(0).TheFont.nominal, 24);
    QVERIFY(h->fontAt(0).TheFont.bold);
    const THeadingSpace* space = nullptr;
    for (const auto& sec : doc->list())
        if (!space)
            space = dynamic_cast<THeadingSpace*>(sec.get());
    QVERIFY(space);
    QCOMPARE(space->Level, 1);
    QCOMPARE(space->SectionHeight, 16);
    const TSection* t = sectionWith(*doc, "text");
    auto font = [t](const QString& piece) { return t->fontAt(int(t->text().indexOf(piece))); };
    QCOMPARE(font("text").TheFont.nominal, 12);
    QVERIFY(!font("text").TheFont.bold);
    QVERIFY(font("bbi").TheFont.bold);
    QVERIFY(font("bii").TheFont.italic && font("bii").TheFont.bold);
    QVERIFY(font("iu").TheFont.italic && !font("iu").TheFont.bold);
    QVERIFY(font("ux").TheFont.underline);
    QCOMPARE(font("s").SScript, TScript::Sub);
    QCOMPARE(font("s").TheFont.nominal, 9);
    QCOMPARE(font("p").SScript, TScript::Super);
    QVERIFY(sectionWith(*doc, "ad")->fontAt(0).TheFont.italic);
    // The stray </h3> pops nothing below the base font.
    QCOMPARE(sectionWith(*doc, "end")->fontAt(0).TheFont.nominal, 12);
}

void TestViewerParser::preformattedLines() {
    auto doc = fixedDoc("<pre>a  b\n\n\tc &amp; <b>d</b><br>e\r\n</pre>after");
    QStringList pre;
    for (const auto& s : doc->list())
        if (auto* p = dynamic_cast<TPreFormated*>(s.get()))
            pre << p->text();
    // Every line is a section; an empty one holds one space.
    QCOMPARE(pre, QStringList({"a  b", " ", " c & d", "e", " "}));
    for (const auto& s : doc->list())
        if (dynamic_cast<TPreFormated*>(s.get()))
            QCOMPARE(s->SectionHeight, 20);
    const TSection* c = sectionWith(*doc, "c & d");
    QVERIFY(c->fontAt(int(c->text().indexOf('d'))).TheFont.bold);
    QCOMPARE(c->fontAt(0).TheFont.nominal, 10);
    QVERIFY(!sectionWith(*doc, "after")->fontAt(0).TheFont.fixedPitch);
    // Text lines each end a line.
    THtmlDocument lines(std::make_unique<TFixedMeasurer>());
    lines.parseLines({"<pre>one", "two</pre>", "three"});
    QCOMPARE(sectionTexts(lines), QStringList({"one", "two", "three "}));
}

void TestViewerParser::lists() {
    auto doc = fixedDoc("<li>stray<ul><li>u1<ol start=5><li>o5<li>o6</ol>back<li>u2</ul>"
                        "<ul plain><li>plain</ul><dl><dt>term<dd>def</dl>"
                        "<blockquote>quote</blockquote><ol start=-3><li>one</ol>");
    auto item = [&](const QString& t) { return sectionWith(*doc, t); };
    QCOMPARE(item("stray")->ListLevel, 0);
    QCOMPARE(item("u1")->ListType, TListKind::Bulleted);
    QCOMPARE(item("u1")->ListLevel, 1);
    QCOMPARE(item("o5")->ListType, TListKind::Numbered);
    QCOMPARE(item("o5")->ListNumber, 5);
    QCOMPARE(item("o6")->ListNumber, 6);
    QCOMPARE(item("o6")->ListLevel, 2);
    QCOMPARE(item("back")->ListLevel, 1);
    QCOMPARE(item("back")->ListType, TListKind::None);
    QCOMPARE(item("u2")->ListLevel, 1);
    QVERIFY(item("plain")->Plain);
    QCOMPARE(item("term")->ListType, TListKind::Definition);
    QCOMPARE(item("term")->ListLevel, 0);
    QCOMPARE(item("def")->ListLevel, 1);
    QCOMPARE(item("quote")->ListLevel, 1);
    QCOMPARE(item("one")->ListNumber, 1);
    // 35 px per level.
    QCOMPARE(item("o5")->Lines[0].LineIndent, 70);
    QCOMPARE(item("def")->Lines[0].LineIndent, 35);
}

void TestViewerParser::anchorsAndLinks() {
    auto doc = fixedDoc("<a name=top></a>start <a href=\"b.html#x\" name=mid>link</a> plain"
                        "<a name=top>again</a>");
    const TSection* s = sectionWith(*doc, "start");
    QCOMPARE(doc->list().NameList.value("TOP"), static_cast<const TSectionBase*>(s));
    QVERIFY(doc->list().NameList.contains("MID"));
    QCOMPARE(s->urlAt(int(s->text().indexOf("link"))), QString("b.html#x"));
    QVERIFY(s->fontAt(int(s->text().indexOf("link"))).TheFont.underline);
    QCOMPARE(s->fontAt(int(s->text().indexOf("link"))).TheFont.color, QColor(Qt::blue));
    QVERIFY(s->urlAt(int(s->text().indexOf("plain"))).isEmpty());
    QVERIFY(!s->fontAt(int(s->text().indexOf("plain"))).TheFont.underline);
    // An anchor in a section dropped by BODY is forgotten.
    auto doc2 = fixedDoc("<a name=gone>x</a><body>y");
    QVERIFY(!doc2->list().NameList.contains("GONE"));
}

void TestViewerParser::imagesAndMaps() {
    auto doc = fixedDoc("<map name=\"Nav\"><area shape=rect coords=\"0,0,9,9\" href=r.html>"
                        "<area shape=circ coords=\"1,2\" href=bad.html></map>"
                        "a <img src=\"p.gif\" width=40 height=0 align=LEFT alt=\"A\" usemap=\"#nav\"> b"
                        "<map name=open><area coords=\"0,0,1,1\"> swallowed");
    QCOMPARE(doc->list().MapList.count(), 1);  // the unclosed map is dropped
    const TMapItem* map = doc->list().FindMap("NAV");
    QVERIFY(map);
    QCOMPARE(map->areaCount(), 1);  // a circle needs three numbers
    const TSection* s = sectionWith(*doc, "a ");
    QVERIFY(s);
    QCOMPARE(s->Images.count(), 1);
    const TImageObj* img = s->Images.at(0);
    QCOMPARE(s->text(), QString("a ") + QChar(ImageCode) + " b");
    QCOMPARE(img->ObjAlign, int(TImageObj::ALeft));
    QCOMPARE(img->SpecWidth, 0);  // HEIGHT 0: natural size for both
    QCOMPARE(img->MapName, QString("NAV"));
    QCOMPARE(img->ObjWidth, ViewerPlaceholder(PictureImagesOff).width());
}

void TestViewerParser::hostileNestingStaysBounded() {
    QString deep;
    for (int i = 0; i < 5000; ++i)
        deep += "<ul><li>x<font size=7><b><a href=u>";
    auto doc = fixedDoc(deep, 400);
    QVERIFY(doc->documentHeight() > 0);
    int deepest = 0;
    for (const auto& s : doc->list())
        if (auto* t = dynamic_cast<TSection*>(s.get()))
            deepest = std::max(deepest, t->ListLevel);
    QCOMPARE(deepest, THtmlParser::MaxListDepth);
    // One section never holds much more than 20000 characters; a longer
    // paragraph, PRE line or table cell goes on in the next section, with
    // nothing dropped (on screen or copied).
    const QString words = QString(50000, 'w').replace(QRegularExpression("w{9}"), "wwwwwwww ");
    for (const QString& html : {words, "<pre>" + words + "</pre>", "<table><tr><td>" + words + "</table>",
                                "<ul><li>" + words + "</ul>"}) {
        auto big = fixedDoc(html, 400);
        int total = 0, bullets = 0;
        ForEachSection(big->list(), [&](TSectionBase& s) {
            if (auto* t = dynamic_cast<TSection*>(&s)) {
                QVERIFY(t->Len <= MaxSectionText + 200);
                total += t->Len;
                bullets += t->ListType == TListKind::Bulleted;
            }
        });
        QCOMPARE(total, words.size());
        QVERIFY(bullets <= 1);
        big->selectAll();
        QCOMPARE(big->copyText().count('w'), words.count('w'));
    }
}

void TestViewerParser::textKeepsEveryCharacter() {
    // Text is kept one byte a character while the code page has them; a
    // character it lacks (typed in the editor) is kept all the same.
    const QString cp1252 = QString::fromUtf8("caf\u00e9 \u20ac \u201cq\u201d");
    QCOMPARE(shown(cp1252), cp1252);
    const QString other = QString::fromUtf8("\u0109u \u00e9 \u4e2d");
    QCOMPARE(shown("ab " + other + " cd"), "ab " + other + " cd");
    QCOMPARE(shown("&#128;x"), QString(QChar(0x80)) + "x");  // not the euro of byte 128
    auto d = fixedDoc("abc " + other, 1000);
    d->selectAll();
    QCOMPARE(d->copyText(), "abc " + other + "\r\n");
    QCOMPARE(d->findString(0, QString::fromUtf8("\u4e2d"), true), 4 + 5);
    // A long section that grows through many appends and turns two bytes a
    // character far into its text keeps what came before and after.
    QString words;
    for (int i = 0; i < 800; ++i)
        words += QString::number(i) + (i == 500 ? QString::fromUtf8(" \u4e2d ") : QStringLiteral(" "));
    QCOMPARE(shown(words).trimmed(), words.trimmed());
    // Pictures take no place in copied text; the text around them is kept.
    auto pics = fixedDoc("ab<img src=x.gif alt=A>cd<img src=y.gif> ef", 1000);
    pics->selectAll();
    QCOMPARE(pics->copyText(), QString("abcd ef\r\n"));
}

QTEST_MAIN(TestViewerParser)
#include "test_viewer_parser.moc"
