// The list-editing rules both wizards share, without a dialog.
#include "app/ListEditModel.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

using TModel = TListEditModel<QString>;

// A model of `names`; "" stands for an item the list does not show.
void Fill(TModel& m, std::initializer_list<const char*> names) {
    m.SetListed([](const QString& s) { return !s.isEmpty(); });
    TModel::TItems items;
    for (const char* n : names) items.push_back(std::make_unique<QString>(QString::fromUtf8(n)));
    m.SetItems(std::move(items));
}

QString Names(const TModel& m) {
    QStringList out;
    for (const auto& s : m.Items()) out << (s->isEmpty() ? QStringLiteral("-") : *s);
    return out.join(QLatin1Char(' '));
}

}  // namespace

class TestListEdit : public QObject {
    Q_OBJECT
private slots:
    void movesCarryTheSelectionPastUnlistedItems();
    void deleteChoosesTheNextElseThePrevious();
    void addAndTakeBack();
    void finishAsksOnlyAfterChangesAndKeepsAFailedSave();
};

void TestListEdit::movesCarryTheSelectionPastUnlistedItems() {
    TModel m;
    Fill(m, {"a", "", "b", "c"});
    QVERIFY(!m.MoveUp());  // nothing chosen
    m.Select(1);           // not listed: nothing chosen
    QCOMPARE(m.Current(), -1);
    m.Select(3);
    QVERIFY(!m.Dirty());  // choosing is no change
    QVERIFY(!m.MoveDown());
    QVERIFY(!m.Dirty());
    QVERIFY(m.MoveUp());
    QVERIFY(m.MoveUp());  // over the unlisted item, which keeps its place
    QVERIFY(!m.MoveUp());
    QCOMPARE(Names(m), QString("c - a b"));
    QCOMPARE(*m.CurrentItem(), QString("c"));
    QVERIFY(m.Dirty());
}

void TestListEdit::deleteChoosesTheNextElseThePrevious() {
    TModel m;
    Fill(m, {"a", "b", "", "c", ""});
    QVERIFY(!m.RemoveCurrent());
    QVERIFY(!m.Dirty());
    m.Select(1);
    QSignalSpy current(&m, &TListEditCore::CurrentChanged);
    QVERIFY(m.RemoveCurrent());
    // The next listed one, past the unlisted item.
    QCOMPARE(*m.CurrentItem(), QString("c"));
    QVERIFY(m.RemoveCurrent());
    QCOMPARE(*m.CurrentItem(), QString("a"));
    // Told every time, also when another item stands at the same place.
    m.Select(0);
    QVERIFY(m.RemoveCurrent());
    QCOMPARE(m.Current(), -1);
    QCOMPARE(current.size(), 3);
    QCOMPARE(Names(m), QString("- -"));
    QVERIFY(m.Dirty());
}

void TestListEdit::addAndTakeBack() {
    TModel m;
    Fill(m, {"a", "b"});
    QCOMPARE(m.Add(std::make_unique<QString>("new")), 2);
    QCOMPARE(m.Current(), 2);
    QVERIFY(m.Dirty());
    // Taken back: the current item stays current by what it is.
    m.Select(1);
    QCOMPARE(*m.Take(0), QString("a"));
    QCOMPARE(*m.CurrentItem(), QString("b"));
    QVERIFY(m.Take(0));
    QCOMPARE(m.Current(), -1);
    // An item edited in place is told by its place.
    QSignalSpy one(&m, &TListEditCore::ItemChanged);
    m.ItemEdited(0);
    QCOMPARE(one.size(), 1);
    QCOMPARE(one.first().at(0).toInt(), 0);
}

void TestListEdit::finishAsksOnlyAfterChangesAndKeepsAFailedSave() {
    TModel m;
    QString saved;
    bool diskFull = true;
    m.SetSaver([&](const TModel::TItems& items) {
        if (diskFull) return TSaveOutcome::Failed("The disk is full.");
        for (const auto& s : items) saved += *s;
        return TSaveOutcome{};
    });
    Fill(m, {"a", "b"});
    QStringList asked;
    auto answer = [&asked](TListEditCore::TAnswer a, const char* name) {
        return [&asked, a, name] {
            asked << name;
            return a;
        };
    };
    // Unchanged: closes without a question.
    QVERIFY(m.Finish(answer(TListEditCore::TAnswer::Save, "save")).Close);
    QVERIFY(asked.isEmpty());

    m.Select(1);
    m.MoveUp();
    QVERIFY(!m.Finish(answer(TListEditCore::TAnswer::Cancel, "cancel")).Close);
    // A failed save stays open, says why and keeps the changes.
    const TFinishOutcome failed = m.Finish(answer(TListEditCore::TAnswer::Save, "save"));
    QVERIFY(!failed.Close);
    QCOMPARE(failed.Message, QString("The disk is full."));
    QVERIFY(m.Dirty());
    diskFull = false;
    QVERIFY(m.Finish(answer(TListEditCore::TAnswer::Save, "save")).Close);
    QCOMPARE(saved, QString("ba"));
    QVERIFY(!m.Dirty());
    // Discard closes without saving.
    m.MarkDirty();
    QVERIFY(m.Finish(answer(TListEditCore::TAnswer::Discard, "discard")).Close);
    QCOMPARE(saved, QString("ba"));
    QCOMPARE(asked, QStringList({"cancel", "save", "save", "discard"}));
}

QTEST_GUILESS_MAIN(TestListEdit)
#include "test_listedit.moc"
