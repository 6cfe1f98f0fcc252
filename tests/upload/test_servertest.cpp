// The server wizard's Test button against real local servers: a good
// server (the test file written and removed, nothing else changed), a
// wrong password and a refused connection told apart, a missing folder
// made only after Yes, what a server refuses named, the trust question,
// and a test stopped by the user or by closing the wizard.
#include "FtpTestServer.h"
#include "TestCertificates.h"
#include "TestSupport.h"
#include "app/Translations.h"
#include "upload/transfer/FtpClient.h"
#include "upload/ServerProbe.h"
#include "upload/ServerWizard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTranslator>

namespace {

void Type(QLineEdit* e, const QString& text) {
    e->setFocus();
    QTest::keyClicks(e, text);
}

QString Page(const QWidget* w) { return ShownPage(w, "pgcWizard"); }
void Type(QWidget* w, const char* name, const QString& text) { Type(Child<QLineEdit>(w, name), text); }
bool Shown(const QWidget* w, const char* name) { return Child<QWidget>(w, name)->isVisible(); }
QPushButton* TestButton(QWidget* w) { return Child<QPushButton>(w, "btnTest"); }
QString TestResult(QWidget* w) { return Child<QLabel>(w, "lblTestResult")->text(); }

// A new server typed into the wizard's details page.
void EnterServer(TfrmServerWizard& w, int port, TSecurity security, const QString& password = TFtpTestServer::kPassword) {
    QTest::mouseClick(Child<QPushButton>(&w, "butNext"), Qt::LeftButton);
    QCOMPARE(Page(&w), QString("tab2"));
    Type(&w, "txtName", "Mine");
    Type(&w, "txtAddress", QString("127.0.0.1:%1").arg(port));
    Type(&w, "txtLogin", TFtpTestServer::kUser);
    Type(&w, "txtPassword", password);
    Child<QComboBox>(&w, "cmbConnection")->setCurrentIndex(int(security));
}

// Clicks Test and waits for its sentence.
QString Test(TfrmServerWizard& w) {
    [&] { QVERIFY(Shown(&w, "btnTest")); }();
    QTest::mouseClick(TestButton(&w), Qt::LeftButton);
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!w.TestRunning(), 20000); }();
    return Shown(&w, "lblTestResult") ? TestResult(&w) : QString();
}

// The commands of the server's log that change something on it.
QStringList Changes(TFtpTestServer& server) {
    QStringList out;
    static const QRegularExpression command(QStringLiteral("<- (STOR|STOU|APPE|DELE|MKD|RMD|RNFR|RNTO|SITE)\\b(.*)"));
    for (auto it = command.globalMatch(server.log()); it.hasNext();) {
        const auto m = it.next();
        out << m.captured(1) + m.captured(2).trimmed().prepend(QLatin1Char(' '));
    }
    return out;
}

TUploadTarget Target(const TFtpTestServer& s, TSecurity security, const QString& dir,
                     const QString& password = TFtpTestServer::kPassword) {
    return s.Target(security, dir, password);
}

}  // namespace

class TestServerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestEnv> env_;
    TScriptedDialogs* dialogs() { return static_cast<TScriptedDialogs*>(&Dialogs()); }
    QTemporaryDir keys_;

