#include "TestSupport.h"
#include "app/BinaryIO.h"
#include "docs/PageFile.h"
#include "app/SafeWrite.h"
#include "model/WebBlocks.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QByteArray Int32(qint32 v) {
    return QByteArray(reinterpret_cast<const char*>(&v), 4);  // the test machine is little-endian
}
QByteArray Str(const QByteArray& s) {
    return Int32(qint32(s.size() - 1)) + s;
}
const QByteArray kTail = Int32(4) + Int32(-1) + "End of Tarvo File >=)";

std::unique_ptr<TWebChunk> Chunk(int kind) {
    auto c = std::make_unique<TWebChunk>();
    c->Kind = kind;
    c->AllocateRecord();
    return c;
}

// A page with one block of every kind, every field set to a telling value.
void FillEveryKind(TPage& page) {
    page.PageTitle = QStringLiteral("Caf\u00e9 \u20ac");
    auto p = Chunk(bkPara);
    *p->Para = {QStringLiteral("one\r\ntwo"), alRight, 1};
    auto l = Chunk(bkLink);
    *l->Link = {"pre", "http://x.example/", "link", "post", alLeft, 1};
    auto i = Chunk(bkImage);
    *i->Image = {"graphics\\a.gif", "10", "20", "alt", "http://y.example/", alCenter, 1};
    auto h = Chunk(bkHeading);
    *h->Heading = {"4 (Small)", "Head", alRight, 0};
    auto e = Chunk(bkEmail);
    *e->Email = {"p", "a@x.example", "t", "q", alCenter, 1};
    auto n = Chunk(bkLine);
    *n->Line = {"75", "3 (Thin)"};
    for (auto* c : {&p, &l, &i, &h, &e, &n}) page.WebChunks.push_back(std::move(*c));
}


// Reads bytes through a file, as the program does.
TPageReadOutcome ReadBytes(const QByteArray& bytes, TPage& page) {
    const QString path = QDir(qEnvironmentVariable("TARVO_APPDIR")).filePath("save/read.tve");
    if (!WriteFileBytes(path, bytes)) return {};
    return ReadPageFile(path, page);
}

}  // namespace

class TestPageFile : public QObject {
    Q_OBJECT
private slots:
    void byteLayout();
    void everyKindRoundTrips();
    void olderMinorVersions();
    void anyCharacterMakesVersion104();
    void notAPageDocument_data();
    void notAPageDocument();
    void damageKeepsEarlierBlocksAndNextReadIsClean();
    void everyTruncationIsDamagedNeverACrash();
    void hostileBytes();
    void snapshotBesideTheDocument();
    void failedSaveKeepsOldFiles();
    void phoneChoiceAfterTheTrailer();
    void iconAndDecorationFollowTheOlderOptions();
};

void TestPageFile::byteLayout() {
    TPage page;
    page.PageTitle.clear();
    QCOMPARE(PageFileBytes(page, "[None]"), "Tarvo File1.03" + Str("[None]") + Int32(-1) + Int32(0) + kTail);
    page.PageTitle = "T";
    QCOMPARE(PageFileBytes(page, ""), "Tarvo File1.03" + Int32(-1) + Int32(0) + "T" + Int32(0) + kTail);
    // The e-mail block stores its address first; a heading has no new-line byte.
    auto e = Chunk(bkEmail);
    *e->Email = {"p", "a", "t", "q", alRight, 1};
    page.WebChunks.push_back(std::move(e));
    auto h = Chunk(bkHeading);
    *h->Heading = {"2 (Larger)", "H", alCenter, 1};
    page.WebChunks.push_back(std::move(h));
    QCOMPARE(PageFileBytes(page, "S"), "Tarvo File1.03" + Str("S") + Str("T") + Int32(2) + Int32(4) + Str("a") +
                                           Str("p") + Str("t") + Str("q") + Int32(3) + "\x01" + Int32(3) +
                                           Str("2 (Larger)") + Str("H") + Int32(2) + kTail);
}

