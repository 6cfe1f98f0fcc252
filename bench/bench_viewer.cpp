// Times Tarvo's viewer against QTextDocument on the same files, in one
// process: load (parse and lay out), a re-layout after a width change, and
// the painting of the first 600 x 400 screen. Prints medians of several
// runs, the heap each engine adds by loading, and Tarvo's figures as
// ratios of QTextDocument's; then the whole-process time of `tarvo --text`
// on the Bash manual beside `lynx -dump` of it; last, pathological pages
// (huge spans, many rows, controls, BODY tags among anchors) in a viewer
// widget beside a plain page of the same size.
//
//   bench_viewer [FILE...]       (default: the Bash manual and a 1 MB page)
//   bench_viewer --pathological  (the pathological pages alone)

#include "Html32Generator.h"
#include "viewer/Arena.h"
#include "viewer/HtmlDocument.h"
#include "viewer/HtmlViewer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <memory>
#include <vector>

namespace {
constexpr int kRuns = 7;
constexpr int kWidth = 600, kNarrow = 450, kScreenH = 400;  // px

struct Figures {
    double load = 0, relayout = 0, paint = 0;  // ms, medians
    double heapMB = 0;                         // MB added by one loaded document
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double heapBytes() {
    const struct mallinfo2 mi = mallinfo2();
    return double(mi.uordblks + mi.hblkhd);
}

double ms(const std::function<void()>& f) {
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

Figures timeTarvo(const QString& html, const QString& folder) {
    std::vector<double> load, relayout, paint;
    QImage screen(kWidth, kScreenH, QImage::Format_RGB32);
    Figures f;
    for (int i = 0; i < kRuns; ++i) {
        // The blocks the documents before kept for reuse (Arena.h) are
        // freed first, so that the figure is what one document takes.
        if (i == kRuns - 1)
            TArena::releaseKept();
        const double before = heapBytes();
        auto doc = std::make_unique<THtmlDocument>();
        load.push_back(ms([&] {
            doc->parse(html, folder);
            doc->layout(kWidth - 20);
        }));
        if (i == kRuns - 1)  // after one-time caches (fonts) are filled
            f.heapMB = (heapBytes() - before) / 1e6;
        relayout.push_back(ms([&] { doc->layout(kNarrow - 20); }));
        doc->layout(kWidth - 20);
        paint.push_back(ms([&] {
            QPainter p(&screen);
            p.fillRect(screen.rect(), doc->list().Background);
            doc->draw(p, QRect(10, 0, kWidth - 10, kScreenH), QPoint(10, 0));
        }));
    }
    f.load = median(load);
    f.relayout = median(relayout);
    f.paint = median(paint);
    return f;
}

Figures timeQt(const QString& html) {
    std::vector<double> load, relayout, paint;
    QImage screen(kWidth, kScreenH, QImage::Format_RGB32);
    Figures f;
    for (int i = 0; i < kRuns; ++i) {
        const double before = heapBytes();
        auto doc = std::make_unique<QTextDocument>();
        load.push_back(ms([&] {
            doc->setHtml(html);
            doc->setTextWidth(kWidth);
            (void)doc->documentLayout()->documentSize();
        }));
        if (i == kRuns - 1)  // after one-time caches (fonts) are filled
            f.heapMB = (heapBytes() - before) / 1e6;
        relayout.push_back(ms([&] {
            doc->setTextWidth(kNarrow);
            (void)doc->documentLayout()->documentSize();
        }));
        doc->setTextWidth(kWidth);
        (void)doc->documentLayout()->documentSize();
        paint.push_back(ms([&] {
            QPainter p(&screen);
            p.fillRect(screen.rect(), Qt::white);
            doc->drawContents(&p, QRectF(0, 0, kWidth, kScreenH));
        }));
    }
    f.load = median(load);
    f.relayout = median(relayout);
    f.paint = median(paint);
    return f;
}

void report(const QString& name, qsizetype bytes, const QString& html, const QString& folder) {
    const Figures t = timeTarvo(html, folder);
    const Figures q = timeQt(html);
    std::printf("%s (%lld bytes), medians of %d runs\n", qPrintable(name), (long long)bytes, kRuns);
    std::printf("  %-22s %10s %14s %8s\n", "", "Tarvo", "QTextDocument", "ratio");
    const auto row = [](const char* what, double a, double b, const char* unit) {
        std::printf("  %-22s %8.2f %s %11.2f %s %8.3f\n", what, a, unit, b, unit, b > 0 ? a / b : 0.0);
    };
    row("load and layout", t.load, q.load, "ms");
    row("re-layout 600->450", t.relayout, q.relayout, "ms");
    row("paint 600x400", t.paint, q.paint, "ms");
    row("heap added", t.heapMB, q.heapMB, "MB");
    std::printf("  targets: load <= 0.333, re-layout <= 0.333, paint <= 5 ms, heap <= 0.333\n\n");
}
}  // namespace

// Whole-process time (ms) of a command writing to /dev/null; -1 when it
// failed.
double processMs(const QString& program, const QStringList& args) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    return double(t.nsecsElapsed()) / 1e6;
}

// `tarvo --text` of a page beside `lynx -dump` of it, whole processes, in
// pairs one after the other, so that the machine's swings in speed fall on
// both alike; medians of the times and of the pairs' ratios.
void reportText(const QString& file) {
    constexpr int kPairs = 21;
    const QString tarvo = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/tarvo");
    const QString lynx = QStandardPaths::findExecutable(QStringLiteral("lynx"));
    if (!QFileInfo(tarvo).isExecutable() || lynx.isEmpty() || !QFileInfo::exists(file)) {
        std::printf("tarvo --text against lynx -dump: skipped (needs build/bin/tarvo, Debian lynx and %s)\n",
                    qPrintable(file));
        return;
    }
    std::vector<double> t, l, ratio;
    for (int i = 0; i < kPairs; ++i) {
        t.push_back(processMs(tarvo, {QStringLiteral("--text"), file}));
        l.push_back(processMs(lynx, {QStringLiteral("-dump"), QStringLiteral("-nolist"), file}));
        if (t.back() < 0 || l.back() < 0) {
            std::printf("tarvo --text against lynx -dump: a run failed\n");
            return;
        }
        ratio.push_back(t.back() / l.back());
    }
    std::printf("%s, whole process, medians of %d interleaved pairs\n", qPrintable(file), kPairs);
    std::printf("  tarvo --text %8.2f ms   lynx -dump %8.2f ms   ratio %6.3f   (target <= 1.0)\n\n",
                median(t), median(l), median(ratio));
}

namespace {
// Seconds to load `html` into a viewer of 600 px, lay it out again at
// 450 px and paint its first screen: what a preview of the page costs.
double viewerSeconds(const QString& html) {
    THTMLViewer v;
    v.resize(kWidth, kScreenH);
    QElapsedTimer t;
    t.start();
    v.LoadStrings(html.split(QLatin1Char('\n')));
    v.resize(kNarrow, kScreenH);
    (void)v.paintPanel()->grab();
    return double(t.nsecsElapsed()) / 1e9;
}

// Plain paragraphs of about `bytes` bytes.
QString plainPage(qsizetype bytes) {
    QString s = QStringLiteral("<html><body>\n");
    while (s.size() < bytes)
        s += QStringLiteral("A plain line of text without any table in it.<br>\n");
    return s;
}

QString repeated(const QString& head, const QString& unit, int n, const QString& tail) {
    QString s = head;
    s.reserve(head.size() + unit.size() * n + tail.size());
    for (int i = 0; i < n; ++i)
        s += unit;
    return s + tail;
}

void reportPathological() {
    struct Page {
        const char* name;
        QString html;
    };
    QString anchors = QStringLiteral("<table><tr><td>\n");
    for (int i = 0; i < 40000; ++i)
        anchors += QStringLiteral("<a name=n%1>x</a><body>\n").arg(i);
    anchors += QStringLiteral("</table>");
    const Page pages[] = {
        {"colspan row (8,000 cells)", repeated("<table><tr>", "<td colspan=31>x\n", 8000, "</table>")},
        {"40,000-row table", repeated("<table>", "<tr><td>a<td>bb<td>ccc<td>dd<td>e\n", 40000, "</table>")},
        {"20,000 controls", repeated("<form>", "<input name=a>\n", 20000, "</form>")},
        {"anchors with BODY tags", anchors},
    };
    std::printf("\npathological pages: seconds to load in a viewer, re-layout and paint (medians of 3)\n");
    std::printf("  %-28s %9s %9s %9s %8s\n", "", "bytes", "page s", "plain s", "ratio");
    for (const Page& p : pages) {
        // Medians of three, page and plain page taken in turn: the
        // machine's speed drifts between runs.
        const QString same = plainPage(p.html.size());
        std::vector<double> pageRuns, plainRuns;
        for (int i = 0; i < 3; ++i) {
            pageRuns.push_back(viewerSeconds(p.html));
            plainRuns.push_back(viewerSeconds(same));
        }
        const double t = median(pageRuns), plain = median(plainRuns);
        std::printf("  %-28s %9lld %9.3f %9.3f %8.2f\n", p.name, (long long)p.html.size(), t, plain,
                    plain > 0 ? t / plain : 0.0);
    }
    std::printf("  target: each within 3x of the plain page of its size\n");
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QStringList files = app.arguments().mid(1);
    if (files == QStringList{QStringLiteral("--pathological")}) {
        reportPathological();
        return 0;
    }
    if (files.value(0) == QLatin1String("--text")) {
        reportText(files.value(1, QStringLiteral("/usr/share/doc/bash/bashref.html")));
        return 0;
    }
    if (files.isEmpty())
        files << QStringLiteral("/usr/share/doc/bash/bashref.html");
    for (const QString& name : files) {
        QFile f(name);
        if (!f.open(QIODevice::ReadOnly)) {
            std::printf("%s: not found (Debian package bash-doc), skipped\n\n", qPrintable(name));
            continue;
        }
        const QByteArray bytes = f.readAll();
        report(name, bytes.size(), DecodeWindows1252(bytes), QFileInfo(name).absolutePath() + '/');
    }
    if (app.arguments().size() == 1) {
        const QString page = GenerateHtml32(1 << 20);
        report(QStringLiteral("synthetic HTML 3.2 page"), page.size(), page, QString());
        reportText(files.first());
    }
    reportPathological();
    return 0;
}
