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
#include <QDBusReply>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
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

    // A keyring that stops answering (stopped, as one behind its unlock
    // prompt would be): the wizard stays responsive and says what it waits
    // for, the read fails after its bound, and saving then keeps the
    // password the keyring holds.
    void aStalledKeyringFreezesNothingAndLosesNothing() {
        TTestEnv env;
        SaveOne("Home", kSecret);
        QTRY_COMPARE_WITH_TIMEOUT(Raw().value("WWWServers/Home/PasswordStore").toString(), QStringLiteral("Keyring"),
                                  20000);
        qputenv("TARVO_KEYRING_WAIT_MS", "1500");
        const pid_t keyring = KeyringPid();
        QVERIFY(keyring > 0);
        ::kill(keyring, SIGSTOP);
        TServerList list;
        LoadServerList(list);
        {
            TfrmServerWizard w(list);
            w.show();
            OpenFirstServer(w);
            QCOMPARE(ShownPage(&w, "pgcWizard"), QString("tab2"));
            auto* password = Child<QLineEdit>(&w, "txtPassword");
            auto* login = Child<QLineEdit>(&w, "txtLogin");
            QCOMPARE(password->placeholderText(), QStringLiteral("Reading the password from the keyring..."));
            // The window answers while the keyring does not.
            QTest::keyClicks(login, "x");
            QCOMPARE(login->text(), QStringLiteral("jox"));
            QTRY_VERIFY_WITH_TIMEOUT(password->placeholderText().startsWith("The keyring did not give"), 10000);
            QCOMPARE(password->text(), QString());
            static_cast<TScriptedDialogs*>(&Dialogs())->answers << QMessageBox::Yes;
            QTest::mouseClick(Child<QPushButton>(&w, "butFinish"), Qt::LeftButton);
        }
        {
            // The upload window waits for the password the same way, and
            // Cancel closes it at once.
            TfrmUpload up(ReadServer("Home"), {{"p.html", "p.html", false}});
            QElapsedTimer clock;
            qint64 answeredMs = -1;
            QTimer poll;
            connect(&poll, &QTimer::timeout, &up, [&] {
                if (!clock.isValid() &&
                    Child<QLabel>(&up, "lblFTPStatus")->text() == " Reading the password from the keyring...") {
                    clock.start();
                    QTest::mouseClick(Child<QPushButton>(&up, "butCancel"), Qt::LeftButton);
                }
            });
            connect(&up, &QDialog::finished, &up, [&] { answeredMs = clock.isValid() ? clock.elapsed() : -1; });
            poll.start(20);
            up.exec();
            QVERIFY(up.WasCancelled() && !up.Succeeded());
            QVERIFY2(answeredMs >= 0 && answeredMs < 5000, qPrintable(QString::number(answeredMs)));
            qInfo("the upload window closed %lld ms after Cancel while the keyring stalled", answeredMs);
        }
        ::kill(keyring, SIGCONT);
        qunsetenv("TARVO_KEYRING_WAIT_MS");
        QCOMPARE(Raw().value("WWWServers/Home/UserName").toString(), QStringLiteral("jox"));
        QCOMPARE(Raw().value("WWWServers/Home/PasswordStore").toString(), QStringLiteral("Keyring"));
        tWWWServerType s = ReadServer("Home");
        QVERIFY(FetchPassword(s));
        QCOMPARE(s.Password, kSecret);
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
