#include "TestSupport.h"
#include "app/AppPaths.h"
#include "app/Application.h"
#include "app/HelpCalls.h"
#include "docs/PageSession.h"
#include "main/MainWindow.h"
#include "main/Startup.h"
#include "app/Utils.h"
#include "preview/ViewStage.h"
#include "model/PictureImport.h"
#include "styles/StyleList.h"
#include "styles/StyleWizard.h"
#include "viewer/HtmlViewer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "TarvoResources.h"

namespace {


QStringList Names(const TStyleList& list) {
    QStringList out;
    for (const auto& s : list) out << s->StyleName;
    return out;
}

QStringList ListBoxTexts(const QListWidget* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->item(i)->text();
    return out;
}

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center()); }
// A radio button is clicked on its round box.
void Click(QRadioButton* r) { QTest::mouseClick(r, Qt::LeftButton, Qt::NoModifier, QPoint(8, r->height() / 2)); }

// The wizard's controls, by their names.
void Click(QWidget* w, const char* name) {
    if (auto* radio = qobject_cast<QRadioButton*>(Child(w, name))) Click(radio);
    else Click(Child(w, name));
}
QString Page(const QWidget* w) { return ShownPage(w, "PageControl1"); }
bool Shown(const QWidget* w, const char* name) { return Child(w, name)->isVisible(); }
bool Enabled(const QWidget* w, const char* name) { return Child(w, name)->isEnabled(); }
QString Text(const QWidget* w, const char* name) { return Child<QLineEdit>(w, name)->text(); }
QListWidget* Styles(const QWidget* w) { return Child<QListWidget>(w, "lstStyles"); }
quint32 Colour(const QWidget* w, const char* panel) { return Child<TColorPanel>(w, panel)->Color(); }

// The colour most of the sample's middle strip shows, away from its text.
QColor SampleColor(THTMLViewer* viewer) {
    const QImage img = viewer->grab().toImage();
    return img.pixelColor(6, img.height() - 8);
}

}  // namespace

class TestStyleWizard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init();
    void cleanup();

    void sampleTextByteForByte();
    void addWithNameAndColoursThenSave();
    void finishWithoutNameAndCancelling();
    void listPage();
    void aFailedSaveIsToldAndKeepsTheWizardOpen();
    void backgroundPictureCopyAndSample();
    void modifyModeNeedsASelection();
    void editStylesFromTheViewStage();

private:
    void openWizard();
    std::unique_ptr<TTestEnv> env_;
    TScriptedDialogs* dialogs_ = nullptr;
    TStyleList styles_;
    std::unique_ptr<TfrmStyleWiz> wiz_;
    QWidget* wiz() const { return wiz_.get(); }
    THelpDesk* desk_ = nullptr;  // the wizard's, standing in for the main window's
};

void TestStyleWizard::init() {
    env_ = std::make_unique<TTestEnv>();
    QVERIFY(env_->ok());
    dialogs_ = static_cast<TScriptedDialogs*>(&Dialogs());
}

void TestStyleWizard::cleanup() {
    wiz_.reset();
    styles_.clear();
    env_.reset();
}

void TestStyleWizard::openWizard() {
    LoadStyleList(StylesDataPath(), styles_);
    wiz_ = std::make_unique<TfrmStyleWiz>(styles_);
    desk_ = new THelpDesk(wiz_.get());
    wiz_->show();
    wiz_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(wiz()));
}