private slots:
    void init() { env_ = std::make_unique<TTestEnv>(); }
    void cleanup() { env_.reset(); }

    void aGoodServerIsReadyAndKeepsNoTestFile() {
        TFtpTestServer server;
        QVERIFY(server.ok());
        QVERIFY(QDir(server.home()).mkdir("public_html"));
        TServerList list;
        TfrmServerWizard w(list);
        w.show();
        EnterServer(w, server.port(), TSecurity::FTP);
        QTest::mouseClick(TestButton(&w), Qt::LeftButton);
        // The wizard answers while the test runs: the button stops it.
        QVERIFY(w.TestRunning());
        QCOMPARE(TestButton(&w)->text(), QString("&Stop Test"));
        QTRY_VERIFY_WITH_TIMEOUT(!w.TestRunning(), 20000);
        QCOMPARE(TestResult(&w), QString("Tarvo could log in and write to public_html: this server is ready."));
        QCOMPARE(TestButton(&w)->text(), QString("&Test"));
        QVERIFY(server.files().isEmpty());
        const QStringList changes = Changes(server);
        QCOMPARE(changes.size(), 2);
        QVERIFY2(changes[0].startsWith("STOR tarvo-test-"), qPrintable(changes.join(", ")));
        QCOMPARE(changes[1], "DELE" + changes[0].mid(4));
        QCOMPARE(dialogs()->shown.size(), 0);
        // Typing in the details drops a result that no longer describes them.
        Type(&w, "txtLogin", "x");
        QVERIFY(!Shown(&w, "lblTestResult"));
    }

    void aWrongPasswordIsNotAnAddressProblem_data() {
        QTest::addColumn<int>("security");
        QTest::newRow("FTP") << int(TSecurity::FTP);
        QTest::newRow("SFTP") << int(TSecurity::SFTP);
    }
    void aWrongPasswordIsNotAnAddressProblem() {
        QFETCH(int, security);
        const bool sftp = TSecurity(security) == TSecurity::SFTP;
        TFtpTestServer server(sftp ? "sftpserver.py" : "ftpserver.py",
                              sftp ? QStringList{keys_.filePath("key")} : QStringList{});
        QVERIFY(server.ok());
        TFtpClient ftp;
        TServerProbe probe(ftp, Target(server, TSecurity(security), "", "wrong"));
        probe.AskTrust = [](const TTrustQuestion&) { return true; };
        QVERIFY(!probe.Run());
        QCOMPARE(probe.Outcome(), TServerProbe::TOutcome::LoginRefused);
        QCOMPARE(probe.Sentence(), QString("The server 127.0.0.1 refused the login name or password: check both."));
        QVERIFY(server.files().isEmpty());

        // Nobody listening: the address or port, never the password.
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        TUploadTarget nowhere = Target(server, TSecurity(security), "");
        nowhere.Port = closed.serverPort();
        closed.close();
        TServerProbe refused(ftp, nowhere);
        QVERIFY(!refused.Run());
        QCOMPARE(refused.Outcome(), TServerProbe::TOutcome::Unreachable);
        QCOMPARE(refused.Sentence(), QString("The server 127.0.0.1 refused the connection on port %1: check the "
                                             "address and port.")
                                         .arg(nowhere.Port));

        // In German as well: what the failure is does not hang on the
        // English wording of its message.
        QTranslator german;
        QVERIFY(german.load(TranslationsDir() + "/tarvo_de.qm"));
        QCoreApplication::installTranslator(&german);
        TServerProbe refusedDe(ftp, nowhere);
        QVERIFY(!refusedDe.Run());
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(refusedDe.Sentence(), german.translate("TServerProbe", "The server %1 refused the connection on port "
                                                                        "%2: check the address and port.")
                                           .arg("127.0.0.1")
                                           .arg(nowhere.Port));
    }

    void aMissingFolderIsMadeOnlyAfterYes_data() {
        QTest::addColumn<int>("security");
        QTest::newRow("FTP") << int(TSecurity::FTP);
        QTest::newRow("SFTP") << int(TSecurity::SFTP);
    }
    void aMissingFolderIsMadeOnlyAfterYes() {
        QFETCH(int, security);
        const bool sftp = TSecurity(security) == TSecurity::SFTP;
        TFtpTestServer server(sftp ? "sftpserver.py" : "ftpserver.py",
                              sftp ? QStringList{keys_.filePath("key")} : QStringList{});
        QVERIFY(server.ok());
        TServerList list;
        TfrmServerWizard w(list);
        w.show();
        EnterServer(w, server.port(), TSecurity(security));
        if (sftp) dialogs()->runs << [](QDialog* d) {
            d->findChild<QPushButton*>("btnTrust")->click();
            return 0;
        };
        dialogs()->answers << QMessageBox::No;
        QString said = Test(w);
        QCOMPARE(said, sftp ? QString("Tarvo could log in, but the folder public_html does not exist and was not made.")
                            : QString("Tarvo could log in, but the folder public_html does not exist (550) and was "
                                      "not made."));
        QVERIFY(!QFileInfo::exists(server.path("public_html")));
        QCOMPARE(dialogs()->shown.last().text, QString("The folder \"public_html\" does not exist on the server. "
                                                       "Shall Tarvo make it?"));

        dialogs()->answers << QMessageBox::Yes;
        said = Test(w);
        QCOMPARE(said, QString("Tarvo could log in and write to public_html: this server is ready."));
        QVERIFY(QFileInfo(server.path("public_html")).isDir());
        QVERIFY(server.files().isEmpty());
        QCOMPARE(dialogs()->unexpected, 0);
    }

    void whatTheServerRefusesIsNamed() {
        // No right to make a folder.
        TFtpTestServer readOnly("permserver.py", {"elr"});
        QVERIFY(readOnly.ok());
        TFtpClient ftp;
        TServerProbe notMade(ftp, Target(readOnly, TSecurity::FTP, "public_html"));
        notMade.AskMakeFolder = [](const QString&) { return true; };
        QVERIFY(!notMade.Run());
        QCOMPARE(notMade.Sentence(),
                 QString("The folder public_html does not exist and the server refused to make it (550)."));
        // The server's code in German too, not the whole German message.
        QTranslator german;
        QVERIFY(german.load(TranslationsDir() + "/tarvo_de.qm"));
        QCoreApplication::installTranslator(&german);
        TServerProbe notMadeDe(ftp, Target(readOnly, TSecurity::FTP, "public_html"));
        notMadeDe.AskMakeFolder = [](const QString&) { return true; };
        QVERIFY(!notMadeDe.Run());
        QCoreApplication::removeTranslator(&german);
        QVERIFY2(notMadeDe.Sentence().endsWith("(550)."), qPrintable(notMadeDe.Sentence()));
        // Nor to write.
        QVERIFY(QDir(readOnly.home()).mkdir("www"));
        TServerProbe notWritten(ftp, Target(readOnly, TSecurity::FTP, "www"));
        QVERIFY(!notWritten.Run());
        QCOMPARE(notWritten.Sentence(),
                 QString("Tarvo could log in and enter www, but the server refused to let it write there (550)."));
        QVERIFY(readOnly.files().isEmpty());

        // Writing allowed, removing not: the file left behind is named.
        TFtpTestServer noDelete("permserver.py", {"elrw"});
        QVERIFY(noDelete.ok());
        TServerProbe kept(ftp, Target(noDelete, TSecurity::FTP, ""));
        QVERIFY(!kept.Run());
        QCOMPARE(kept.Outcome(), TServerProbe::TOutcome::RemoveFailed);
        QCOMPARE(kept.Sentence(), QString("Tarvo could write to your login folder, but could not remove its test "
                                          "file %1 (550): please remove it yourself.")
                                      .arg(kept.TestFileName()));
        QCOMPARE(noDelete.files(), QStringList{kept.TestFileName()});
    }

    void aSuccessReplyIsNotQuotedAsARefusal() {
        // The server answers the request for a data connection with a
        // success code ("227") and no address: the write fails, but the
        // server refused nothing.
        TFtpTestServer odd("oddserver.py", {"pasv"});
        QVERIFY(odd.ok());
        QVERIFY(QDir(odd.home()).mkdir("www"));
        TFtpClient ftp;
        TServerProbe probe(ftp, Target(odd, TSecurity::FTP, "www"));
        QVERIFY(!probe.Run());
        QCOMPARE(probe.Outcome(), TServerProbe::TOutcome::WriteFailed);
        const QString sentence = probe.Sentence();
        QVERIFY2(sentence.startsWith("Tarvo could log in and enter www, but could not write a file there ("),
                 qPrintable(sentence));
        QVERIFY2(!sentence.contains("refused") && !sentence.contains("(227)") && !sentence.contains("(500)"),
                 qPrintable(sentence));
        QVERIFY(odd.files().isEmpty());
    }

    void anUntrustedCertificateIsAskedAbout() {
        TCertificates certs;
        QVERIFY(certs.ok());
        TFtpTestServer server("ftpsserver.py", certs.Server("self"));
        QVERIFY(server.ok());
        TServerList list;
        TfrmServerWizard w(list);
        w.show();
        EnterServer(w, server.port(), TSecurity::FTPS);
        Child<QLineEdit>(&w, "txtDirectory")->setText("");  // the login folder
        // Declined: no log-in, nothing kept.
        dialogs()->runs << [](QDialog* d) {
            d->findChild<QPushButton*>("btnCancel")->click();
            return 0;
        };
        QCOMPARE(Test(w), QString("Tarvo did not log in: the server's certificate is not trusted."));
        QCOMPARE(dialogs()->shown.last().text, QString("dlgTrustServer"));
        QVERIFY(!server.log().contains("USER webuser"));
        // Trusted: asked again, as nothing was kept; the key stays with the
        // entry, as an upload keeps it, and is saved with the list.
        dialogs()->runs << [](QDialog* d) {
            d->findChild<QPushButton*>("btnTrust")->click();
            return 0;
        };
        QCOMPARE(Test(w), QString("Tarvo could log in and write to your login folder: this server is ready."));
        QCOMPARE(dialogs()->shown.last().text, QString("dlgTrustServer"));
        QVERIFY(server.files().isEmpty());
        dialogs()->answers << QMessageBox::Yes;
        QTest::mouseClick(Child<QPushButton>(&w, "butFinish"), Qt::LeftButton);
        QVERIFY(ReadServer("Mine").TrustedKey.startsWith("sha256//"));
        QCOMPARE(dialogs()->unexpected, 0);
    }

    void aTestCanBeStoppedAndEndsWithTheWizard() {
        // A server that takes the connection and never says a word.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        QList<QTcpSocket*> held;
        connect(&silent, &QTcpServer::newConnection, this, [&] { held << silent.nextPendingConnection(); });
        TServerList list;
        {
            TfrmServerWizard w(list);
            w.show();
            EnterServer(w, silent.serverPort(), TSecurity::FTP);
            QTest::mouseClick(TestButton(&w), Qt::LeftButton);
            QTRY_COMPARE(held.size(), 1);
            QVERIFY(w.TestRunning());
            QTest::mouseClick(TestButton(&w), Qt::LeftButton);
            QVERIFY(!w.TestRunning());
            QCOMPARE(TestResult(&w), QString("The test was stopped."));

            QTest::mouseClick(TestButton(&w), Qt::LeftButton);
            QTRY_COMPARE(held.size(), 2);
            QVERIFY(w.TestRunning());
            w.reject();
            QVERIFY(!w.TestRunning());
        }
        // The connections the tests opened are closed.
        QTRY_VERIFY(std::all_of(held.begin(), held.end(),
                                [](QTcpSocket* s) { return s->state() == QAbstractSocket::UnconnectedState; }));
    }
};

QTEST_MAIN(TestServerTest)
#include "test_servertest.moc"
