#include "viewer/ViewerCommand.h"

#include "viewer/HtmlDocument.h"
#include "viewer/HtmlViewer.h"
#include "viewer/ImageCache.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
// A picture taller than this is cut there: beyond it the memory for one
// image would grow without bound with the document. With the pictures a
// page may hold decoded beside it, it keeps one render within a few
// hundred megabytes.
constexpr qint64 kMaxRenderPixels = 50'000'000;
constexpr int kMinWidth = 40, kMaxWidth = 10000;  // px

// The host of `doc` while it is alive: pictures from the files beside it,
// and the first message of a section dropped from layout or of pictures
// left out for their memory.
class PictureSource final : public THtmlDocumentHost {
public:
    explicit PictureSource(THtmlDocument& d) : doc(d) {
        doc.list().ShowImages = true;
        doc.list().setHost(*this);
    }
    ~PictureSource() { doc.list().setHost(THtmlDocumentHost::Quiet()); }
    QImage get(const QString& src, bool transp) {
        int t = transp ? TrBottomLeft : TrNone;
        QImage image = cache.GetTheBitmap(src, t, TGetBitmapFn(), [this](const QString& n) {
            return ExpandHtmlFilename(n, doc.base(), doc.baseFolder());
        });
        if (cache.TakeBudgetNote())
            SectionDropped(TStringBitmapList::BudgetMessage());
        return image;
    }
    const QString& firstDropped() const { return dropped; }

    QImage PictureFor(const QString& source, bool transparent) override { return get(source, transparent); }
    void SectionDropped(const QString& message) override {
        if (dropped.isEmpty())
            dropped = message;  // one line however many sections dropped
    }
    void BackgroundChanged(const QColor&) override {}
    void FormSubmitted(const QString&, const QString&, const QStringList&) override {}

private:
    TStringBitmapList cache;
    THtmlDocument& doc;
    QString dropped;
};

void paintBackground(QPainter& p, const QRect& r, const QColor& color, const QImage& tile) {
    p.fillRect(r, color);  // under see-through pixels of the picture
    if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0)
        return;
    for (int y = 0; y < r.bottom() + 1; y += tile.height())
        for (int x = 0; x < r.right() + 1; x += tile.width())
            p.drawImage(x, y, tile);
}

QImage renderWith(THtmlDocument& doc, PictureSource& pictures, int width, int height) {
    width = std::clamp(width, kMinWidth, kMaxWidth);
    doc.layout(width - 20);
    if (height <= 0)
        height = std::max(1, doc.documentHeight());
    height = int(std::min<qint64>(height, kMaxRenderPixels / width));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    QImage tile;
    if (!doc.list().BackgroundImageName.isEmpty())
        tile = pictures.get(doc.list().BackgroundImageName, false);
    QPainter p(&image);
    paintBackground(p, image.rect(), doc.list().Background, tile);
    doc.list().SetYOffset(0);
    doc.draw(p, QRect(10, 0, width - 10, height), QPoint(10, 0));
    return image;
}

// Writes `text` as UTF-8 a slice at a time, so that the page's text is not
// held a second time whole; a slice never ends inside a surrogate pair.
void writeUtf8(QIODevice& out, const QString& text) {
    constexpr qsizetype kSlice = 1 << 16;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype n = std::min(kSlice, text.size() - i);
        if (i + n < text.size() && text.at(i + n - 1).isHighSurrogate())
            --n;
        out.write(QStringView(text).mid(i, n).toUtf8());
        i += n;
    }
}

QImage renderSized(THtmlDocument& doc, QSize size) {
    PictureSource pictures(doc);
    return renderWith(doc, pictures, size.width(), std::max(1, size.height()));
}
}  // namespace

QImage RenderHtmlDocument(THtmlDocument& doc, int width, int height) {
    PictureSource pictures(doc);
    return renderWith(doc, pictures, width, height);
}

QImage RenderHtmlFile(const QString& fileName, QSize size, QString* error) {
    THtmlDocument doc;
    const QString e = doc.parseFile(fileName);
    if (error)
        *error = e;
    return renderSized(doc, size);
}