void TestStyleWizard::sampleTextByteForByte() {
    TStyleChunk style;
    TfrmStyleWiz::SetDefaultColors(style);
    QCOMPARE(StyleSampleHTML(style, QString()),
             QString("<HTML>\r\n"
                     "<BODY BGCOLOR=\"C0C0C0\" TEXT=\"000000\" LINK=\"0000FF\" ALINK=\"FF0000\" VLINK=\"FF00FF\">\r\n"
                     "<CENTER><BOLD>\r\n"
                     "<P><BR><BR><BR><FONT COLOR=\"000000\"> Document Text </FONT>\r\n"
                     "<P> <FONT COLOR=\"0000FF\"> Standard Link </FONT>\r\n"
                     "<P> <FONT COLOR=\"FF0000\"> Active Link </FONT>\r\n"
                     "<P> <FONT COLOR=\"FF00FF\"> Visited Link </FONT>\r\n"
                     "</CENTER></BOLD>\r\n"
                     "</BODY>\r\n"
                     "</HTML>"));
    // Red in the low byte of the stored value comes first in the text.
    const TStyleChunk sky{"Sky", "backgrnd\\sky.jpg", 0x00563412, 0xFFFFFF, 0x0080FF, 0x000001, 0xAB0000};
    QCOMPARE(StyleSampleHTML(sky, sky.BackImage).split("\r\n").mid(1, 2),
             QStringList({"<BODY BACKGROUND=\"backgrnd\\sky.jpg\" BGCOLOR=\"123456\" TEXT=\"FFFFFF\" "
                          "LINK=\"FF8000\" ALINK=\"010000\" VLINK=\"0000AB\">",
                          "<CENTER><BOLD>"}));
    // A name from a stranger's style file stays inside its attribute.
    const QString body = StyleSampleHTML(sky, "a\" onload=\"x<b>&.jpg").split("\r\n").at(1);
    QVERIFY2(body.startsWith("<BODY BACKGROUND=\"a&quot; onload=&quot;x&lt;b&gt;&amp;.jpg\" BGCOLOR="), qPrintable(body));
}

void TestStyleWizard::addWithNameAndColoursThenSave() {
    openWizard();
    const QStringList before = Names(styles_);
    QVERIFY(!before.isEmpty());
    QCOMPARE(wiz_->windowTitle(), QString("Tarvo Style Wizard"));
    QCOMPARE(Page(wiz()), QString("tab1"));
    QVERIFY(Child<QRadioButton>(wiz(), "radAdd")->isChecked());
    QVERIFY(!Enabled(wiz(), "btnBack"));
    QVERIFY(!Shown(wiz(), "btnFinish"));
    QCOMPARE(ListBoxTexts(Styles(wiz())), before);

    Click(wiz(), "btnHelp");
    QCOMPARE(desk_->LastRequest().call, THelpCall::Context);
    QCOMPARE(desk_->LastRequest().context, 31);

    Click(wiz(), "btnNext");
    QCOMPARE(Page(wiz()), QString("tab2"));
    QVERIFY(Shown(wiz(), "btnFinish") && !Shown(wiz(), "btnNext") && Enabled(wiz(), "btnBack"));
    QCOMPARE(Colour(wiz(), "pnlBack"), 0xC0C0C0u);
    QCOMPARE(Colour(wiz(), "pnlVisited"), 0xFF00FFu);
    QCOMPARE(SampleColor(Child<THTMLViewer>(wiz(), "ctlHTML")), QColor(0xC0, 0xC0, 0xC0));

    QTest::keyClicks(Child<QLineEdit>(wiz(), "txtStyleName"), "Night Sky");
    QVERIFY(wiz_->HasUnsavedChanges());
    // A dark background with white text; the dialogs start at the field's colour.
    dialogs_->colors = {QColor(0x10, 0x20, 0x40), QColor(Qt::white), std::nullopt};
    Click(wiz(), "pnlBack");
    Click(wiz(), "pnlDoc");
    Click(wiz(), "pnlActive");  // cancelled: nothing changes
    QCOMPARE(dialogs_->colorInitials, QList<QColor>({QColor(0xC0, 0xC0, 0xC0), QColor(0, 0, 0), QColor(255, 0, 0)}));
    QCOMPARE(Colour(wiz(), "pnlBack"), 0x402010u);
    QCOMPARE(Colour(wiz(), "pnlDoc"), 0xFFFFFFu);
    QCOMPARE(Colour(wiz(), "pnlActive"), 0x0000FFu);
    QVERIFY(wiz_->CreateHTML().contains("<BODY BGCOLOR=\"102040\" TEXT=\"FFFFFF\""));
    QCOMPARE(SampleColor(Child<THTMLViewer>(wiz(), "ctlHTML")), QColor(0x10, 0x20, 0x40));

    // Yes writes the list with the new style last; a second Finish after
    // Cancel appends it only once.
    dialogs_->answers = {QMessageBox::Cancel, QMessageBox::Yes};
    Click(wiz(), "btnFinish");
    QVERIFY(wiz_->isVisible());
    Click(wiz(), "btnFinish");
    QVERIFY(!wiz_->isVisible());
    QCOMPARE(wiz_->result(), int(QDialog::Accepted));
    QCOMPARE(dialogs_->shown.constLast().caption, QString("Style List Changed"));
    QCOMPARE(dialogs_->lastText(), QString("Do you want to save the changes to your Style List?"));
    TStyleList saved;
    QVERIFY(LoadStyleList(StylesDataPath(), saved));
    QCOMPARE(Names(saved), before + QStringList{"Night Sky"});
    const TStyleChunk& added = *saved.back();
    QCOMPARE(added.BackImage, QString());
    QCOMPARE(added.BackColor, 0x402010u);
    QCOMPARE(added.TextColor, 0xFFFFFFu);
    QCOMPARE(added.LinkColor, 0xFF0000u);
    QCOMPARE(added.ALinkColor, 0x0000FFu);
    QCOMPARE(added.VLinkColor, 0xFF00FFu);
    // The main window's list itself was never touched.
    QCOMPARE(Names(styles_), before);
}

