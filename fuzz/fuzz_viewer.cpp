// libFuzzer target: any bytes go through parse, layout, drawing, hit tests,
// anchors and copying. Nothing may crash, read freed memory, hang or grow
// without bound (fuzz/run.sh sets the time limit per input).
#include "viewer/HtmlDocument.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

// Widgets, so that form controls are rendered as in the program.
static QApplication* app = nullptr;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    app = new QApplication(*argc, *argv);
    return 0;
}

namespace {
// Some sources "exist" so both picture paths are taken.
class TSomePictures final : public THtmlDocumentHost {
public:
    QImage PictureFor(const QString& src, bool) override {
        return src.size() % 2 ? QImage(7, 5, QImage::Format_RGB32) : QImage();
    }
    void SectionDropped(const QString&) override {}
    void BackgroundChanged(const QColor&) override {}
    void FormSubmitted(const QString&, const QString&, const QStringList&) override {}
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    THtmlDocument doc;
    TSomePictures pictures;
    doc.list().ShowImages = true;
    doc.list().setHost(pictures);
    doc.parse(DecodeWindows1252(bytes));
    const int width = size > 0 ? 20 + data[0] * 3 : 300;
    doc.layout(width);
    QImage img(320, 240, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        doc.draw(p, img.rect(), QPoint(10, 0));
        doc.list().YOff = doc.documentHeight() / 2;
        doc.selectAll();
        doc.draw(p, QRect(0, 0, 320, 120), QPoint(10, 0));
    }
    for (int y = -5; y < doc.documentHeight() + 10; y += 37) {
        doc.urlAt(y % width, y);
        int x = 0, yy = 0;
        const int c = doc.cursorAt(y % width, y);
        doc.cursorToXY(c, x, yy);
    }
    // Every anchor still points at a live section (a click on "#name"
    // scrolls to it).
    volatile int anchorY = 0;
    for (const TSectionBase* s : doc.list().NameList)
        anchorY = anchorY + s->YValue;
    doc.findString(0, QStringLiteral("a"), false);
    doc.setSelection(doc.textLength() / 3, doc.textLength());
    volatile qsizetype n = doc.copyText().size();
    (void)n;
    doc.layout(width / 2 + 1);  // a second layout of the same sections
    return 0;
}
