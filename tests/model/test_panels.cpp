// The property panels: what they show for the current block, what every
// edit writes into it, the list and button rules, and the image picker.

#include "app/HelpSystem.h"
#include "TestSupport.h"
#include "BuildStageHelpers.h"
#include "app/AppPaths.h"
#include "app/Application.h"
#include "app/Settings.h"
#include "app/Utils.h"
#include "app/WhatsThis.h"
#include "model/PictureQuestion.h"
#include "viewer/ImageCache.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>

#include "TarvoResources.h"

namespace {

// A GIF of w x h pixels (every pixel colour 0), made by hand because Qt
// reads GIF files but does not write them. Each pixel is sent after a clear
// code, so the codes stay 3 bits wide.
QByteArray MakeGif(int w, int h) {
    QByteArray g("GIF89a");
    auto u16 = [&g](int v) {
        g.append(char(v & 0xff));
        g.append(char(v >> 8));
    };
    u16(w);
    u16(h);
    g.append(char(0x80)).append(char(0)).append(char(0));
    g.append("\xff\x00\x00\x00\x00\xff", 6);
    g.append(',');
    u16(0);
    u16(0);
    u16(w);
    u16(h);
    g.append(char(0)).append(char(2));
    QByteArray data;
    quint32 acc = 0;
    int bits = 0;
    auto put = [&](quint32 code) {
        acc |= code << bits;
        bits += 3;
        while (bits >= 8) {
            data.append(char(acc & 0xff));
            acc >>= 8;
            bits -= 8;
        }
    };
    for (int i = 0; i < w * h; ++i) {
        put(4);
        put(0);
    }
    put(5);
    if (bits) data.append(char(acc & 0xff));
    for (int i = 0; i < data.size(); i += 255) {
        const int n = std::min<int>(255, int(data.size()) - i);
        g.append(char(n)).append(data.mid(i, n));
    }
    g.append(char(0)).append(';');
    return g;
}

// An APP1 "Exif" segment as a phone camera writes one (big-endian TIFF):
// the orientation in the first directory, which also points to an Exif
// directory holding the camera's serial number and to a GPS directory
// holding a latitude.
QByteArray ExifSegment(quint16 orientation) {
    QByteArray t("MM");
    auto u16 = [&t](quint32 v) { t.append(char((v >> 8) & 0xff)).append(char(v & 0xff)); };
    auto u32 = [&](quint32 v) { u16(v >> 16), u16(v & 0xffff); };
    const quint32 exifDir = 8 + 2 + 3 * 12 + 4, serial = exifDir + 2 + 12 + 4, gpsDir = serial + 12,
                  latitude = gpsDir + 2 + 2 * 12 + 4;
    u16(42), u32(8);
    u16(3);
    u16(0x0112), u16(3), u32(1), u16(orientation), u16(0);
    u16(0x8769), u16(4), u32(1), u32(exifDir);
    u16(0x8825), u16(4), u32(1), u32(gpsDir);
    u32(0);
    u16(1), u16(0xA431), u16(2), u32(12), u32(serial), u32(0);
    t.append("SN-77001234\0", 12);
    u16(2);
    u16(0x0001), u16(2), u32(2), t.append("N\0\0\0", 4);
    u16(0x0002), u16(5), u32(3), u32(latitude), u32(0);
    for (quint32 v : {60u, 1u, 10u, 1u, 0u, 1u}) u32(v);
    const QByteArray body = QByteArray("Exif\0\0", 6) + t;
    QByteArray segment("\xff\xe1", 2);
    segment.append(char((body.size() + 2) >> 8)).append(char((body.size() + 2) & 0xff));
    return segment + body;
}

// A phone photo: 4000 x 3000 pixels stored lying on its side (orientation
// 6, to be turned a quarter clockwise), with a red band along the stored
// left edge, which is the top of the photo the right way up.
QByteArray MakePhonePhoto() {
    QImage stored(4000, 3000, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < stored.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(stored.scanLine(y));
        for (int x = 0; x < stored.width(); ++x) {
            noise = noise * 1103515245u + 12345u;
            const int n = int((noise >> 16) & 15);
            line[x] = x < 400 ? qRgb(220, 20 + n, 20) : qRgb(40 + x / 40 + n, 90 + y / 40 + n, 160 + n);
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!stored.save(&buffer, "jpeg", 92)) return {};
    // After the JFIF segment, as cameras put it.
    const int after = 4 + (uchar(jpeg[4]) << 8 | uchar(jpeg[5]));
    return jpeg.left(after) + ExifSegment(6) + jpeg.mid(after);
}

bool RedAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}



// Answers the web-size question with one of its buttons, ticking "the same
// for every picture" first when `always`.
std::function<int(QDialog*)> AnswerWebSize(const char* button, bool always = false) {
    return [button, always](QDialog* dialog) {
        if (!qobject_cast<TfrmWebSize*>(dialog)) return int(QDialog::Rejected);
        dialog->findChild<QCheckBox*>("chkWebSizeAlways")->setChecked(always);
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
        return dialog->result();
    };
}

}  // namespace

