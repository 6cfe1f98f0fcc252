// Server passwords and the desktop's secret store. Built twice: with
// KEYRING_SERVICE the test runs with a secret service on its private
// session bus (KEYRING in tests/upload/CMakeLists.txt); without it the bus
// names a socket that does not exist, as on a machine without a desktop
// session, and the scrambled setting is the fallback.
#include "FtpTestServer.h"
#include "TestSupport.h"
#include "app/UserDialogs.h"
#include "upload/Keyring.h"
#include "upload/ServerList.h"
#include "upload/ServerWizard.h"
#include "upload/UploadWindow.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QtTest>

#include <csignal>

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

// The secret service on this suite's private bus, as the bus knows it.
[[maybe_unused]] pid_t KeyringPid() {
    const QDBusReply<uint> pid =
        QDBusConnection::sessionBus().interface()->servicePid(QStringLiteral("org.freedesktop.secrets"));
    return pid.isValid() ? pid_t(pid.value()) : 0;
}

#ifdef KEYRING_SERVICE
// The wizard in modify mode, its first server opened with a double click.
void OpenFirstServer(TfrmServerWizard& w) {
    auto* modify = Child<QRadioButton>(&w, "rbModify");
    QTest::mouseClick(modify, Qt::LeftButton, {}, QPoint(8, modify->height() / 2));
    QTest::mouseClick(Child<QPushButton>(&w, "butNext"), Qt::LeftButton);
    auto* servers = Child<QListWidget>(&w, "lstServers");
    const QPoint row = servers->visualItemRect(servers->item(0)).center();
    QTest::mouseClick(servers->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(servers->viewport(), Qt::LeftButton, {}, row);
}
#endif

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
        // The keyring takes it on its own thread; the settings then drop it.
        QTRY_COMPARE_WITH_TIMEOUT(Raw().value("WWWServers/Home/PasswordStore").toString(), QStringLiteral("Keyring"),
                                  20000);
        QVERIFY(!Raw().contains("WWWServers/Home/Password"));
        QVERIFY(!SettingsFile().contains(kSecret.toUtf8()));
        QVERIFY(!SettingsFile().contains(ScramblePassword(kSecret, TScrambleMode::ENC).toUtf8()));
        QCOMPARE(Keyring::Read("Home").Password, kSecret);

        // Read only when needed.
        tWWWServerType s = ReadServer("Home");
        QVERIFY(s.Password.isEmpty());
        QVERIFY(FetchPassword(s));
        QCOMPARE(s.Password, kSecret);
    }

    void renamingKeepsTheEntryAndDeletingRemovesIt() {
        TTestEnv env;
        SaveOne("Old name", kSecret);
        QTRY_COMPARE_WITH_TIMEOUT(Raw().value("WWWServers/Old name/PasswordStore").toString(),
                                  QStringLiteral("Keyring"), 20000);
        TServerList list;
        LoadServerList(list);
        QCOMPARE(list.size(), size_t(1));
        list[0]->Name = "New name";
        SaveServerList(list);
        tWWWServerType s = ReadServer("New name");
        QVERIFY(FetchPassword(s));
        QCOMPARE(s.Password, kSecret);

        SaveServerList(TServerList());
        QTRY_COMPARE_WITH_TIMEOUT(int(Keyring::Read("Old name").Result), int(Keyring::TResult::NotFound), 20000);
    }

    // Opens the stored server "Home" for editing in `w`, as a user does.
    static void ModifyFirstServer(TfrmServerWizard& w) {
        w.show();
        OpenFirstServer(w);
        QCOMPARE(ShownPage(&w, "pgcWizard"), QString("tab2"));
    }

    // A keyring that answers late (stopped, as one behind its unlock prompt
    // is): the windows stay usable and say what they wait for, Cancel
    // works, a save meanwhile keeps the password the keyring holds, and the
    // answer is taken when it comes.
    void aLateKeyringFreezesNothingAndLosesNothing() {
        TTestEnv env;
        SaveOne("Home", kSecret);
        QTRY_COMPARE_WITH_TIMEOUT(Raw().value("WWWServers/Home/PasswordStore").toString(), QStringLiteral("Keyring"),
                                  20000);
        const pid_t keyring = KeyringPid();
        QVERIFY(keyring > 0);
        ::kill(keyring, SIGSTOP);
        auto resume = qScopeGuard([keyring] { ::kill(keyring, SIGCONT); });
        TServerList list;
        LoadServerList(list);
        {
            TfrmServerWizard w(list);
            ModifyFirstServer(w);
            QCOMPARE(Child<QLineEdit>(&w, "txtPassword")->placeholderText(), QStringLiteral("Reading the password from the keyring..."));
            QTRY_COMPARE(Child<QLineEdit>(&w, "txtPassword")->placeholderText(), QStringLiteral("Waiting for you to unlock the keyring..."));
            // The window answers while the keyring does not.
            QTest::keyClicks(Child<QLineEdit>(&w, "txtLogin"), "x");
            QCOMPARE(Child<QLineEdit>(&w, "txtLogin")->text(), QStringLiteral("jox"));
            QCOMPARE(Child<QLineEdit>(&w, "txtPassword")->text(), QString());
            static_cast<TScriptedDialogs*>(&Dialogs())->answers << QMessageBox::Yes;
            QTest::mouseClick(Child<QPushButton>(&w, "butFinish"), Qt::LeftButton);
        }
        QCOMPARE(Raw().value("WWWServers/Home/UserName").toString(), QStringLiteral("jox"));
        QCOMPARE(Raw().value("WWWServers/Home/PasswordStore").toString(), QStringLiteral("Keyring"));
        {
            // The upload window waits the same way, and Cancel closes it.
            TfrmUpload up(ReadServer("Home"), {{"p.html", "p.html", false}});
            up.open();
            QTRY_COMPARE(Child<QLabel>(&up, "lblFTPStatus")->text(), QStringLiteral(" Waiting for you to unlock the keyring..."));
            QVERIFY(up.isVisible());
            QTest::mouseClick(Child<QPushButton>(&up, "butCancel"), Qt::LeftButton);
            QTRY_VERIFY(!up.isVisible());
            QVERIFY(up.WasCancelled() && !up.Succeeded());
        }
        // Unlocked at last: the password comes into the window that waits.
        LoadServerList(list);
        TfrmServerWizard w(list);
        ModifyFirstServer(w);
        QTRY_COMPARE(Child<QLineEdit>(&w, "txtPassword")->placeholderText(), QStringLiteral("Waiting for you to unlock the keyring..."));
        ::kill(keyring, SIGCONT);
        QTRY_COMPARE_WITH_TIMEOUT(Child<QLineEdit>(&w, "txtPassword")->text(), kSecret, 20000);
    }

    // The wizard's Test takes the password the entry keeps in the keyring.
    void theServerTestReadsThePasswordFromTheKeyring() {
        TTestEnv env;
        TFtpTestServer server;
        QVERIFY(server.ok());
        TServerList saved;
        auto s = std::make_unique<tWWWServerType>();
        s->Name = "Home";
        s->Address = QString("127.0.0.1:%1").arg(server.port());
        s->UserName = TFtpTestServer::kUser;
        s->Password = TFtpTestServer::kPassword;
        saved.push_back(std::move(s));
        SaveServerList(saved);
        QTRY_COMPARE_WITH_TIMEOUT(Raw().value("WWWServers/Home/PasswordStore").toString(), QStringLiteral("Keyring"),
                                  20000);
        TServerList list;
        LoadServerList(list);
        QVERIFY(list[0]->Password.isEmpty());
        TfrmServerWizard w(list);
        w.show();
        OpenFirstServer(w);
        QCOMPARE(ShownPage(&w, "pgcWizard"), QString("tab2"));
        Child<QLineEdit>(&w, "txtDirectory")->setText("");
        QTest::mouseClick(Child<QPushButton>(&w, "btnTest"), Qt::LeftButton);
        auto* result = Child<QLabel>(&w, "lblTestResult");
        QCOMPARE(result->text(), QStringLiteral("Reading the password from the keyring..."));
        QTRY_VERIFY_WITH_TIMEOUT(!w.TestRunning(), 20000);
        QCOMPARE(result->text(),
                 QStringLiteral("Tarvo could log in and write to your login folder: this server is ready."));
    }

    // A locked keyring whose unlock prompt cannot be shown (or is cancelled)
    // says it holds no such password: that is no empty password. The
    // wizard says so and a save keeps the entry; the upload says why it
    // stops. Last of the suite: the keyring stays locked.
    void aLockedKeyringKeepsThePassword() {
        TTestEnv env;
        SaveOne("Home", kSecret);
        QTRY_COMPARE_WITH_TIMEOUT(Raw().value("WWWServers/Home/PasswordStore").toString(), QStringLiteral("Keyring"),
                                  20000);
        QDBusInterface service(QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
                               QStringLiteral("org.freedesktop.Secret.Service"));
        const QDBusMessage locked = service.call(
            QStringLiteral("Lock"),
            QVariant::fromValue(QList<QDBusObjectPath>{QDBusObjectPath("/org/freedesktop/secrets/collection/login")}));
        QCOMPARE(locked.type(), QDBusMessage::ReplyMessage);
        auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
        TServerList list;
        LoadServerList(list);
        {
            TfrmServerWizard w(list);
            ModifyFirstServer(w);
            QTRY_VERIFY(Child<QLineEdit>(&w, "txtPassword")->placeholderText().startsWith("The keyring did not give"));
            QCOMPARE(Child<QLineEdit>(&w, "txtPassword")->text(), QString());
            dialogs->answers << QMessageBox::Yes;
            QTest::mouseClick(Child<QPushButton>(&w, "butFinish"), Qt::LeftButton);
        }
        QCOMPARE(Raw().value("WWWServers/Home/PasswordStore").toString(), QStringLiteral("Keyring"));
        QVERIFY(!Raw().contains("WWWServers/Home/Password"));
        TfrmUpload up(ReadServer("Home"), {{"p.html", "p.html", false}});
        up.open();
        QTRY_VERIFY(!up.isVisible());
        QVERIFY(!up.Succeeded());
        QVERIFY2(dialogs->lastText().startsWith("Couldn't read the password of this server from the keyring.") &&
                     dialogs->lastText().contains("or it is locked"),
                 qPrintable(dialogs->lastText()));
    }