void TestStyleWizard::finishWithoutNameAndCancelling() {
    const QByteArray file = ReadFileBytes(StylesDataPath());
    QVERIFY(!file.isEmpty());
    openWizard();
    Click(wiz(), "btnNext");
    Click(wiz(), "btnFinish");
    QCOMPARE(dialogs_->texts(),
             QStringList{"Sorry. You must give this Style a name before you can add it to your Style List."});
    QVERIFY(wiz_->isVisible());
    QCOMPARE(Page(wiz()), QString("tab2"));
    QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(wiz(), "txtStyleName"));
    QCOMPARE(size_t(Styles(wiz())->count()), styles_.size());

    // Back to the start page and forth again gives a fresh style.
    QTest::keyClicks(Child<QLineEdit>(wiz(), "txtStyleName"), "Draft");
    Click(wiz(), "btnBack");
    QCOMPARE(Page(wiz()), QString("tab1"));
    QVERIFY(!Enabled(wiz(), "btnBack") && Shown(wiz(), "btnNext") && !Shown(wiz(), "btnFinish"));
    Click(wiz(), "btnNext");
    QCOMPARE(Text(wiz(), "txtStyleName"), QString());

    // Name typed, then Cancel: nothing is written, nothing is asked.
    QTest::keyClicks(Child<QLineEdit>(wiz(), "txtStyleName"), "Never saved");
    Click(wiz(), "btnCancel");
    QVERIFY(!wiz_->isVisible());
    QCOMPARE(wiz_->result(), int(QDialog::Rejected));
    QCOMPARE(dialogs_->shown.size(), 1);
    QCOMPARE(ReadFileBytes(StylesDataPath()), file);
}