class TestPanels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTarvoResources(); }
    void init() { QVERIFY(s.open()); }
    void cleanup() { s.close(); }

    void panelsLayOutTheirControls();
    void fillAndEditEachKind();
    void typedTextKeptExactly();
    void headingAndLineListRules();
    void alignmentAndNewLineButtons();
    void selectingDoesNotMarkPageChanged();
    void imagePickerCopiesIntoGraphics();
    void pictureNameShowsWithSlashes();
    void decorationNeedsNoWords();
    void picturesMadeWebSized();
    void rightReleaseAsksForHelp();

private:
    void select(int index) {
        QTest::mouseClick(s.canvas->CanvasRows[size_t(index - s.canvas->FirstShown())], Qt::LeftButton,
                          Qt::NoModifier, QPoint(40, 10));
    }
    TBuildStage s;
};

void TestPanels::panelsLayOutTheirControls() {
    TPropertyPanels& p = s.panels();
    const QRect frame(338, 20, 281, 273);
    for (QFrame* panel : {p.pnlPara, p.pnlLink, p.pnlImage, p.pnlHeading, p.pnlEmail, p.pnlLine, p.pnlBlank}) {
        QCOMPARE(panel->geometry(), frame);
        QCOMPARE(panel->parentWidget(), s.w->findChild<QFrame*>(QStringLiteral("pnlBuild")));
        // Every control lies inside its panel and none covers another.
        const QList<QWidget*> controls = panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (int i = 0; i < controls.size(); ++i) {
            QVERIFY2(QRect(0, 0, 281, 273).contains(controls[i]->geometry()), qPrintable(controls[i]->objectName()));
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                         qPrintable(controls[i]->objectName() + " / " + controls[j]->objectName()));
        }
    }
    QCOMPARE(p.txtParagraph->size(), QSize(254, 119));
    QCOMPARE(p.txtImgFileName->width(), 235);
    QCOMPARE(p.spdImgFile->size(), QSize(21, 21));
    QVERIFY(p.spdImgFile->x() > p.txtImgFileName->geometry().right());
    QCOMPARE(p.txtImgHeight->y(), p.txtImgWidth->y());
    for (const auto* row : {&p.paraButtons, &p.linkButtons, &p.imageButtons, &p.headButtons, &p.emailButtons}) {
        for (QToolButton* b : {row->left, row->center, row->right}) {
            QCOMPARE(b->size(), QSize(25, 25));
            QCOMPARE(b->y(), 240);
        }
        QCOMPARE(row->newLine->size(), QSize(24, 24));
        QCOMPARE(row->newLine->toolTip(), QString("Start new line for next block"));
    }
    QCOMPARE(p.paraButtons.left->toolTip(), QString("Align Left"));
    QCOMPARE(p.emailButtons.left->toolTip(), QString("Left Align"));
    QCOMPARE(p.emailButtons.center->toolTip(), QString("Center Align"));
    QVERIFY(!p.pnlLine->findChild<QToolButton*>());

    // The texts, leading spaces included.
    const QList<QPair<const char*, const char*>> texts = {
        {"lblLinkURL", " What is the URL of the page you wish to link to?"},
        {"lblLinkLink", " What is the text to click on?"},
        {"lblImgWidth", " Width :"},
        {"lblImgHeight", "Height :"},
        {"Label4", " What is the URL of the page you wish to link to?"},
        {"Label6", "Add an image to your page.  Images help to liven up a Web Page."},
        {"lblHeadSize", " What is the size of the heading?"},
        {"lblEmailDesc", " When readers of your page click on this link, it pops up an e-mail screen pre-addressed "
                         "to you or anyone you choose."},
        {"lblEmailAddr", " What is the e-mail address?"},
        {"lblEmailLink", " What is the text to click on for the e-mail link?"},
        {"lblParaDesc", "You can align this block of text to the left, center or right of the page. Type your text "
                        "in the field below; you can use simple HTML tags here."},
        {"lblLinkEG1", "e.g. Text before link"},
        {"lblEmailEG2", "text to click on"},
        {"lblLineThick", "Thickness"},
    };
    for (const auto& [name, text] : texts) {
        auto* label = s.w->findChild<QFrame*>(QStringLiteral("pnlBuild"))->findChild<QLabel*>(name);
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QString(text));
    }
    QCOMPARE(p.cmbHeadSize->count(), 6);
    QCOMPARE(p.cmbLineThick->itemText(0), QString("6 (Thickest)"));
}

