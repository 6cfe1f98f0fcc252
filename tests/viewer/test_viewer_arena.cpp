// Blocks a cleared arena keeps go to the next arena, never memory in use;
// a section's text keeps its characters through every move of its storage.
#include "ViewerTestUtil.h"
#include "viewer/Arena.h"
#include "viewer/SectionText.h"

#include <QtTest>
#include <set>
#include <vector>

class TestViewerArena : public QObject {
    Q_OBJECT
private slots:
    void keptBlocksGoOnlyWhereNothingLives();
    void textSurvivesEveryMoveOfItsStorage();
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

void TestViewerArena::textSurvivesEveryMoveOfItsStorage() {
    // Pieces appended in turn, the text moved into the arena after some:
    // short and long, within the object's own room and past it, one byte a
    // character and (after a letter Windows-1252 lacks) two.
    const QString euro = QString(QChar(0x20AC)), polish = QStringLiteral("\u0142\u00f3d\u017a");
    const QList<QStringList> cases = {
        {"a"},
        {"12345678"},
        {"1234", "5678", "9"},
        {"ab", "|", "cd", "|", "efghijklmnop"},
        {euro, "|", "x"},
        {"ab", polish},
        {polish, "|", "and a much longer tail past the room of a pointer"},
        {"a long first piece past the room", "|", polish, "|", "z"},
    };
    TArena arena;
    for (const QStringList& pieces : cases) {
        TSectionText text;
        QString model;
        for (const QString& piece : pieces) {
            if (piece == QLatin1String("|")) {
                text.moveTo(arena);
                continue;
            }
            text += piece;
            model += piece;
        }
        text.moveTo(arena);
        QCOMPARE(text.toString(), model);
        TSectionText::Buffer buf;
        QCOMPARE(QStringView(text.chars(1, text.size() - 1, buf), text.size() - 1), QStringView(model).mid(1));
        text += QStringLiteral("!");
        QCOMPARE(text.toString(), model + '!');
    }
}

QTEST_MAIN(TestViewerArena)
#include "test_viewer_arena.moc"