void TestPageFile::everyKindRoundTrips() {
    TTestEnv env;
    TPage page;
    FillEveryKind(page);
    page.Chunk(3)->Heading->NewLine = 1;  // not stored
    const QString path = QDir(env.appDir()).filePath("save/page.tve");
    QString error;
    QVERIFY2(WritePageFile(path, page, "Sky", QImage(), &error), qPrintable(error));
    QVERIFY(ReadFileBytes(path).contains("Caf\xe9 \x80"));

    TPage back;
    QList<int> loaded;
    const TPageReadOutcome o = ReadPageFile(path, back, [&](int index) { loaded << index; });
    QCOMPARE(o.Result, TPageReadResult::Ok);
    QCOMPARE(o.Message, QString());
    QCOMPARE(o.MinorVersion, 3);
    QVERIFY(o.HasStyleName && o.HasTitle);
    QCOMPARE(o.StyleName, QStringLiteral("Sky"));
    QCOMPARE(back.PageTitle, page.PageTitle);
    QCOMPARE(loaded, (QList<int>{0, 1, 2, 3, 4, 5}));
    // Written again, the page gives the same bytes: every field came back.
    page.Chunk(3)->Heading->NewLine = 0;
    QCOMPARE(PageFileBytes(back, "Sky"), PageFileBytes(page, "Sky"));
    QCOMPARE(back.Chunk(3)->Heading->NewLine, quint8(0));
    QCOMPARE(back.Chunk(4)->Email->Address, QStringLiteral("a@x.example"));
    QCOMPARE(back.Chunk(4)->Email->PreText, QStringLiteral("p"));
}

void TestPageFile::olderMinorVersions() {
    TTestEnv env;
    const QByteArray block = Int32(5) + Str("") + Str("6 (Thickest)");
    // 1.00: no style and no title; the block count follows the version.
    TPage page;
    TPageReadOutcome o = ReadBytes("Tarvo File1.00" + Int32(1) + block + kTail, page);
    QCOMPARE(o.Result, TPageReadResult::Ok);
    QVERIFY(!o.HasStyleName && !o.HasTitle);
    QCOMPARE(page.PageTitle, TPage::DefaultTitle);
    QCOMPARE(page.Count(), 1);
    for (const char* v : {"1.01", "1.02"}) {
        TPage p;
        o = ReadBytes("Tarvo File" + QByteArray(v) + Str("Sky") + Int32(1) + block + kTail, p);
        QCOMPARE(o.Result, TPageReadResult::Ok);
        QVERIFY(o.HasStyleName && !o.HasTitle);
        QCOMPARE(o.StyleName, QStringLiteral("Sky"));
        QCOMPARE(p.Count(), 1);
    }
    // A later minor version reads as 1.03; only the low byte of an alignment counts.
    TPage p;
    o = ReadBytes("Tarvo File1.99" + Str("") + Str("") + Int32(1) + Int32(3) + Str("1") + Str("") + Int32(0x1202) +
                      kTail,
                  p);
    QCOMPARE(o.Result, TPageReadResult::Ok);
    QCOMPARE(p.PageTitle, QString());
    QCOMPARE(p.Chunk(0)->Heading->Align, quint8(2));
}

void TestPageFile::anyCharacterMakesVersion104() {
    TTestEnv env;
    const QString line = QString::fromUtf8("Zoë's café — Łódź, Ελληνικά, "
                                           "Русский, 日本語 😀");
    TPage page;
    FillEveryKind(page);
    page.PageTitle = line;
    page.Chunk(3)->Heading->HeadText = line;
    page.Chunk(2)->Image->FileName = QString::fromUtf8("graphics\\café日本.png");
    const QByteArray bytes = PageFileBytes(page, line);
    // The same layout, every string its UTF-8 bytes with their count.
    QVERIFY(bytes.startsWith("Tarvo File1.04" + Str(line.toUtf8()) + Str(line.toUtf8()) + Int32(6)));
    QVERIFY(bytes.endsWith(kTail));
    TPage back;
    const TPageReadOutcome o = ReadBytes(bytes, back);
    QCOMPARE(o.Result, TPageReadResult::Ok);
    QCOMPARE(o.StyleName, line);
    QCOMPARE(back.PageTitle, line);
    QCOMPARE(back.Chunk(3)->Heading->HeadText, line);
    QCOMPARE(PageFileBytes(back, line), bytes);

    // A document of an earlier version holds Windows-1252: its letters stay.
    TPage old;
    QCOMPARE(ReadBytes("Tarvo File1.03" + Str("Caf\xe9") + Str("Zo\xeb \x80") + Int32(1) + Int32(3) + Str("1") +
                           Str("\x93\xe9\x94") + Int32(0) + kTail,
                       old)
                 .Result,
             TPageReadResult::Ok);
    QCOMPARE(old.PageTitle, QString::fromUtf8("Zoë €"));
    QCOMPARE(old.Chunk(0)->Heading->HeadText, QString::fromUtf8("“é”"));
}

