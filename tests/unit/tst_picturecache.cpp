// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileModesApply.h"
#include "TestPictures.h"
#include "pictures/PictureCache.h"
#include "pictures/PictureStore.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

// Prepared pictures kept on disk between starts, and the store that hands
// them out: a cache file is used only for the very copy it was made from,
// a broken one is never shown, and a picture asked for a flash goes first.
class PictureCacheTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void changedCopyIsDecodedAgain_data();
    void changedCopyIsDecodedAgain();
    void otherSizesAreNotReused();
    void brokenCacheFileIsRebuilt_data();
    void brokenCacheFileIsRebuilt();
    void cutAnywhereIsRefused();
    void unreadableCacheFileIsIgnored();
    void unwritableCacheFolder();
    void sweepDropsGoneCopiesAndKeepsTheLimit();
    void flashPictureJumpsTheQueue();
    void flashPictureFromTheDiskCacheAndUnreadable();

private:
    QString copy(const QString& name) const { return m_dir->filePath("copies/" + name); }
    QString cacheFolder() const { return m_dir->filePath("cache"); }
    // The centre of a copy's thumbnail once a fresh store has prepared it.
    QColor shownColour(const QString& path, PictureSizes sizes = Sizes);

    static constexpr PictureSizes Sizes{QSize(64, 48), QSize(16, 12)};
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace
{

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 &&
           qAbs(a.blue() - b.blue()) < 40;
}

bool overwrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray content(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets a file's modification time, to the nanosecond.
bool setModified(const QString& path, const timespec& when)
{
    const timespec times[2] = {when, when};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

timespec modified(const QString& path)
{
    struct stat info {
    };
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mtim;
}

} // namespace

void PictureCacheTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("copies"));
}

QColor PictureCacheTest::shownColour(const QString& path, PictureSizes sizes)
{
    PictureStore store(sizes, cacheFolder());
    store.setPaths({path});
    store.waitForAll();
    const QImage thumbnail = store.thumbnail(path);
    return thumbnail.isNull() ? QColor() : thumbnail.pixelColor(2, thumbnail.height() - 3);
}

void PictureCacheTest::changedCopyIsDecodedAgain_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("decodedAgain");
    QTest::newRow("untouched: taken from the cache") << "none" << false;
    QTest::newRow("rewritten, same size, 1 ns later") << "rewritten" << true;
    QTest::newRow("replaced, same size and time, new inode") << "replaced" << true;
    QTest::newRow("grown, same time") << "grown" << true;
}

void PictureCacheTest::changedCopyIsDecodedAgain()
{
    QFETCH(QString, change);
    QFETCH(bool, decodedAgain);
    // Bitmaps of one size have one file size: only the identity tells them apart.
    const QString path = copy("a.bmp");
    QVERIFY(TestPictures::bmp(path, Qt::red));
    QVERIFY(near(shownColour(path), Qt::red));

    // A change behind the program's back that keeps whatever it can the same.
    const timespec before = modified(path);
    const QString other = copy("other.bmp");
    QVERIFY(TestPictures::bmp(other, Qt::green));
    if (change == "none") {
        // The copy's bytes change, its identity does not: proves the cache is read.
        QVERIFY(overwrite(path, content(other)));
        QVERIFY(setModified(path, before));
    } else if (change == "rewritten") {
        QVERIFY(overwrite(path, content(other)));
        QVERIFY(setModified(path, {before.tv_sec, (before.tv_nsec + 1) % 1'000'000'000}));
    } else if (change == "replaced") {
        QVERIFY(setModified(other, before));
        QVERIFY(::rename(QFile::encodeName(other).constData(),
                         QFile::encodeName(path).constData()) == 0);
    } else if (change == "grown") {
        QVERIFY(TestPictures::bmp(path, Qt::green, {100, 101}));
        QVERIFY(setModified(path, before));
    }
    QCOMPARE(near(shownColour(path), Qt::green), decodedAgain);
    QCOMPARE(near(shownColour(path), Qt::red), !decodedAgain);
}

void PictureCacheTest::otherSizesAreNotReused()
{
    const QString path = copy("a.jpg");
    QVERIFY(TestPictures::jpeg(path, Qt::red));
    QVERIFY(near(shownColour(path), Qt::red));
    const PictureSizes doubled{Sizes.flash * 2, Sizes.thumbnail * 2};
    PictureStore store(doubled, cacheFolder());
    store.setPaths({path});
    store.waitForAll();
    QCOMPARE(store.thumbnail(path).size(), doubled.thumbnail);
    QCOMPARE(store.flashPictureNow(path).size(), doubled.flash);
    QCOMPARE(QDir(cacheFolder()).entryList(QDir::Files).size(), 2);
}

void PictureCacheTest::brokenCacheFileIsRebuilt_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("cut short") << "cut";
    QTest::newRow("garbage of the same length") << "garbage";
    QTest::newRow("one bit flipped in the picture") << "flipped";
    QTest::newRow("empty") << "empty";
    QTest::newRow("another copy's cache file") << "foreign";
}

void PictureCacheTest::brokenCacheFileIsRebuilt()
{
    QFETCH(QString, damage);
    const QString path = copy("a.jpg");
    const QString other = copy("b.jpg");
    QVERIFY(TestPictures::jpeg(path, Qt::red));
    QVERIFY(TestPictures::jpeg(other, Qt::green));
    QVERIFY(near(shownColour(other), Qt::green));
    QVERIFY(near(shownColour(path), Qt::red));
    const PictureCache cache(cacheFolder(), Sizes);
    const QString file = cache.fileFor(path);
    QByteArray bytes = content(file);
    QVERIFY(bytes.size() > 100);

    if (damage == "cut")
        bytes.chop(bytes.size() / 3);
    else if (damage == "garbage")
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 7919) & 0xff);
    else if (damage == "flipped")
        bytes[bytes.size() - 10] = char(bytes[bytes.size() - 10] ^ 0x10);
    else if (damage == "empty")
        bytes.clear();
    else if (damage == "foreign")
        bytes = content(cache.fileFor(other));
    QVERIFY(overwrite(file, bytes));
    const auto identity = CopyIdentity::of(path);
    QVERIFY(identity);
    QVERIFY(!cache.thumbnail(path, *identity));
    QVERIFY(cache.flash(path, *identity).isNull());

    // Never shown: the copy is decoded again and its cache file made anew.
    QVERIFY(near(shownColour(path), Qt::red));
    QVERIFY(cache.thumbnail(path, *identity));
    QVERIFY(near(cache.flash(path, *identity).pixelColor(5, 40), Qt::red));
}

