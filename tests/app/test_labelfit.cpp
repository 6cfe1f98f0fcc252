// No text cut short: every label, check box, radio button and push button
// of each stage, panel and dialog is wide enough (and, where its text
// wraps, tall enough) for what it shows, and so is every word drawn into
// the pictures (the toolbar, the bricks, the picture buttons). The suite
// runs in English and in each shipped language at 100, 150 and 200 % (each
// run checks the language and size it was started with): fonts round
// differently at each scale.
#include "TestSupport.h"
#include "app/AboutBox.h"
#include "app/Application.h"
#include "app/AppPaths.h"
#include "app/PictureControl.h"
#include "app/Resources.h"
#include "app/Settings.h"
#include "app/Translations.h"
#include "app/Utils.h"
#include "docs/FileCommands.h"
#include "docs/PageSession.h"
#include "docs/SaveInfo.h"
#include "docs/SitePagesDialog.h"
#include "html/HtmlWarn.h"
#include "main/MainWindow.h"
#include "main/Startup.h"
#include "model/PictureImport.h"
#include "model/PictureQuestion.h"
#include "model/PropertyPanels.h"
#include "model/WebBlocks.h"
#include "styles/StyleList.h"
#include "styles/StyleWizard.h"
#include "upload/ServerList.h"
#include "upload/ServerWizard.h"
#include "upload/UploadWindow.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCheckBox>
#include <QDirIterator>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <QtTest>
#include <memory>

#include "TarvoResources.h"

namespace {

// A label's or button's text without its "&" shortcut marks.
QString Plain(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

int WidestLine(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) widest = qMax(widest, fm.horizontalAdvance(line));
    return widest;
}

// What of `w` is cut: "" when its text fits.
QString Cut(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().trimmed().isEmpty()) return QString();
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (l->wordWrap() || Qt::mightBeRichText(l->text())) {
            const int need = l->heightForWidth(l->width());
            if (need > l->height())
                return QStringLiteral("needs %1 pixels of height, has %2").arg(need).arg(l->height());
            if (!l->wordWrap()) {
                QTextDocument doc;
                doc.setDefaultFont(l->font());
                doc.setHtml(l->text());
                doc.setDocumentMargin(0);
                if (doc.idealWidth() > room.width() + 1)
                    return QStringLiteral("needs %1 pixels, has %2").arg(int(doc.idealWidth())).arg(room.width());
            }
            return QString();
        }
        const QString text = Plain(l->text());
        const int need = WidestLine(l->fontMetrics(), text);
        if (need > room.width()) return QStringLiteral("needs %1 pixels, has %2").arg(need).arg(room.width());
        const int lines = int(text.count(QLatin1Char('\n'))) + 1;
        const int high = lines == 1 ? l->fontMetrics().height() : lines * l->fontMetrics().lineSpacing();
        if (high > room.height() + 2) return QStringLiteral("needs %1 pixels of height, has %2").arg(high).arg(room.height());
        return QString();
    }
    // An empty edit's hint (its placeholder) is cut at the edit's frame.
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // The page's description offers the page's own first words, as
        // long as they are.
        if (!e->text().isEmpty() || e->placeholderText().isEmpty() ||
            e->objectName() == QLatin1String("txtPageDescription"))
            return QString();
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
        const int room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).width() - 4;
        const int need = e->fontMetrics().horizontalAdvance(e->placeholderText());
        return need > room ? QStringLiteral("hint \"%1\" needs %2 pixels, has %3").arg(e->placeholderText()).arg(need).arg(room)
                           : QString();
    }
    // A list laid out on a grid (the style list) cuts an item at the grid.
    if (auto* list = qobject_cast<QListWidget*>(w); list && list->gridSize().isValid()) {
        for (int i = 0; i < list->count(); ++i) {
            const int need = list->fontMetrics().horizontalAdvance(list->item(i)->text()) + 6;
            if (need > list->gridSize().width())
                return QStringLiteral("\"%1\" needs %2 pixels, has %3").arg(list->item(i)->text()).arg(need).arg(list->gridSize().width());
        }
        return QString();
    }
    auto* b = qobject_cast<QAbstractButton*>(w);
    if (!b || b->text().trimmed().isEmpty()) return QString();
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(b)) contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(b)) contents = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<QPushButton*>(b)) return QString();  // tool buttons show pictures
    const QRect room = b->style()->subElementRect(contents, &opt, b);
    int need = WidestLine(b->fontMetrics(), Plain(b->text()));
    if (!b->icon().isNull() && contents == QStyle::SE_PushButtonContents) need += b->iconSize().width() + 4;
    if (need > room.width()) return QStringLiteral("needs %1 pixels, has %2").arg(need).arg(room.width());
    return QString();
}

// Where `w` puts its words, in its parent's coordinates: a plain label's
// text where its alignment puts it, a button's whole face; empty for
// anything else and for a label without words.
QRect Ink(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().trimmed().isEmpty()) return QRect();
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (l->wordWrap() || Qt::mightBeRichText(l->text())) return room.translated(l->pos());
        const QString text = Plain(l->text());
        const QSize need(WidestLine(l->fontMetrics(), text),
                         (int(text.count(QLatin1Char('\n'))) + 1) * l->fontMetrics().lineSpacing());
        return QStyle::alignedRect(l->layoutDirection(), l->alignment(), need.boundedTo(room.size()), room)
            .translated(l->pos());
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().trimmed().isEmpty()) return b->geometry();
    return QRect();
}

