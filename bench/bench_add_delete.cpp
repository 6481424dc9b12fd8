// Add and delete latency with 10, 100 and 1,000 listed pictures, against a
// rebuild that decodes every listed picture again. Camera-size JPEGs are made
// once into a cache folder and linked under as many names as needed.
//
//   bench_add_delete [cache folder]

#include "library/ImageViewer.h"
#include "library/LibraryEditor.h"
#include "library/PictureDecoder.h"
#include "library/PictureListFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QQueue>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace
{

constexpr int DistinctPictures = 20;
constexpr QSize CameraSize(4000, 3000);
constexpr int Repetitions = 7;

class BenchDialogs final : public Dialogs
{
public:
    MessageAnswer message(const QString& text, MessageIcon, MessageButtons, const QString&) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        ++messages;
        return MessageAnswer::Ok;
    }
    std::optional<QString> openFile(const QString&, const QString&, int) override
    {
        return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen.dequeue());
    }
    QQueue<QString> chosen;
    int messages = 0;
};

// Sky, ground, soft shapes and sensor noise: compresses like a photograph.
QImage photoLike(int seed)
{
    QRandomGenerator random(quint32(seed) * 7919u + 17u);
    QImage image(CameraSize, QImage::Format_RGB32);
    QPainter painter(&image);
    const int horizon = CameraSize.height() * (35 + seed % 30) / 100;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor::fromHsv(200 + seed % 30, 120, 230));
    sky.setColorAt(1, QColor::fromHsv(190 + seed % 20, 40, 250));
    painter.fillRect(0, 0, CameraSize.width(), horizon, sky);
    QLinearGradient ground(0, horizon, 0, CameraSize.height());
    ground.setColorAt(0, QColor::fromHsv(80 + seed % 60, 140, 150));
    ground.setColorAt(1, QColor::fromHsv(30 + seed % 40, 160, 70));
    painter.fillRect(0, horizon, CameraSize.width(), CameraSize.height() - horizon, ground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 120; ++i) {
        const QPointF centre(random.bounded(CameraSize.width()),
                             random.bounded(CameraSize.height()));
        const double radius = 40 + random.bounded(600);
        QRadialGradient blob(centre, radius);
        const QColor colour = QColor::fromHsv(random.bounded(360), 60 + random.bounded(160),
                                              60 + random.bounded(190), 200);
        blob.setColorAt(0, colour);
        blob.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
        painter.setBrush(blob);
        painter.drawEllipse(centre, radius, radius * (0.4 + random.generateDouble()));
    }
    painter.end();
    quint32 state = quint32(seed) * 2654435761u + 1u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int noise = int(state % 13) - 6;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + noise, 255), qBound(0, qGreen(p) + noise, 255),
                           qBound(0, qBlue(p) + noise, 255));
        }
    }
    return image;
}

QStringList cameraPictures(const QString& cache)
{
    QDir().mkpath(cache);
    QStringList paths;
    for (int i = 0; i < DistinctPictures; ++i) {
        const QString path =
            QStringLiteral("%1/camera-%2.jpg").arg(cache).arg(i, 2, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(path)) {
            std::printf("making %s\n", qPrintable(path));
            std::fflush(stdout);
            const QString part = path + QStringLiteral(".part");
            if (!photoLike(i).save(part, "JPEG", 92) || !QFile::rename(part, path))
                qFatal("cannot write %s", qPrintable(path));
        }
        paths << path;
    }
    return paths;
}

void linkOrCopy(const QString& from, const QString& to)
{
    QFile::remove(to);
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0 &&
        !QFile::copy(from, to))
        qFatal("cannot place %s", qPrintable(to));
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

struct Result {
    int listed = 0;
    double add = 0;      // ms, median
    double remove = 0;   // ms, median
    double baseline = 0; // ms, decoding every listed picture again
};

Result measure(const QString& cache, const QStringList& cameras, int listed,
               const PictureSizes& sizes)
{
    const QString program = QStringLiteral("%1/run-%2").arg(cache).arg(listed);
    QDir(program).removeRecursively();
    const QString copies = program + QStringLiteral("/SystemFolder");
    const QString userFolder = program + QStringLiteral("/user");
    QDir().mkpath(copies);
    QDir().mkpath(userFolder);

    QStringList entries;
    for (int i = 0; i < listed; ++i) {
        entries << QStringLiteral("picture-%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        linkOrCopy(cameras.at(i % cameras.size()), copies + QLatin1Char('/') + entries.last());
    }
    if (!PictureListFile::save(program + QStringLiteral("/record.txt"), entries))
        qFatal("cannot write the list");

    BenchDialogs dialogs;
    Services services;
    services.dialogs = &dialogs;
    ImageViewer viewer{LibraryFolder(program), sizes};
    LibraryEditor editor(&viewer, services);
    viewer.LoadPictureList();
    viewer.store().waitForAll();
    for (int slot = 1; slot <= viewer.LoadedImageCount(); ++slot)
        if (viewer.slotPicture(slot).isNull())
            qFatal("slot %d was not decoded", slot);

    Result result;
    result.listed = listed;
    QList<double> adds;
    QList<double> removes;
    QElapsedTimer timer;
    for (int r = 0; r < Repetitions; ++r) {
        const QString chosen = QStringLiteral("%1/new-%2.jpg").arg(userFolder).arg(r);
        linkOrCopy(cameras.at((listed + r) % cameras.size()), chosen);
        dialogs.chosen.enqueue(chosen);
        timer.start();
        editor.cmdAddPicture_Click();
        adds << timer.nsecsElapsed() / 1e6;
        if (viewer.LoadedImageCount() != listed + 1 || viewer.slotPicture(listed + 1).isNull())
            qFatal("add failed");

        viewer.lvwDisplay->setCurrentRow(listed);
        timer.start();
        editor.cmdDeletePicture_Click();
        removes << timer.nsecsElapsed() / 1e6;
        if (viewer.LoadedImageCount() != listed)
            qFatal("delete failed");
    }
    if (dialogs.messages > 0)
        qFatal("an add or a delete was refused");
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
    const QString cache =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ZORVIK_BENCH_DATA);
    const QStringList cameras = cameraPictures(cache);
    const PictureSizes sizes{QSize(353, 249), QSize(113, 90)};

    std::printf("%d distinct %dx%d JPEGs in %s, %d repetitions (median)\n", DistinctPictures,
                CameraSize.width(), CameraSize.height(), qPrintable(cache), Repetitions);
    std::printf("baseline: every listed picture decoded again (scaled decoding, one thread)\n\n");
    std::printf("%8s %10s %10s %13s %14s %14s\n", "listed", "add ms", "delete ms", "baseline ms",
                "baseline/add", "baseline/del");
    QList<Result> results;
    for (int listed : {10, 100, 1000}) {
        const Result r = measure(cache, cameras, listed, sizes);
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
