// The server wizard with a WebDAV server: the kind chosen by name, the
// Test against a real Apache (the missing folder made after Yes, the test
// file written and removed), in English and German. With TARVO_SHOTS set
// to a folder, the wizard's pages are saved there as pictures.
#include "DavTestServer.h"
#include "TestSupport.h"
#include "app/Translations.h"
#include "upload/ServerWizard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

namespace {

void Type(QWidget* w, const char* name, const QString& text) {
    auto* e = Child<QLineEdit>(w, name);
    e->setFocus();
    QTest::keyClicks(e, text);
}

void Shot(QWidget* w, const QString& name) {
    const QString dir = QString::fromLocal8Bit(qgetenv("TARVO_SHOTS"));
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name + ".png");
}

}  // namespace

class TestDavWizard : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestEnv> env_;
    TScriptedDialogs* dialogs() { return static_cast<TScriptedDialogs*>(&Dialogs()); }

private slots:
    void init() { env_ = std::make_unique<TTestEnv>(); }
    void cleanup() { env_.reset(); }

    void testOfAWebDavServer_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << QString("de");
    }
    void testOfAWebDavServer() {
        QFETCH(QString, language);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load(TranslationsDir() + "/tarvo_" + language + ".qm"));
            QCoreApplication::installTranslator(&translator);
        }
        TDavTestServer server(true);
        QVERIFY2(server.ok(), qPrintable(server.log()));
        TServerList list;
        TfrmServerWizard w(list);
        w.show();
        QTest::mouseClick(Child<QPushButton>(&w, "butNext"), Qt::LeftButton);
        Type(&w, "txtName", "Dav");
        Type(&w, "txtAddress", QString("127.0.0.1:%1").arg(server.port()));
        Type(&w, "txtLogin", TDavTestServer::kUser);
        Type(&w, "txtPassword", TDavTestServer::kPassword);
        auto* kind = Child<QComboBox>(&w, "cmbConnection");
        // The kinds in their order, the plain one said to be so.
        QCOMPARE(kind->count(), 6);
        kind->setCurrentIndex(int(TSecurity::WebDAV));
        QCOMPARE(kind->currentText(), language.isEmpty() ? QString("WebDAV (not encrypted)") : QString("WebDAV (unverschlüsselt)"));
        dialogs()->answers << QMessageBox::Yes;  // make the missing folder
        QTest::mouseClick(Child<QPushButton>(&w, "btnTest"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w.TestRunning(), 20000);
        const QString said = Child<QLabel>(&w, "lblTestResult")->text();
        if (language.isEmpty())
            QCOMPARE(said, QString("Tarvo could log in and write to public_html: this server is ready."));
        QVERIFY(QFileInfo(server.path("public_html")).isDir());
        QCOMPARE(server.files(), QStringList());
        Shot(&w, "wizard-webdav" + (language.isEmpty() ? QString() : "-" + language));
        kind->showPopup();
        Shot(kind->view()->window(), "wizard-kinds" + (language.isEmpty() ? QString() : "-" + language));
        kind->hidePopup();
        // Plain WebDAV says on the advanced page that it is not encrypted.
        QTest::mouseClick(Child<QPushButton>(&w, "butAdvanced"), Qt::LeftButton);
        QTRY_VERIFY(Child<QLabel>(&w, "lblNotEncrypted")->isVisible());
        Shot(&w, "wizard-advanced" + (language.isEmpty() ? QString() : "-" + language));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TestDavWizard)
#include "test_davwizard.moc"
