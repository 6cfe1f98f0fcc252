// Server passwords and the desktop's secret store. Built twice: with
// KEYRING_SERVICE the test runs with a secret service on its private
// session bus (KEYRING in tests/upload/CMakeLists.txt); without it the bus
// names a socket that does not exist, as on a machine without a desktop
// session, and the scrambled setting is the fallback.
#include "TestSupport.h"
#include "upload/Keyring.h"
#include "upload/ServerList.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QtTest>

namespace {

QSettings Raw() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brenfold", "Tarvo"); }

QByteArray SettingsFile() {
    QFile f(Raw().fileName());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void SaveOne(const QString& name, const QString& password) {
    TServerList list;
    auto s = std::make_unique<tWWWServerType>();
    s->Name = name;
    s->Address = "ftp.example";
    s->UserName = "jo";
    s->Password = password;
    list.push_back(std::move(s));
    SaveServerList(list);
}

const QString kSecret = QStringLiteral("kEy-r1ng pass");

}  // namespace

class TestKeyring : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
#ifdef KEYRING_SERVICE
        // The test run gives this suite a session bus of its own with an
        // unlocked secret service on it; run by hand, outside that world,
        // the passwords would land in the user's own keyring.
        if (qEnvironmentVariableIsEmpty("TARVO_PRIVATE_WORLD"))
            QSKIP("needs the private session bus and keyring that ctest gives it");
#else
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tarvo-test-bus");
#endif
    }

#ifdef KEYRING_SERVICE
    void passwordLivesInTheKeyringOnly() {
        TTestEnv env;
        SaveOne("Home", kSecret);
        QCOMPARE(Raw().value("WWWServers/Home/PasswordStore").toString(), QStringLiteral("Keyring"));
        QVERIFY(!Raw().contains("WWWServers/Home/Password"));
        QVERIFY(!SettingsFile().contains(kSecret.toUtf8()));
        QVERIFY(!SettingsFile().contains(ScramblePassword(kSecret, TScrambleMode::ENC).toUtf8()));
        QCOMPARE(Keyring::Read("Home"), std::optional<QString>(kSecret));

        // Read only when needed.
        tWWWServerType s = ReadServer("Home");
        QVERIFY(s.Password.isEmpty());
        FetchPassword(s);
        QCOMPARE(s.Password, kSecret);
    }

    void renamingAndDeletingMoveThePassword() {
        TTestEnv env;
        SaveOne("Old name", kSecret);
        TServerList list;
        LoadServerList(list);
        QCOMPARE(list.size(), size_t(1));
        list[0]->Name = "New name";
        SaveServerList(list);
        QCOMPARE(Keyring::Read("New name"), std::optional<QString>(kSecret));
        QVERIFY(!Keyring::Read("Old name").has_value());
        tWWWServerType s = ReadServer("New name");
        FetchPassword(s);
        QCOMPARE(s.Password, kSecret);

        SaveServerList(TServerList());
        QVERIFY(!Keyring::Read("New name").has_value());
    }
#else
    void withoutAStoreThePasswordIsScrambledInTheSettings() {
        TTestEnv env;
        QElapsedTimer t;
        t.start();
        SaveOne("Home", kSecret);
        // A missing store is found out at once, not after the minute a
        // store that does not answer is given.
        QVERIFY2(t.elapsed() < 30000, qPrintable(QString::number(t.elapsed())));
        QVERIFY(!Raw().contains("WWWServers/Home/PasswordStore"));
        QCOMPARE(Raw().value("WWWServers/Home/Password").toString(), ScramblePassword(kSecret, TScrambleMode::ENC));
        QVERIFY(!SettingsFile().contains(kSecret.toUtf8()));
        tWWWServerType s = ReadServer("Home");
        QCOMPARE(s.Password, kSecret);
        QVERIFY(s.KeyringName.isEmpty());
    }
#endif
};

QTEST_GUILESS_MAIN(TestKeyring)
#include "test_keyring.moc"