QImage RenderHtmlLines(const QStringList& lines, const QString& folder, QSize size, QString* error) {
    THtmlDocument doc;
    QString dir = folder;
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    const QString e = doc.parseLines(lines, dir);
    if (error)
        *error = e;
    return renderSized(doc, size);
}

namespace {

struct TViewerArgs {
    bool render = false;
    QString file, png;
    int width = 600;
};

// Reads the command's arguments; 0 when they are right, else the exit
// status (told on `err`).
int ReadViewerArgs(const QStringList& args, TViewerArgs& parsed, QTextStream& err) {
    const bool render = args.value(0) == QLatin1String("--render");
    QString file, png;
    int width = 600;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--width") && i + 1 < args.size()) {
            bool ok = false;
            width = args[++i].toInt(&ok);
            if (!ok || width < kMinWidth || width > kMaxWidth) {
                err << "tarvo: --width wants a number from " << kMinWidth << " to " << kMaxWidth
                    << "\n";
                return 1;
            }
        } else if (a == QLatin1String("-o") && i + 1 < args.size()) {
            png = args[++i];
        } else if (file.isEmpty() && !a.startsWith(QLatin1Char('-'))) {
            file = a;
        } else {
            file.clear();
            break;
        }
    }
    if (file.isEmpty() || (render && png.isEmpty())) {
        err << (render ? "usage: tarvo --render HTMLFILE -o PNG [--width N]\n"
                       : "usage: tarvo --text HTMLFILE [--width N]\n");
        return 1;
    }
    parsed = {render, file, png, width};
    return 0;
}

}  // namespace

int RunViewerCommand(const QStringList& args, QIODevice& out, QTextStream& err, TDocumentEnd end) {
    TViewerArgs parsed;
    if (const int wrong = ReadViewerArgs(args, parsed, err)) return wrong;
    const auto& [render, file, png, width] = parsed;
    QFile in(file);
    if (!QFileInfo(file).isFile() || !in.open(QIODevice::ReadOnly)) {
        err << "tarvo: Can't locate file: " << file << "\n";
        return 2;
    }
    in.close();

    auto owned = std::make_unique<THtmlDocument>();
    THtmlDocument& doc = *owned;
    // Left to the end of the process: freeing it section by section would
    // only cost time.
    struct TLeave {
        std::unique_ptr<THtmlDocument>& doc;
        bool leave;
        ~TLeave() {
            if (leave) (void)doc.release();
        }
    } leave{owned, end == TDocumentEnd::WithProcess};
    const QString parseError = doc.parseFile(file);
    PictureSource host(doc);
    doc.list().ShowImages = render;
    int status = 0;
    if (render) {
        PictureSource& pictures = host;
        const QImage image = renderWith(doc, pictures, width, 0);
        if (image.height() < doc.documentHeight())
            err << "tarvo: the picture is cut at " << image.height() << " of "
                << doc.documentHeight() << " pixels\n";
        QImageWriter writer(png, "png");
        if (image.isNull() || !writer.write(image)) {
            err << "tarvo: cannot write " << png << ": " << writer.errorString() << "\n";
            return 3;
        }
    } else {
        doc.layout(width - 20);
        doc.selectAll();
        writeUtf8(out, doc.copyText());
    }
    if (!host.firstDropped().isEmpty())
        err << "tarvo: " << host.firstDropped() << "\n";
    if (!parseError.isEmpty()) {
        err << "tarvo: " << parseError << "\n";
        status = 4;
    }
    err.flush();
    return status;
}

void QuietCommandMessages(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tarvo: %s\n", qPrintable(msg));
        std::abort();
    }
}

void RunTextProcess(int argc, char** argv) {
    // No window is opened, so no display is needed either.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietCommandMessages);
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QFile out;
    int rc = 2;
    if (out.open(stdout, QIODevice::WriteOnly)) {
        rc = RunViewerCommand(app.arguments().mid(1), out, err, TDocumentEnd::WithProcess);
        out.flush();
        out.close();
    }
    err.flush();
    // Qt's font and platform state would only be freed piece by piece
    // before the process ends: leave at once instead.
    std::fflush(nullptr);
    std::_Exit(rc);
}
