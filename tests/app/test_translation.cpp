// The interface in the user's language. The suite runs twice: in the test
// world's C locale (English) and with LANGUAGE=de LANG=de_DE.UTF-8
// (German); each test expects what the language it was started in asks for.
#include "TestSupport.h"
#include "app/Application.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "main/Startup.h"
#include "app/Translations.h"
#include "styles/StyleWizard.h"
#include "upload/ServerList.h"
#include "upload/ServerWizard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

#include "TarvoResources.h"

namespace {

bool StartedInGerman() { return qEnvironmentVariable("LANG").startsWith(QLatin1String("de")); }

// Every source text of the German translation whose translation differs
// from it: a widget that shows one of these in German was not translated.
QSet<QString> TranslatedSources() {
    QSet<QString> sources;
    QFile ts(qEnvironmentVariable("TARVO_TEST_SOURCE") + QStringLiteral("/../translations/tarvo_de.ts"));
    if (!ts.open(QIODevice::ReadOnly)) return sources;
    QXmlStreamReader xml(&ts);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString translation = xml.readElementText();
            if (!translation.isEmpty() && translation != source) sources.insert(source);
        }
    }
    return sources;
}

// The texts a widget tree shows or speaks, each with where it was found.
QList<QPair<QString, QString>> ShownTexts(QWidget* root) {
    QList<QPair<QString, QString>> texts;
    auto add = [&texts](const QObject* o, const char* what, const QString& text) {
        if (!text.trimmed().isEmpty()) texts.append({text, o->objectName() + QLatin1Char(' ') + QLatin1String(what)});
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        add(w, "window title", w->windowTitle());
        add(w, "tool tip", w->toolTip());
        add(w, "accessible name", w->accessibleName());
        if (auto* l = qobject_cast<QLabel*>(w)) add(w, "text", l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(w, "text", b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) add(w, "title", g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w)) add(w, "placeholder", e->placeholderText());
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) add(w, "item", c->itemText(i));
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i) add(w, "tab", t->tabText(i));
        if (auto* m = qobject_cast<QMenu*>(w)) {
            add(w, "title", m->title());
            for (QAction* a : m->actions()) add(a, "item", a->text());
        }
    }
    return texts;
}

// Names of the environment the language choice reads, restored afterwards.
class TLocaleVariables {
public:
    TLocaleVariables() {
        for (const char* name : kNames) saved_.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
    }
    ~TLocaleVariables() {
        for (const auto& [name, value, set] : saved_) set ? qputenv(name, value) : qunsetenv(name);
    }
    void Set(const QString& assignments) {
        for (const char* name : kNames) qunsetenv(name);
        for (const QString& a : assignments.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            qputenv(a.section(QLatin1Char('='), 0, 0).toLatin1().constData(), a.section(QLatin1Char('='), 1).toUtf8());
    }

private:
    static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    QList<std::tuple<const char*, QByteArray, bool>> saved_;
};

}  // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init();
    void cleanup();

    void languageFollowsEnvironment_data();
    void languageFollowsEnvironment();
    void mainWindowInStartLanguage();
    void messageBoxesInStartLanguage();
    void noEnglishTextLeftInGerman();

private:
    std::unique_ptr<TTestEnv> env_;
    TfrmMain* w_ = nullptr;
};

void TestTranslation::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    QCOMPARE(InstallTranslations(*qApp), StartedInGerman() ? QStringLiteral("de") : QString());
    w_ = CreateMainWindow();
    w_->Hooks().SaveDocument.replace([] { return true; });
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
}

void TestTranslation::cleanup() {
    delete w_;
    w_ = nullptr;
    env_.reset();
}

void TestTranslation::languageFollowsEnvironment_data() {
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("file");
    QTest::newRow("German locale") << "LANG=de_DE.UTF-8" << "tarvo_de.qm";
    QTest::newRow("region and modifier dropped") << "LANG=de_AT@euro" << "tarvo_de.qm";
    QTest::newRow("LC_ALL over LANG") << "LC_ALL=de_CH.UTF-8 LANG=en_GB.UTF-8" << "tarvo_de.qm";
    QTest::newRow("LANGUAGE list, first one found") << "LANGUAGE=fr:de LANG=fr_FR.UTF-8" << "tarvo_de.qm";
    QTest::newRow("English wanted before German") << "LANGUAGE=en_GB:de LANG=de_DE.UTF-8" << "";
    QTest::newRow("C locale ignores LANGUAGE") << "LANGUAGE=de LANG=C" << "";
    QTest::newRow("POSIX locale") << "LC_ALL=POSIX LANG=de_DE.UTF-8" << "";
    QTest::newRow("no locale at all") << "" << "";
    QTest::newRow("language without a translation") << "LANG=fr_FR.UTF-8" << "";
}

