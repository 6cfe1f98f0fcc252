// Blocks a cleared arena keeps go to the next arena, never memory in use.
#include "ViewerTestUtil.h"
#include "viewer/Arena.h"

#include <QtTest>
#include <set>
#include <vector>

class TestViewerArena : public QObject {
    Q_OBJECT
private slots:
    void keptBlocksGoOnlyWhereNothingLives();
};

void TestViewerArena::keptBlocksGoOnlyWhereNothingLives() {
    // Pieces stamped with their arena and index: two sharing memory show.
    const auto fill = [](TArena& a, std::vector<int*>& out, int stamp) {
        for (int i = 0; i < 400; ++i)  // several of the largest blocks
            *out.emplace_back(static_cast<int*>(a.allocate(1000, 8))) = stamp + i;
    };
    TArena::releaseKept();
    TArena live, next;
    std::vector<int*> a, b, c;
    fill(live, a, 0);
    {
        TArena gone;
        fill(gone, b, 1000);
    }
    fill(next, c, 2000);
    for (int i = 0; i < 400; ++i)
        QVERIFY(*a[size_t(i)] == i && *c[size_t(i)] == 2000 + i);
    if (TArena::recycles(8)) {  // not under AddressSanitizer
        const std::set<int*> old(b.begin(), b.end());
        QVERIFY(std::count_if(c.begin(), c.end(), [&](int* p) { return old.count(p); }) > 200);
    }
    // Tables take their cells from the arena: a document loaded beside
    // another takes the blocks of one cleared before it.
    QString html = QStringLiteral("<table>"), expected;
    for (int i = 0; i < 3000; ++i) {
        html += QStringLiteral("<tr><td>a%1<td>b%1\n").arg(i);
        expected += QStringLiteral("a%1|b%1|").arg(i);
    }
    auto shown = fixedDoc(html), closed = fixedDoc(html);
    closed->parse(QStringLiteral("<p>other"));
    auto loaded = fixedDoc(html);
    for (THtmlDocument* d : {shown.get(), loaded.get()}) {
        QString texts;
        ForEachSection(d->list(), [&](TSectionBase& s) {
            if (auto* t = dynamic_cast<TSection*>(&s))
                texts += t->text().trimmed() + '|';
        });
        QCOMPARE(texts, expected);
    }
}

QTEST_MAIN(TestViewerArena)
#include "test_viewer_arena.moc"
