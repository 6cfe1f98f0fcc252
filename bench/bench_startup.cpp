// Start-up time and memory of the program: starts it with the benchmark
// switch, waits until it reports its main window shown, and prints the time
// from process start less the designed one-second splash wait, and the
// resident memory then. Runs several times and prints the median.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_startup PATH/TO/tarvo [RUNS]\n");
        return 1;
    }
    const int runs = args.size() > 2 ? std::max(1, args[2].toInt()) : 7;
    QTemporaryDir config;
    std::vector<double> times;
    std::vector<long> rss;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TARVO_BENCH_STARTUP", "1");
        env.insert("TARVO_MUTE", "1");
        env.insert("XDG_CONFIG_HOME", config.path());
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(args[1], {});
        if (!p.waitForStarted(10000)) {
            std::fprintf(stderr, "cannot start %s\n", qPrintable(args[1]));
            return 2;
        }
        QByteArray out;
        double ms = -1;
        while (p.state() != QProcess::NotRunning || p.bytesAvailable()) {
            p.waitForReadyRead(100);
            out += p.readAllStandardOutput();
            const int at = out.indexOf("shown rss_kb=");
            if (at >= 0 && out.indexOf('\n', at) > 0) {
                ms = double(t.nsecsElapsed()) / 1e6 - 1000.0;
                rss.push_back(out.mid(at + 13, out.indexOf('\n', at) - at - 13).toLong());
                break;
            }
            if (t.elapsed() > 30000) break;
        }
        p.waitForFinished(10000);
        if (ms < 0) {
            std::fprintf(stderr, "the program did not report its window\n");
            return 3;
        }
        times.push_back(ms);
        std::printf("run %d: %.1f ms to the main window (less the 1 s splash wait), %ld KB resident\n", i + 1, ms,
                    rss.back());
    }
    std::sort(times.begin(), times.end());
    std::sort(rss.begin(), rss.end());
    std::printf("median: %.1f ms (target 300 ms), %.1f MB resident (target 80 MB)\n", times[times.size() / 2],
                double(rss[rss.size() / 2]) / 1024.0);
    return 0;
}
