// A generated page that fits phone screens, opened in headless Chromium
// emulating a phone (390 x 844 CSS pixels, device scale 3): laid out at the
// screen's width with text at its normal size, nothing to scroll sideways,
// a wide picture scaled down with its proportions. The browser is driven by
// tests/preview/phone_browser.py over its DevTools pipe. The same browser
// as a desktop window: a scaled photo keeps its proportions, and the
// readable layout sets a column of reading width.

#include "TestSupport.h"
#include "app/Utils.h"
#include "html/PageEncoding.h"
#include "html/PageGenerator.h"
#include "model/WebBlocks.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A block with its record only: the generator needs nothing more.
std::unique_ptr<TWebChunk> Chunk(int kind) {
    auto c = std::make_unique<TWebChunk>();
    c->Kind = kind;
    c->AllocateRecord();
    return c;
}

}  // namespace

class TestPhoneBrowser : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pageFitsAPhoneScreen();
    void photoKeepsItsProportionsOnADesktop();

private:
    // The measurements of `page` (written into `dir` beside its picture).
    // With `desktopWidth` above 0, as a desktop window of that width.
    QJsonObject Measure(const QTemporaryDir& dir, const QString& name, const QString& page, int desktopWidth = 0);
    QString chromium_;
};

void TestPhoneBrowser::initTestCase() {
    chromium_ = QStandardPaths::findExecutable("chromium");
    if (chromium_.isEmpty()) QSKIP("chromium is not installed (scripts/setup-debian.sh installs it)");
}

QJsonObject TestPhoneBrowser::Measure(const QTemporaryDir& dir, const QString& name, const QString& page,
                                      int desktopWidth) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodePageHTML(page).Bytes) < 0) return {};
    file.close();
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList args = {qEnvironmentVariable("TARVO_TEST_SOURCE") + "/preview/phone_browser.py"};
    if (desktopWidth > 0) args << "--desktop" << QString::number(desktopWidth);
    args << chromium_ << file.fileName();
    // TARVO_PHONE_SHOT=FOLDER keeps the browser's pictures for looking at.
    if (!qEnvironmentVariableIsEmpty("TARVO_PHONE_SHOT"))
        args << QDir(qEnvironmentVariable("TARVO_PHONE_SHOT")).filePath(name + ".png");
    p.start("python3", args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) return {};
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

void TestPhoneBrowser::pageFitsAPhoneScreen() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("graphics"));
    QImage wide(1200, 600, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QVERIFY(wide.save(dir.filePath("graphics/wide.png")));

    TPage page;
    page.FitPhone = true;
    auto para = Chunk(bkPara);
    para->Para->Align = alLeft;
    para->Para->Paragraph = "Our club meets on Fridays; the whole programme is at "
                            "http://www.example.com/a-very-long-address-with-no-place-to-break-it-at-all.html";
    page.InsertChunk(0, std::move(para));
    auto image = Chunk(bkImage);
    image->Image->FileName = "graphics\\wide.png";
    image->Image->ImgWidth = "1200";
    image->Image->ImgHeight = "600";
    page.InsertChunk(1, std::move(image));

    const QJsonObject on = Measure(dir, "on.html", BuildPageHTML(page, false));
    QVERIFY2(!on.isEmpty(), "the browser gave no measurements");
    const double scale = on["scale"].toDouble();
    QCOMPARE(on["viewport"].toInt(), 390);
    QCOMPARE(on["document"].toInt(), 390);
    QCOMPARE(scale, 1.0);
    QVERIFY2(on["textHeight"].toDouble() * scale >= 14, qPrintable(QString::number(on["textHeight"].toDouble())));
    const QJsonArray img = on["images"].toArray().at(0).toArray();
    QVERIFY(img.at(0).toInt() <= 390 && img.at(0).toInt() >= 300);
    QCOMPARE(img.at(1).toInt(), img.at(0).toInt() / 2);

    // The same page without the phone lines, as a control that the browser
    // really lays pages out as a phone: wider than the screen, then shrunk.
    page.FitPhone = false;
    const QJsonObject off = Measure(dir, "off.html", BuildPageHTML(page, false));
    QVERIFY(off["document"].toInt() > 390);
    QVERIFY(off["scale"].toDouble() < 1.0);
}

void TestPhoneBrowser::photoKeepsItsProportionsOnADesktop() {
    // A web-sized phone photo (1200 x 1600, its size stated) in a window
    // 1000 pixels wide: scaled to the window, and to its own proportions.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("graphics"));
    QImage photo(1200, 1600, QImage::Format_RGB32);
    photo.fill(Qt::red);
    QVERIFY(photo.save(dir.filePath("graphics/photo.png")));
    TPage page;
    page.FitPhone = true;
    auto para = Chunk(bkPara);
    para->Para->Align = alLeft;
    para->Para->Paragraph = "Our choir after the concert.";
    page.InsertChunk(0, std::move(para));
    auto image = Chunk(bkImage);
    image->Image->FileName = "graphics\\photo.png";
    image->Image->ImgWidth = "1200";
    image->Image->ImgHeight = "1600";
    page.InsertChunk(1, std::move(image));
    const auto ratioOf = [](const QJsonObject& m) {
        const QJsonArray img = m["images"].toArray().at(0).toArray();
        return img.at(1).toDouble() > 0 ? img.at(0).toDouble() / img.at(1).toDouble() : 0.0;
    };

    const QJsonObject fit = Measure(dir, "fit.html", BuildPageHTML(page, false), 1000);
    QVERIFY2(!fit.isEmpty(), "the browser gave no measurements");
    QVERIFY(fit["images"].toArray().at(0).toArray().at(0).toInt() < 1000);
    QVERIFY2(qAbs(ratioOf(fit) - 0.75) < 0.01, qPrintable(QString::number(ratioOf(fit))));

    // A standards page with the readable layout: the text stands in a
    // column of reading width, centred, with the photo inside it.
    page.Language = "pl";
    page.ReadableLayout = true;
    const QJsonObject readable = Measure(dir, "readable.html", BuildPageHTML(page, false, dir.path()), 1280);
    QVERIFY2(!readable.isEmpty(), "the browser gave no measurements");
    const double column = readable["column"].toDouble();
    QVERIFY2(column >= 560 && column <= 720, qPrintable(QString::number(column)));
    QVERIFY(readable["images"].toArray().at(0).toArray().at(0).toDouble() <= column);
    QVERIFY2(qAbs(ratioOf(readable) - 0.75) < 0.01, qPrintable(QString::number(ratioOf(readable))));
}

QTEST_GUILESS_MAIN(TestPhoneBrowser)
#include "test_phonebrowser.moc"
