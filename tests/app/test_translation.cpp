// The interface in the user's language. The suite runs once in the test
// world's C locale (English) and once in each shipped language
// (test_translation_de, _fr, _es, _pl: LANG=de_DE.UTF-8 ...); each test
// expects what the language it was started in asks for.
#include "TestSupport.h"
#include "app/AboutBox.h"
#include "app/Application.h"
#include "app/AppPaths.h"
#include "app/HelpWindow.h"
#include "docs/SitePagesDialog.h"
#include "docs/Gallery.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/ShippedNames.h"
#include "main/Startup.h"
#include "app/Translations.h"
#include "app/Utils.h"
#include "styles/StyleWizard.h"
#include "upload/ServerList.h"
#include "upload/ServerWizard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

#include "TarvoResources.h"

namespace {

// The language the suite was started in ("de"), or an empty string for
// English.
QString StartLanguage() {
    const QString lang = qEnvironmentVariable("LANG").left(2);
    return lang == QLatin1String("C.") || lang == QLatin1String("C") || lang == QLatin1String("en") ? QString() : lang;
}

// Every source text of the start language's translation whose translation
// differs from it: a widget that shows one of these was not translated.
QSet<QString> TranslatedSources() {
    QSet<QString> sources;
    QFile ts(qEnvironmentVariable("TARVO_TEST_SOURCE") + QStringLiteral("/../translations/tarvo_%1.ts").arg(StartLanguage()));
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
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i) add(w, "item", list->item(i)->text());
        if (auto* m = qobject_cast<QMenu*>(w)) {
            add(w, "title", m->title());
            for (QAction* a : m->actions()) add(a, "item", a->text());
        }
    }
    return texts;
}

// The letter after the "&" of a text (lower case), or 0 for none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

// Texts of one menu, or of the buttons one dialog shows together, that
// share their keyboard letter.
QStringList MnemonicClashes(const QString& where, const QStringList& texts) {
    QHash<QChar, QStringList> byLetter;
    for (const QString& text : texts)
        if (const QChar m = Mnemonic(text); !m.isNull()) byLetter[m] << text;
    QStringList clashes;
    for (auto it = byLetter.cbegin(); it != byLetter.cend(); ++it)
        if (it.value().size() > 1) clashes << where + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    return clashes;
}

// The clashes of every menu of a menu bar, the bar included.
QStringList MenuClashes(QMenuBar* bar) {
    QStringList clashes;
    QStringList titles;
    for (QAction* a : bar->actions()) {
        titles << a->text();
        if (QMenu* menu = a->menu()) {
            QStringList items;
            for (QAction* item : menu->actions()) {
                items << item->text();
                if (item->menu()) {
                    QStringList sub;
                    for (QAction* s : item->menu()->actions()) sub << s->text();
                    clashes << MnemonicClashes(item->text(), sub);
                }
            }
            clashes << MnemonicClashes(a->text(), items);
        }
    }
    clashes << MnemonicClashes(QStringLiteral("menu bar"), titles);
    return clashes;
}

// The clashes among the buttons a dialog holds outside its pages (the
// wizard's buttons, shown together on every page), and among those of
// each page with them.
QStringList ButtonClashes(QWidget* dialog) {
    QStringList shared;
    QHash<QWidget*, QStringList> pages;
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
        QWidget* page = nullptr;
        for (QWidget* p = b->parentWidget(); p && p != dialog; p = p->parentWidget())
            if (qobject_cast<QStackedWidget*>(p->parentWidget())) page = p;
        (page ? pages[page] : shared) << b->text();
    }
    QStringList clashes = MnemonicClashes(dialog->objectName(), shared);
    for (auto it = pages.cbegin(); it != pages.cend(); ++it)
        for (const QString& c : MnemonicClashes(dialog->objectName() + QLatin1Char('/') + it.key()->objectName(), shared + it.value()))
            if (!clashes.contains(c)) clashes << c;
    return clashes;
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
    void noEnglishTextLeft();
    void keyboardLettersDoNotClash();
    void helpInStartLanguage();
    void shippedNamesShownTranslatedStoredAsTheyAre();

private:
    std::unique_ptr<TTestEnv> env_;
    TfrmMain* w_ = nullptr;
};

