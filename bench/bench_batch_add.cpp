// SPDX-License-Identifier: GPL-3.0-or-later
// Adding many camera photos (2000 x 1500 JPEG) at once:
// - 120 chosen at once into an empty library: the time until every one is
//   listed against the machine's limit (one photo's scaled decode on one
//   thread x 120 / cores), and the longest the window went without answering;
//   beside it the old way, one add after another on the interface thread, as
//   several dropped files were added before;
// - 1,000 into a library of 2,000 and into an empty one: the time a photo,
//   their ratio, and the peak memory.
//
//   bench_batch_add                      every case, each in a fresh process
//   bench_batch_add --case MODE N LISTED one case (MODE: batch or one-by-one)
#include "CameraPictures.h"
#include "EventWait.h"
#include "Fakes.h"
#include "app/MainWindow.h"
#include "files/PlacedCopy.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"
#include "pictures/PictureDecoder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>
#include <cstdio>

namespace
{

const QSize PhotoSize(2000, 1500);

// Prints "total_ms stall_ms peak_mb".
int runCase(const QString& mode, int count, int listed)
{
    TestServices fakes;
    const QString program = fakes.services.program.folder;
    if (listed > 0)
        PictureListFile::save(
            program + QStringLiteral("/record.txt"),
            CameraPictures::fill(program + QStringLiteral("/SystemFolder"), listed, PhotoSize));
    QStringList chosen;
    for (const QString& name :
         CameraPictures::fill(program + QStringLiteral("/user"), count + listed, PhotoSize)
             .mid(listed))
        chosen << program + QStringLiteral("/user/") + name;

    auto* window = new MainWindow(fakes.services);
    window->load();
    window->show();
    runEventsUntil(
        [window] { return window->windowHandle() && window->windowHandle()->isExposed(); });
    PictureLibrary& library = window->library();
    library.store().waitForAll();

    StallMeter stall;
    QElapsedTimer clock;
    stall.start();
    clock.start();
    if (mode == QStringLiteral("batch")) {
        fakes.dialogs.chosenFiles.enqueue(chosen);
        window->findChild<QPushButton*>(QStringLiteral("cmdAddPicture"))->click();
    } else {
        QTimer::singleShot(0, [&] {
            for (const QString& path : std::as_const(chosen))
                library.add(path);
        });
    }
    runEventsUntil([&] { return library.rowCount() == listed + count && !library.isBusy(); });
    const double totalMs = clock.nsecsElapsed() / 1e6;
    const double stallMs = stall.stop();
    if (!fakes.dialogs.messages.isEmpty())
        std::fprintf(stderr, "message: %s\n", qPrintable(fakes.dialogs.messages.first().text));
    std::printf("%.1f %.1f %.1f\n", totalMs, stallMs, peakMegabytes());
    delete window;
    return 0;
}

QList<double> runOnce(const QString& mode, int count, int listed)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QTemporaryDir cacheHome;
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--case"), mode, QString::number(count), QString::number(listed)});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return {};
    QList<double> figures;
    for (const QByteArray& field : child.readAllStandardOutput().trimmed().split(' '))
        figures << field.toDouble();
    return figures;
}

QList<double> medianOf(const QString& mode, int count, int listed, int repeats)
{
    QList<QList<double>> runs;
    for (int run = 0; run < repeats; ++run)
        if (const QList<double> figures = runOnce(mode, count, listed); figures.size() == 3)
            runs << figures;
    QList<double> medians;
    for (int column = 0; column < 3; ++column) {
        QList<double> values;
        for (const QList<double>& run : std::as_const(runs))
            values << run.at(column);
        medians << median(values);
    }
    return medians;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 5 && arguments.at(1) == QStringLiteral("--case"))
        return runCase(arguments.at(2), arguments.at(3).toInt(), arguments.at(4).toInt());
    const int repeats = qMax(1, qEnvironmentVariableIntValue("ZORVIK_BENCH_REPEATS"));

    QStringList pool;
    for (int i = 0; i < 8; ++i)
        pool << CameraPictures::picture(i, PhotoSize);
    QElapsedTimer clock;
    clock.start();
    for (const QString& path : std::as_const(pool))
        PictureDecoder::decode(path, {QSize(353, 249), QSize(113, 90)});
    const double oneMs = clock.nsecsElapsed() / 1e6 / pool.size();
    const int cores = qMax(1, QThread::idealThreadCount());
    const double limitMs = oneMs * 120 / cores;

    std::printf("120 photos (2000 x 1500, %s) chosen at once, empty library, median of %d runs\n",
                qPrintable(CameraPictures::kind()), repeats);
    std::printf("%12s %12s %10s %9s %10s\n", "way", "listed ms", "x limit", "stall ms", "peak MB");
    for (const QString& mode : {QStringLiteral("one-by-one"), QStringLiteral("batch")}) {
        const QList<double> m = medianOf(mode, 120, 0, repeats);
        std::printf("%12s %12.1f %10.2f %9.1f %10.1f\n", qPrintable(mode), m[0], m[0] / limitMs,
                    m[1], m[2]);
    }
    std::printf("machine's limit: %.1f ms (%.1f ms a photo, one thread, x 120 / %d cores)\n",
                limitMs, oneMs, cores);

    // What the add must do beside decoding: a synced copy of each file into
    // the library, on one thread.
    QTemporaryDir copies;
    clock.restart();
    for (int i = 0; i < 120; ++i) {
        PlacedCopy copy;
        QString error;
        if (!copy.place(pool.at(i % pool.size()), copies.filePath(QString::number(i)), &error))
            std::fprintf(stderr, "copy: %s\n", qPrintable(error));
        copy.commit();
    }
    std::printf("copying the 120 files alone: %.1f ms (%.1f MB a file)\n",
                clock.nsecsElapsed() / 1e6, QFileInfo(pool.first()).size() / 1048576.0);

    std::printf("\n1,000 photos chosen at once, median of %d runs\n", repeats);
    std::printf("%14s %12s %12s %9s %10s\n", "into", "listed ms", "ms a photo", "stall ms",
                "peak MB");
    QList<double> perPhoto;
    for (int listed : {0, 2000}) {
        const QList<double> m = medianOf(QStringLiteral("batch"), 1000, listed, repeats);
        perPhoto << m[0] / 1000;
        std::printf("%14s %12.1f %12.2f %9.1f %10.1f\n", listed ? "2,000 listed" : "empty library",
                    m[0], perPhoto.last(), m[1], m[2]);
    }
    std::printf("ratio of the time a photo, 2,000 listed to empty: %.2f\n",
                perPhoto[1] / qMax(0.001, perPhoto[0]));
    std::printf("Goals: 120 listed within 2 x the limit; stall under 50 ms; ratio at most 1.3; "
                "peak under 150 MB.\n");
    return 0;
}