void TestPageFile::notAPageDocument_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fault");
    QTest::newRow("empty") << QByteArray() << int(TPageReadFault::BadHeader);
    QTest::newRow("short") << QByteArray("Tarvo") << int(TPageReadFault::BadHeader);
    QTest::newRow("letter case") << QByteArray("tarvo File1.03") << int(TPageReadFault::BadHeader);
    QTest::newRow("major 2") << QByteArray("Tarvo File2.03") << int(TPageReadFault::WrongMajorVersion);
    QTest::newRow("major 0") << QByteArray("Tarvo File0.03") << int(TPageReadFault::WrongMajorVersion);
    QTest::newRow("letters") << QByteArray("Tarvo File1.0x") << int(TPageReadFault::BadVersionText);
    QTest::newRow("signs") << QByteArray("Tarvo File1.-3") << int(TPageReadFault::BadVersionText);
}

void TestPageFile::notAPageDocument() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, fault);
    TTestEnv env;
    TPage page;
    const TPageReadOutcome o = ReadBytes(bytes + Str("S") + Str("T") + Int32(0) + kTail, page);
    QCOMPARE(o.Result, TPageReadResult::NotAPage);
    QCOMPARE(int(o.Fault), fault);
    QCOMPARE(page.PageTitle, TPage::DefaultTitle);
    QVERIFY(!o.Message.isEmpty() && !o.Message.contains('\n'));
    if (fault == int(TPageReadFault::BadVersionText)) QVERIFY(o.Message.contains("is not a Tarvo page"));

    TPage other;
    QCOMPARE(ReadPageFile(QDir(env.appDir()).filePath("save/none.tve"), other).Result, TPageReadResult::Unreadable);
    QCOMPARE(ReadPageFile(env.appDir(), other).Result, TPageReadResult::Unreadable);
}

void TestPageFile::damageKeepsEarlierBlocksAndNextReadIsClean() {
    TTestEnv env;
    TPage good;
    FillEveryKind(good);
    const QByteArray valid = PageFileBytes(good, "[None]");
    const QByteArray head = "Tarvo File1.03" + Str("[None]") + Str("T") + Int32(3);
    const QByteArray para = Int32(0) + Str("x") + Int32(0) + "\x00"_qba;

    TPage page;
    TPageReadOutcome o = ReadBytes(head + para + Int32(9) + para + kTail, page);
    QCOMPARE(o.Result, TPageReadResult::Damaged);
    QCOMPARE(o.Fault, TPageReadFault::UnknownBlock);
    QCOMPARE(o.LoadStatus, lsUnknownBlock);
    QCOMPARE(page.Count(), 1);
    QCOMPARE(page.PageTitle, QStringLiteral("T"));
    QVERIFY(o.Message.contains("1 of 3"));

    page.ClearChunks();
    o = ReadBytes(valid, page);
    QCOMPARE(o.Result, TPageReadResult::Ok);
    QCOMPARE(o.LoadStatus, lsReading);
    QCOMPARE(page.Count(), 6);

    page.ClearChunks();
    o = ReadBytes(head + para + para + Int32(-1) + "End of Tarvo File >=)", page);
    QCOMPARE(o.Fault, TPageReadFault::EndMarkerEarly);
    QCOMPARE(o.LoadStatus, lsEndMarker);
    QCOMPARE(page.Count(), 2);
    // The whole end marker (4, -1) where a block should be reads as an
    // e-mail block whose text runs off: damaged all the same.
    page.ClearChunks();
    o = ReadBytes(head + para + para + kTail, page);
    QCOMPARE(o.Result, TPageReadResult::Damaged);
    QCOMPARE(page.Count(), 2);
}