void TestTranslation::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    QCOMPARE(InstallTranslations(*qApp), StartLanguage());
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
    QTest::newRow("LC_MESSAGES over LANG") << "LC_MESSAGES=pl_PL.UTF-8 LANG=C.UTF-8" << "tarvo_pl.qm";
    QTest::newRow("LANGUAGE list, first one found") << "LANGUAGE=pt:es:de LANG=fr_FR.UTF-8" << "tarvo_es.qm";
    QTest::newRow("LANGUAGE over the locale") << "LANGUAGE=fr LANG=de_DE.UTF-8" << "tarvo_fr.qm";
    QTest::newRow("English wanted before German") << "LANGUAGE=en_GB:de LANG=de_DE.UTF-8" << "";
    QTest::newRow("C locale ignores LANGUAGE") << "LANGUAGE=de LANG=C" << "";
    QTest::newRow("C.UTF-8 locale ignores LANGUAGE") << "LANGUAGE=de LANG=C.UTF-8" << "";
    QTest::newRow("POSIX locale") << "LC_ALL=POSIX LANG=de_DE.UTF-8" << "";
    QTest::newRow("no locale at all") << "" << "";
    QTest::newRow("language without a translation") << "LANG=pt_BR.UTF-8" << "";
}

void TestTranslation::languageFollowsEnvironment() {
    QFETCH(QString, environment);
    QFETCH(QString, file);
    TLocaleVariables variables;
    variables.Set(environment);
    const QString chosen = ChooseTranslation(WantedLanguages(), TranslationsDir());
    QCOMPARE(QFileInfo(chosen).fileName(), file);
}

namespace {

// What the main window says in each language: the menu bar, Edit > Undo,
// the Stage menu's Build item and the toolbar arrow a screen reader hears.
struct TWindowWords {
    const char* language;
    QStringList menus;
    const char* undo;
    const char* build;
    const char* arrow;
    const char* sizeMessage;
};

const TWindowWords kWindowWords[] = {
    {"", {"&File", "&Edit", "&Stage", "&View", "Se&nd", "S&ite", "&Help"}, "&Undo", "&Build your Page", "Stage 2: Build your page",
     "Tarvo will open at the new window size, 200 %,"},
    {"de", {"&Datei", "&Bearbeiten", "&Schritt", "&Ansicht", "S&enden", "&Website", "&Hilfe"}, "&Rückgängig", "Seite &bauen", "Schritt 2: Seite bauen",
     "Tarvo öffnet beim nächsten Start in der neuen Fenstergröße, 200 %."},
    {"fr", {"&Fichier", "É&dition", "É&tape", "&Affichage", "En&voi", "&Site", "Aid&e"}, "&Annuler", "C&réer votre page", "Étape 2 : Créer votre page",
     "Tarvo s'ouvrira à la nouvelle taille de fenêtre, 200 %,"},
    {"es", {"&Archivo", "&Edición", "E&tapa", "&Ver", "E&nviar", "&Sitio", "Ay&uda"}, "&Deshacer", "&Crear su página", "Etapa 2: Crear su página",
     "Tarvo se abrirá con el nuevo tamaño de ventana, 200 %,"},
    {"pl", {"&Plik", "&Edycja", "E&tap", "&Widok", "W&yślij", "W&itryna", "Pomo&c"}, "&Cofnij", "&Zbuduj stronę", "Etap 2: Zbuduj stronę",
     "Przy następnym uruchomieniu Tarvo otworzy się w nowym rozmiarze okna, 200 %."},
};

const TWindowWords& WindowWords() {
    for (const TWindowWords& words : kWindowWords)
        if (StartLanguage() == QLatin1String(words.language)) return words;
    qFatal("no expected words for the language %s", qPrintable(StartLanguage()));
}

}  // namespace