// Every length a write cut short could leave: refused, never read past the end.
void PictureCacheTest::cutAnywhereIsRefused()
{
    const QString path = copy("a.jpg");
    QVERIFY(TestPictures::jpeg(path));
    const auto identity = CopyIdentity::of(path);
    QVERIFY(identity);
    const PictureCache cache(cacheFolder(), Sizes);
    const QImage thumbnail(Sizes.thumbnail, QImage::Format_RGB32);
    QVERIFY(cache.store(path, *identity, PictureDecoder::compress(thumbnail),
                        PictureDecoder::compress(QImage(Sizes.flash, QImage::Format_RGB32))));
    const QByteArray whole = content(cache.fileFor(path));
    QVERIFY(cache.thumbnail(path, *identity));
    for (qsizetype length = 0; length < whole.size(); length += length < 256 ? 1 : 61) {
        QVERIFY(overwrite(cache.fileFor(path), whole.left(length)));
        QVERIFY2(!cache.thumbnail(path, *identity), qPrintable(QString::number(length)));
    }
}

void PictureCacheTest::unreadableCacheFileIsIgnored()
{
    const QString path = copy("a.jpg");
    QVERIFY(TestPictures::jpeg(path, Qt::red));
    QVERIFY(near(shownColour(path), Qt::red));
    const PictureCache cache(cacheFolder(), Sizes);
    const auto identity = CopyIdentity::of(path);
    QVERIFY(identity);
    APPLY_FILE_MODES();
    QVERIFY(QFile::setPermissions(cache.fileFor(path), {}));
    QVERIFY(!cache.thumbnail(path, *identity));
    QVERIFY(cache.flash(path, *identity).isNull());
    // Rebuilt over it: the folder is writable.
    QVERIFY(cache.store(path, *identity, "t", "f"));
    QVERIFY(cache.thumbnail(path, *identity));
}

void PictureCacheTest::unwritableCacheFolder()
{
    // Below a plain file no folder can be made, whoever runs the test.
    QVERIFY(TestPictures::bytes(cacheFolder(), "not a folder"));
    const QString unusable = cacheFolder() + "/zorvik-subliminal-images";
    QStringList paths;
    for (const auto& [name, colour] :
         {std::pair{"a.jpg", QColor(Qt::red)}, std::pair{"b.bmp", QColor(Qt::blue)}}) {
        paths << copy(name);
        QVERIFY(TestPictures::write(paths.last(), {60, 40}, colour,
                                    paths.last().endsWith("jpg") ? "JPEG" : "BMP"));
    }
    for (int start = 0; start < 2; ++start) {
        PictureStore store(Sizes, unusable);
        store.setPaths(paths);
        store.waitForAll();
        QVERIFY(near(store.thumbnail(paths[0]).pixelColor(2, 9), Qt::red));
        QVERIFY(near(store.flashPictureNow(paths[1]).pixelColor(3, 40), Qt::blue));
        QImage flash;
        QCOMPARE(store.flashPicture(paths[0], &flash), PictureStore::Availability::Ready);
        QVERIFY(near(flash.pixelColor(3, 40), Qt::red));
    }
    QCOMPARE(content(cacheFolder()), QByteArray("not a folder"));
}

