// Work saved automatically and brought back: a real Tarvo window in a child
// process types into a page, is killed with SIGKILL once its work is saved,
// and the next start (this process) is offered the work.

#include "TestSupport.h"
#include "TarvoResources.h"
#include "app/Application.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "main/Startup.h"
#include "docs/AutoSave.h"
#include "docs/FileCommands.h"
#include "model/WebBlock.h"
#include "app/Utils.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/stat.h>
#include <memory>

namespace {

constexpr char kChildMode[] = "TARVO_AUTOSAVE_CHILD";  // "kill" or "close"
const QString kTyped = QStringLiteral("Words typed before the crash");

// The child: a window with an untitled page typed into, saved automatically.
int RunChild(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    InitTarvoResources();
    TfrmMain* w = CreateMainWindow();
    w->show();
    w->Files()->FileNew();
    // Not the choice a new page starts with: the work brings its own back.
    w->Session().SetFitPhone(false);
    w->Page().InsertChunk(0, NewChunkForKind(bkHeading));
    w->Hooks().LoadChunk(0);
    w->Hooks().SelectAndHighlight(0);
    auto* box = w->findChild<QLineEdit*>(QStringLiteral("txtHeading"));
    if (!box) return 3;
    box->setFocus();
    QTest::keyClicks(box, kTyped);
    AttachAutoSave(*w, w->Session());
    const QString info =
        QDir(TAutoSave::Folder()).filePath(QString::number(QCoreApplication::applicationPid()) + QStringLiteral(".info"));
    if (!QTest::qWaitFor([&] { return QFile::exists(info); }, 60000)) return 4;
    std::printf("saved\n");
    std::fflush(stdout);
    if (qgetenv(kChildMode) == "close") {
        // Closed normally, the changes given up ("No").
        w->Hooks().AskForSave.replace([] { return true; });
        w->close();
        delete w;
        return 0;
    }
    return app.exec();
}

}  // namespace

class TestAutoSave : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init();
    void cleanup();

    void killedWorkIsOfferedAndBroughtBack();
    void noDiscardsAndNormalCloseLeavesNothing();
    void recoveryTrustsNothingItReads();

private:
    // Starts the child and waits until its work is saved.
    bool StartChild(QProcess& child, const char* mode);
    QStringList Leftovers() const { return QDir(TAutoSave::Folder()).entryList(QDir::Files); }

    std::unique_ptr<TTestEnv> env_;
    QTemporaryDir data_;
    TScriptedDialogs* dialogs_ = nullptr;
    TfrmMain* w_ = nullptr;
};

void TestAutoSave::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    QVERIFY(QDir(data_.path()).removeRecursively() && QDir().mkpath(data_.path()));
    qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    qputenv("TARVO_AUTOSAVE_MS", "100");
    dialogs_ = static_cast<TScriptedDialogs*>(&Dialogs());
    w_ = CreateMainWindow();
    w_->show();
}

void TestAutoSave::cleanup() {
    delete w_;
    w_ = nullptr;
    env_.reset();
}

bool TestAutoSave::StartChild(QProcess& child, const char* mode) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildMode), QString::fromLatin1(mode));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForStarted(30000)) return false;
    QDeadlineTimer deadline(120000);
    while (!child.canReadLine()) {
        if (deadline.hasExpired() || (!child.waitForReadyRead(500) && child.state() == QProcess::NotRunning))
            return false;
    }
    return child.readLine().trimmed() == "saved";
}

void TestAutoSave::killedWorkIsOfferedAndBroughtBack() {
    TAutoSave* autosave = AttachAutoSave(*w_, w_->Session());
    QProcess child;
    QVERIFY(StartChild(child, "kill"));
    // While that Tarvo runs, its work is its own: nothing is offered.
    autosave->OfferRecovery();
    QVERIFY(dialogs_->shown.isEmpty());

    const QString base = QString::number(child.processId());
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(30000));
    QVERIFY(Leftovers().contains(base + ".tve"));

    dialogs_->answers << QMessageBox::Yes;
    autosave->OfferRecovery();
    QCOMPARE(dialogs_->shown.size(), 1);
    const QString question = dialogs_->shown[0].text;
    QVERIFY2(question.startsWith("Tarvo was not closed normally. Your work on an untitled page was saved "
                                 "automatically on "),
             qPrintable(question));
    QVERIFY(question.endsWith("Do you want to bring it back?"));
    QCOMPARE(w_->Page().Count(), 1);
    QCOMPARE(w_->Page().Chunk(0)->Heading->HeadText, kTyped);
    QVERIFY(w_->Page().PageChanged);
    QVERIFY(w_->Page().DocFileName.isEmpty());
    QVERIFY(!w_->Page().FitPhone);
    QCOMPARE(w_->CurrentStage(), int(TfrmMain::stBuild));
    // Taken over: the dead process's files are gone, the page is this
    // process's work now, and a normal close leaves nothing.
    for (const QString& name : Leftovers()) QVERIFY2(!name.startsWith(base), qPrintable(name));
    delete w_;
    w_ = nullptr;
    QCOMPARE(Leftovers(), QStringList());
}