void TestTranslation::mainWindowInStartLanguage() {
    const TWindowWords& words = WindowWords();
    QStringList menus;
    for (QAction* a : w_->menuBar()->actions()) menus << a->text();
    QCOMPARE(menus, words.menus);
    QCOMPARE(w_->findChild<QAction*>(QStringLiteral("menEditUndo"))->text(), QString::fromUtf8(words.undo));
    auto* stage = w_->findChild<QAction*>(QStringLiteral("menStageBuild"));
    QVERIFY(stage);
    QCOMPARE(stage->text(), QString::fromUtf8(words.build));
    auto* arrow = w_->findChild<QWidget*>(QStringLiteral("accStage2"));
    QVERIFY(arrow);
    QCOMPARE(arrow->accessibleName(), QString::fromUtf8(words.arrow));
    // The toolbar's captions are drawn into its picture: the language's twin.
    const QImage shown = w_->findChild<TPicture*>(QStringLiteral("picToolbar"))->pixmap().toImage();
    const QImage english(QStringLiteral(":/bitmaps/Toolbar.png"));
    const QImage expected = StartLanguage().isEmpty() ? english : QImage(QStringLiteral(":/bitmaps/%1/Toolbar.png").arg(StartLanguage()));
    QVERIFY(!expected.isNull());
    if (!StartLanguage().isEmpty()) QVERIFY(english != expected);
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
}

void TestTranslation::messageBoxesInStartLanguage() {
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    auto* size = w_->findChild<QAction*>(QStringLiteral("mnuViewSize200"));
    QVERIFY(size);
    QString text;
    dialogs->runs << [&text](QDialog* d) {
        text = static_cast<QMessageBox*>(d)->text();
        return 0;
    };
    size->trigger();
    QVERIFY2(text.startsWith(QString::fromUtf8(WindowWords().sizeMessage)), qPrintable(text));
    // Qt's standard buttons follow in the same language when Qt's own
    // translation is installed.
    if (StartLanguage().isEmpty()) return;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tarvo"), QStringLiteral("?"), QMessageBox::Yes | QMessageBox::No);
    const QString qtFile = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_%1.qm").arg(StartLanguage());
    if (!QFile::exists(qtFile)) QSKIP("Qt's translation (qt6-translations-l10n) is not installed");
    QVERIFY(box.button(QMessageBox::Yes)->text() != QStringLiteral("&Yes"));
}

