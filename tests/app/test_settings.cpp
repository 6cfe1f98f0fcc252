#include "TestSupport.h"
#include "app/Settings.h"

#include <QSettings>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void neverStoredMachineGivesDefaultAndCreatesRoot();
    void noReadsFalseAfterWrite();
    void conversionRules_data();
    void conversionRules();
    void openSectionCreatesOnlyWhenAsked();
    void writeSettingNeedsRoot();
    void keysAndDeletion();
};

void TestSettings::neverStoredMachineGivesDefaultAndCreatesRoot() {
    TTestEnv env;
    QVERIFY(env.ok());
    QVERIFY(!TTarvoReg::RootExists());
    // A default of false does not create the root key and gives false.
    QCOMPARE(ReadSettingBool("General", "ShowJoy", false), false);
    QVERIFY(!TTarvoReg::RootExists());
    QCOMPARE(ReadSettingBool("General", "ShowJoy", true), true);
    QVERIFY(TTarvoReg::RootExists());
}

void TestSettings::noReadsFalseAfterWrite() {
    TTestEnv env;
    TTarvoReg reg;
    QVERIFY(reg.OpenSection("", true));
    WriteSetting("General", "ShowJoy", "No");
    QCOMPARE(ReadSettingBool("General", "ShowJoy", true), false);
    // Other values of the section keep their defaults.
    QCOMPARE(ReadSettingBool("General", "SaveInfo", true), true);
    // The value lands under the expected group and name of the store.
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Brenfold", "Tarvo");
    QCOMPARE(raw.value("General/ShowJoy").toString(), QString("No"));
}

void TestSettings::conversionRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("def");
    QTest::addColumn<bool>("expected");
    QTest::newRow("0x10") << "0x10" << false << true;
    QTest::newRow("0X0") << "0X0" << true << false;
    QTest::newRow("0x alone is not hex") << "0x" << true << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("7") << "7" << false << true;
    QTest::newRow("-1") << "-1" << false << true;
    QTest::newRow("$1F") << "$1F" << false << true;
    QTest::newRow("$0") << "$0" << true << false;
    QTest::newRow("abc keeps true") << "abc" << true << true;
    QTest::newRow("abc keeps false") << "abc" << false << false;
    QTest::newRow("no is not No") << "no" << true << true;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("0xZZ") << "0xZZ" << true << true;
}

void TestSettings::conversionRules() {
    QFETCH(QString, text);
    QFETCH(bool, def);
    QFETCH(bool, expected);
    TTestEnv env;
    TTarvoReg reg;
    QVERIFY(reg.OpenSection("General", true));
    reg.WriteString("Value", text);
    reg.Sync();
    QCOMPARE(ReadSettingBool("General", "Value", def), expected);
}

void TestSettings::openSectionCreatesOnlyWhenAsked() {
    TTestEnv env;
    TTarvoReg reg;
    QVERIFY(!reg.OpenSection("Nowhere", false));
    QVERIFY(TTarvoReg::RootExists());  // the root is created all the same
    QVERIFY(reg.OpenSection("Somewhere", true));
    QCOMPARE(reg.CurrentKey(), QString("Somewhere"));
    reg.WriteString("A", "1");
    QVERIFY(reg.ValueExists("A"));
    QVERIFY(!reg.ValueExists("B"));
    QVERIFY(reg.OpenSection("Somewhere", false));
    QCOMPARE(reg.ReadString("A"), QString("1"));
}

void TestSettings::writeSettingNeedsRoot() {
    TTestEnv env;
    WriteSetting("General", "SaveInfo", "No");  // no root key yet: nothing written
    QVERIFY(!TTarvoReg::RootExists());
    QCOMPARE(ReadSettingBool("General", "SaveInfo", true), true);
    WriteSetting("General", "SaveInfo", "No");  // the read above created the root
    QCOMPARE(ReadSettingBool("General", "SaveInfo", true), false);
}

void TestSettings::keysAndDeletion() {
    TTestEnv env;
    TTarvoReg reg;
    QVERIFY(reg.OpenSection("WWWServers", true));
    QVERIFY(reg.CreateKey("My Server"));
    QVERIFY(reg.KeyExists("My Server"));
    QVERIFY(reg.OpenSection("WWWServers/My Server", true));
    reg.WriteString("Address", "ftp.example.org");
    QVERIFY(reg.OpenSection("WWWServers", false));
    QCOMPARE(reg.GetKeyNames(), QStringList{"My Server"});
    QVERIFY(reg.DeleteKey("My Server"));
    QVERIFY(reg.GetKeyNames().isEmpty());
    QVERIFY(!reg.DeleteKey("My Server"));
}

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