#else
    void withoutAStoreThePasswordIsScrambledInTheSettings() {
        TTestEnv env;
        SaveOne("Home", kSecret);
        QVERIFY(!Raw().contains("WWWServers/Home/PasswordStore"));
        QCOMPARE(Raw().value("WWWServers/Home/Password").toString(), ScramblePassword(kSecret, TScrambleMode::ENC));
        QVERIFY(!SettingsFile().contains(kSecret.toUtf8()));
        tWWWServerType s = ReadServer("Home");
        QCOMPARE(s.Password, kSecret);
        QVERIFY(s.KeyringName.isEmpty());

        // A password said to be in a keyring that cannot be reached: the
        // read fails, and a save keeps pointing there rather than storing
        // an empty password over it.
        Raw().setValue("WWWServers/Home/PasswordStore", "Keyring");
        Raw().remove("WWWServers/Home/Password");
        TServerList list;
        LoadServerList(list);
        QString why;
        QVERIFY(!FetchPassword(*list[0], &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(list[0]->KeyringName, QStringLiteral("Home"));
        SaveServerList(list);
        QCOMPARE(Raw().value("WWWServers/Home/PasswordStore").toString(), QStringLiteral("Keyring"));
        QVERIFY(!Raw().contains("WWWServers/Home/Password"));
    }
#endif
};

QTEST_MAIN(TestKeyring)
#include "test_keyring.moc"