// The list page forwards the arrows and Delete (also Alt+D) to the list
// model, whose rules test_listedit checks. It shows the moved style chosen
// by its place, also beside a style whose name differs only in letter case.
void TestStyleWizard::listPage() {
    TStyleList three;
    for (const char* name : {"Sky", "Sea", "sky"}) {
        three.push_back(std::make_unique<TStyleChunk>());
        three.back()->StyleName = name;
    }
    QVERIFY(WriteStylesToFile(StylesDataPath(), three));
    openWizard();
    Click(wiz(), "radDelete");
    Click(wiz(), "btnNext");
    QCOMPARE(Page(wiz()), QString("tab3"));
    QVERIFY(Shown(wiz(), "lblDelete") && !Shown(wiz(), "lblModify"));
    QVERIFY(Shown(wiz(), "butDelete") && Shown(wiz(), "btnFinish") && !Enabled(wiz(), "btnBack"));
    // Picking a style shows it but changes nothing.
    QTest::mouseClick(Styles(wiz())->viewport(), Qt::LeftButton, Qt::NoModifier,
                      Styles(wiz())->visualItemRect(Styles(wiz())->item(2)).center());
    QCOMPARE(Text(wiz(), "txtStyleName"), QString("sky"));
    QVERIFY(!wiz_->HasUnsavedChanges());
    Click(wiz(), "spbUp");
    QCOMPARE(ListBoxTexts(Styles(wiz())), QStringList({"Sky", "sky", "Sea"}));
    QCOMPARE(Styles(wiz())->currentRow(), 1);
    QCOMPARE(Text(wiz(), "txtStyleName"), QString("sky"));
    Click(wiz(), "spbUp");
    QCOMPARE(ListBoxTexts(Styles(wiz())), QStringList({"sky", "Sky", "Sea"}));
    QCOMPARE(Styles(wiz())->currentRow(), 0);
    // Deleted with the keyboard (through the window, so the key goes by the
    // shortcut map; the button clicks itself a moment later): the next
    // style is chosen and shown, until none is left.
    QTest::keyClick(wiz_->windowHandle(), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(Styles(wiz())->count(), 2);
    QCOMPARE(Styles(wiz())->currentItem()->text(), QString("Sky"));
    QCOMPARE(Text(wiz(), "txtStyleName"), QString("Sky"));
    for (int left = 1; left >= 0; --left) {
        QTest::keyClick(wiz_->windowHandle(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(Styles(wiz())->count(), left);
    }
    dialogs_->answers = {QMessageBox::Yes};
    Click(wiz(), "btnFinish");
    QVERIFY(!wiz_->isVisible());
    QCOMPARE(ReadFileBytes(StylesDataPath()), QByteArray("\0\0\0\0", 4));
}

void TestStyleWizard::aFailedSaveIsToldAndKeepsTheWizardOpen() {
    openWizard();
    const QStringList before = Names(styles_);
    Click(wiz(), "btnNext");
    QTest::keyClicks(Child<QLineEdit>(wiz(), "txtStyleName"), "Kept");
    // A folder where the file goes: nothing can be written there.
    QVERIFY(QFile::remove(StylesDataPath()) && QDir().mkdir(StylesDataPath()));
    dialogs_->answers = {QMessageBox::Yes};
    Click(wiz(), "btnFinish");
    QVERIFY(wiz_->isVisible());
    QCOMPARE(dialogs_->shown.size(), 2);
    QCOMPARE(dialogs_->shown.constLast().caption, QString("Style List Changed"));
    QCOMPARE(dialogs_->lastText(), "Your Style List could not be saved.\nCannot create file " + StylesDataPath() +
                                          ": a folder of that name is in the way.");
    QVERIFY(wiz_->HasUnsavedChanges());
    // Once the file can be written, the same Finish saves and closes.
    QVERIFY(QDir().rmdir(StylesDataPath()));
    dialogs_->answers = {QMessageBox::Yes};
    Click(wiz(), "btnFinish");
    QVERIFY(!wiz_->isVisible());
    TStyleList saved;
    QVERIFY(LoadStyleList(StylesDataPath(), saved));
    QCOMPARE(Names(saved), before + QStringList{"Kept"});
}

void TestStyleWizard::backgroundPictureCopyAndSample() {
    const QString backgrnd = JoinPath(HTMLDir(), "backgrnd");
    QVERIFY(QDir().mkpath(backgrnd));
    // A picture in the folder already, with an old time stamp that a copy
    // would not keep.
    const QString inPlace = JoinPath(backgrnd, "green.png");
    QImage green(40, 40, QImage::Format_RGB32);
    green.fill(QColor(0, 200, 0));
    QVERIFY(green.save(inPlace));
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1000000000);
    {
        QFile f(inPlace);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    // And one elsewhere, whose name is taken in the folder by another file.
    QTemporaryDir outside;
    const QString orange = QDir(outside.path()).filePath("orange.png");
    QImage o(40, 40, QImage::Format_RGB32);
    o.fill(QColor(255, 128, 0));
    QVERIFY(o.save(orange));
    QFile stale(JoinPath(backgrnd, "orange.png"));
    QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("not a picture") > 0);
    stale.close();

    openWizard();
    Click(wiz(), "btnNext");
    QTest::keyClicks(Child<QLineEdit>(wiz(), "txtStyleName"), "Grass");
    dialogs_->fileNames = {inPlace, orange, ""};
    Click(wiz(), "spdImgFile");
    const TFileRequest& asked = dialogs_->fileRequests.constFirst();
    QVERIFY(asked.filters.startsWith("Pictures (*.jpg *.jpeg *.png *.gif *.bmp"));
    QCOMPARE(QDir(asked.folder).canonicalPath(), QDir(backgrnd).canonicalPath());
    QCOMPARE(Text(wiz(), "txtImgFilename"), QString("backgrnd\\green.png"));
    QCOMPARE(QFileInfo(inPlace).lastModified(), old);
    QVERIFY(wiz_->CreateHTML().contains("<BODY BACKGROUND=\"backgrnd\\green.png\" BGCOLOR=\"C0C0C0\""));
    // The sample finds the picture beside the HTML folder's pages.
    QCOMPARE(SampleColor(Child<THTMLViewer>(wiz(), "ctlHTML")), QColor(0, 200, 0));

    // From elsewhere, where the folder has another file of that name: a
    // name of its own, and the other file stays.
    Click(wiz(), "spdImgFile");
    QCOMPARE(Text(wiz(), "txtImgFilename"), QString("backgrnd\\orange-2.png"));
    QCOMPARE(QImage(JoinPath(backgrnd, "orange-2.png")).pixelColor(5, 5), QColor(255, 128, 0));
    QCOMPARE(ReadFileBytes(JoinPath(backgrnd, "orange.png")), QByteArray("not a picture"));
    QCOMPARE(SampleColor(Child<THTMLViewer>(wiz(), "ctlHTML")), QColor(255, 128, 0));
    QCOMPARE(Child<QLabel>(wiz(), "lblImgInfo")->text(),
             QString::fromUtf8("40 \u00D7 40 pixels\n") + DescribeBytes(QFileInfo(orange).size()));

    // A cancelled dialog keeps the picture; "Clear Image" removes it.
    Click(wiz(), "spdImgFile");
    QCOMPARE(Text(wiz(), "txtImgFilename"), QString("backgrnd\\orange-2.png"));
    Click(wiz(), "btnClearImage");
    QVERIFY(!wiz_->CreateHTML().contains("BACKGROUND"));
    QCOMPARE(SampleColor(Child<THTMLViewer>(wiz(), "ctlHTML")), QColor(0xC0, 0xC0, 0xC0));
    dialogs_->answers = {QMessageBox::Yes};
    Click(wiz(), "btnFinish");
    TStyleList saved;
    QVERIFY(LoadStyleList(StylesDataPath(), saved));
    QCOMPARE(saved.back()->BackImage, QString());  // the new style, without the picture
}

void TestStyleWizard::modifyModeNeedsASelection() {
    openWizard();
    Click(wiz(), "radModify");
    Click(wiz(), "btnNext");
    QCOMPARE(Page(wiz()), QString("tab3"));
    QVERIFY(Shown(wiz(), "lblModify") && !Shown(wiz(), "butDelete") && Shown(wiz(), "btnNext"));
    Click(wiz(), "btnNext");
    QCOMPARE(dialogs_->lastText(), QString("Please select a Style to edit before continuing."));
    QCOMPARE(Page(wiz()), QString("tab3"));
    QVERIFY(Shown(wiz(), "lblModify") && !Shown(wiz(), "butDelete"));

    // The second style, chosen with the keyboard.
    Styles(wiz())->setFocus();
    QTest::keyClick(Styles(wiz()), Qt::Key_Down);
    if (Styles(wiz())->currentRow() == 0) QTest::keyClick(Styles(wiz()), Qt::Key_Down);
    QCOMPARE(Styles(wiz())->currentRow(), 1);
    QVERIFY(!wiz_->HasUnsavedChanges());
    Click(wiz(), "btnNext");
    QCOMPARE(Page(wiz()), QString("tab2"));
    const TStyleChunk& second = *styles_[1];
    QCOMPARE(Text(wiz(), "txtStyleName"), second.StyleName);
    QCOMPARE(Text(wiz(), "txtImgFilename"), second.BackImage);
    QCOMPARE(Colour(wiz(), "pnlStandard"), second.LinkColor);
    QCOMPARE(wiz_->CreateHTML(), StyleSampleHTML(second, second.BackImage));
    QVERIFY(!wiz_->HasUnsavedChanges());

    // Renamed: the list page shows the new name on the way back.
    Child<QLineEdit>(wiz(), "txtStyleName")->selectAll();
    QTest::keyClicks(Child<QLineEdit>(wiz(), "txtStyleName"), "Renamed");
    Click(wiz(), "btnBack");
    QCOMPARE(Page(wiz()), QString("tab3"));
    QVERIFY(Shown(wiz(), "lblModify"));
    QCOMPARE(Styles(wiz())->item(1)->text(), QString("Renamed"));
    Click(wiz(), "btnNext");
    // Finish with No closes and writes nothing; the name check is only for
    // new styles.
    const QByteArray file = ReadFileBytes(StylesDataPath());
    Child<QLineEdit>(wiz(), "txtStyleName")->clear();
    dialogs_->answers = {QMessageBox::No};
    Click(wiz(), "btnFinish");
    QVERIFY(!wiz_->isVisible());
    QCOMPARE(dialogs_->lastText(), QString("Do you want to save the changes to your Style List?"));
    QCOMPARE(ReadFileBytes(StylesDataPath()), file);
}

void TestStyleWizard::editStylesFromTheViewStage() {
    TfrmMain* w = CreateMainWindow();
    std::unique_ptr<TfrmMain> owner(w);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->ShowRedPill(TfrmMain::stView);
    TViewStage* v = w->View();
    const int count = v->lstStyles->count();
    QVERIFY(count > 1);
    v->lstStyles->setCurrentRow(1);
    const QString chosen = v->lstStyles->item(1)->text();

    // The wizard runs modally through the dialog seam; the user adds a
    // style with a picture from the folder.
    QImage sky(16, 16, QImage::Format_RGB32);
    sky.fill(Qt::blue);
    QVERIFY(sky.save(JoinPath(HTMLDir(), "backgrnd/wiz.jpg")));
    dialogs_->fileNames = {JoinPath(HTMLDir(), "backgrnd/wiz.jpg")};
    dialogs_->colors = {QColor(0x11, 0x22, 0x33)};
    dialogs_->answers = {QMessageBox::Yes};
    dialogs_->runs = {[](QDialog* d) {
        auto* wiz = qobject_cast<TfrmStyleWiz*>(d);
        if (!wiz) return int(QDialog::Rejected);
        wiz->show();
        Click(wiz, "btnNext");
        QTest::keyClicks(Child<QLineEdit>(wiz, "txtStyleName"), "Wizard made");
        Click(wiz, "spdImgFile");
        Click(wiz, "pnlBack");
        Click(wiz, "btnFinish");
        return wiz->result();
    }};
    Click(v->btnEditStyle);
    QCOMPARE(dialogs_->shown.constFirst().kind, QString("run"));
    QCOMPARE(dialogs_->shown.constFirst().caption, QString("Tarvo Style Wizard"));
    QCOMPARE(dialogs_->unexpected, 0);
    QCOMPARE(v->lstStyles->count(), count + 1);
    QCOMPARE(v->lstStyles->item(count)->text(), QString("Wizard made"));
    QCOMPARE(v->lstStyles->currentItem()->text(), chosen);

    // Chosen in the list, it goes into the page's BODY tag.
    QListWidgetItem* item = v->lstStyles->item(count);
    QTest::mouseClick(v->lstStyles->viewport(), Qt::LeftButton, Qt::NoModifier,
                      v->lstStyles->visualItemRect(item).center());
    QCOMPARE(v->lstStyles->currentRow(), count);
    QVERIFY(v->HTMLText().contains("BACKGROUND=\"backgrnd/wiz.jpg\""));
    QVERIFY(v->HTMLText().contains("BGCOLOR=\"#112233\""));
}

int main(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    TestStyleWizard t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_stylewizard.moc"
