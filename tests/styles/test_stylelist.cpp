#include "TestSupport.h"
#include "app/Utils.h"
#include "styles/StyleList.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QByteArray Int32(qint32 v) {
    return QByteArray(reinterpret_cast<const char*>(&v), 4);  // the test machine is little-endian
}
QByteArray Str(const QByteArray& s) {
    return Int32(qint32(s.size() - 1)) + s;
}

std::unique_ptr<TStyleChunk> Style(const QString& name, const QString& image, quint32 back, quint32 text,
                                   quint32 link, quint32 alink, quint32 vlink) {
    return std::make_unique<TStyleChunk>(TStyleChunk{name, image, back, text, link, alink, vlink});
}


}  // namespace

class TestStyleList : public QObject {
    Q_OBJECT
private slots:
    void skyIsWrittenByteForByte();
    void roundTripOfNamesColoursAndEmptyTexts();
    void colourTexts();
    void countZeroNegativeOrMissingFileGiveEmptyList();
    void truncatedFileKeepsCompleteRecords();
    void failedWriteKeepsOldFile();
    void listBoxIndexByName();
};

void TestStyleList::skyIsWrittenByteForByte() {
    TTestEnv env;
    TStyleList list;
    list.push_back(Style("Sky", "backgrnd\\sky.jpg", 0xC0C0C0, 0x000000, 0xFF0000, 0x0000FF, 0xFF00FF));
    QVERIFY(WriteStylesToFile(StylesDataPath(), list));
    QCOMPARE(StylesDataPath(), QDir(env.appDir()).filePath("Styles.data"));
    const QByteArray expected = Int32(1) + Str("Sky") + Str("backgrnd\\sky.jpg") + Str("clSilver") +
                                Str("clBlack") + Str("clBlue") + Str("clRed") + Str("clFuchsia");
    QCOMPARE(ReadFileBytes(StylesDataPath()), expected);
    QCOMPARE(expected.mid(4, 7), QByteArray("\x02\0\0\0Sky", 7));
}

void TestStyleList::roundTripOfNamesColoursAndEmptyTexts() {
    TTestEnv env;
    TStyleList list;
    list.push_back(Style("", "", 0x00123456, 0x80000005, 0x1FFFFFFF, 0x000080FF, 0xFFFFFFFF));
    list.push_back(Style(QStringLiteral("Caf\u00e9 \u20ac"), "backgrnd\\a.gif", 0xFFFFFF, 0, 0, 0, 0));
    const QString greek = QString::fromUtf8("Ελληνικά 😀");
    list.push_back(Style(greek, "backgrnd\\" + greek + ".png", 0, 0, 0, 0, 0));
    const QString path = StylesDataPath();
    QVERIFY(WriteStylesToFile(path, list));
    const QByteArray bytes = ReadFileBytes(path);
    // The empty name and image are -1 with no bytes; unnamed values use "$".
    QVERIFY(bytes.startsWith(Int32(3) + Int32(-1) + Int32(-1) + Str("$00123456") + Str("clWindow") +
                             Str("clNone") + Str("$000080FF") + Str("$FFFFFFFF")));
    // Windows-1252 as before where it holds the text; marked UTF-8 where not.
    QVERIFY(bytes.contains(Str("Caf\xe9 \x80")));
    QVERIFY(bytes.contains(Str("\xEF\xBB\xBF" + greek.toUtf8())));
    TStyleList back;
    QVERIFY(LoadStyleList(path, back));
    QCOMPARE(back.size(), size_t(3));
    for (size_t i = 0; i < 3; ++i) {
        const TStyleChunk &a = *list[i], &b = *back[i];
        QCOMPARE(b.StyleName, a.StyleName);
        QCOMPARE(b.BackImage, a.BackImage);
        QCOMPARE(b.BackColor, a.BackColor);
        QCOMPARE(b.TextColor, a.TextColor);
        QCOMPARE(b.LinkColor, a.LinkColor);
        QCOMPARE(b.ALinkColor, a.ALinkColor);
        QCOMPARE(b.VLinkColor, a.VLinkColor);
    }
    // A copy is deep.
    TStyleList copy = CopyStyleList(back);
    copy[0]->StyleName = "changed";
    QCOMPARE(back[0]->StyleName, QString());
}