// The control over whose face `w`'s words are drawn: "" when none.
QString Overlap(QWidget* w) {
    const QRect ink = Ink(w);
    if (ink.isEmpty() || !w->parentWidget()) return QString();
    for (QObject* o : w->parentWidget()->children()) {
        auto* other = qobject_cast<QWidget*>(o);
        if (!other || other == w || other->isHidden() || other->isWindow()) continue;
        QRect face = Ink(other);
        if (face.isEmpty() && (qobject_cast<QLineEdit*>(other) || qobject_cast<QComboBox*>(other) ||
                               qobject_cast<QAbstractSpinBox*>(other) || qobject_cast<QAbstractScrollArea*>(other)))
            face = other->geometry();
        // Shared edge pixels are not words over a control.
        if (ink.adjusted(1, 1, -1, -1).intersects(face.adjusted(1, 1, -1, -1))) return other->objectName();
    }
    return QString();
}

}  // namespace

class TestLabelFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void stagesAndPanels();
    void dialogs();
    void wordsInPictures();

private:
    // Every label and button below `root` that is not hidden itself (the
    // pages and panels not on show are checked too) and whose text is cut,
    // or, where it is on show, drawn over another control.
    void Check(QWidget* root, const QString& where);

    std::unique_ptr<TTestEnv> env_;
    TfrmMain* w_ = nullptr;
    TScriptedDialogs* dialogs_ = nullptr;
    QStringList cut_;
};

void TestLabelFit::initTestCase() {
    InitTarvoResources();
    qInfo("%s at %s", qgetenv("LANG").constData(), qgetenv("QT_SCALE_FACTOR").constData());
}

void TestLabelFit::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    InstallTranslations(*qApp);
    dialogs_ = InstallScriptedDialogs();
    w_ = CreateMainWindow();
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_));
    cut_.clear();
}

void TestLabelFit::cleanup() {
    delete w_;
    w_ = nullptr;
    env_.reset();
}

void TestLabelFit::Check(QWidget* root, const QString& where) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w->isHidden() && w != root) continue;
        QString cut = Cut(w);
        // Overlaps only where shown: a layout places what it holds once it is.
        if (cut.isEmpty() && w->isVisible())
            if (const QString over = Overlap(w); !over.isEmpty()) cut = QStringLiteral("drawn over %1").arg(over);
        if (cut.isEmpty()) continue;
        QString text = w->objectName();
        if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
        const QString entry = QStringLiteral("%1 \"%2\": %3").arg(w->objectName(), text, cut);
        if (cut_.contains(entry)) continue;
        qInfo("%s: %s", qPrintable(where), qPrintable(entry));
        cut_ << entry;
    }
}

void TestLabelFit::stagesAndPanels() {
    // A saved page with pictures, so that the Send stage lists files and
    // their size; then each block kind's panel in turn.
    const QString doc = JoinPath(env_->appDir(), "save/my page.tve");
    QVERIFY(QFile::copy(JoinPath(env_->appDir(), "template/Family.tvt"), doc));
    w_->Files()->OpenDocument(doc);
    for (int stage : {TfrmMain::stChoose, TfrmMain::stBuild, TfrmMain::stView, TfrmMain::stSend}) {
        w_->ShowRedPill(stage, false);
        QTRY_COMPARE(w_->CurrentStage(), stage);
        Check(w_, QStringLiteral("stage %1").arg(stage));
    }
    w_->ShowRedPill(TfrmMain::stBuild, false);
    QTRY_COMPARE(w_->CurrentStage(), int(TfrmMain::stBuild));
    auto* panels = w_->findChild<TPropertyPanels*>();
    QVERIFY(panels);
    TPage& page = w_->Page();
    for (int i = 0; i < page.Count(); ++i) {
        w_->Hooks().SelectAndHighlight(i);
        Check(w_, QStringLiteral("block %1").arg(i));
    }
    // A phone photo made web-sized: the size line says what it was.
    QTemporaryDir camera;
    // Noise, so that the photo is several megabytes, as a phone's is.
    QImage photo(2400, 3200, QImage::Format_RGB32);
    QRandomGenerator noise(7);
    for (int y = 0; y < photo.height(); ++y)
        noise.fillRange(reinterpret_cast<quint32*>(photo.scanLine(y)), photo.width());
    QVERIFY(photo.save(camera.filePath("photo.jpg"), "JPEG", 100));
    QVERIFY(QFileInfo(camera.filePath("photo.jpg")).size() > 2 * 1024 * 1024);
    int image = -1;
    for (int i = 0; i < page.Count() && image < 0; ++i)
        if (page.Chunk(i)->Image) image = i;
    QVERIFY(image >= 0);
    w_->Hooks().SelectAndHighlight(image);
    dialogs_->fileNames << camera.filePath("photo.jpg");
    TTarvoReg().OpenRoot(true);  // as the splash window makes it
    dialogs_->runs << [](QDialog* d) {
        if (auto* b = d->findChild<QPushButton*>(QStringLiteral("btnWebSized"))) b->click();
        return d->result();
    };
    QTest::mouseClick(panels->spdImgFile, Qt::LeftButton);
    // Its size line names the web-sized copy (1200 x 1600) beside the original.
    QTRY_VERIFY2(panels->lblImgInfo->text().contains(QStringLiteral("1200")), qPrintable(panels->lblImgInfo->text()));
    Check(w_, QStringLiteral("web-sized picture"));
    QVERIFY2(cut_.isEmpty(), qPrintable(QStringLiteral("%1 texts cut short (listed above)").arg(cut_.size())));
}

