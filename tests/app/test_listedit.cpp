// The list-editing rules both wizards share, without a dialog.
#include "app/ListEditModel.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

using TModel = TListEditModel<QString>;

TModel::TItems Items(std::initializer_list<const char*> names) {
    TModel::TItems items;
    for (const char* n : names) items.push_back(std::make_unique<QString>(QString::fromUtf8(n)));
    return items;
}

QString Names(const TModel& m) {
    QStringList out;
    for (const auto& s : m.Items()) out << *s;
    return out.join(QLatin1Char(' '));
}

}  // namespace

class TestListEdit : public QObject {
    Q_OBJECT
private slots:
    void movesCarryTheSelectionAndStopAtTheEnds();
    void deleteChoosesTheNextElseThePrevious();
    void unlistedItemsAreSkipped();
    void addAndTakeBack();
    void finishAsksOnlyAfterChangesAndKeepsAFailedSave();
};

void TestListEdit::movesCarryTheSelectionAndStopAtTheEnds() {
    TModel m;
    m.SetItems(Items({"a", "b", "c"}));
    QVERIFY(!m.MoveUp());  // nothing chosen
    m.Select(0);
    QVERIFY(!m.Dirty());  // choosing is no change
    QVERIFY(!m.MoveUp());
    QVERIFY(!m.Dirty());
    QSignalSpy current(&m, &TListEditCore::CurrentChanged);
    QVERIFY(m.MoveDown());
    QVERIFY(m.MoveDown());
    QCOMPARE(Names(m), QString("b c a"));
    QCOMPARE(*m.CurrentItem(), QString("a"));
    QCOMPARE(current.size(), 2);
    QCOMPARE(current.last().at(0).toInt(), 2);
    QVERIFY(!m.MoveDown());
    QVERIFY(m.Dirty());
    m.Select(7);
    QCOMPARE(m.Current(), -1);
}

void TestListEdit::deleteChoosesTheNextElseThePrevious() {
    TModel m;
    m.SetItems(Items({"a", "b", "c"}));
    QVERIFY(!m.RemoveCurrent());
    QVERIFY(!m.Dirty());
    m.Select(1);
    QSignalSpy current(&m, &TListEditCore::CurrentChanged);
    QVERIFY(m.RemoveCurrent());
    // The next item now stands at the same place: still told.
    QCOMPARE(*m.CurrentItem(), QString("c"));
    QCOMPARE(current.size(), 1);
    QVERIFY(m.RemoveCurrent());
    QCOMPARE(*m.CurrentItem(), QString("a"));
    QVERIFY(m.RemoveCurrent());
    QCOMPARE(m.Current(), -1);
    QCOMPARE(m.Count(), 0);
    QVERIFY(m.Dirty());
}

void TestListEdit::unlistedItemsAreSkipped() {
    TModel m;
    m.SetListed([](const QString& s) { return !s.isEmpty(); });
    m.SetItems(Items({"a", "", "c", ""}));
    m.Select(1);
    QCOMPARE(m.Current(), -1);
    m.Select(2);
    // Up past the unlisted item; it keeps its place.
    QVERIFY(m.MoveUp());
    QCOMPARE(m.Items().size(), size_t(4));
    QCOMPARE(*m.At(0), QString("c"));
    QCOMPARE(*m.At(1), QString());
    QCOMPARE(*m.At(2), QString("a"));
    QCOMPARE(m.Current(), 0);
    QVERIFY(m.MoveDown());
    QVERIFY(!m.MoveDown());  // only an unlisted item below
    QCOMPARE(m.Current(), 2);
    // Deleting the last listed one skips the unlisted ones on both sides.
    QVERIFY(m.RemoveCurrent());
    QCOMPARE(*m.CurrentItem(), QString("a"));
}

void TestListEdit::addAndTakeBack() {
    TModel m;
    m.SetItems(Items({"a", "b"}));
    QSignalSpy items(&m, &TListEditCore::ItemsChanged);
    const int at = m.Add(std::make_unique<QString>("new"));
    QCOMPARE(at, 2);
    QCOMPARE(m.Current(), 2);
    QVERIFY(m.Dirty());
    QCOMPARE(items.size(), 1);
    m.Select(0);
    std::unique_ptr<QString> back = m.Take(2);
    QCOMPARE(*back, QString("new"));
    QCOMPARE(m.Current(), 0);
    m.Select(1);
    QVERIFY(m.Take(0));
    QCOMPARE(*m.CurrentItem(), QString("b"));
    QVERIFY(!m.Take(5));
    // A renamed item is told by its place.
    QSignalSpy one(&m, &TListEditCore::ItemChanged);
    *m.At(0) = "B";
    m.ItemEdited(0);
    QCOMPARE(one.size(), 1);
    QCOMPARE(one.first().at(0).toInt(), 0);
}

void TestListEdit::finishAsksOnlyAfterChangesAndKeepsAFailedSave() {
    TModel m;
    int saves = 0;
    bool diskFull = true;
    QString savedNames;
    m.SetSaver([&](const TModel::TItems& items) {
        ++saves;
        if (diskFull) return TSaveOutcome::Failed("The disk is full.");
        for (const auto& s : items) savedNames += *s;
        return TSaveOutcome{};
    });
    m.SetItems(Items({"a", "b"}));
    int asked = 0;
    auto answer = [&asked](TListEditCore::TAnswer a) {
        return [&asked, a] {
            ++asked;
            return a;
        };
    };
    // Unchanged: closes without a question or a save.
    QVERIFY(m.Finish(answer(TListEditCore::TAnswer::Save)).Close);
    QCOMPARE(asked, 0);

    m.Select(1);
    m.MoveUp();
    QVERIFY(!m.Finish(answer(TListEditCore::TAnswer::Cancel)).Close);
    QVERIFY(m.Dirty());
    // A failed save stays open, says why and keeps the changes.
    const TFinishOutcome failed = m.Finish(answer(TListEditCore::TAnswer::Save));
    QVERIFY(!failed.Close);
    QCOMPARE(failed.Message, QString("The disk is full."));
    QVERIFY(m.Dirty());
    diskFull = false;
    const TFinishOutcome saved = m.Finish(answer(TListEditCore::TAnswer::Save));
    QVERIFY(saved.Close);
    QVERIFY(saved.Message.isEmpty());
    QCOMPARE(savedNames, QString("ba"));
    QVERIFY(!m.Dirty());
    QCOMPARE(asked, 3);
    QCOMPARE(saves, 2);

    // Discard closes without saving.
    m.MarkDirty();
    QVERIFY(m.Finish(answer(TListEditCore::TAnswer::Discard)).Close);
    QCOMPARE(saves, 2);
}

QTEST_GUILESS_MAIN(TestListEdit)
#include "test_listedit.moc"