void TestPageFile::everyTruncationIsDamagedNeverACrash() {
    TTestEnv env;
    TPage good;
    FillEveryKind(good);
    const QByteArray valid = PageFileBytes(good, "Sky");
    const qsizetype header = 10;  // "Tarvo File"
    for (qsizetype cut = 0; cut < valid.size(); ++cut) {
        TPage page;
        const TPageReadOutcome o = ReadBytes(valid.left(cut), page);
        const auto expected = cut < header ? TPageReadResult::NotAPage : TPageReadResult::Damaged;
        if (o.Result != expected) QFAIL(qPrintable(QStringLiteral("cut at %1").arg(cut)));
        QVERIFY(o.BlocksRead <= 6 && page.Count() == o.BlocksRead);
    }
}

void TestPageFile::hostileBytes() {
    TTestEnv env;
    const QByteArray head = "Tarvo File1.03" + Str("S") + Str("T");
    TPage page;
    // A count far beyond what the file holds, and string lengths past the end
    // or absurdly large, end the read as damaged without a large allocation.
    TPageReadOutcome o = ReadBytes(head + Int32(INT32_MAX) + Int32(5) + Str("") + Str("1"), page);
    QCOMPARE(o.Result, TPageReadResult::Damaged);
    QCOMPARE(page.Count(), 1);
    o = ReadBytes(head + Int32(1) + Int32(0) + Int32(0x7FFFFFFE) + "abc", page);
    QCOMPARE(o.Fault, TPageReadFault::StringTooLong);
    o = ReadBytes(head + Int32(1) + Int32(0) + Int32(1000) + "abc", page);
    QCOMPARE(o.Fault, TPageReadFault::StringPastEnd);
    o = ReadBytes("Tarvo File1.03" + Int32(-5) + Int32(-2147483647) + Int32(-7) + kTail, page);
    QCOMPARE(o.Result, TPageReadResult::Ok);

    // Random bytes behind a valid header, and wholly random files.
    QRandomGenerator rng(1234);
    for (int round = 0; round < 300; ++round) {
        QByteArray noise(int(rng.bounded(200)), Qt::Uninitialized);
        for (char& c : noise) c = char(rng.bounded(256));
        if (round % 3 == 0) {
            for (qsizetype i = 0; i + 4 <= noise.size(); i += 4)
                if (rng.bounded(2)) noise.replace(i, 4, Int32(qint32(rng.bounded(8)) - 1));
        }
        TPage p;
        ReadBytes(round % 2 ? noise : head + noise, p);
    }
}

void TestPageFile::snapshotBesideTheDocument() {
    TTestEnv env;
    TPage page;
    FillEveryKind(page);
    const QString path = QDir(env.appDir()).filePath("save/page.tve");
    QVERIFY(WritePageFile(path, page, "[None]", QImage()));
    QVERIFY(QFile::exists(path + ".bmp"));
    const QImage thumb = ReadThumbnail(path);
    QCOMPARE(thumb.size(), QSize(196, 229));
    QVERIFY(ReadFileBytes(path + ".bmp").startsWith("BM"));
    // A rendering of any size is stretched to the snapshot's size.
    QImage rendering(600, 400, QImage::Format_RGB32);
    rendering.fill(Qt::darkCyan);
    const QImage snap = CapturePageSnapshot(page, rendering);
    QCOMPARE(snap.size(), QSize(196, 229));
    QCOMPARE(snap.pixelColor(100, 100), QColor(Qt::darkCyan));
    // The gallery shows the picture only beside a readable document.
    QVERIFY(WriteFileBytes(path, "Tarvo File2.03"));
    QVERIFY(ReadThumbnail(path).isNull());
    QVERIFY(WriteFileBytes(path, "Not Tarvo"));
    QVERIFY(ReadThumbnail(path).isNull());
}

