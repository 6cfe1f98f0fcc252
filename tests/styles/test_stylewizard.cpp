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
    QVERIFY(QTest::qWaitForWindowActive(wiz_.get()));
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
}

void TestStyleWizard::addWithNameAndColoursThenSave() {
    openWizard();
    const QStringList before = Names(styles_);
    QVERIFY(!before.isEmpty());
    QCOMPARE(wiz_->windowTitle(), QString("Tarvo Style Wizard"));
    QCOMPARE(wiz_->PageControl1->currentWidget(), wiz_->tab1);
    QVERIFY(wiz_->radAdd->isChecked());
    QVERIFY(!wiz_->btnBack->isEnabled());
    QVERIFY(wiz_->btnFinish->isHidden());
    QCOMPARE(ListBoxTexts(wiz_->lstStyles), before);

    Click(wiz_->btnHelp);
    QCOMPARE(desk_->LastRequest().call, THelpCall::Context);
    QCOMPARE(desk_->LastRequest().context, 31);

    Click(wiz_->btnNext);
    QCOMPARE(wiz_->PageControl1->currentWidget(), wiz_->tab2);
    QVERIFY(wiz_->btnFinish->isVisible() && wiz_->btnNext->isHidden() && wiz_->btnBack->isEnabled());
    QCOMPARE(wiz_->pnlBack->Color(), 0xC0C0C0u);
    QCOMPARE(wiz_->pnlVisited->Color(), 0xFF00FFu);
    QCOMPARE(SampleColor(wiz_->ctlHTML), QColor(0xC0, 0xC0, 0xC0));

    QTest::keyClicks(wiz_->txtStyleName, "Night Sky");
    QVERIFY(wiz_->EditList.Dirty());
    // A dark background with white text; the dialogs start at the field's colour.
    dialogs_->colors = {QColor(0x10, 0x20, 0x40), QColor(Qt::white), std::nullopt};
    Click(wiz_->pnlBack);
    Click(wiz_->pnlDoc);
    Click(wiz_->pnlActive);  // cancelled: nothing changes
    QCOMPARE(dialogs_->colorInitials, QList<QColor>({QColor(0xC0, 0xC0, 0xC0), QColor(0, 0, 0), QColor(255, 0, 0)}));
    QCOMPARE(wiz_->EditStyle->BackColor, 0x402010u);
    QCOMPARE(wiz_->pnlBack->Color(), 0x402010u);
    QCOMPARE(wiz_->EditStyle->TextColor, 0xFFFFFFu);
    QCOMPARE(wiz_->EditStyle->ALinkColor, 0x0000FFu);
    QVERIFY(wiz_->CreateHTML().contains("<BODY BGCOLOR=\"102040\" TEXT=\"FFFFFF\""));
    QCOMPARE(SampleColor(wiz_->ctlHTML), QColor(0x10, 0x20, 0x40));

    // Yes writes the list with the new style last; a second Finish after
    // Cancel appends it only once.
    dialogs_->answers = {QMessageBox::Cancel, QMessageBox::Yes};
    Click(wiz_->btnFinish);
    QVERIFY(wiz_->isVisible());
    Click(wiz_->btnFinish);
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
    Click(wiz_->btnNext);
    Click(wiz_->btnFinish);
    QCOMPARE(dialogs_->texts(),
             QStringList{"Sorry. You must give this Style a name before you can add it to your Style List."});
    QVERIFY(wiz_->isVisible());
    QCOMPARE(wiz_->PageControl1->currentWidget(), wiz_->tab2);
    QCOMPARE(QApplication::focusWidget(), wiz_->txtStyleName);
    QCOMPARE(wiz_->EditList.Items().size(), styles_.size());

    // Back to the start page and forth again gives a fresh style.
    QTest::keyClicks(wiz_->txtStyleName, "Draft");
    Click(wiz_->btnBack);
    QCOMPARE(wiz_->PageControl1->currentWidget(), wiz_->tab1);
    QVERIFY(!wiz_->btnBack->isEnabled() && wiz_->btnNext->isVisible() && wiz_->btnFinish->isHidden());
    Click(wiz_->btnNext);
    QCOMPARE(wiz_->txtStyleName->text(), QString());
    QCOMPARE(wiz_->EditStyle->StyleName, QString());

    // Name typed, then Cancel: nothing is written, nothing is asked.
    QTest::keyClicks(wiz_->txtStyleName, "Never saved");
    Click(wiz_->btnCancel);
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
    Click(wiz_->radDelete);
    QCOMPARE(wiz_->WizardMode, int(TfrmStyleWiz::wmDelete));
    Click(wiz_->btnNext);
    QCOMPARE(wiz_->PageControl1->currentWidget(), wiz_->tab3);
    QVERIFY(wiz_->lblDelete->isVisible() && wiz_->lblModify->isHidden());
    QVERIFY(wiz_->butDelete->isVisible() && wiz_->btnFinish->isVisible() && !wiz_->btnBack->isEnabled());
    // Picking a style shows it but changes nothing.
    QTest::mouseClick(wiz_->lstStyles->viewport(), Qt::LeftButton, Qt::NoModifier,
                      wiz_->lstStyles->visualItemRect(wiz_->lstStyles->item(2)).center());
    QCOMPARE(wiz_->EditStyle, wiz_->EditList.At(2));
    QVERIFY(!wiz_->EditList.Dirty());
    Click(wiz_->spbUp);
    QCOMPARE(ListBoxTexts(wiz_->lstStyles), QStringList({"Sky", "sky", "Sea"}));
    QCOMPARE(wiz_->lstStyles->currentRow(), 1);
    QCOMPARE(wiz_->EditStyle, wiz_->EditList.At(1));
    Click(wiz_->spbUp);
    QCOMPARE(ListBoxTexts(wiz_->lstStyles), QStringList({"sky", "Sky", "Sea"}));
    QCOMPARE(wiz_->lstStyles->currentRow(), 0);
    // Deleted with the keyboard (through the window, so the key goes by the
    // shortcut map; the button clicks itself a moment later): the next
    // style is chosen and shown, until none is left.
    QTest::keyClick(wiz_->windowHandle(), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(wiz_->lstStyles->count(), 2);
    QCOMPARE(wiz_->lstStyles->currentItem()->text(), QString("Sky"));
    QCOMPARE(wiz_->EditStyle, wiz_->EditList.At(0));
    for (int left = 1; left >= 0; --left) {
        QTest::keyClick(wiz_->windowHandle(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(wiz_->lstStyles->count(), left);
    }
    dialogs_->answers = {QMessageBox::Yes};
    Click(wiz_->btnFinish);
    QVERIFY(!wiz_->isVisible());
    QCOMPARE(ReadFileBytes(StylesDataPath()), QByteArray("\0\0\0\0", 4));
}

void TestStyleWizard::aFailedSaveIsToldAndKeepsTheWizardOpen() {
    openWizard();
    const QStringList before = Names(styles_);
    Click(wiz_->btnNext);
    QTest::keyClicks(wiz_->txtStyleName, "Kept");
    // A folder where the file goes: nothing can be written there.
    QVERIFY(QFile::remove(StylesDataPath()) && QDir().mkdir(StylesDataPath()));
    dialogs_->answers = {QMessageBox::Yes};
    Click(wiz_->btnFinish);
    QVERIFY(wiz_->isVisible());
    QCOMPARE(dialogs_->shown.size(), 2);
    QCOMPARE(dialogs_->shown.constLast().caption, QString("Style List Changed"));
    QCOMPARE(dialogs_->lastText(), "Your Style List could not be saved.\nCannot create file " + StylesDataPath() +
                                          ": a folder of that name is in the way.");
    QVERIFY(wiz_->EditList.Dirty());
    // Once the file can be written, the same Finish saves and closes.
    QVERIFY(QDir().rmdir(StylesDataPath()));
    dialogs_->answers = {QMessageBox::Yes};
    Click(wiz_->btnFinish);
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
    Click(wiz_->btnNext);
    QTest::keyClicks(wiz_->txtStyleName, "Grass");
    dialogs_->fileNames = {inPlace, orange, ""};
    Click(wiz_->spdImgFile);
    const TFileRequest& asked = dialogs_->fileRequests.constFirst();
    QVERIFY(asked.filters.startsWith("Pictures (*.jpg *.jpeg *.png *.gif *.bmp"));
    QCOMPARE(QDir(asked.folder).canonicalPath(), QDir(backgrnd).canonicalPath());
    QCOMPARE(wiz_->txtImgFilename->text(), QString("backgrnd\\green.png"));
    QCOMPARE(wiz_->EditStyle->BackImage, QString("backgrnd\\green.png"));
    QCOMPARE(QFileInfo(inPlace).lastModified(), old);
    QVERIFY(wiz_->CreateHTML().contains("<BODY BACKGROUND=\"backgrnd\\green.png\" BGCOLOR=\"C0C0C0\""));
    // The sample finds the picture beside the HTML folder's pages.
    QCOMPARE(SampleColor(wiz_->ctlHTML), QColor(0, 200, 0));

    // From elsewhere, where the folder has another file of that name: a
    // name of its own, and the other file stays.
    Click(wiz_->spdImgFile);
    QCOMPARE(wiz_->txtImgFilename->text(), QString("backgrnd\\orange-2.png"));
    QCOMPARE(QImage(JoinPath(backgrnd, "orange-2.png")).pixelColor(5, 5), QColor(255, 128, 0));
    QCOMPARE(ReadFileBytes(JoinPath(backgrnd, "orange.png")), QByteArray("not a picture"));
    QCOMPARE(SampleColor(wiz_->ctlHTML), QColor(255, 128, 0));
    QCOMPARE(wiz_->lblImgInfo->text(), QString::fromUtf8("40 \u00D7 40 pixels\n") + DescribeBytes(QFileInfo(orange).size()));

    // A cancelled dialog keeps the picture; "Clear Image" removes it.
    Click(wiz_->spdImgFile);
    QCOMPARE(wiz_->txtImgFilename->text(), QString("backgrnd\\orange-2.png"));
    Click(wiz_->btnClearImage);
    QCOMPARE(wiz_->EditStyle->BackImage, QString());
    QVERIFY(!wiz_->CreateHTML().contains("BACKGROUND"));
    QCOMPARE(SampleColor(wiz_->ctlHTML), QColor(0xC0, 0xC0, 0xC0));
}

void TestStyleWizard::modifyModeNeedsASelection() {
    openWizard();
    Click(wiz_->radModify);
    Click(wiz_->btnNext);
    QCOMPARE(wiz_->PageControl1->currentWidget(), wiz_->tab3);
    QVERIFY(wiz_->lblModify->isVisible() && wiz_->butDelete->isHidden() && wiz_->btnNext->isVisible());
    Click(wiz_->btnNext);
    QCOMPARE(dialogs_->lastText(), QString("Please select a Style to edit before continuing."));
    QCOMPARE(wiz_->PageControl1->currentWidget(), wiz_->tab3);
    QVERIFY(wiz_->lblModify->isVisible() && wiz_->butDelete->isHidden());

    // The second style, chosen with the keyboard.
    wiz_->lstStyles->setFocus();
    QTest::keyClick(wiz_->lstStyles, Qt::Key_Down);
    if (wiz_->lstStyles->currentRow() == 0) QTest::keyClick(wiz_->lstStyles, Qt::Key_Down);
    QCOMPARE(wiz_->lstStyles->currentRow(), 1);
    QVERIFY(!wiz_->EditList.Dirty());
    Click(wiz_->btnNext);
    QCOMPARE(wiz_->PageControl1->currentWidget(), wiz_->tab2);
    const TStyleChunk& second = *styles_[1];
    QCOMPARE(wiz_->txtStyleName->text(), second.StyleName);
    QCOMPARE(wiz_->txtImgFilename->text(), second.BackImage);
    QCOMPARE(wiz_->pnlStandard->Color(), second.LinkColor);
    QCOMPARE(wiz_->CreateHTML(), StyleSampleHTML(second, second.BackImage));
    QVERIFY(!wiz_->EditList.Dirty());

    // Renamed: the list page shows the new name on the way back.
    wiz_->txtStyleName->selectAll();
    QTest::keyClicks(wiz_->txtStyleName, "Renamed");
    Click(wiz_->btnBack);
    QCOMPARE(wiz_->PageControl1->currentWidget(), wiz_->tab3);
    QVERIFY(wiz_->lblModify->isVisible());
    QCOMPARE(wiz_->lstStyles->item(1)->text(), QString("Renamed"));
    Click(wiz_->btnNext);
    // Finish with No closes and writes nothing; the name check is only for
    // new styles.
    const QByteArray file = ReadFileBytes(StylesDataPath());
    wiz_->txtStyleName->clear();
    dialogs_->answers = {QMessageBox::No};
    Click(wiz_->btnFinish);
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
        Click(wiz->btnNext);
        QTest::keyClicks(wiz->txtStyleName, "Wizard made");
        Click(wiz->spdImgFile);
        Click(wiz->pnlBack);
        Click(wiz->btnFinish);
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
