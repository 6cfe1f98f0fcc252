#include "docs/PageCheckup.h"

#include "app/AppPaths.h"
#include "app/Utils.h"
#include "docs/PageFile.h"
#include "model/WebBlocks.h"
#include "styles/StyleList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTextStream>

#include <cmath>

namespace {


double Channel(quint32 value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(quint32 bgr) {
    return 0.2126 * Channel(bgr & 0xFF) + 0.7152 * Channel((bgr >> 8) & 0xFF) + 0.0722 * Channel((bgr >> 16) & 0xFF);
}

// What the checkup learns of one picture file, read once per file.
struct TPictureFacts {
    bool exists = false;
    QSize size;
    qint64 bytes = 0;
};

class TChecker {
public:
    TChecker(const TPage& page, const QString& pageFile) : page_(page), pageFile_(pageFile) {}

    QList<TCheckFinding> Findings;

    void Add(int block, const QString& text) { Findings.append({block, text}); }
    const TPictureFacts& Picture(const QString& reference);
    void CheckColours(const TStyleChunk* style);
    void CheckHead();
    void CheckBlocks();
    void CheckWeight();

private:
    void CheckImage(int index, const TBlockImage& b);
    void CheckLink(int index, const TBlockLink& b);
    void CheckHeading(int index, const TBlockHeading& b);

    const TPage& page_;
    QString pageFile_;
    QHash<QString, TPictureFacts> pictures_;
    QSet<QString> counted_;
    qint64 weight_ = 0;
    int lastHeading_ = 0;
};

const TPictureFacts& TChecker::Picture(const QString& reference) {
    auto it = pictures_.find(reference);
    if (it != pictures_.end()) return *it;
    TPictureFacts facts;
    const TResolvedReference r = ResolveReference(pageFile_, ReferenceForFile(reference));
    const QFileInfo info(r.Local);
    if (!r.Refused() && info.isFile()) {
        facts.exists = true;
        facts.bytes = info.size();
        facts.size = QImageReader(r.Local).size();
        // A picture shown many times is loaded once.
        if (!counted_.contains(r.Local)) {
            counted_.insert(r.Local);
            weight_ += facts.bytes;
        }
    }
    return *pictures_.insert(reference, facts);
}

void TChecker::CheckColours(const TStyleChunk* style) {
    if (!style) return;  // the browser's own black on white
    quint32 back = style->BackColor;
    if (!style->BackImage.isEmpty()) {
        const TResolvedReference r = ResolveReference(pageFile_, ReferenceForFile(style->BackImage));
        quint32 average = 0;
        if (!r.Refused() && AverageColour(r.Local, average)) back = average;
    }
    const double text = ContrastRatio(style->TextColor, back);
    if (text < kMinContrast)
        Add(-1, QCoreApplication::translate("PageCheckup", "The text colour is hard to read on the background (contrast %1:1, at least 4.5:1 is needed).")
                    .arg(text, 0, 'f', 1));
    const double link = ContrastRatio(style->LinkColor, back);
    if (link < kMinContrast)
        Add(-1, QCoreApplication::translate("PageCheckup", "The link colour is hard to read on the background (contrast %1:1, at least 4.5:1 is needed).")
                    .arg(link, 0, 'f', 1));
}

void TChecker::CheckHead() {
    if (!page_.HasOwnTitle()) Add(-1, QCoreApplication::translate("PageCheckup", "The page has no title: give it one in the View stage."));
    if (!page_.Description.trimmed().isEmpty()) return;
    // Without a description the first sentence of the first paragraph
    // stands in for it.
    for (const auto& chunk : page_.WebChunks)
        if (chunk->Kind == bkPara && chunk->Para && !chunk->Para->Paragraph.trimmed().isEmpty()) return;
    Add(-1, QCoreApplication::translate("PageCheckup", "The page has no description for search engines and link previews."));
}

void TChecker::CheckImage(int index, const TBlockImage& b) {
    if (b.FileName.trimmed().isEmpty()) return;
    const QString name = QFileInfo(QString(b.FileName).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    if (!b.Decoration && b.AltText.trimmed().isEmpty())
        Add(index, QCoreApplication::translate("PageCheckup", "The picture \"%1\" has no words for visitors who cannot see it.").arg(name));
    const TPictureFacts& facts = Picture(b.FileName);
    if (!facts.exists || !facts.size.isValid()) return;
    bool okW = false, okH = false;
    const int shownW = b.ImgWidth.trimmed().toInt(&okW), shownH = b.ImgHeight.trimmed().toInt(&okH);
    // Twice the shown size is kept for sharp screens; more only weighs.
    const bool wide = okW && shownW > 0 && facts.size.width() > 2 * shownW;
    const bool tall = okH && shownH > 0 && facts.size.height() > 2 * shownH;
    if (wide || tall)
        Add(index, QCoreApplication::translate("PageCheckup", "The picture \"%1\" is %2 × %3 pixels but shown much smaller: a smaller copy loads faster.")
                       .arg(name)
                       .arg(facts.size.width())
                       .arg(facts.size.height()));
}

bool IsClickHere(const QString& words) {
    QString w = words.trimmed().toLower();
    while (!w.isEmpty() && w.back().isPunct()) w.chop(1);
    return w == QLatin1String("click here") || w == QLatin1String("here") || w == QLatin1String("click");
}

// A link to another file of the site: no scheme, not a place on the page.
bool IsLocalLink(const QString& url) {
    const QString u = url.trimmed();
    if (u.isEmpty() || u.startsWith(QLatin1Char('#')) || u == QLatin1String("http://")) return false;
    const qsizetype colon = u.indexOf(QLatin1Char(':'));
    const qsizetype slash = u.indexOf(QLatin1Char('/'));
    return colon < 0 || (slash >= 0 && slash < colon);
}

void TChecker::CheckLink(int index, const TBlockLink& b) {
    const QString words = b.LinkText.trimmed();
    if (words.isEmpty())
        Add(index, QCoreApplication::translate("PageCheckup", "A link has no words: visitors cannot tell where it goes."));
    else if (IsClickHere(words))
        Add(index, QCoreApplication::translate("PageCheckup", "The link \"%1\" does not say where it goes: use words that name its page.").arg(words));
    if (!IsLocalLink(b.URL)) return;
    QString target = b.URL.trimmed();
    target = target.left(target.indexOf(QLatin1Char('#')) < 0 ? target.size() : target.indexOf(QLatin1Char('#')));
    target = target.left(target.indexOf(QLatin1Char('?')) < 0 ? target.size() : target.indexOf(QLatin1Char('?')));
    if (target.isEmpty()) return;
    const TResolvedReference r = ResolveReference(pageFile_, target);
    if (r.Refused() || !QFileInfo::exists(r.Local))
        Add(index, QCoreApplication::translate("PageCheckup", "The link to \"%1\" leads to a page that does not exist.").arg(target));
}

void TChecker::CheckHeading(int index, const TBlockHeading& b) {
    const int level = b.HeadSize.isEmpty() ? 1 : b.HeadSize.front().digitValue();
    if (level < 1 || level > 6) return;
    if (lastHeading_ > 0 && level > lastHeading_ + 1)
        Add(index, QCoreApplication::translate("PageCheckup", "This heading of size %1 follows one of size %2 and skips a level.").arg(level).arg(lastHeading_));
    lastHeading_ = level;
}

void TChecker::CheckBlocks() {
    for (int i = 0; i < page_.Count(); ++i) {
        const TWebChunk& c = *page_.WebChunks[size_t(i)];
        weight_ += c.HTML.size();
        if (c.Kind == bkImage && c.Image) CheckImage(i, *c.Image);
        if (c.Kind == bkLink && c.Link) CheckLink(i, *c.Link);
        if (c.Kind == bkHeading && c.Heading) CheckHeading(i, *c.Heading);
        if (c.Kind == bkEmail && c.Email && c.Email->LinkText.trimmed().isEmpty() && c.Email->Address.trimmed().isEmpty())
            Add(i, QCoreApplication::translate("PageCheckup", "A link has no words: visitors cannot tell where it goes."));
    }
}

void TChecker::CheckWeight() {
    if (weight_ <= kHeavyPageBytes) return;
    Add(-1, QCoreApplication::translate("PageCheckup", "The page weighs %1 MB with its pictures: over 2 MB it loads slowly on phones.")
                .arg(double(weight_) / (1024.0 * 1024.0), 0, 'f', 1));
}

}  // namespace

double ContrastRatio(quint32 a, quint32 b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool AverageColour(const QString& file, quint32& colour) {
    QImageReader reader(file);
    const QSize size = reader.size();
    // A small copy is enough for the average and keeps a large picture fast.
    if (size.isValid() && (size.width() > 64 || size.height() > 64)) reader.setScaledSize(size.scaled(64, 64, Qt::KeepAspectRatio));
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return false;
    quint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            r += qRed(line[x]);
            g += qGreen(line[x]);
            b += qBlue(line[x]);
        }
    }
    const quint64 n = quint64(image.width()) * quint64(image.height());
    colour = quint32(r / n) | (quint32(g / n) << 8) | (quint32(b / n) << 16);
    return true;
}

QList<TCheckFinding> CheckPage(const TPage& page, const TStyleChunk* style, const QString& pageFile) {
    TChecker checker(page, pageFile);
    checker.CheckHead();
    checker.CheckColours(style);
    checker.CheckBlocks();
    checker.CheckWeight();
    return checker.Findings;
}

QString CheckedPageFile(const QString& document) {
    return JoinPath(HTMLDir(), StripExtension(QFileInfo(document).fileName()) + QStringLiteral(".html"));
}

QList<TCheckFinding> CheckDocument(const QString& document, TPageReadOutcome& read) {
    TPage page;
    read = ReadPageFile(document, page);
    if (read.Result == TPageReadResult::Unreadable || read.Result == TPageReadResult::NotAPage) return {};
    TStyleList styles;
    LoadStyleList(StylesDataPath(), styles);
    const TStyleChunk* style =
        read.HasStyleName ? StyleForListBoxIndex(styles, StyleListBoxIndex(styles, read.StyleName)) : nullptr;
    return CheckPage(page, style, CheckedPageFile(document));
}

int RunCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 2 || args[0] != QLatin1String("--check") || args[1].isEmpty() || args[1].startsWith(QLatin1Char('-'))) {
        err << "usage: tarvo --check DOCUMENT" << Qt::endl;
        return 1;
    }
    TPageReadOutcome read;
    const QList<TCheckFinding> findings = CheckDocument(args[1], read);
    if (read.Result == TPageReadResult::Unreadable || read.Result == TPageReadResult::NotAPage) {
        err << "tarvo: " << read.Message << Qt::endl;
        return 2;
    }
    for (const TCheckFinding& f : findings) {
        if (f.Block >= 0) out << QCoreApplication::translate("PageCheckup", "Block %1: ").arg(f.Block + 1);
        out << f.Text << Qt::endl;
    }
    return findings.isEmpty() ? 0 : 10;
}