void TestPageFile::failedSaveKeepsOldFiles() {
    TTestEnv env;
    TPage page;
    FillEveryKind(page);
    const QString path = QDir(env.appDir()).filePath("save/page.tve");
    QVERIFY(WritePageFile(path, page, "[None]", QImage()));
    const QByteArray oldDocument = ReadFileBytes(path);
    // The snapshot cannot replace a folder that stands in its place: the save
    // fails, says which file, and the old document stays.
    QVERIFY(QFile::remove(path + ".bmp"));
    QVERIFY(QDir().mkpath(path + ".bmp"));
    page.PageTitle = "changed";
    QString error;
    QVERIFY(!WritePageFile(path, page, "[None]", QImage(), &error));
    QCOMPARE(error, QStringLiteral("Cannot create file %1: a folder of that name is in the way.")
                        .arg(QDir::toNativeSeparators(path + ".bmp")));
    QCOMPARE(ReadFileBytes(path), oldDocument);
    // A disk that fills part way through the document: every byte is
    // counted, the cut-off file never replaces the old one.
    QVERIFY(QDir(path + ".bmp").removeRecursively());
    const QString fullDisk = "The disk is full: your page was not saved; the last saved version is kept.";
    SetWriteLimitForTests(100);
    const bool cut = WritePageFile(path, page, "[None]", QImage(), &error);
    SetWriteLimitForTests(-1);
    QVERIFY(!cut);
    QCOMPARE(error, fullDisk);
    QCOMPARE(ReadFileBytes(path), oldDocument);
    // A disk that fills only when the buffered bytes are flushed, or at the
    // rename: the same.
    for (TWriteStep step : {TWriteStep::Flush, TWriteStep::Rename}) {
        SetWriteFailureForTests(step);
        const bool failed = !WritePageFile(path, page, "[None]", QImage(), &error);
        SetWriteFailureForTests(TWriteStep::None);
        QVERIFY(failed);
        QCOMPARE(error, fullDisk);
        QCOMPARE(ReadFileBytes(path), oldDocument);
    }
    // No temporary files are left behind.
    QCOMPARE(QDir(QDir(env.appDir()).filePath("save")).entryList(QDir::Files), QStringList{"page.tve"});
    QVERIFY(!WritePageFile(QDir(env.appDir()).filePath("nowhere/page.tve"), page, "[None]", QImage(), &error));
    QVERIFY(error.startsWith("Cannot create file"));
    // A file standing where a folder must be: which one is said.
    QVERIFY(WriteFileBytes(QDir(env.appDir()).filePath("blocked"), "x"));
    QVERIFY(!WritePageFile(QDir(env.appDir()).filePath("blocked/page.tve"), page, "[None]", QImage(), &error));
    QVERIFY2(error.contains("blocked\" is a file, not a folder"), qPrintable(error));
}

