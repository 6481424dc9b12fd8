// Start-up with a library of camera-size pictures: how soon the main window is
// shown, how soon every thumbnail is in, and the peak memory, against decoding
// the same files at full size one after another.
//
//   bench_startup            runs every case, each in a fresh process
//   bench_startup N          one case with N pictures (used by the above)
#include "CameraPictures.h"
#include "Fakes.h"
#include "app/MainWindow.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QProcess>
#include <QWindow>
#include <cstdio>
#include <sys/resource.h>

namespace
{

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// One case: prints "shown_ms thumbnails_ms peak_mb baseline_ms".
int runCase(int count)
{
    TestServices fakes;
    const QStringList names = CameraPictures::fill(fakes.copiesFolder(), count);
    PictureListFile::save(fakes.listFile(), names);

    QElapsedTimer clock;
    clock.start();
    auto* window = new MainWindow(fakes.services);
    window->load();
    window->show();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents();
    const double shownMs = clock.nsecsElapsed() / 1e6;
    while (window->library().store().pendingCount() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double thumbnailsMs = clock.nsecsElapsed() / 1e6;
    const double peak = peakMegabytes();
    delete window;

    // The plain way: every picture decoded at full size, one after another.
    clock.restart();
    for (const QString& name : names) {
        QImageReader reader(fakes.copiesFolder() + '/' + name);
        reader.setAllocationLimit(0);
        const QImage full = reader.read();
        if (full.isNull())
            std::fprintf(stderr, "baseline could not read %s\n", qPrintable(name));
    }
    const double baselineMs = clock.nsecsElapsed() / 1e6;
    std::printf("%.1f %.1f %.1f %.1f\n", shownMs, thumbnailsMs, peak, baselineMs);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc > 1)
        return runCase(QString::fromLocal8Bit(argv[1]).toInt());

    const int repeats = qMax(1, qEnvironmentVariableIntValue("ZORVIK_BENCH_REPEATS"));
    std::printf("Start-up with camera-size pictures (4000 x 3000 JPEG), median of %d runs\n",
                repeats);
    std::printf("%8s %10s %14s %10s %13s %10s %12s\n", "pictures", "shown ms", "thumbnails ms",
                "peak MB", "baseline ms", "speed-up", "full-size MB");
    for (int count : {0, 100, 500}) {
        QList<double> shown, thumbnails, peak, baseline;
        for (int run = 0; run < repeats; ++run) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), {QString::number(count)});
            child.waitForFinished(-1);
            const QStringList figures = QString::fromLocal8Bit(child.readAllStandardOutput())
                                            .split(' ', Qt::SkipEmptyParts);
            if (figures.size() != 4) {
                std::fprintf(stderr, "case %d failed\n", count);
                return 1;
            }
            shown << figures[0].toDouble();
            thumbnails << figures[1].toDouble();
            peak << figures[2].toDouble();
            baseline << figures[3].toDouble();
        }
        const double speedUp = median(thumbnails) > 0 ? median(baseline) / median(thumbnails) : 0;
        std::printf("%8d %10.1f %14.1f %10.1f %13.1f %9.1fx %12.0f\n", count, median(shown),
                    median(thumbnails), median(peak), median(baseline), speedUp,
                    count * 4000.0 * 3000 * 4 / 1048576);
    }
    std::printf("Goals at 500: shown under 500 ms, thumbnails at least 3x faster than the "
                "baseline, peak under 300 MB.\n");
    return 0;
}
