// SPDX-License-Identifier: GPL-3.0-or-later
// Add and delete latency with 10, 100 and 1,000 listed pictures, against a
// rebuild that decodes every listed picture again. Camera-size JPEGs are made
// once into a cache folder and linked under as many names as needed.
//
//   bench_add_delete [work folder]

#include "CameraPictures.h"
#include "app/ImageViewer.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"
#include "pictures/PictureDecoder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListView>

#include <cstdio>

namespace
{

constexpr int Repetitions = 7;

struct Result {
    int listed = 0;
    double add = 0;      // ms, median
    double remove = 0;   // ms, median
    double baseline = 0; // ms, decoding every listed picture again
};

Result measure(const QString& cache, int listed, const PictureSizes& sizes)
{
    const QString program = QStringLiteral("%1/run-%2").arg(cache).arg(listed);
    QDir(program).removeRecursively();
    const QString copies = program + QStringLiteral("/SystemFolder");
    const QString userFolder = program + QStringLiteral("/user");
    QDir().mkpath(copies);
    QDir().mkpath(userFolder);

    const QStringList entries = CameraPictures::fill(copies, listed);
    if (!PictureListFile::save(program + QStringLiteral("/record.txt"), entries))
        qFatal("cannot write the list");

    // An add and a delete of one picture, with the viewer frame following
    // the library, as in the main window.
    PictureLibrary library{LibraryFolder(program), sizes};
    ImageViewer viewer(library);
    auto* list = viewer.findChild<QListView*>(QStringLiteral("lvwDisplay"));
    if (!list)
        qFatal("no picture list");
    library.load();
    library.store().waitForAll();
    for (int slot = 1; slot <= library.slotCount(); ++slot)
        if (library.flashPictureNow(slot).isNull())
            qFatal("slot %d was not decoded", slot);

    Result result;
    result.listed = listed;
    QList<double> adds;
    QList<double> removes;
    QElapsedTimer timer;
    for (int r = 0; r < Repetitions; ++r) {
        const QString chosen = QStringLiteral("%1/new-%2.jpg").arg(userFolder).arg(r);
        CameraPictures::place(CameraPictures::picture(listed + r), chosen);
        timer.start();
        const bool added = library.add(chosen).done();
        adds << timer.nsecsElapsed() / 1e6;
        if (!added || library.slotCount() != listed + 1 ||
            library.flashPictureNow(listed + 1).isNull())
            qFatal("add failed");

        list->setCurrentIndex(library.index(listed));
        timer.start();
        const bool removed = library.remove(listed).done();
        removes << timer.nsecsElapsed() / 1e6;
        if (!removed || library.slotCount() != listed)
            qFatal("delete failed");
    }
    result.add = median(adds);
    result.remove = median(removes);

    // What a rebuild costs when it decodes every listed picture again, one
    // after another on the one thread.
    timer.start();
    for (const QString& entry : std::as_const(entries))
        if (!PictureDecoder::decode(copies + QLatin1Char('/') + entry, sizes).isValid())
            qFatal("baseline decode failed");
    result.baseline = timer.nsecsElapsed() / 1e6;

    QDir(program).removeRecursively();
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString cache = argc > 1 ? QString::fromLocal8Bit(argv[1]) : CameraPictures::cache();
    const PictureSizes sizes{QSize(353, 249), QSize(113, 90)};

    std::printf("camera-size (4000x3000) JPEGs in %s, %d repetitions (median)\n",
                qPrintable(CameraPictures::cache()), Repetitions);
    std::printf("baseline: every listed picture decoded again (scaled decoding, one thread)\n\n");
    std::printf("%8s %10s %10s %13s %14s %14s\n", "listed", "add ms", "delete ms", "baseline ms",
                "baseline/add", "baseline/del");
    QList<Result> results;
    for (int listed : {10, 100, 1000}) {
        const Result r = measure(cache, listed, sizes);
        results << r;
        std::printf("%8d %10.2f %10.2f %13.1f %14.1f %14.1f\n", r.listed, r.add, r.remove,
                    r.baseline, r.baseline / r.add, r.baseline / r.remove);
        std::fflush(stdout);
    }

    const Result& small = results.constFirst();
    const Result& large = results.constLast();
    const double growth = large.add / small.add;
    const double deleteGrowth = large.remove / small.remove;
    const double speedup = large.baseline / large.add;
    std::printf("\nadd at 1000 / add at 10:        %.2f (goal <= 1.5) %s\n", growth,
                growth <= 1.5 ? "met" : "MISSED");
    std::printf("delete at 1000 / delete at 10:  %.2f\n", deleteGrowth);
    std::printf("baseline / add at 1000:         %.1f (goal >= 50) %s\n", speedup,
                speedup >= 50 ? "met" : "MISSED");
    std::printf("baseline / delete at 1000:      %.1f (goal >= 50) %s\n",
                large.baseline / large.remove,
                large.baseline / large.remove >= 50 ? "met" : "MISSED");
    return growth <= 1.5 && speedup >= 50 ? 0 : 1;
}