void TestPageFile::phoneChoiceAfterTheTrailer() {
    TTestEnv env;
    TPage page;
    FillEveryKind(page);
    const QByteArray off = PageFileBytes(page, "Sky");
    QVERIFY(off.endsWith(kTail));
    // On: the file as before plus the options after the trailer.
    page.FitPhone = true;
    const QByteArray on = PageFileBytes(page, "Sky");
    QCOMPARE(on, off + "Page options" + Int32(1) + "\x01");
    TPage back;
    TPageReadOutcome o = ReadBytes(on, back);
    QCOMPARE(o.Result, TPageReadResult::Ok);
    QVERIFY(back.FitPhone);
    QCOMPARE(back.Count(), 6);
    QCOMPARE(PageFileBytes(back, "Sky"), on);

    // A file without options (every earlier document and template), or with
    // options cut off, hostile or unknown, reads as off and is no fault; a
    // later version's longer options keep the flag.
    const QList<QPair<QByteArray, bool>> tails = {
        {"", false},
        {"Page opt", false},
        {"Page options" + Int32(1), false},
        {"Page options" + Int32(0x7fffffff) + "\x01", false},
        {"Page options" + Int32(-5) + "\x01", false},
        {"Page options" + Int32(0) + "\x01", false},
        {"Page options" + Int32(1) + "\x02", false},
        {"Other things" + Int32(1) + "\x01", false},
        {"Page options" + Int32(3) + QByteArray("\x03\x00\xff", 3) + "more", true},
    };
    for (const auto& [tail, fits] : tails) {
        TPage read;
        read.FitPhone = !fits;  // the reader sets it either way
        o = ReadBytes(off + tail, read);
        QCOMPARE(o.Result, TPageReadResult::Ok);
        QCOMPARE(read.FitPhone, fits);
        QCOMPARE(read.Count(), 6);
    }
    // A standards page: the flags, then its language and description in
    // UTF-8, read back as written.
    TPage standards;
    FillEveryKind(standards);
    standards.Language = "pl";
    standards.Description = QString::fromUtf8("Chór śpiewa w czwartki.");
    standards.ReadableLayout = true;
    const QByteArray withLanguage = PageFileBytes(standards, "Sky");
    const QByteArray description = standards.Description.toUtf8();
    const QByteArray section = QByteArray("\x02", 1) + Int32(1) + "pl" + Int32(qint32(description.size()) - 1) + description;
    QCOMPARE(withLanguage, off + "Page options" + Int32(qint32(section.size())) + section);
    TPage again;
    QCOMPARE(ReadBytes(withLanguage, again).Result, TPageReadResult::Ok);
    QCOMPARE(again.Language, QString("pl"));
    QCOMPARE(again.Description, standards.Description);
    QVERIFY(again.ReadableLayout && !again.FitPhone);
    QCOMPARE(PageFileBytes(again, "Sky"), withLanguage);
    // A language that is no language tag would go into the page's HTML as
    // it stands: it is not taken, and the page reads as one written before.
    const QByteArray hostile = QByteArray("\x02", 1) + Int32(7) + "x\"><b>ab" + Int32(-1);
    TPage foreign;
    QCOMPARE(ReadBytes(off + "Page options" + Int32(hostile.size()) + hostile, foreign).Result, TPageReadResult::Ok);
    QVERIFY(foreign.Language.isEmpty() && !foreign.Standards() && foreign.ReadableLayout);

    // Damage before the trailer is still damage.
    TPage cut;
    QCOMPARE(ReadBytes(on.left(off.size() - 3), cut).Result, TPageReadResult::Damaged);
    QVERIFY(!cut.FitPhone);
}

void TestPageFile::iconAndDecorationFollowTheOlderOptions() {
    TTestEnv env;
    TPage page;
    FillEveryKind(page);  // the picture is the third block
    const QByteArray off = PageFileBytes(page, "Sky");
    page.Chunk(2)->Image->Decoration = true;
    page.IconFile = "graphics\\logo.png";
    // The fields readers knew stand first, the language and description
    // empty on a page written before; the icon and the marks follow.
    const QByteArray section = QByteArray("\x00", 1) + Int32(-1) + Int32(-1) + Str("graphics\\logo.png") + Int32(1) + Int32(2);
    const QByteArray marked = PageFileBytes(page, "Sky");
    QCOMPARE(marked, off + "Page options" + Int32(qint32(section.size())) + section);
    TPage back;
    QCOMPARE(ReadBytes(marked, back).Result, TPageReadResult::Ok);
    QVERIFY(back.Chunk(2)->Image->Decoration && !back.Standards());
    QCOMPARE(back.IconFile, page.IconFile);
    QCOMPARE(PageFileBytes(back, "Sky"), marked);
    // Marks that name no picture, or run past the section, mark nothing.
    const QByteArray hostile = QByteArray("\x00", 1) + Int32(-1) + Int32(-1) + Int32(-1) + Int32(0x7fffffff) + Int32(0) +
                               Int32(-3) + Int32(99) + Int32(2);
    TPage odd;
    QCOMPARE(ReadBytes(off + "Page options" + Int32(qint32(hostile.size())) + hostile, odd).Result, TPageReadResult::Ok);
    QVERIFY(odd.Chunk(2)->Image->Decoration && odd.IconFile.isEmpty());
    QCOMPARE(odd.Count(), 6);
    // Without marks, icon or options the file is the one written before.
    back.Chunk(2)->Image->Decoration = false;
    back.IconFile.clear();
    QCOMPARE(PageFileBytes(back, "Sky"), off);
}

QTEST_MAIN(TestPageFile)
#include "test_pagefile.moc"
