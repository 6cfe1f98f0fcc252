#include "TestSupport.h"
#include "model/WebBlocks.h"

#include <QtTest>

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void kindsFromBrickNames();
    void newChunkDefaults();
    void insertMoveDelete();
    void clearKeepsDocumentName();
};

void TestModel::kindsFromBrickNames() {
    const char* names[] = {"imgBrPara", "imgBrLink", "imgBrImage", "imgBrHeading", "imgBrEmail", "imgBrLine"};
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(KindFromBrickName(names[k]), k);
        QCOMPARE(BrickName(k), QString(names[k]));
    }
    QCOMPARE(KindFromBrickName("imgBrpara"), -1);
    QCOMPARE(KindFromBrickName(""), -1);
    QVERIFY(!NewChunkForBrick("imgShredder"));
    QVERIFY(!NewChunkForKind(6));
    QVERIFY(!NewChunkForKind(-1));
}

void TestModel::newChunkDefaults() {
    for (int k = 0; k < 6; ++k) {
        auto c = NewChunkForKind(k);
        QVERIFY(c);
        QCOMPARE(c->Kind, k);
        // Exactly the record of its kind is set.
        const int set = bool(c->Para) + bool(c->Link) + bool(c->Image) + bool(c->Heading) + bool(c->Email) + bool(c->Line);
        QCOMPARE(set, 1);
    }
    QCOMPARE(NewChunkForKind(bkLink)->Link->URL, QString("http://"));
    QCOMPARE(NewChunkForKind(bkImage)->Image->ImgLink, QString("http://"));
    QCOMPARE(NewChunkForKind(bkImage)->Image->FileName, QString());
    QCOMPARE(NewChunkForKind(bkHeading)->Heading->HeadSize, QString("1 (Largest)"));
    QCOMPARE(NewChunkForKind(bkLine)->Line->Thickness, QString("6 (Thickest)"));
    QVERIFY(NewChunkForKind(bkLine)->Line->LineWidth.isEmpty());
    QCOMPARE(int(NewChunkForKind(bkPara)->Para->Align), 0);
    QCOMPARE(int(NewChunkForKind(bkEmail)->Email->NewLine), 0);
}

void TestModel::insertMoveDelete() {
    TPage page;
    auto text = [&page] {
        QString s;
        for (auto& c : page.WebChunks) s += c->Para->Paragraph;
        return s;
    };
    for (const char* t : {"a", "b", "c", "d"}) {
        auto c = NewChunkForKind(bkPara);
        c->Para->Paragraph = t;
        page.InsertChunk(page.Count(), std::move(c));
    }
    QCOMPARE(text(), QString("abcd"));
    auto x = NewChunkForKind(bkPara);
    x->Para->Paragraph = "x";
    QCOMPARE(page.InsertChunk(1, std::move(x)), 1);
    QCOMPARE(text(), QString("axbcd"));
    // Moving down lands after the target, moving up before it.
    page.MoveChunk(1, 3);
    QCOMPARE(text(), QString("abcxd"));
    page.MoveChunk(3, 0);
    QCOMPARE(text(), QString("xabcd"));
    page.MoveChunk(4, 4);
    QCOMPARE(text(), QString("xabcd"));
    page.DeleteChunk(0);
    page.DeleteChunk(99);
    QCOMPARE(text(), QString("abcd"));
    QVERIFY(!page.Chunk(4));
    QCOMPARE(page.Chunk(3)->Para->Paragraph, QString("d"));
}

void TestModel::clearKeepsDocumentName() {
    TPage page;
    page.InsertChunk(0, NewChunkForKind(bkHeading));
    page.PageTitle = "Mine";
    page.DocFileName = "/tmp/x.tve";
    page.PageChanged = true;
    page.CurrentIndex = 0;
    page.ClearChunks();
    QCOMPARE(page.Count(), 0);
    QCOMPARE(page.PageTitle, QString("Tarvo Version 1.0 Document"));
    QCOMPARE(page.DocFileName, QString("/tmp/x.tve"));
    QVERIFY(page.PageChanged);
    QCOMPARE(page.CurrentIndex, -1);
    QVERIFY(!page.CurrentChunk());
}

QTEST_MAIN(TestModel)
#include "test_model.moc"
