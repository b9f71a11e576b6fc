// Start-up of the real main window against a bare QMainWindow of the same
// size, each measured in a fresh process of its own (this program run again
// with a mode argument), under the offscreen platform unless QT_QPA_PLATFORM
// says otherwise. Reports the median times, their ratio and the peak memory.
// A third window, a QMainWindow with a menu and one line of text, shows what
// any window with text costs (the font database is loaded on first use).
//
//   startup_bench [runs]                 runs each kind `runs` times (default 9)
//   startup_bench --child main PATH      one start-up of MainWindow on results PATH
//   startup_bench --child bare WxH       one start-up of a bare QMainWindow
//   startup_bench --child text WxH       the same with a menu and a label

#include "bench_data.h"

#include "state/Championship.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// What one child reports.
struct Sample {
    double processMs = 0; // main() entered to window drawn: QApplication included
    double windowMs = 0;  // window constructed (results loaded) to drawn
    long peakKiB = 0;     // peak resident memory of the whole process
    QSize size;
};

// Shows the window, waits until the platform exposes it, paints it at once and
// lets the queued events run.
void showAndDraw(QWidget &window)
{
    window.show();
    QElapsedTimer guard;
    guard.start();
    while ((!window.windowHandle() || !window.windowHandle()->isExposed()) && guard.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    window.repaint();
    QCoreApplication::processEvents();
}

int runChild(QElapsedTimer &sinceMain, const char *kind, const char *argument, int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QElapsedTimer sinceWindow;
    sinceWindow.start();
    fixturo::Championship championship;
    std::unique_ptr<QMainWindow> window;
    if (std::strcmp(kind, "main") == 0) {
        window = std::make_unique<fixturo::MainWindow>(championship, QString::fromLocal8Bit(argument));
    } else {
        window = std::make_unique<QMainWindow>();
        if (std::strcmp(kind, "text") == 0) {
            window->menuBar()->addMenu(QStringLiteral("&File"));
            window->setCentralWidget(new QLabel(QStringLiteral("Group A")));
        }
        int w = 0, h = 0;
        if (std::sscanf(argument, "%dx%d", &w, &h) == 2)
            window->resize(w, h);
    }
    showAndDraw(*window);
    const double windowMs = static_cast<double>(sinceWindow.nsecsElapsed()) / 1e6;
    const double processMs = static_cast<double>(sinceMain.nsecsElapsed()) / 1e6;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.3f %.3f %ld %dx%d\n", processMs, windowMs, usage.ru_maxrss, window->width(),
                window->height());
    std::fflush(stdout);
    return window->windowHandle() && window->windowHandle()->isExposed() ? 0 : 2;
}

bool runOnce(const QString &self, const QStringList &arguments, Sample &sample)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(self, arguments);
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        std::fprintf(stderr, "child %s failed\n", qPrintable(arguments.join(u' ')));
        return false;
    }
    QString out = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
    QTextStream in(&out);
    QString size;
    in >> sample.processMs >> sample.windowMs >> sample.peakKiB >> size;
    const QStringList wh = size.split(u'x');
    if (wh.size() == 2)
        sample.size = QSize(wh[0].toInt(), wh[1].toInt());
    return in.status() == QTextStream::Ok && sample.peakKiB > 0;
}

template <typename F> double Median(std::vector<Sample> samples, F field)
{
    std::sort(samples.begin(), samples.end(),
              [&](const Sample &a, const Sample &b) { return field(a) < field(b); });
    return static_cast<double>(field(samples[samples.size() / 2]));
}

int runParent(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const QString self = QCoreApplication::applicationFilePath();

    QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("results.txt"));
    std::vector<Sample> main, bare, text;
    // Alternate the kinds so that a change in the machine's load hits all.
    for (int i = 0; i < runs + 1; ++i) {
        QFile file(results);
        if (!file.open(QIODevice::WriteOnly) || file.write(fixturo::bench::kFullTournament) < 0)
            return 1;
        file.close();
        Sample m, b, t;
        if (!runOnce(self, {QStringLiteral("--child"), QStringLiteral("main"), results}, m))
            return 1;
        const QString size = QStringLiteral("%1x%2").arg(m.size.width()).arg(m.size.height());
        if (!runOnce(self, {QStringLiteral("--child"), QStringLiteral("bare"), size}, b) ||
            !runOnce(self, {QStringLiteral("--child"), QStringLiteral("text"), size}, t))
            return 1;
        if (i == 0)
            continue; // the first round warms the disk cache
        main.push_back(m);
        bare.push_back(b);
        text.push_back(t);
    }

    const auto process = [](const Sample &s) { return s.processMs; };
    const auto window = [](const Sample &s) { return s.windowMs; };
    const auto peak = [](const Sample &s) { return static_cast<double>(s.peakKiB) / 1024.0; };
    const QByteArray platform =
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM");

    std::printf("Start-up, median of %d runs each, window %dx%d, platform %s\n", runs,
                main.front().size.width(), main.front().size.height(), platform.constData());
    std::printf("%-36s %12s %12s %7s %12s %7s\n", "", "MainWindow", "QMainWindow", "ratio", "+menu,label",
                "ratio");
    const auto row = [&](const char *what, auto field, const char *unit) {
        const double m = Median(main, field), b = Median(bare, field), t = Median(text, field);
        std::printf("%-36s %9.2f %-3s%9.2f %-3s%6.2f %9.2f %-3s%6.2f\n", what, m, unit, b, unit, m / b, t,
                    unit, m / t);
    };
    row("window: construct, load, show, draw", window, "ms");
    row("process: from main(), app included", process, "ms");
    row("peak resident memory", peak, "MiB");
    const double ratio = Median(main, window) / Median(bare, window);
    const double extra = Median(main, peak) - Median(bare, peak);
    std::printf("MainWindow against the bare window: time ratio %.2f (target <= 1.30: %s), "
                "memory %+.1f MiB (target <= 8 MiB: %s)\n",
                ratio, ratio <= 1.3 ? "met" : "missed", extra, extra <= 8.0 ? "met" : "missed");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc >= 4 && std::strcmp(argv[1], "--child") == 0)
        return runChild(sinceMain, argv[2], argv[3], argc, argv);
    return runParent(argc, argv);
}