void TestAutoSave::noDiscardsAndNormalCloseLeavesNothing() {
    {
        QProcess child;
        QVERIFY(StartChild(child, "close"));
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(Leftovers(), QStringList());
    }
    QProcess child;
    QVERIFY(StartChild(child, "kill"));
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(30000));
    TAutoSave* autosave = AttachAutoSave(*w_, w_->Session());
    dialogs_->answers << QMessageBox::No;
    autosave->OfferRecovery();
    QCOMPARE(dialogs_->shown.size(), 1);
    QCOMPARE(w_->Page().Count(), 0);
    // The dead process's lock goes too; this process's stays.
    QCOMPARE(Leftovers(), QStringList({QString::number(QCoreApplication::applicationPid()) + ".lock"}));
    autosave->OfferRecovery();
    QCOMPARE(dialogs_->shown.size(), 1);
}

// A record is only a file: one naming a file that is not a page of the
// user's is recovered as an untitled page, and one naming a page that was
// saved elsewhere meanwhile makes the next Save ask, with the whole path.
void TestAutoSave::recoveryTrustsNothingItReads() {
    TAutoSave* autosave = AttachAutoSave(*w_, w_->Session());
    const auto leaveWork = [this](QString& base) {
        QProcess child;
        if (!StartChild(child, "kill")) return false;
        base = QDir(TAutoSave::Folder()).filePath(QString::number(child.processId()));
        ::kill(pid_t(child.processId()), SIGKILL);
        return child.waitForFinished(30000);
    };
    const auto mode = [](const QString& path) {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
    };
    QString base;
    QVERIFY(leaveWork(base));
    QCOMPARE(mode(TAutoSave::Folder()), 0700);
    QCOMPARE(mode(base + ".tve"), 0600);
    QCOMPARE(mode(base + ".info"), 0600);

    const QString bashrc = QDir::home().filePath(".bashrc");
    QVERIFY(WriteFileBytes(bashrc, "echo mine\n"));
    QVERIFY(WriteFileBytes(base + ".info", bashrc.toUtf8() + "\n2026-01-01T00:00:00.000Z\n"));
    dialogs_->answers << QMessageBox::Yes;
    autosave->OfferRecovery();
    QVERIFY(dialogs_->shown[0].text.contains("an untitled page"));
    QVERIFY(w_->Page().DocFileName.isEmpty());
    QCOMPARE(ReadFileBytes(bashrc), QByteArray("echo mine\n"));

    const QString page = JoinPath(env_->appDir(), "save/choir.tve");
    QVERIFY(WriteFileBytes(page, "the version another window saved"));
    w_->Page().PageChanged = false;
    QVERIFY(leaveWork(base));
    QVERIFY(WriteFileBytes(base + ".info", page.toUtf8() + "\n2026-01-01T00:00:00.000Z\n1 1\n"));
    dialogs_->shown.clear();
    dialogs_->answers << QMessageBox::Yes << QMessageBox::Cancel;
    autosave->OfferRecovery();
    QVERIFY2(dialogs_->shown[0].text.contains(QDir::toNativeSeparators(page)), qPrintable(dialogs_->shown[0].text));
    QCOMPARE(w_->Page().DocFileName, page);
    QVERIFY(!w_->Session().Save().done());
    QVERIFY(dialogs_->lastText().contains(QDir::toNativeSeparators(page) + " was changed on the disk"));
    QCOMPARE(ReadFileBytes(page), QByteArray("the version another window saved"));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet(kChildMode)) return RunChild(argc, argv);
    TTarvoApplication app(argc, argv);
    TestAutoSave t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_autosave.moc"