void TestLabelFit::dialogs() {
    auto pages = [this](QDialog& d, const QString& name) {
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Check(&d, name);
    };
    TServerList servers;
    servers.push_back(std::make_unique<tWWWServerType>());
    servers.back()->Name = QStringLiteral("My Web Server");
    servers.back()->Address = QStringLiteral("ftp.example.net");
    {
        TfrmServerWizard wizard(servers);
        Child<QPushButton>(&wizard, QStringLiteral("butAdvanced"))->click();
        pages(wizard, QStringLiteral("server wizard"));
    }
    {
        TStyleList styles;
        TfrmStyleWiz wizard(styles);
        pages(wizard, QStringLiteral("style wizard"));
    }
    {
        TfrmUpload upload(*servers.back(), {});
        Child<QTimer>(&upload, QStringLiteral("timInit"))->stop();
        const QString status = QCoreApplication::translate("UploadSequence", "Uploading files to Web Server...");
        Child<QLabel>(&upload, QStringLiteral("lblFTPStatus"))->setText(QLatin1Char(' ') + status);
        pages(upload, QStringLiteral("upload window"));
        Child<QLabel>(&upload, QStringLiteral("lblFTPStatus"))
            ->setText(QLatin1Char(' ') + QCoreApplication::translate("TfrmUpload", "Waiting for you to unlock the keyring..."));
        Check(&upload, QStringLiteral("upload window waiting for the keyring"));
    }
    {
        TfrmJoy joy;
        Child<QTimer>(&joy, QStringLiteral("timFire"))->stop();
        pages(joy, QStringLiteral("success"));
    }
    {
        TfrmSaveInfo info;
        pages(info, QStringLiteral("save hint"));
    }
    {
        TfrmHTMLWarn warn;
        pages(warn, QStringLiteral("HTML warning"));
    }
    {
        TfrmAbout about;
        pages(about, QStringLiteral("about"));
    }
    {
        // A site with a page in its menu and one whose file is gone.
        TSite site;
        site.Folder = HTMLDir();
        site.Pages = {{QStringLiteral("index.html"), QStringLiteral("Home")},
                      {QStringLiteral("Old concerts.html"), QStringLiteral("Concerts")}};
        QVERIFY(WriteFileChecked(JoinPath(HTMLDir(), QStringLiteral("index.html")), "<TITLE>Home</TITLE>").ok);
        QVERIFY(SaveSite(site).ok);
        TfrmSitePages sitePages(HTMLDir(), JoinPath(AppDir(), QStringLiteral("save")));
        pages(sitePages, QStringLiteral("site pages"));
    }
    {
        TPictureFacts facts;
        facts.readable = true;
        facts.size = QSize(4000, 3000);
        facts.bytes = 4100000;
        TfrmWebSize question(nullptr, facts);
        pages(question, QStringLiteral("picture question"));
    }
    QVERIFY2(cut_.isEmpty(), qPrintable(QStringLiteral("%1 texts cut short (listed above)").arg(cut_.size())));
}

void TestLabelFit::wordsInPictures() {
    // The pictures are drawn with their words at build time; a word wider
    // than its room is cut at both ends (behind a button's symbol, say),
    // and the generator names it in the picture's "Cut" text. These are
    // the pictures of this language (its lettered twins) at this size.
    const QString language = PictureLanguage();
    const bool twice = UseDoubleSizePictures();
    QDirIterator pictures(language.isEmpty() ? QStringLiteral(":/bitmaps") : QStringLiteral(":/bitmaps/") + language,
                          {QStringLiteral("*.png")}, QDir::Files);
    int looked = 0;
    while (pictures.hasNext()) {
        const QString path = pictures.next();
        if (path.endsWith(QLatin1String("@2x.png")) != twice) continue;
        ++looked;
        const QString cut = QImageReader(path).text(QStringLiteral("Cut"));
        for (const QString& word : cut.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            qInfo("picture %s: %s", qPrintable(QFileInfo(path).fileName()), qPrintable(word));
            cut_ << word;
        }
    }
    QVERIFY(looked > 0);
    QVERIFY2(cut_.isEmpty(), qPrintable(QStringLiteral("%1 words cut short in pictures (listed above)").arg(cut_.size())));
}

int main(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    TestLabelFit t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_labelfit.moc"
