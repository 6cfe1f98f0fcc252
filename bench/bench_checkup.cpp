// Times the checkup on a page of 1,000 blocks of every kind: pictures (20
// files, each shown many times, half without words), links to local pages
// (some missing), headings and paragraphs, with a style whose background
// is a picture. Prints the median, the fastest and the slowest of 30 runs;
// the goal is under 50 ms.

#include "docs/PageCheckup.h"
#include "model/WebBlocks.h"
#include "styles/StyleList.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kBlocks = 1000;
constexpr int kRuns = 30;

void MakePage(TPage& page, const QTemporaryDir& dir) {
    QDir().mkpath(dir.filePath("graphics"));
    for (int i = 0; i < 20; ++i) {
        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(QColor(i * 10, 100, 200));
        image.save(dir.filePath(QStringLiteral("graphics/p%1.jpg").arg(i)));
    }
    QImage back(640, 480, QImage::Format_RGB32);
    back.fill(QColor(240, 240, 220));
    back.save(dir.filePath("back.jpg"));
    for (int i = 0; i < 10; ++i) {
        QFile f(dir.filePath(QStringLiteral("page%1.html").arg(i)));
        f.open(QIODevice::WriteOnly);
    }
    for (int i = 0; i < kBlocks; ++i) {
        auto c = NewChunkForKind(i % kBlockKindCount);
        if (c->Image) {
            c->Image->FileName = QStringLiteral("graphics\\p%1.jpg").arg(i % 20);
            c->Image->ImgWidth = QStringLiteral("200");
            if (i % 2) c->Image->AltText = QStringLiteral("A picture");
        }
        if (c->Link) {
            c->Link->URL = QStringLiteral("page%1.html").arg(i % 15);
            c->Link->LinkText = i % 3 ? QStringLiteral("Our club") : QStringLiteral("click here");
        }
        if (c->Para) c->Para->Paragraph = QStringLiteral("Some words of a paragraph.");
        if (c->Heading) c->Heading->HeadText = QStringLiteral("A heading");
        page.InsertChunk(i, std::move(c));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    TPage page;
    MakePage(page, dir);
    const TStyleChunk style{"Paper", "back.jpg", 0xFFFFFF, 0x000000, 0xCC0000, 0xFF, 0x800080};
    const QString pageFile = dir.filePath("page.html");
    std::vector<double> ms;
    qsizetype findings = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer t;
        t.start();
        findings = CheckPage(page, &style, pageFile).size();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("checkup of %d blocks: median %.2f ms, fastest %.2f ms, slowest %.2f ms over %d runs (%lld findings)\n",
                kBlocks, ms[ms.size() / 2], ms.front(), ms.back(), kRuns, static_cast<long long>(findings));
    return 0;
}
