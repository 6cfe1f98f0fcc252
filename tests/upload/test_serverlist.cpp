#include "TestSupport.h"
#include "app/Settings.h"
#include "upload/ServerList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QtTest>

namespace {

std::unique_ptr<tWWWServerType> Server(const QString& name, const QString& password = QString()) {
    auto s = std::make_unique<tWWWServerType>();
    s->Name = name;
    s->Address = "ftp." + name.toLower() + ".example";
    s->Directory = "public_html";
    s->UserName = "jo";
    s->Password = password;
    s->URL = "http://www.example/~jo/";
    return s;
}

QStringList Names(const TServerList& list) {
    QStringList names;
    for (const auto& s : list) names << s->Name;
    return names;
}

QSettings Raw() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brenfold", "Tarvo"); }

}  // namespace

class TestServerList : public QObject {
    Q_OBJECT
private slots:
    void allSixFieldsSurviveSaveAndLoad();
    void orderSurvivesSaveAndFreshLoad();
    void listWithoutOrderLoadsInStoreOrder();
    void lastServerIsKeptWhenItsServerGoes();
    void renameLeavesNoOldSubsection();
    void readingCreatesNothing();
    void namesWithSeparatorsRoundTrip();
    void sameNameTwiceKeepsTheLaterFields();
    void scrambleRoundTrip_data();
    void scrambleRoundTrip();
    void storedPasswordIsNeverPlain();
    void decodingOtherTextsGivesThemBack();
};

void TestServerList::allSixFieldsSurviveSaveAndLoad() {
    TTestEnv env;
    TServerList list;
    list.push_back(Server("My Web Server", "s3cret"));
    auto other = Server("Club", "");
    other->Directory.clear();
    other->URL = "http://club.example/";
    list.push_back(std::move(other));
    auto greek = Server(QString::fromUtf8("Ελληνικά/日本"),
                        QString::fromUtf8("κωδικός"));
    greek->UserName = QString::fromUtf8("Γιάννης");
    greek->Directory = QString::fromUtf8("σελίδες");
    list.push_back(std::move(greek));
    SaveServerList(list);

    TServerList loaded;
    loaded.push_back(Server("stale"));  // loading empties the list first
    LoadServerList(loaded);
    QCOMPARE(loaded.size(), size_t(3));
    QCOMPARE(*loaded[0], *list[0]);
    QCOMPARE(*loaded[1], *list[1]);
    QCOMPARE(*loaded[2], *list[2]);
    // The layout of the store: one sub-section per server with five values.
    QSettings raw = Raw();
    QCOMPARE(raw.value("WWWServers/My Web Server/Address").toString(), QString("ftp.my web server.example"));
    QCOMPARE(raw.value("WWWServers/My Web Server/UserName").toString(), QString("jo"));
    QCOMPARE(raw.value("WWWServers/Club/Directory").toString(), QString(""));
    QVERIFY(raw.contains("WWWServers/Club/Password"));
    QCOMPARE(ReadServer("Club"), *list[1]);
    QCOMPARE(ReadServer(""), tWWWServerType());
    QCOMPARE(ReadServer("Nobody"), tWWWServerType());
}

void TestServerList::orderSurvivesSaveAndFreshLoad() {
    TTestEnv env;
    TServerList list;
    for (const char* n : {"Zeta", "alpha", "Mid", "beta"}) list.push_back(Server(n));
    SaveServerList(list);
    QCOMPARE(ServerNames(), QStringList({"Zeta", "alpha", "Mid", "beta"}));
    // Reordered and saved again: the new order wins.
    std::swap(list[0], list[3]);
    SaveServerList(list);
    TServerList loaded;
    LoadServerList(loaded);
    QCOMPARE(Names(loaded), QStringList({"beta", "alpha", "Mid", "Zeta"}));
    // Still readable as described: the order is one value beside the servers.
    QCOMPARE(Raw().value("WWWServers/Order").toString(), QString("beta/alpha/Mid/Zeta"));
}

void TestServerList::listWithoutOrderLoadsInStoreOrder() {
    TTestEnv env;
    {
        QSettings raw = Raw();
        raw.setValue("WWWServers/LastServer", "b");
        raw.setValue("WWWServers/c/Address", "c.example");
        raw.setValue("WWWServers/a/Address", "a.example");
        raw.setValue("WWWServers/b/Password", "plain");
        // An order naming a server that is gone and missing one that is there.
        raw.setValue("WWWServers/Order", "c/gone");
    }
    TServerList loaded;
    LoadServerList(loaded);
    QCOMPARE(Names(loaded), QStringList({"c", "a", "b"}));
    QCOMPARE(loaded[2]->Password, QString("plain"));
    QCOMPARE(loaded[1]->Address, QString("a.example"));
}

void TestServerList::lastServerIsKeptWhenItsServerGoes() {
    TTestEnv env;
    TServerList list;
    list.push_back(Server("One"));
    list.push_back(Server("Two"));
    SaveServerList(list);
    WriteLastServer("Two");
    list.pop_back();
    SaveServerList(list);
    QCOMPARE(ReadLastServer(), QString("Two"));
    QCOMPARE(ServerNames(), QStringList({"One"}));
    // With no server left the value stays, and nothing else.
    list.clear();
    SaveServerList(list);
    QCOMPARE(ReadLastServer(), QString("Two"));
    QSettings raw = Raw();
    raw.beginGroup("WWWServers");
    QCOMPARE(raw.childGroups(), QStringList());
    QCOMPARE(raw.childKeys(), QStringList({"LastServer"}));
}

