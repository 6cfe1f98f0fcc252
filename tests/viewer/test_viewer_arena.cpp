// The document arena's blocks: those a cleared arena keeps are handed to
// the next arena, and no memory still in use is handed out again.
#include "ViewerTestUtil.h"
#include "viewer/Arena.h"

#include <QtTest>
#include <cstring>
#include <set>
#include <vector>

namespace {
constexpr size_t kPiece = 1000;  // bytes: a few hundred pieces fill several of the largest blocks

// Pieces stamped with their index, so that any two that share memory show.
std::vector<char*> fill(TArena& arena, int n, int stamp) {
    std::vector<char*> pieces;
    for (int i = 0; i < n; ++i) {
        auto* p = static_cast<char*>(arena.allocate(kPiece, 8));
        std::memset(p, (stamp + i) & 0x7F, kPiece);
        pieces.push_back(p);
    }
    return pieces;
}

bool intact(const std::vector<char*>& pieces, int stamp) {
    for (size_t i = 0; i < pieces.size(); ++i)
        for (size_t k = 0; k < kPiece; ++k)
            if (pieces[i][k] != char((stamp + int(i)) & 0x7F))
                return false;
    return true;
}
}  // namespace

class TestViewerArena : public QObject {
    Q_OBJECT
private slots:
    void keptBlocksGoOnlyWhereNothingLives();
    void documentsReusingBlocksKeepTheirCells();
};

void TestViewerArena::keptBlocksGoOnlyWhereNothingLives() {
    TArena::releaseKept();
    TArena live, gone;
    const std::vector<char*> a = fill(live, 400, 1);
    const std::vector<char*> b = fill(gone, 400, 2);
    gone.clear();
    TArena next;
    const std::vector<char*> c = fill(next, 400, 3);
    // Without the sanitizer the memory of the cleared arena is used again,
    // piece for piece where the same pieces were asked for in the same order.
    if (TArena::recycles(8)) {
        const std::set<char*> old(b.begin(), b.end());
        int reused = 0;
        for (char* p : c)
            reused += int(old.count(p));
        QVERIFY(reused > 200);
    }
    // No piece of either arena alive lies in memory handed out twice.
    QVERIFY(intact(a, 1));
    QVERIFY(intact(c, 3));
    next.clear();
    live.clear();
    QVERIFY(TArena::releaseKept() > 0 || !TArena::recycles(8));
    QCOMPARE(TArena::releaseKept(), size_t(0));
}

void TestViewerArena::documentsReusingBlocksKeepTheirCells() {
    // Tables put their cells in the arena too: a document loaded while
    // another is shown takes the blocks of one cleared before it.
    QString html = QStringLiteral("<table>");
    for (int i = 0; i < 3000; ++i)
        html += QStringLiteral("<tr><td>a%1<td>b%1\n").arg(i);
    html += QStringLiteral("</table>");
    auto shownDoc = fixedDoc(html, 600);
    auto closed = fixedDoc(html, 600);
    closed->parse(QStringLiteral("<p>other"));
    auto loaded = fixedDoc(html, 600);
    QStringList expected;
    for (int i = 0; i < 3000; ++i)
        expected << QStringLiteral("a%1").arg(i) << QStringLiteral("b%1").arg(i);
    for (THtmlDocument* d : {shownDoc.get(), loaded.get()}) {
        QStringList texts;
        ForEachSection(d->list(), [&](TSectionBase& s) {
            if (auto* t = dynamic_cast<TSection*>(&s))
                texts << t->text().trimmed();
        });
        QCOMPARE(texts, expected);
    }
}

QTEST_MAIN(TestViewerArena)
#include "test_viewer_arena.moc"