void TestStyleList::colourTexts() {
    QCOMPARE(ColorToText(0x808080), QStringLiteral("clGray"));
    QCOMPARE(ColorToText(0x80000018), QStringLiteral("clInfoBk"));
    QCOMPARE(ColorToText(0x00ABCDEF), QStringLiteral("$00ABCDEF"));
    QCOMPARE(ColorFromText("clAqua"), std::optional<quint32>(0xFFFF00));
    QCOMPARE(ColorFromText("CLBTNFACE"), std::optional<quint32>(0x8000000F));
    QCOMPARE(ColorFromText("$ff"), std::optional<quint32>(0xFF));
    QCOMPARE(ColorFromText("255"), std::optional<quint32>(0xFF));
    QCOMPARE(ColorFromText("-16777201"), std::optional<quint32>(0xFF00000F));
    QCOMPARE(ColorFromText("$"), std::nullopt);
    QCOMPARE(ColorFromText("$123456789"), std::nullopt);
    QCOMPARE(ColorFromText("red"), std::nullopt);
    QCOMPARE(ColorFromText(""), std::nullopt);
}

void TestStyleList::countZeroNegativeOrMissingFileGiveEmptyList() {
    TTestEnv env;
    const QString path = StylesDataPath();
    TStyleList list;
    list.push_back(Style("old", "", 0, 0, 0, 0, 0));
    LoadStyleList(path + ".missing", list);
    QVERIFY(list.empty());
    for (qint32 count : {0, -1, INT32_MIN}) {
        QVERIFY(WriteFileBytes(path, Int32(count) + Str("x") + Str("") + Str("clRed").repeated(5)));
        list.push_back(Style("old", "", 0, 0, 0, 0, 0));
        QVERIFY(LoadStyleList(path, list));
        QVERIFY(list.empty());
    }
    QVERIFY(WriteFileBytes(path, QByteArray()));
    QVERIFY(!LoadStyleList(path, list));
    QVERIFY(list.empty());
}

void TestStyleList::truncatedFileKeepsCompleteRecords() {
    TTestEnv env;
    const QString path = StylesDataPath();
    const QByteArray record = Str("A") + Str("") + Str("clRed").repeated(5);
    const QByteArray full = Int32(3) + record + record + record;
    TStyleList list;
    for (qsizetype cut = 0; cut < full.size(); ++cut) {
        QVERIFY(WriteFileBytes(path, full.left(cut)));
        QVERIFY(!LoadStyleList(path, list));
        const qsizetype complete = cut < 4 ? 0 : (cut - 4) / record.size();
        QCOMPARE(qsizetype(list.size()), complete);
    }
    // A hostile count, a string running past the end, or a colour that is no
    // colour end the read with the records before them.
    QVERIFY(WriteFileBytes(path, Int32(INT32_MAX) + record));
    QVERIFY(!LoadStyleList(path, list));
    QCOMPARE(list.size(), size_t(1));
    QVERIFY(WriteFileBytes(path, Int32(2) + record + Int32(0x7FFFFFF0) + "x"));
    QVERIFY(!LoadStyleList(path, list));
    QCOMPARE(list.size(), size_t(1));
    QVERIFY(WriteFileBytes(path, Int32(2) + record + Str("B") + Str("") + Str("clRed") + Str("purple") + Str("0").repeated(3)));
    QVERIFY(!LoadStyleList(path, list));
    QCOMPARE(list.size(), size_t(1));
}

void TestStyleList::failedWriteKeepsOldFile() {
    TTestEnv env;
    const QString path = StylesDataPath();
    TStyleList list;
    list.push_back(Style("Kept", "", 0, 0, 0, 0, 0));
    QVERIFY(WriteStylesToFile(path, list));
    const QByteArray old = ReadFileBytes(path);
    // A folder that does not exist: the failure is reported.
    const QString elsewhere = QDir(env.appDir()).filePath("gone/Styles.data");
    QString error;
    QVERIFY(!WriteStylesToFile(elsewhere, list, &error));
    QVERIFY(error.contains("gone"));
    // A folder where the file should be cannot be replaced either.
    const QString folder = QDir(env.appDir()).filePath("folder.data");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(!WriteStylesToFile(folder, list, &error));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(ReadFileBytes(path), old);
}

void TestStyleList::listBoxIndexByName() {
    TStyleList list;
    list.push_back(Style("Sky", "", 0, 0, 0, 0, 0));
    list.push_back(Style("sea", "", 0, 0, 0, 0, 0));
    list.push_back(Style("SKY", "", 0, 0, 0, 0, 0));
    QCOMPARE(StyleListBoxIndex(list, "[None]"), 0);
    QCOMPARE(StyleListBoxIndex(list, "[NONE]"), 0);
    QCOMPARE(StyleListBoxIndex(list, "sky"), 1);  // the first of two
    QCOMPARE(StyleListBoxIndex(list, "Sea"), 2);
    QCOMPARE(StyleListBoxIndex(list, "Sky renamed"), -1);
}

QTEST_GUILESS_MAIN(TestStyleList)
#include "test_stylelist.moc"
