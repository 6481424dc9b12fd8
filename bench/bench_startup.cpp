// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up with a library of camera-size pictures: how soon the main window is
// shown, how soon every thumbnail is in, the longest the window went without
// answering, and the memory, against decoding the same files at full size one
// after another; then a library of 2,000 pictures started cold (no cache) and
// warm (the cache of the cold start), against the machine's limit.
//
//   bench_startup            runs every case, each in a fresh process
//   bench_startup --large    only the 2,000-picture cold and warm starts
//   bench_startup --case N LIBRARY BASELINE
//                            one start with N pictures (used by the above);
//                            LIBRARY is a prepared program folder or "-"
#include "CameraPictures.h"
#include "EventWait.h"
#include "Fakes.h"
#include "app/MainWindow.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"
#include "pictures/PictureStore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace
{

// The one place the benchmark reaches into the window for the pictures.
PictureStore& storeOf(MainWindow* window)
{
    return window->library().store();
}

constexpr int LargeLibrary = 2000;
constexpr int SettleMs = 1500;

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void runEventsFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    runEventsUntil([&] { return clock.elapsed() >= milliseconds; });
}

// One start: prints "shown_ms thumbnails_ms stall_ms peak_mb settled_mb baseline_ms".
int runCase(int count, const QString& library, bool baseline)
{
    TestServices fakes;
    if (library != QStringLiteral("-"))
        fakes.services.program = {library, QStringLiteral("zorvik-subliminal-images"), {}};
    const QString copies = fakes.services.program.folder + QStringLiteral("/SystemFolder");
    QStringList names;
    if (library == QStringLiteral("-")) {
        names = CameraPictures::fill(copies, count);
        PictureListFile::save(fakes.services.program.folder + QStringLiteral("/record.txt"), names);
    }

    StallMeter stall;

    QElapsedTimer clock;
    clock.start();
    auto* window = new MainWindow(fakes.services);
    window->load();
    window->show();
    runEventsUntil(
        [window] { return window->windowHandle() && window->windowHandle()->isExposed(); });
    QCoreApplication::processEvents();
    const double shownMs = clock.nsecsElapsed() / 1e6;
    stall.start();
    runEventsUntil([window] { return storeOf(window).pendingCount() == 0; });
    const double thumbnailsMs = clock.nsecsElapsed() / 1e6;
    const double stallMs = stall.stop();
    runEventsFor(SettleMs);
    const double settled = residentMegabytes();
    const double peak = peakMegabytes();
    delete window;

    // The plain way: every picture decoded at full size, one after another.
    double baselineMs = 0;
    if (baseline) {
        clock.restart();
        for (const QString& name : std::as_const(names)) {
            QImageReader reader(copies + '/' + name);
            reader.setAllocationLimit(0);
            const QImage full = reader.read();
            if (full.isNull())
                std::fprintf(stderr, "baseline could not read %s\n", qPrintable(name));
        }
        baselineMs = clock.nsecsElapsed() / 1e6;
    }
    std::printf("%.1f %.1f %.1f %.1f %.1f %.1f\n", shownMs, thumbnailsMs, stallMs, peak, settled,
                baselineMs);
    return 0;
}

// Runs one start in a fresh process with the cache in cacheHome.
QList<double> startOnce(int count, const QString& library, bool baseline, const QString& cacheHome)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--case"), QString::number(count), library,
                 baseline ? QStringLiteral("1") : QStringLiteral("0")});
    child.waitForFinished(-1);
    QList<double> figures;
    const QStringList words =
        QString::fromLocal8Bit(child.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
    for (const QString& word : words)
        figures << word.toDouble();
    return figures.size() == 6 ? figures : QList<double>();
}

// The medians of each column over the runs.
QList<double> medians(const QList<QList<double>>& runs)
{
    QList<double> result;
    for (int column = 0; column < 6; ++column) {
        QList<double> values;
        for (const QList<double>& run : runs)
            values << run.at(column);
        result << median(values);
    }
    return result;
}