void TestPanels::fillAndEditEachKind() {
    TPropertyPanels& p = s.panels();
    for (int kind = 0; kind < kBlockKindCount; ++kind) s.load(kind);
    s.page().Chunk(0)->Para->Paragraph = QStringLiteral("one\r\ntwo");
    s.page().Chunk(1)->Link->LinkText = QStringLiteral("Click");
    s.page().Chunk(2)->Image->ImgWidth = QStringLiteral("12");
    s.page().Chunk(3)->Heading->HeadText = QStringLiteral("Welcome");
    s.page().Chunk(4)->Email->Address = QStringLiteral("me@example.org");
    s.page().Chunk(5)->Line->LineWidth = QStringLiteral("50");

    select(0);
    QCOMPARE(p.VisiblePanel(), p.pnlPara);
    QCOMPARE(p.txtParagraph->toPlainText(), QString("one\ntwo"));
    QCOMPARE(s.w->focusWidget(), p.txtParagraph);
    QVERIFY(!s.page().PageChanged);
    p.txtParagraph->moveCursor(QTextCursor::End);
    QTest::keyClick(p.txtParagraph, Qt::Key_Return);
    QTest::keyClicks(p.txtParagraph, "three");
    QCOMPARE(s.page().Chunk(0)->Para->Paragraph, QString("one\r\ntwo\r\nthree"));
    QVERIFY(s.page().PageChanged);

    select(1);
    QCOMPARE(p.VisiblePanel(), p.pnlLink);
    QCOMPARE(p.txtLinkURL->text(), QString("http://"));
    QCOMPARE(p.txtLinkLink->text(), QString("Click"));
    QCOMPARE(s.w->focusWidget(), p.txtLinkURL);
    QTest::keyClicks(p.txtLinkURL, "example.org");
    QTest::keyClicks(p.txtLinkPre, "See ");
    QTest::keyClicks(p.txtLinkPost, " now");
    const TBlockLink& link = *s.page().Chunk(1)->Link;
    QCOMPARE(link.URL, QString("http://example.org"));
    QCOMPARE(link.PreText, QString("See "));
    QCOMPARE(link.PostText, QString(" now"));

    select(2);
    QCOMPARE(p.VisiblePanel(), p.pnlImage);
    QCOMPARE(p.txtImgWidth->text(), QString("12"));
    QCOMPARE(s.w->focusWidget(), p.txtImgFileName);
    QTest::keyClicks(p.txtImgHeight, "4x");  // stored as typed
    QTest::keyClicks(p.txtImgDesc, "A cat");
    QCOMPARE(s.page().Chunk(2)->Image->ImgHeight, QString("4x"));
    QCOMPARE(s.page().Chunk(2)->Image->AltText, QString("A cat"));

    select(3);
    QCOMPARE(p.VisiblePanel(), p.pnlHeading);
    QCOMPARE(p.txtHeading->text(), QString("Welcome"));
    QCOMPARE(s.w->focusWidget(), p.txtHeading);
    QTest::keyClicks(p.txtHeading, "!");
    QCOMPARE(s.page().Chunk(3)->Heading->HeadText, QString("Welcome!"));

    select(4);
    QCOMPARE(p.VisiblePanel(), p.pnlEmail);
    QCOMPARE(p.txtEmail->text(), QString("me@example.org"));
    QCOMPARE(s.w->focusWidget(), p.txtEmail);
    QTest::keyClicks(p.txtEmailLink, "Write");
    QCOMPARE(s.page().Chunk(4)->Email->LinkText, QString("Write"));

    select(5);
    QCOMPARE(p.VisiblePanel(), p.pnlLine);
    QCOMPARE(p.txtLineWidth->text(), QString("50"));
    QCOMPARE(s.w->focusWidget(), p.txtLineWidth);
    p.txtLineWidth->clear();
    QCOMPARE(s.page().Chunk(5)->Line->LineWidth, QString());  // empty stays empty: full width

    // The other records were not touched by these edits.
    QCOMPARE(s.page().Chunk(0)->Para->Paragraph, QString("one\r\ntwo\r\nthree"));
    QCOMPARE(s.page().Chunk(3)->Heading->HeadText, QString("Welcome!"));

    // While a page is being loaded the fill does not take the focus into
    // its panel (the hidden line panel hands it on to the next control).
    s.page().LoadingDocument = true;
    select(0);
    QVERIFY(s.w->focusWidget() != p.txtParagraph);
    s.page().LoadingDocument = false;
}

