// mktemplates PROGRAM_FOLDER SOURCE_FOLDER
//
// Makes what ships beside the program: the pictures of HTMLFiles/graphics
// and HTMLFiles/backgrnd, Styles.data from SOURCE_FOLDER/styles.txt, and one
// template (NAME.tvt with its snapshot NAME.tvt.bmp) in PROGRAM_FOLDER/template
// for every SOURCE_FOLDER/pages/NAME.txt. The files are written with the
// program's own writers, so they always match what the program reads.

#include "PageSource.h"
#include "Pictures.h"

#include "app/Utils.h"
#include "docs/PageFile.h"
#include "html/BodyStyle.h"
#include "html/PageGenerator.h"
#include "viewer/HtmlDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

namespace {

QTextStream& Err() {
    static QTextStream err(stderr);
    return err;
}

// Pictures from the HTML folder, by their names in the page.
class TFolderPictures final : public THtmlDocumentHost {
public:
    explicit TFolderPictures(const QString& htmlDir) : htmlDir_(htmlDir) {}
    QImage PictureFor(const QString& source, bool) override {
        return QImage(QDir(htmlDir_).filePath(QString(source).replace(QLatin1Char('\\'), QLatin1Char('/'))));
    }
    void SectionDropped(const QString&) override {}
    void BackgroundChanged(const QColor&) override {}
    void FormSubmitted(const QString&, const QString&, const QStringList&) override {}

private:
    QString htmlDir_;
};

// The page as a browser would show its top, at twice the snapshot's size:
// the style's background colour and tiled picture, then the viewer's
// drawing of the page with its images.
QImage RenderPage(TPage& page, const TStyleChunk* style, const QString& htmlDir) {
    const QString html = AddBodyDef(BuildPageHTML(page, true), style);
    THtmlDocument doc;
    TFolderPictures pictures(htmlDir);
    doc.list().ShowImages = true;
    doc.list().setHost(pictures);
    doc.parse(html, htmlDir + QLatin1Char('/'));
    const int width = kSnapshotWidth * 2;
    const int height = kSnapshotHeight * 2;
    doc.layout(width);
    QImage img(width, height, QImage::Format_RGB32);
    const quint32 back = style ? style->BackColor : 0x00FFFFFF;
    img.fill(QColor(back & 0xFF, (back >> 8) & 0xFF, (back >> 16) & 0xFF));
    QPainter p(&img);
    if (style && !style->BackImage.isEmpty()) {
        const QImage tile(QDir(htmlDir).filePath(QString(style->BackImage).replace(QLatin1Char('\\'), QLatin1Char('/'))));
        if (!tile.isNull()) p.fillRect(img.rect(), QBrush(tile));
    }
    doc.draw(p, img.rect());
    return img;
}

const TStyleChunk* FindStyle(const TStyleList& styles, const QString& name) {
    for (const auto& s : styles)
        if (s->StyleName.compare(name, Qt::CaseInsensitive) == 0) return s.get();
    return nullptr;
}

// Every image a page shows must ship in the HTML folder.
bool CheckImages(const TPage& page, const QString& htmlDir, const QString& source) {
    for (const auto& chunk : page.WebChunks) {
        if (chunk->Kind != bkImage) continue;
        const QString file = QDir(htmlDir).filePath(QString(chunk->Image->FileName).replace(QLatin1Char('\\'), QLatin1Char('/')));
        if (!QFileInfo::exists(file)) {
            Err() << source << ": the image " << chunk->Image->FileName << " does not ship\n";
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        Err() << "usage: mktemplates PROGRAM_FOLDER SOURCE_FOLDER\n";
        return 2;
    }
    const QDir out(args[1]);
    const QDir source(args[2]);
    const QString htmlDir = out.filePath(QStringLiteral("HTMLFiles"));
    for (const char* sub : {"HTMLFiles/graphics", "HTMLFiles/backgrnd", "template"})
        if (!out.mkpath(QLatin1String(sub))) {
            Err() << "mktemplates: cannot create " << out.filePath(QLatin1String(sub)) << "\n";
            return 1;
        }

    for (const TShippedPicture& picture : ShippedPictures())
        if (!WritePicture(picture.draw(), QDir(htmlDir).filePath(picture.file))) {
            Err() << "mktemplates: cannot write " << picture.file << "\n";
            return 1;
        }

    TStyleList styles;
    QString error;
    if (!ReadStyleSource(source.filePath(QStringLiteral("styles.txt")), styles, error)) {
        Err() << error << "\n";
        return 1;
    }
    for (const auto& s : styles)
        if (!s->BackImage.isEmpty() &&
            !QFileInfo::exists(QDir(htmlDir).filePath(QString(s->BackImage).replace(QLatin1Char('\\'), QLatin1Char('/'))))) {
            Err() << "mktemplates: the background " << s->BackImage << " of " << s->StyleName << " does not ship\n";
            return 1;
        }
    if (!WriteStylesToFile(out.filePath(QStringLiteral("Styles.data")), styles, &error)) {
        Err() << "mktemplates: " << error << "\n";
        return 1;
    }

    const QFileInfoList pages =
        QDir(source.filePath(QStringLiteral("pages"))).entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : pages) {
        TPage page;
        QString style;
        if (!ReadPageSource(file.filePath(), page, style, error)) {
            Err() << error << "\n";
            return 1;
        }
        const TStyleChunk* chunk = FindStyle(styles, style);
        if (!chunk) {
            Err() << file.filePath() << ": the style " << style << " is not in styles.txt\n";
            return 1;
        }
        if (!CheckImages(page, htmlDir, file.filePath())) return 1;
        const QImage snapshot = CapturePageSnapshot(page, RenderPage(page, chunk, htmlDir));
        const QString target = out.filePath(QStringLiteral("template/") + file.completeBaseName() + QStringLiteral(".tvt"));
        if (!WritePageFile(QDir::toNativeSeparators(target), page, chunk->StyleName, snapshot, &error)) {
            Err() << "mktemplates: " << error << "\n";
            return 1;
        }
    }
    return 0;
}