void TestTranslation::languageFollowsEnvironment() {
    QFETCH(QString, environment);
    QFETCH(QString, file);
    TLocaleVariables variables;
    variables.Set(environment);
    const QString chosen = ChooseTranslation(WantedLanguages(), TranslationsDir());
    QCOMPARE(QFileInfo(chosen).fileName(), file);
}

void TestTranslation::mainWindowInStartLanguage() {
    const bool de = StartedInGerman();
    QStringList menus;
    for (QAction* a : w_->menuBar()->actions()) menus << a->text();
    QCOMPARE(menus, de ? QStringList({"&Datei", "&Bearbeiten", "&Schritt", "&Ansicht", "&Hilfe"})
                       : QStringList({"&File", "&Edit", "&Stage", "&View", "&Help"}));
    QCOMPARE(w_->findChild<QAction*>(QStringLiteral("menEditUndo"))->text(), de ? QStringLiteral("&Rückgängig") : QStringLiteral("&Undo"));
    auto* stage = w_->findChild<QAction*>(QStringLiteral("menStageBuild"));
    QVERIFY(stage);
    QCOMPARE(stage->text(), de ? QStringLiteral("Seite &bauen") : QStringLiteral("&Build your Page"));
    // The toolbar's captions are drawn into its picture: the German twin.
    auto* arrow = w_->findChild<QWidget*>(QStringLiteral("accStage2"));
    QVERIFY(arrow);
    QCOMPARE(arrow->accessibleName(), de ? QStringLiteral("Schritt 2: Seite bauen") : QStringLiteral("Stage 2: Build your page"));
    const QImage shown = w_->findChild<TPicture*>(QStringLiteral("picToolbar"))->pixmap().toImage();
    const QImage english(QStringLiteral(":/bitmaps/Toolbar.png"));
    const QImage german(QStringLiteral(":/bitmaps/de/Toolbar.png"));
    QVERIFY(!german.isNull());
    QVERIFY(english != german);
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
             (de ? german : english).convertToFormat(QImage::Format_ARGB32));
}

void TestTranslation::messageBoxesInStartLanguage() {
    const bool de = StartedInGerman();
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    auto* size = w_->findChild<QAction*>(QStringLiteral("mnuViewSize200"));
    QVERIFY(size);
    QString text;
    dialogs->runs << [&text](QDialog* d) {
        text = static_cast<QMessageBox*>(d)->text();
        return 0;
    };
    size->trigger();
    QVERIFY2(text.startsWith(de ? QStringLiteral("Tarvo öffnet beim nächsten Start in der neuen Fenstergröße, 200 %.")
                                : QStringLiteral("Tarvo will open at the new window size, 200 %,")),
             qPrintable(text));
    // Qt's standard buttons follow in the same language when Qt's own
    // translation is installed.
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tarvo"), QStringLiteral("?"), QMessageBox::Yes | QMessageBox::No);
    const bool qtGerman = QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"));
    if (de && !qtGerman) QSKIP("Qt's German translation (qt6-translations-l10n) is not installed");
    QCOMPARE(box.button(QMessageBox::Yes)->text(), de ? QStringLiteral("&Ja") : QStringLiteral("&Yes"));
}

void TestTranslation::noEnglishTextLeftInGerman() {
    if (!StartedInGerman()) QSKIP("German only");
    const QSet<QString> translated = TranslatedSources();
    QVERIFY(translated.size() > 300);
    QStringList untranslated;
    auto check = [&](QWidget* root) {
        for (const auto& [text, where] : ShownTexts(root))
            if (translated.contains(text)) untranslated << where + QStringLiteral(": ") + text;
    };
    // Each stage with its panels, then the wizards of the Send and View stages.
    for (int stage : {TfrmMain::stChoose, TfrmMain::stBuild, TfrmMain::stView, TfrmMain::stSend}) {
        w_->ShowRedPill(stage, false);
        QTRY_COMPARE(w_->CurrentStage(), stage);
        check(w_);
    }
    TServerList servers;
    TfrmServerWizard serverWizard(servers);
    check(&serverWizard);
    TStyleList styles;
    TfrmStyleWiz styleWizard(styles);
    check(&styleWizard);
    untranslated.removeDuplicates();
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

int main(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    TestTranslation t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_translation.moc"