void TestPanels::typedTextKeptExactly() {
    // A non-breaking space, a lone CR and a lone LF survive a keystroke
    // elsewhere in the paragraph; only the typed letter is new.
    TPropertyPanels& p = s.panels();
    s.load();
    const QString text = QString::fromLatin1("a\xA0" "b\rc\nd\r\ne");
    s.page().Chunk(0)->Para->Paragraph = text;
    select(0);
    p.txtParagraph->moveCursor(QTextCursor::End);
    QTest::keyClick(p.txtParagraph, Qt::Key_X);
    QCOMPARE(s.page().Chunk(0)->Para->Paragraph, text + "x");
    p.txtParagraph->moveCursor(QTextCursor::Start);
    QTest::keyClick(p.txtParagraph, Qt::Key_Delete);
    QCOMPARE(s.page().Chunk(0)->Para->Paragraph, text.mid(1) + "x");
    // A line break typed in the middle is CR LF; the others stay.
    QTest::keyClick(p.txtParagraph, Qt::Key_Right);
    QTest::keyClick(p.txtParagraph, Qt::Key_Return);
    QCOMPARE(s.page().Chunk(0)->Para->Paragraph, QString::fromLatin1("\xA0\r\nb\rc\nd\r\nex"));
}

void TestPanels::headingAndLineListRules() {
    TPropertyPanels& p = s.panels();
    for (int i = 0; i < 3; ++i) s.load(bkHeading);
    s.load(bkLine);
    s.page().Chunk(0)->Heading->HeadSize = QStringLiteral("3 (large)");
    s.page().Chunk(1)->Heading->HeadSize = QStringLiteral("9 (Huge)");
    s.page().Chunk(3)->Line->Thickness = QStringLiteral("thick");

    select(0);
    QCOMPARE(p.cmbHeadSize->currentText(), QString("3 (Large)"));  // letter case ignored
    QCOMPARE(s.page().Chunk(0)->Heading->HeadSize, QString("3 (large)"));
    QVERIFY(!s.page().PageChanged);
    // A value that is not in the list becomes the first item, stored.
    select(1);
    QCOMPARE(p.cmbHeadSize->currentText(), QString("1 (Largest)"));
    QCOMPARE(s.page().Chunk(1)->Heading->HeadSize, QString("1 (Largest)"));
    QVERIFY(s.page().PageChanged);
    select(3);
    QCOMPARE(p.cmbLineThick->currentText(), QString("6 (Thickest)"));
    QCOMPARE(s.page().Chunk(3)->Line->Thickness, QString("6 (Thickest)"));

    // The user's choice is stored.
    p.cmbLineThick->setFocus();
    QTest::keyClick(p.cmbLineThick, Qt::Key_Down);
    QCOMPARE(s.page().Chunk(3)->Line->Thickness, QString("5 (Thicker)"));
    select(2);
    // The wheel passing over the box, without a click, changes nothing.
    const QString size = p.cmbHeadSize->currentText();
    QVERIFY(!p.cmbHeadSize->hasFocus());
    const QPointF at(20, 10);
    QWheelEvent wheel(at, p.cmbHeadSize->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(p.cmbHeadSize, &wheel);
    QCOMPARE(p.cmbHeadSize->currentText(), size);
    QTest::keyClick(p.cmbHeadSize, Qt::Key_Down);
    QCOMPARE(s.page().Chunk(2)->Heading->HeadSize, QString("2 (Larger)"));

    // The heading's new-line button keeps its state from one heading to the
    // next; only the heading it was pressed for records it.
    QTest::mouseClick(p.headButtons.newLine, Qt::LeftButton);
    QCOMPARE(int(s.page().Chunk(2)->Heading->NewLine), 1);
    select(0);
    QVERIFY(p.headButtons.newLine->isChecked());
    QCOMPARE(int(s.page().Chunk(0)->Heading->NewLine), 0);
}

void TestPanels::alignmentAndNewLineButtons() {
    TPropertyPanels& p = s.panels();
    s.load(bkPara);
    s.load(bkPara);
    s.load(bkLink);
    s.page().Chunk(1)->Para->Align = alRight;
    s.page().Chunk(1)->Para->NewLine = 1;
    select(0);
    const TBlockPara& para = *s.page().Chunk(0)->Para;
    QTest::mouseClick(p.paraButtons.left, Qt::LeftButton);
    QCOMPARE(int(para.Align), 1);
    QVERIFY(p.paraButtons.left->isChecked());
    QTest::mouseClick(p.paraButtons.center, Qt::LeftButton);
    QCOMPARE(int(para.Align), 2);
    QVERIFY(!p.paraButtons.left->isChecked());
    QVERIFY(p.paraButtons.center->isChecked());
    // Pressing the button that is down releases it: no alignment.
    QTest::mouseClick(p.paraButtons.center, Qt::LeftButton);
    QCOMPARE(int(para.Align), 0);
    QVERIFY(!p.paraButtons.left->isChecked() && !p.paraButtons.center->isChecked() && !p.paraButtons.right->isChecked());
    QTest::mouseClick(p.paraButtons.newLine, Qt::LeftButton);
    QCOMPARE(int(para.NewLine), 1);
    QTest::mouseClick(p.paraButtons.newLine, Qt::LeftButton);
    QCOMPARE(int(para.NewLine), 0);

    select(1);
    QVERIFY(p.paraButtons.right->isChecked());
    QVERIFY(!p.paraButtons.left->isChecked());
    QVERIFY(p.paraButtons.newLine->isChecked());
    QCOMPARE(int(para.Align), 0);

    // Showing a panel releases its alignment buttons, not its new-line button.
    p.linkButtons.left->setChecked(true);
    p.linkButtons.newLine->setChecked(true);
    p.ShowPanel(bkLink);
    QVERIFY(!p.linkButtons.left->isChecked());
    QVERIFY(p.linkButtons.newLine->isChecked());
    p.ShowPanel(bkLine);
    QCOMPARE(p.VisiblePanel(), p.pnlLine);
    p.ShowPanel(42);
    QCOMPARE(p.VisiblePanel(), p.pnlBlank);
}

void TestPanels::selectingDoesNotMarkPageChanged() {
    TPropertyPanels& p = s.panels();
    s.loadParagraphs(2);
    s.load(bkEmail);
    s.load(bkEmail);
    s.page().Chunk(2)->Email->Address = QStringLiteral("a@b.c");
    // Showing other texts is not a change of the page.
    select(1);
    select(3);
    select(2);
    QVERIFY(!s.page().PageChanged);
    QCOMPARE(s.page().Chunk(0)->Para->Paragraph, QString("b0"));
    QCOMPARE(s.page().Chunk(1)->Para->Paragraph, QString("b1"));
    QCOMPARE(s.page().Chunk(3)->Email->Address, QString());
    QTest::keyClicks(p.txtEmail, "x");
    QVERIFY(s.page().PageChanged);
    QCOMPARE(s.page().Chunk(2)->Email->Address, QString("a@b.cx"));

    // While the program loads or clears a page, the handlers store nothing.
    s.page().PageChanged = false;
    s.page().FillingPanel = true;
    QTest::keyClicks(p.txtEmail, "y");
    QCOMPARE(s.page().Chunk(2)->Email->Address, QString("a@b.cx"));
    QVERIFY(!s.page().PageChanged);
    s.page().FillingPanel = false;

    // With no block current nothing is written anywhere.
    s.canvas->ClearPage();
    p.txtEmail->setText(QStringLiteral("z"));
    QVERIFY(!s.page().PageChanged);
}

void TestPanels::imagePickerCopiesIntoGraphics() {
    TPropertyPanels& p = s.panels();
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    QTemporaryDir elsewhere;
    const QString photo = elsewhere.filePath("My Photo.GIF");
    QVERIFY(WriteFileBytes(photo, MakeGif(40, 30)));
    s.load(bkImage);
    select(0);
    const QString graphics = JoinPath(HTMLDir(), "graphics");
    const QString target = JoinPath(graphics, "myphoto.gif");

    dialogs->fileNames << photo;
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(dialogs->fileRequests.size(), 1);
    QCOMPARE(dialogs->fileRequests[0].folder, graphics);
    // Every picture a user has: the web's formats and the others Qt reads.
    const QStringList filters = dialogs->fileRequests[0].filters.split(";;");
    QVERIFY(filters[0].startsWith("Pictures (*.jpg *.jpeg *.png *.gif *.bmp"));
    QVERIFY(filters.contains("PNG Files (*.png)") && filters.contains("BMP Files (*.bmp)"));
    QVERIFY(dialogs->fileRequests[0].fileName.isEmpty());
    QVERIFY(QFile::exists(target));
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/myphoto.gif"));
    QCOMPARE(p.txtImgHeight->text(), QString("30"));
    QCOMPARE(p.txtImgWidth->text(), QString("40"));
    const TBlockImage& image = *s.page().Chunk(0)->Image;
    QCOMPARE(image.FileName, QString("graphics\\myphoto.gif"));
    QCOMPARE(image.ImgHeight, QString("30"));
    QCOMPARE(image.ImgWidth, QString("40"));
    QVERIFY(s.page().PageChanged);

    // Choosing the picture in its place copies nothing and reads its size;
    // its words stay.
    p.txtImgDesc->setText("A football");
    p.txtImgHeight->clear();
    dialogs->fileNames << target;
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(p.txtImgHeight->text(), QString("30"));
    QCOMPARE(QDir(graphics).entryList(QDir::Files).filter("myphoto").size(), 1);
    QCOMPARE(image.AltText, QString("A football"));
    QVERIFY(p.lblImgAltWarn->isHidden());

    // Another picture of the same name gets a name of its own; so does one
    // named like a shipped picture, which stays as it was.
    QTemporaryDir other;
    QVERIFY(WriteFileBytes(other.filePath("my photo.gif"), MakeGif(10, 20)));
    dialogs->fileNames << other.filePath("my photo.gif");
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/myphoto-2.gif"));
    // Another picture does not keep the old one's words: the text is
    // empty and the warning asks for new ones.
    QCOMPARE(image.AltText, QString());
    QVERIFY(p.txtImgDesc->text().isEmpty() && !p.lblImgAltWarn->isHidden());
    QCOMPARE(p.txtImgHeight->text(), QString("20"));
    QCOMPARE(p.txtImgWidth->text(), QString("10"));
    QCOMPARE(LoadImage(target).size(), QSize(40, 30));
    const QString shipped = JoinPath(graphics, "button.gif");
    const QByteArray shippedBytes = ReadFileBytes(shipped);
    QVERIFY(!shippedBytes.isEmpty());
    QVERIFY(WriteFileBytes(other.filePath("Button.gif"), MakeGif(7, 7)));
    dialogs->fileNames << other.filePath("Button.gif");
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/button-2.gif"));
    QCOMPARE(ReadFileBytes(shipped), shippedBytes);

    // Letters of any language are kept.
    const QString cafe = other.filePath(QString::fromUtf8("Café 日本.gif"));
    QVERIFY(WriteFileBytes(cafe, MakeGif(7, 7)));
    p.txtImgHeight->clear();
    dialogs->fileNames << cafe;
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(image.FileName, QString::fromUtf8("graphics\\café日本.gif"));
    QVERIFY(QFile::exists(JoinPath(graphics, QString::fromUtf8("café日本.gif"))));
    QCOMPARE(p.txtImgHeight->text(), QString("7"));

    // A file that is no picture: the name is taken, the size boxes keep theirs.
    QVERIFY(WriteFileBytes(elsewhere.filePath("Not A Picture.JPG"), "hello"));
    dialogs->fileNames << elsewhere.filePath("Not A Picture.JPG");
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/notapicture.jpg"));
    QCOMPARE(p.txtImgHeight->text(), QString("7"));
    QCOMPARE(p.txtImgWidth->text(), QString("7"));

    // Cancelled: nothing changes.
    s.page().PageChanged = false;
    dialogs->fileNames << QString();
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(image.FileName, QString("graphics\\notapicture.jpg"));
    QVERIFY(!s.page().PageChanged);
    QCOMPARE(dialogs->unexpected, 0);
}

void TestPanels::pictureNameShowsWithSlashes() {
    TPropertyPanels& p = s.panels();
    s.load(bkImage);
    s.page().Chunk(0)->Image->FileName = QStringLiteral("graphics\\old.gif");
    select(0);
    // Shown with "/", stored as the page had it while unchanged.
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/old.gif"));
    QVERIFY(!s.page().PageChanged);
    QCOMPARE(s.page().Chunk(0)->Image->FileName, QString("graphics\\old.gif"));
    // A name typed goes into the page's own form; an address as typed.
    p.txtImgFileName->selectAll();
    QTest::keyClicks(p.txtImgFileName, "graphics/sub/new.gif");
    QCOMPARE(s.page().Chunk(0)->Image->FileName, QString("graphics\\sub\\new.gif"));
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/sub/new.gif"));
    p.txtImgFileName->selectAll();
    QTest::keyClicks(p.txtImgFileName, "http://pictures.example/a.gif");
    QCOMPARE(s.page().Chunk(0)->Image->FileName, QString("http://pictures.example/a.gif"));
}

void TestPanels::decorationNeedsNoWords() {
    TPropertyPanels& p = s.panels();
    s.load(bkImage);
    s.load(bkImage);
    s.page().Chunk(0)->Image->AltText = QStringLiteral("Gold border");
    s.page().Chunk(1)->Image->Decoration = true;
    select(0);
    QVERIFY(!p.chkImgDecoration->isChecked() && p.txtImgDesc->isEnabled() && !p.lblImgAltWarn->isVisible());
    // Marked: no words needed, none asked for; the words typed stay.
    p.chkImgDecoration->click();
    const TBlockImage& image = *s.page().Chunk(0)->Image;
    QVERIFY(image.Decoration && s.page().PageChanged);
    QCOMPARE(image.AltText, QString("Gold border"));
    QVERIFY(!p.txtImgDesc->isEnabled());
    p.txtImgDesc->clear();
    QVERIFY(!p.lblImgAltWarn->isVisible());
    // Each picture shows its own mark; unmarked, the words are asked for.
    select(1);
    QVERIFY(p.chkImgDecoration->isChecked() && !p.lblImgAltWarn->isVisible());
    p.chkImgDecoration->click();
    QVERIFY(!s.page().Chunk(1)->Image->Decoration && p.lblImgAltWarn->isVisible() && p.txtImgDesc->isEnabled());
    select(0);
    QVERIFY(p.chkImgDecoration->isChecked());
}

void TestPanels::picturesMadeWebSized() {
    TPropertyPanels& p = s.panels();
    auto* dialogs = static_cast<TScriptedDialogs*>(&Dialogs());
    QTemporaryDir camera;
    const QString photo = camera.filePath("Phone Photo.JPG");
    const QByteArray original = MakePhonePhoto();
    QVERIFY(WriteFileBytes(photo, original));
    s.load(bkImage);
    select(0);
    const QString graphics = JoinPath(HTMLDir(), "graphics");
    QVERIFY(p.lblImgAltWarn->isVisible());
    TTarvoReg().OpenRoot(true);  // as the splash window makes it

    // The phone photo, made web-sized: upright, 1600 pixels high, a JPEG
    // without the camera's metadata; the original untouched.
    dialogs->fileNames << photo;
    dialogs->runs << AnswerWebSize("btnWebSized");
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/phonephoto.jpg"));
    QCOMPARE(p.txtImgWidth->text(), QString("1200"));
    QCOMPARE(p.txtImgHeight->text(), QString("1600"));
    const QString webCopy = JoinPath(graphics, "phonephoto.jpg");
    const QByteArray web = ReadFileBytes(webCopy);
    QVERIFY2(web.size() * 10 < original.size(), qPrintable(QString::number(web.size())));
    QVERIFY(!web.contains("Exif") && !web.contains("SN-77001234"));
    const QImage upright(webCopy);
    QCOMPARE(upright.size(), QSize(1200, 1600));
    QVERIFY(RedAt(upright, 600, 40) && !RedAt(upright, 600, 1560) && !RedAt(upright, 40, 800));
    QCOMPARE(ReadFileBytes(photo), original);
    QVERIFY(p.lblImgInfo->text().startsWith(QString::fromUtf8("1200 \u00D7 1600 pixels, ")));
    QVERIFY(p.lblImgInfo->text().endsWith(" (web-sized from " + DescribeBytes(original.size()) + ")"));
    p.txtImgDesc->setText("Our garden");
    QVERIFY(!p.lblImgAltWarn->isVisible());

    // A drawing with see-through parts stays a PNG with them; this time
    // the answer holds for every picture.
    QImage drawing(2400, 1200, QImage::Format_ARGB32);
    drawing.fill(Qt::transparent);
    QPainter(&drawing).fillRect(0, 0, 1200, 1200, QColor(0, 0, 255));
    QVERIFY(drawing.save(camera.filePath("logo.png")));
    dialogs->fileNames << camera.filePath("logo.png");
    dialogs->runs << AnswerWebSize("btnWebSized", true);
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/logo.png"));
    const QImage logo(JoinPath(graphics, "logo.png"));
    QCOMPARE(logo.size(), QSize(1600, 800));
    QCOMPARE(logo.pixelColor(400, 400), QColor(0, 0, 255));
    QCOMPARE(logo.pixelColor(1200, 400).alpha(), 0);

    // Not asked again: a small GIF goes as it is, a BMP becomes a PNG.
    QVERIFY(WriteFileBytes(camera.filePath("dot.gif"), MakeGif(12, 9)));
    QImage bmp(300, 200, QImage::Format_RGB32);
    bmp.fill(QColor(255, 200, 0));
    QVERIFY(bmp.save(camera.filePath("Sun.bmp")));
    dialogs->fileNames << camera.filePath("dot.gif") << camera.filePath("Sun.bmp");
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(ReadFileBytes(JoinPath(graphics, "dot.gif")), MakeGif(12, 9));
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/sun.png"));
    QCOMPARE(QImage(JoinPath(graphics, "sun.png")).pixelColor(150, 100), QColor(255, 200, 0));

    // Keeping originals from now on: the photo's bytes go beside the web
    // copy under a name of their own, and the viewer shows them upright;
    // chosen again, the same bytes are reused.
    WriteSetting(QString::fromLatin1(SettingKeys::General), QString::fromLatin1(SettingKeys::WebSizedPictures), "No");
    dialogs->fileNames << photo << photo;
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/phonephoto-2.jpg"));
    QCOMPARE(ReadFileBytes(JoinPath(graphics, "phonephoto-2.jpg")), original);
    QCOMPARE(ReadFileBytes(webCopy), web);
    const QImage shown = LoadImage(JoinPath(graphics, "phonephoto-2.jpg"));
    QCOMPARE(shown.size(), QSize(3000, 4000));
    QVERIFY(RedAt(shown, 1500, 100) && !RedAt(shown, 1500, 3900));
    QCOMPARE(p.txtImgWidth->text(), QString("3000"));
    QTest::mouseClick(p.spdImgFile, Qt::LeftButton);
    QCOMPARE(p.txtImgFileName->text(), QString("graphics/phonephoto-2.jpg"));
    QCOMPARE(QDir(graphics).entryList({"phonephoto*"}).size(), 2);
    QCOMPARE(dialogs->runs.size(), 0);
    QCOMPARE(dialogs->unexpected, 0);
}

void TestPanels::rightReleaseAsksForHelp() {
    TPropertyPanels& p = s.panels();
    auto rightClick = [this](const char* name, QPoint at = QPoint(3, 3)) {
        auto* widget = s.w->findChild<QFrame*>(QStringLiteral("pnlBuild"))->findChild<QWidget*>(name);
        QVERIFY2(widget, name);
        QTest::mouseClick(widget, Qt::RightButton, Qt::NoModifier, at);
    };
    const QList<QPair<int, QList<QPair<const char*, int>>>> cases = {
        {bkPara, {{"lblParaPara", 50}, {"spdParaLeft", 92}, {"spdParaRight", 93}, {"spdParaCenter", 94},
                  {"spdParaReturn", 95}, {"Label2", 12}, {"pnlPara", 12}}},
        {bkLink, {{"lblLinkURL", 53}, {"lblLinkPost", 55}}},
        {bkHeading, {{"imgHeadingT", 15}, {"lblHeadSize", 44}}},
        {bkEmail, {{"txtEmail", 62}, {"txtEmailPost", 64}, {"lblEmailPre", 61}}},
        {bkLine, {{"pnlLine", 17}, {"lblLineWidth", 47}}},
    };
    for (const auto& [kind, controls] : cases) {
        p.ShowPanel(kind);
        for (const auto& [name, context] : controls) {
            s.w->Help()->AskWhatsThis(nullptr, 0);
            rightClick(name);
            QCOMPARE(s.w->Help()->WhatsThisContext(), context);
        }
    }
    // The other edits keep their own right-click behaviour.
    p.ShowPanel(bkLink);
    s.w->Help()->AskWhatsThis(nullptr, 0);
    rightClick("txtLinkURL");
    QCOMPARE(s.w->Help()->WhatsThisContext(), 0);
}

int main(int argc, char** argv) {
    TTarvoApplication app(argc, argv);
    TestPanels t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_panels.moc"