// Single-thread time to make one picture's thumbnail and flash picture.
double scaledDecodeMs(const QStringList& paths, const PictureSizes& sizes)
{
    QElapsedTimer clock;
    clock.start();
    for (const QString& path : paths)
        PictureDecoder::decode(path, sizes);
    return clock.nsecsElapsed() / 1e6 / qMax<qsizetype>(1, paths.size());
}

int smallLibraries(int repeats)
{
    std::printf("Start-up with camera-size pictures (4000 x 3000 JPEG), no cache, median of %d "
                "runs\n",
                repeats);
    std::printf("%8s %9s %14s %9s %8s %11s %12s %9s\n", "pictures", "shown ms", "thumbnails ms",
                "stall ms", "peak MB", "settled MB", "baseline ms", "speed-up");
    for (int count : {0, 100, 500}) {
        QList<QList<double>> runs;
        for (int run = 0; run < repeats; ++run) {
            QTemporaryDir cacheHome;
            const QList<double> figures =
                startOnce(count, QStringLiteral("-"), true, cacheHome.path());
            if (figures.isEmpty()) {
                std::fprintf(stderr, "case %d failed\n", count);
                return 1;
            }
            runs << figures;
        }
        const QList<double> m = medians(runs);
        std::printf("%8d %9.1f %14.1f %9.1f %8.1f %11.1f %12.1f %8.1fx\n", count, m[0], m[1], m[2],
                    m[3], m[4], m[5], m[1] > 0 ? m[5] / m[1] : 0);
    }
    return 0;
}

int largeLibrary(int repeats)
{
    // Distinct names, hard links to the pool: the disk holds only the pool.
    QTemporaryDir library;
    const QString copies = library.filePath(QStringLiteral("SystemFolder"));
    const QStringList names = CameraPictures::fill(copies, LargeLibrary);
    PictureListFile::save(library.filePath(QStringLiteral("record.txt")), names);

    const PictureSizes sizes{QSize(353, 249), QSize(113, 90)};
    QStringList pool;
    for (int i = 0; i < 8; ++i)
        pool << copies + '/' + names.at(i);
    const double oneMs = scaledDecodeMs(pool, sizes);
    const int cores = qMax(1, QThread::idealThreadCount());
    const double limitMs = oneMs * LargeLibrary / cores;

    std::printf("\n%d camera-size pictures (hard links to a pool of distinct ones), median of %d "
                "runs\n",
                LargeLibrary, repeats);
    std::printf("%6s %9s %14s %9s %8s %11s\n", "start", "shown ms", "thumbnails ms", "stall ms",
                "peak MB", "settled MB");
    QList<QList<double>> cold, warm;
    for (int run = 0; run < repeats; ++run) {
        QTemporaryDir cacheHome;
        cold << startOnce(LargeLibrary, library.path(), false, cacheHome.path());
        warm << startOnce(LargeLibrary, library.path(), false, cacheHome.path());
        if (cold.last().isEmpty() || warm.last().isEmpty()) {
            std::fprintf(stderr, "the %d-picture start failed\n", LargeLibrary);
            return 1;
        }
    }
    const QList<double> c = medians(cold), w = medians(warm);
    for (const auto& [name, m] : {std::pair{"cold", c}, std::pair{"warm", w}})
        std::printf("%6s %9.1f %14.1f %9.1f %8.1f %11.1f\n", name, m[0], m[1], m[2], m[3], m[4]);
    std::printf("machine's limit for the cold start: %.1f ms (%.1f ms a picture, one thread, x "
                "%d / %d cores); cold start at %.2f x the limit\n",
                limitMs, oneMs, LargeLibrary, cores, c[1] / limitMs);
    std::printf("Goals: shown under 500 ms; warm thumbnails under 1500 ms; cold within 1.5 x the "
                "limit; stall under 50 ms; peak under 150 MB; settled under 100 MB.\n");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 5 && arguments.at(1) == QStringLiteral("--case"))
        return runCase(arguments.at(2).toInt(), arguments.at(3), arguments.at(4) == u'1');

    const int repeats = qMax(1, qEnvironmentVariableIntValue("ZORVIK_BENCH_REPEATS"));
    if (!arguments.contains(QStringLiteral("--large")))
        if (const int failed = smallLibraries(repeats))
            return failed;
    return largeLibrary(repeats);
}