void PictureCacheTest::sweepDropsGoneCopiesAndKeepsTheLimit()
{
    QStringList paths;
    for (int i = 0; i < 6; ++i) {
        paths << copy(QStringLiteral("%1.jpg").arg(i));
        QVERIFY(TestPictures::jpeg(paths.last(), QColor::fromHsv(i * 50, 200, 200)));
    }
    {
        PictureStore store(Sizes, cacheFolder());
        store.setPaths(paths);
        store.waitForAll();
    }
    const PictureCache unbounded(cacheFolder(), Sizes);
    QVERIFY(QFile::remove(paths[0]));
    QVERIFY(TestPictures::jpeg(paths[1], Qt::white, {30, 30}));
    QVERIFY(TestPictures::bytes(cacheFolder() + "/unrelated.txt", "kept"));
    QCOMPARE(unbounded.sweep(), 2);
    QStringList left = QDir(cacheFolder()).entryList({"*.pic"}, QDir::Files);
    QCOMPARE(left.size(), 4);
    QVERIFY(!left.contains(QFileInfo(unbounded.fileFor(paths[0])).fileName()));
    QVERIFY(QFile::exists(cacheFolder() + "/unrelated.txt"));

    // The oldest go first until the rest fits.
    const qint64 one = QFileInfo(unbounded.fileFor(paths[2])).size();
    for (int i = 2; i < 6; ++i)
        QVERIFY(setModified(unbounded.fileFor(paths[i]), {1'000'000 + i, 0}));
    const PictureCache bounded(cacheFolder(), Sizes, one * 2 + one / 2);
    QCOMPARE(bounded.sweep(), 2);
    QVERIFY(QFile::exists(bounded.fileFor(paths[4])) && QFile::exists(bounded.fileFor(paths[5])));
}

void PictureCacheTest::flashPictureJumpsTheQueue()
{
    QStringList paths;
    for (int i = 0; i < 24; ++i) {
        paths << copy(QStringLiteral("%1.jpg").arg(i));
        QVERIFY(TestPictures::jpeg(paths.last(), i == 23 ? Qt::green : Qt::red, {320, 240}));
    }
    // One worker, so that the order of arrivals is exact.
    PictureStore store(Sizes, cacheFolder());
    store.setThreadCount(1);
    QStringList arrivals;
    connect(&store, &PictureStore::pictureArrived, this,
            [&arrivals](const QString& path) { arrivals << path; });
    QSignalSpy ready(&store, &PictureStore::flashPictureReady);
    store.setPaths(paths);
    QImage flash;
    QCOMPARE(store.flashPicture(paths.last(), &flash), PictureStore::Availability::Pending);
    QVERIFY(flash.isNull());

    QTRY_COMPARE(ready.size(), 1);
    QCOMPARE(ready.first().first().toString(), paths.last());
    // Only the decode already running when it was asked for came before it.
    QCOMPARE(arrivals.indexOf(paths.last()), 1);
    QCOMPARE(store.flashPicture(paths.last(), &flash), PictureStore::Availability::Ready);
    QVERIFY(near(flash.pixelColor(3, 40), Qt::green));
    store.waitForAll();
    QCOMPARE(arrivals.size(), paths.size());
}

void PictureCacheTest::flashPictureFromTheDiskCacheAndUnreadable()
{
    QStringList paths{copy("a.jpg"), copy("b.jpg"), copy("notes.jpg")};
    QVERIFY(TestPictures::jpeg(paths[0], Qt::red) && TestPictures::jpeg(paths[1], Qt::blue));
    QVERIFY(TestPictures::bytes(paths[2], "no picture at all"));
    {
        PictureStore store(Sizes, cacheFolder());
        store.setPaths(paths);
        store.waitForAll();
    }
    PictureStore store(Sizes, cacheFolder());
    QSignalSpy ready(&store, &PictureStore::flashPictureReady);
    store.setPaths(paths);
    store.waitForAll();
    QImage flash;
    QCOMPARE(store.flashPicture(paths[1], &flash), PictureStore::Availability::Pending);
    QTRY_COMPARE(ready.size(), 1);
    QCOMPARE(store.flashPicture(paths[1], &flash), PictureStore::Availability::Ready);
    QVERIFY(near(flash.pixelColor(3, 40), Qt::blue));

    // Only a copy that is no picture is unreadable; its thumbnail stays empty.
    QCOMPARE(store.flashPicture(paths[2], &flash), PictureStore::Availability::Unreadable);
    QVERIFY(store.thumbnail(paths[2]).isNull());
    QVERIFY(store.flashPictureNow(paths[2]).isNull());
    QVERIFY(near(store.flashPictureNow(paths[0]).pixelColor(3, 40), Qt::red));
}

QTEST_GUILESS_MAIN(PictureCacheTest)
#include "tst_picturecache.moc"
