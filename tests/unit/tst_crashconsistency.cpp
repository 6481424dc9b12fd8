// SPDX-License-Identifier: GPL-3.0-or-later
// A process killed at any moment while it saves the list, adds or deletes a
// picture never leaves a cut-off list or an entry without its picture.
#include "CrashLists.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "library/LibraryFolder.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"
#include "pictures/PictureDecoder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace
{

constexpr int Kills = 200;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The helper, started once (it ends with the app): its children start far faster than processes.
QProcess& startHelper()
{
    QProcess& helper = *new QProcess(QCoreApplication::instance());
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    static QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    helper.setProcessEnvironment(environment);
    helper.start(QStringLiteral(CRASH_HELPER));
    if (!helper.waitForStarted(10000))
        qFatal("crash helper does not start");
    return helper;
}

// Has the helper start a child, waits until it prints the marker, lets it work for a
// random moment and kills it. Returns what it printed after the marker.
QByteArray runAndKill(const QStringList& arguments, QRandomGenerator& random,
                      const QByteArray& marker = "ready\n")
{
    static QProcess& helper = startHelper();
    helper.write(arguments.join(QLatin1Char('\t')).toLocal8Bit() + '\n');
    QByteArray output;
    while (!output.contains(marker)) {
        if (!helper.waitForReadyRead(20000))
            qFatal("crash helper never printed %s", marker.constData());
        output += helper.readAllStandardOutput();
    }
    QTest::qSleep(int(random.bounded(1, 80)));
    helper.write("kill\n");
    while (!output.endsWith("ended\n") && helper.waitForReadyRead(20000))
        output += helper.readAllStandardOutput();
    output.chop(6);
    return output.mid(output.indexOf(marker) + marker.size());
}

int hiddenFiles(const QString& folder)
{
    return int(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).count() -
               QDir(folder).entryList(QDir::Files).count());
}

} // namespace

class CrashConsistencyTest : public QObject
{
    Q_OBJECT
private slots:
    void listSaveKilledLeavesOldOrNewList();
    void addAndDeleteKilledKeepEveryListedPicture();
};

void CrashConsistencyTest::listSaveKilledLeavesOldOrNewList()
{
    LibraryFixture program;
    const QString path = program.test.listFile();
    QVERIFY(PictureListFile::save(path, CrashLists::generation(0)));
    QRandomGenerator random(20261208);

    int last = 0;
    int torn = 0;
    int unchanged = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        // Killed once its first list is saved, so that the kill falls among the
        // saves however slow the machine is, not before the first one.
        runAndKill({QStringLiteral("save"), path, QString::number(last + 1)}, random, "saved\n");
        const QByteArray bytes = readAll(path);
        const QStringList list = PictureListFile::parse(bytes);
        const int number = CrashLists::generationOf(list);
        if (number < last || bytes != PictureListFile::serialize(CrashLists::generation(number))) {
            ++torn;
            qWarning("kill %d: record.txt holds %lld bytes that are no complete list", kill,
                     qlonglong(bytes.size()));
            continue;
        }
        unchanged += number == last;
        last = number;
    }
    const auto othersThanTheList = [&program] {
        return QDir(program.test.programFolder())
                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                   .count() -
               1;
    };
    const qsizetype leftovers = othersThanTheList();
    // The next start clears what the killed saves left behind.
    program.start();
    const qsizetype leftAfterStart = othersThanTheList();
    qInfo("list save: %d kills, %d lists saved, %d kills that found the list unchanged (must be "
          "0), %d cut-off lists (must be 0), %lld files left by killed saves, %lld after the "
          "next start (must be 0)",
          Kills, last, unchanged, torn, qlonglong(leftovers), qlonglong(leftAfterStart));
    QCOMPARE(torn, 0);
    QCOMPARE(unchanged, 0); // a save the helper reported done was not in the file
    QCOMPARE(leftAfterStart, 0);
    QCOMPARE(program.snapshot().entries, CrashLists::generation(last));
}

void CrashConsistencyTest::addAndDeleteKilledKeepEveryListedPicture()
{
    QTemporaryDir program;
    QTemporaryDir pictures;
    for (int i = 0; i < 16; ++i) {
        const QColor colour = QColor::fromHsv(i * 22, 200, 220);
        if (i % 4 == 3)
            QVERIFY(TestPictures::bmp(pictures.filePath(QStringLiteral("drawing %1.bmp").arg(i)),
                                      colour, {40, 30}));
        else
            QVERIFY(TestPictures::jpeg(pictures.filePath(QStringLiteral("photo %1.jpg").arg(i)),
                                       colour, {80, 60}));
    }
    const LibraryFolder folder(program.path());
    const PictureSizes sizes{{64, 48}, {16, 12}};
    QRandomGenerator random(8122026);

    int adds = 0;
    int batches = 0;
    int deletes = 0;
    int brokenLists = 0;
    int lostPictures = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        const QByteArray done = runAndKill(
            {QStringLiteral("library"), program.path(), pictures.path(), QString::number(kill)},
            random);
        adds += int(done.count('a'));
        batches += int(done.count('b'));
        deletes += int(done.count('d'));

        const QByteArray bytes = readAll(folder.listFile());
        if (bytes == "<missing>")
            continue; // killed before the first add was saved
        const QStringList entries = PictureListFile::parse(bytes);
        if (bytes != PictureListFile::serialize(entries)) {
            ++brokenLists;
            qWarning("kill %d: record.txt is no complete list", kill);
        }
        for (const QString& entry : entries) {
            const std::optional<QString> copy = folder.copyPath(entry);
            if (!copy || !PictureDecoder::decode(*copy, sizes).isValid()) {
                ++lostPictures;
                qWarning("kill %d: \"%s\" is listed without its picture", kill, qPrintable(entry));
            }
        }
    }
    const QStringList listed = PictureListFile::load(folder.listFile());
    const int unlisted =
        int(QDir(folder.copiesFolder()).entryList(QDir::Files).count()) - int(listed.size());
    const int hidden = hiddenFiles(folder.copiesFolder());
    qInfo("add/delete: %d kills, %d adds, %d adds of several at once and %d deletes finished "
          "between them, %d cut-off lists and %d listed entries without a picture (both must be "
          "0); left behind: %d unlisted copies, %d unfinished copies",
          Kills, adds, batches, deletes, brokenLists, lostPictures, unlisted, hidden);
    QCOMPARE(brokenLists, 0);
    QCOMPARE(lostPictures, 0);
    QVERIFY(adds > 0 && batches > 0 && deletes > 0);
    // Each start clears what the kill before it cut short; only the last kill's
    // may remain: a temporary copy and a file kept aside per worker thread.
    QVERIFY(hidden <= 2 * qMax(1, QThread::idealThreadCount()));

    // The next start removes the copies the last kill left unlisted, and nothing else.
    PictureLibrary next(folder, sizes);
    next.load();
    QCOMPARE(QDir(folder.copiesFolder()).entryList(QDir::Files).count(), next.entries().size());
    QCOMPARE(hiddenFiles(folder.copiesFolder()), 0);
}

QTEST_MAIN(CrashConsistencyTest)
#include "tst_crashconsistency.moc"