void TestTranslation::noEnglishTextLeft() {
    if (StartLanguage().isEmpty()) QSKIP("a translation only");
    const QSet<QString> translated = TranslatedSources();
    QVERIFY(translated.size() > 300);
    QStringList untranslated;
    auto check = [&](QWidget* root) {
        for (const auto& [text, where] : ShownTexts(root))
            if (translated.contains(text)) untranslated << where + QStringLiteral(": ") + text;
    };
    // Each stage with its panels (the gallery with the shipped templates,
    // the View stage with the shipped styles), then both wizards, the help
    // window and the About box.
    for (int stage : {TfrmMain::stChoose, TfrmMain::stBuild, TfrmMain::stView, TfrmMain::stSend}) {
        w_->ShowRedPill(stage, false);
        QTRY_COMPARE(w_->CurrentStage(), stage);
        check(w_);
    }
    TServerList servers;
    TfrmServerWizard serverWizard(servers);
    check(&serverWizard);
    TStyleList styles;
    LoadStyleList(StylesDataPath(), styles);
    QVERIFY(!styles.empty());
    TfrmStyleWiz styleWizard(styles);
    check(&styleWizard);
    THelpWindow help;
    help.ShowContents();
    check(&help);
    TfrmAbout about;
    check(&about);
    TfrmSitePages sitePages(HTMLDir(), JoinPath(AppDir(), QStringLiteral("save")));
    check(&sitePages);
    untranslated.removeDuplicates();
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TestTranslation::keyboardLettersDoNotClash() {
    QStringList clashes = MenuClashes(w_->menuBar());
    TServerList servers;
    TfrmServerWizard serverWizard(servers);
    clashes << ButtonClashes(&serverWizard);
    TStyleList styles;
    TfrmStyleWiz styleWizard(styles);
    clashes << ButtonClashes(&styleWizard);
    THelpWindow help;
    clashes << ButtonClashes(&help);
    TfrmSitePages sitePages(HTMLDir(), JoinPath(AppDir(), QStringLiteral("save")));
    clashes << ButtonClashes(&sitePages);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
}

void TestTranslation::helpInStartLanguage() {
    // The contents page and a topic come in the interface's language where
    // the help has been translated, in English otherwise.
    const QString language = StartLanguage();
    const bool translatedHelp = !language.isEmpty() && QFileInfo(JoinPath(JoinPath(HelpDir(), language), QStringLiteral("index.html"))).isFile();
    const QString folder = translatedHelp ? JoinPath(HelpDir(), language) : HelpDir();
    QCOMPARE(QFileInfo(HelpFile()).absolutePath(), QFileInfo(folder).absoluteFilePath());
    QCOMPARE(QFileInfo(HelpTopicFile(31)).absolutePath(), QFileInfo(folder).absoluteFilePath());
}

void TestTranslation::shippedNamesShownTranslatedStoredAsTheyAre() {
    // Every shipped template and style has a name to translate.
    QStringList templates;
    for (const QString& folder : TemplateFolders())
        for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.tvt")}, QDir::Files)) templates << file.completeBaseName();
    QVERIFY(templates.size() >= 8);
    for (const QString& name : std::as_const(templates)) QVERIFY2(ShippedTemplateNames().contains(name), qPrintable(name));
    TStyleList styles;
    QVERIFY(LoadStyleList(StylesDataPath(), styles));
    QVERIFY(styles.size() >= 8);
    for (const auto& style : styles) QVERIFY2(ShippedStyleNames().contains(style->StyleName), qPrintable(style->StyleName));
    const bool english = StartLanguage().isEmpty();

    // The gallery shows the template by its translated name; it opens the
    // file of its own name.
    w_->ShowRedPill(TfrmMain::stChoose, false);
    auto* gallery = w_->findChild<QListWidget*>(QStringLiteral("lvTemplates"));
    QVERIFY(gallery);
    QListWidgetItem* home = nullptr;
    for (int i = 0; i < gallery->count(); ++i)
        if (gallery->item(i)->text() == ShownTemplateName(QStringLiteral("Home Page"))) home = gallery->item(i);
    QVERIFY(home);
    QCOMPARE(english, home->text() == QLatin1String("Home Page"));
    QVERIFY(home->data(TGallery::kPathRole).toString().endsWith(QStringLiteral("Home Page.tvt")));

    // The View stage lists the styles translated; the page keeps the
    // English name.
    w_->ShowRedPill(TfrmMain::stView, false);
    QTRY_COMPARE(w_->CurrentStage(), int(TfrmMain::stView));
    auto* list = w_->findChild<QListWidget*>(QStringLiteral("lstStyles"));
    QVERIFY(list && list->count() == int(styles.size()) + 1);
    QCOMPARE(list->item(0)->text(), ShownStyleName(kNoStyleName));
    QCOMPARE(english, list->item(1)->text() == QLatin1String("Classic"));
    list->setCurrentRow(1);
    QCOMPARE(w_->Session().StyleName, QStringLiteral("Classic"));

    // The style wizard shows the translated name and stores the English
    // one until the user changes it.
    for (const bool changed : {true, false}) {
        TfrmStyleWiz wizard(styles);
        wizard.show();
        Child<QRadioButton>(&wizard, QStringLiteral("radModify"))->click();
        Child<QPushButton>(&wizard, QStringLiteral("btnNext"))->click();
        auto* rows = Child<QListWidget>(&wizard, QStringLiteral("lstStyles"));
        rows->setCurrentRow(0);
        QCOMPARE(rows->item(0)->text(), ShownStyleName(QStringLiteral("Classic")));
        Child<QPushButton>(&wizard, QStringLiteral("btnNext"))->click();
        auto* name = Child<QLineEdit>(&wizard, QStringLiteral("txtStyleName"));
        QCOMPARE(name->text(), ShownStyleName(QStringLiteral("Classic")));
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClicks(name, QStringLiteral("2"));
        if (!changed) QTest::keyClick(name, Qt::Key_Backspace);
        static_cast<TScriptedDialogs*>(&Dialogs())->answers << QMessageBox::Yes;
        Child<QPushButton>(&wizard, QStringLiteral("btnFinish"))->click();
        TStyleList saved;
        QVERIFY(LoadStyleList(StylesDataPath(), saved));
        QCOMPARE(saved[0]->StyleName,
                 changed ? ShownStyleName(QStringLiteral("Classic")) + QLatin1Char('2') : QStringLiteral("Classic"));
    }
}

int main(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    TestTranslation t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_translation.moc"