void TestServerList::renameLeavesNoOldSubsection() {
    TTestEnv env;
    TServerList list;
    list.push_back(Server("Old name"));
    SaveServerList(list);
    list[0]->Name = "New name";
    SaveServerList(list);
    QSettings raw = Raw();
    raw.beginGroup("WWWServers");
    QCOMPARE(raw.childGroups(), QStringList({"New name"}));
}

void TestServerList::readingCreatesNothing() {
    TTestEnv env;
    TServerList list;
    LoadServerList(list);
    QVERIFY(list.empty());
    QVERIFY(ServerNames().isEmpty());
    QCOMPARE(ReadServer("x"), tWWWServerType());
    QCOMPARE(ReadLastServer(), QString());
    QVERIFY(!Raw().childGroups().contains("WWWServers"));
    // Also when the store exists with other sections.
    TTarvoReg reg;
    QVERIFY(reg.OpenSection("General", true));
    reg.WriteString("ShowJoy", "No");
    reg.Sync();
    LoadServerList(list);
    QCOMPARE(ReadLastServer(), QString());
    QVERIFY(!Raw().childGroups().contains("WWWServers"));
}

void TestServerList::namesWithSeparatorsRoundTrip() {
    TTestEnv env;
    TServerList list;
    list.push_back(Server("Home/Work \\ 100%2F"));
    list.push_back(Server("Plain"));
    SaveServerList(list);
    TServerList loaded;
    LoadServerList(loaded);
    QCOMPARE(Names(loaded), Names(list));
    QCOMPARE(*loaded[0], *list[0]);
    QSettings raw = Raw();
    raw.beginGroup("WWWServers");
    QCOMPARE(raw.childGroups().size(), 2);
}

void TestServerList::sameNameTwiceKeepsTheLaterFields() {
    TTestEnv env;
    TServerList list;
    list.push_back(Server("Twin"));
    list.push_back(Server("Other"));
    auto later = Server("Twin", "pw");
    later->Address = "later.example";
    list.push_back(std::move(later));
    SaveServerList(list);
    TServerList loaded;
    LoadServerList(loaded);
    QCOMPARE(Names(loaded), QStringList({"Twin", "Other"}));
    QCOMPARE(loaded[0]->Address, QString("later.example"));
    QCOMPARE(loaded[0]->Password, QString("pw"));
}

void TestServerList::scrambleRoundTrip_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<int>("commas");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("one character") << "x" << 1;
    QTest::newRow("one digit") << "7" << 1;
    QTest::newRow("three letters") << "abc" << 2;
    QTest::newRow("a key character") << "T" << 1;  // scrambles to byte 0
    QTest::newRow("longer than the key") << "correct horse battery staple 2026!" << 33;
    QTest::newRow("8-bit") << QString::fromUtf8("caf\u00e9\u20ac") << 4;
    QTest::newRow("greek and emoji") << QString::fromUtf8("κωδικός 😀") << 21;
}

void TestServerList::scrambleRoundTrip() {
    QFETCH(QString, plain);
    QFETCH(int, commas);
    const QString enc = ScramblePassword(plain, TScrambleMode::ENC);
    QCOMPARE(enc.count(','), commas);
    QCOMPARE(ScramblePassword(enc, TScrambleMode::DEC), plain);
    if (!plain.isEmpty()) QVERIFY(enc != plain);
    // Only decimal numbers and commas, without leading zeros.
    for (const QString& n : enc.split(',', Qt::SkipEmptyParts)) {
        QVERIFY2(n == "0" || !n.startsWith('0'), qPrintable(enc));
        QVERIFY(n.toUInt() < 256);
    }
    // Through the store as well.
    TTestEnv env;
    TServerList list;
    list.push_back(Server("S", plain));
    SaveServerList(list);
    QCOMPARE(ReadServer("S").Password, plain);
}

void TestServerList::storedPasswordIsNeverPlain() {
    TTestEnv env;
    TServerList list;
    list.push_back(Server("S", "abc"));
    SaveServerList(list);
    const QString stored = Raw().value("WWWServers/S/Password").toString();
    QCOMPARE(stored, ScramblePassword("abc", TScrambleMode::ENC));
    QCOMPARE(stored.count(','), 2);
    QFile file(Raw().fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("abc"));
}

void TestServerList::decodingOtherTextsGivesThemBack() {
    for (const char* text : {"secret", "12", "1,2,x", "300,1", ",", "1,,2", " , "})
        QCOMPARE(ScramblePassword(text, TScrambleMode::DEC), QString(text));
    // A scrambled value typed into the file by hand, without quotes, still
    // reads back (the store hands such a value over as a list).
    TTestEnv env;
    const QString enc = ScramblePassword("abc", TScrambleMode::ENC);
    const QString path = Raw().fileName();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[WWWServers]\nS\\Address=a\nS\\Password=" + enc.toLatin1() + "\n");
    file.close();
    QCOMPARE(ReadServer("S").Password, QString("abc"));
}

QTEST_MAIN(TestServerList)
#include "test_serverlist.moc"
