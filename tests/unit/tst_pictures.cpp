// SPDX-License-Identifier: GPL-3.0-or-later
// Where pictures come from: entry names that may not reach outside the copies
// folder, and decoding that survives bad files.
#include "TestPictures.h"
#include "library/LibraryFolder.h"
#include "pictures/JpegReader.h"
#include "pictures/PictureAnimation.h"
#include "pictures/PictureDecoder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const PictureSizes Sizes{{353, 249}, {113, 90}};
}

class PicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void onlyBareNamesHaveCopies_data();
    void onlyBareNamesHaveCopies();
    void linksMayNotLeaveTheCopiesFolder();
    void goodPicturesDecodeToTheirShownSizes();
    void everyKindDecodesByContent_data();
    void everyKindDecodesByContent();
    void animationsPlayTheirFramesWithinTheirShare_data();
    void animationsPlayTheirFramesWithinTheirShare();
    void exifOrientationIsApplied();
    void libjpegKeepsToItsMemoryCeiling();
    void badFilesAreRefusedWithAReason_data();
    void badFilesAreRefusedWithAReason();
};

void PicturesTest::onlyBareNamesHaveCopies_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("hasCopy");
    QTest::newRow("plain") << "car.jpg" << true;
    QTest::newRow("blank inside") << "my goal.bmp" << true;
    QTest::newRow("dots inside") << "a..b.jpg" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("slash") << "../record.txt" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("backslash") << "..\\x.jpg" << false;
    QTest::newRow("NUL") << QString("a") + QChar(0) + "b.jpg" << false;
}

void PicturesTest::onlyBareNamesHaveCopies()
{
    QFETCH(QString, entry);
    QFETCH(bool, hasCopy);
    const LibraryFolder folder("/opt/zorvik");
    const auto path = folder.copyPath(entry);
    QCOMPARE(path.has_value(), hasCopy);
    if (hasCopy)
        QCOMPARE(*path, "/opt/zorvik/SystemFolder/" + entry);
}

void PicturesTest::linksMayNotLeaveTheCopiesFolder()
{
    QTemporaryDir dir;
    const LibraryFolder folder(dir.path());
    QVERIFY(QDir().mkpath(folder.copiesFolder()));
    QVERIFY(TestPictures::jpeg(dir.filePath("outside.jpg")));
    QVERIFY(TestPictures::jpeg(folder.copiesFolder() + "/inside.jpg"));
    QVERIFY(QFile::link(dir.filePath("outside.jpg"), folder.copiesFolder() + "/out.jpg"));
    QVERIFY(QFile::link(folder.copiesFolder() + "/inside.jpg", folder.copiesFolder() + "/in.jpg"));
    QVERIFY(QFile::link(dir.filePath("nowhere.jpg"), folder.copiesFolder() + "/dangling.jpg"));

    QVERIFY(!folder.copyPath("out.jpg"));
    QVERIFY(!folder.copyPath("dangling.jpg"));
    QCOMPARE(folder.copyPath("in.jpg"), folder.copiesFolder() + "/in.jpg");
}

void PicturesTest::goodPicturesDecodeToTheirShownSizes()
{
    QTemporaryDir dir;
    QVERIFY(TestPictures::jpeg(dir.filePath("wide.jpg"), Qt::red, {1920, 1080}));
    QVERIFY(TestPictures::bmp(dir.filePath("small.bmp"), Qt::blue, {100, 100}));
    // A JPEG named like a bitmap is still a JPEG: the content decides.
    QVERIFY(TestPictures::jpeg(dir.filePath("named.bmp"), Qt::green, {50, 40}));

    for (const char* name : {"wide.jpg", "small.bmp", "named.bmp"}) {
        const DecodedPicture picture = PictureDecoder::decode(dir.filePath(name), Sizes);
        QVERIFY2(picture.isValid(), qPrintable(picture.error));
        QCOMPARE(picture.flash.size(), QSize(353, 249));
        QCOMPARE(picture.thumbnail.size(), QSize(113, 90));
    }
    const QImage blue = PictureDecoder::decode(dir.filePath("small.bmp"), Sizes).flash;
    QCOMPARE(blue.pixelColor(300, 20), QColor(Qt::blue));
}

void PicturesTest::everyKindDecodesByContent_data()
{
    // Each file is blue on its left half; red, or transparent, on its right.
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("seeThrough");
    const QStringList kinds{"png", "gif", "webp", "tiff", "svg", "heic", "avif"};
    for (const QString& kind : kinds)
        QTest::newRow(qPrintable(kind)) << "halves." + kind << false;
    QTest::newRow("CMYK JPEG") << "cmyk.jpg" << false;
    QTest::newRow("progressive JPEG") << "progressive.jpg" << false;
    QTest::newRow("transparent PNG") << "see-through.png" << true;
    QTest::newRow("transparent WebP") << "see-through.webp" << true;
    QTest::newRow("transparent HEIC") << "see-through.heic" << true;
}

void PicturesTest::everyKindDecodesByContent()
{
    QFETCH(QString, name);
    QFETCH(bool, seeThrough);
    // Named like none of them: the content decides.
    QTemporaryDir dir;
    const QString copy = dir.filePath("picture.bmp");
    QVERIFY(QFile::copy(QStringLiteral(ZORVIK_SOURCE_DIR "/tests/corpus/pictures/") + name, copy));
    const DecodedPicture picture = PictureDecoder::decode(copy, Sizes);
    QVERIFY2(picture.isValid(), qPrintable(picture.error));
    QCOMPARE(picture.flash.size(), Sizes.flash);
    QCOMPARE(picture.thumbnail.size(), Sizes.thumbnail);
    const QColor left = picture.flash.pixelColor(40, 120);
    const QColor right = picture.flash.pixelColor(310, 120);
    QVERIFY2(left.blue() > 200 && left.red() < 60 && left.alpha() == 255,
             qPrintable(left.name(QColor::HexArgb)));
    if (seeThrough)
        QCOMPARE(right.alpha(), 0);
    else
        QVERIFY2(right.red() > 200 && right.blue() < 60, qPrintable(right.name(QColor::HexArgb)));
}

void PicturesTest::animationsPlayTheirFramesWithinTheirShare_data()
{
    // The animations are red, green, then blue.
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<QList<int>>("delays"); // empty: no animation to play
    const qint64 share = PictureAnimation::MaxBytes;
    // The second frame asks for no wait: shown as fast as browsers show it.
    QTest::newRow("GIF") << "animated.gif" << share << QList<int>{50, 100, 200};
    QTest::newRow("WebP") << "animated.webp" << share << QList<int>{100, 200, 150};
    QTest::newRow("still GIF") << "halves.gif" << share << QList<int>{};
    QTest::newRow("PNG") << "halves.png" << share << QList<int>{};
    QTest::newRow("frames past the share") << "animated.gif" << 353 * 249 * 4 * 2LL << QList<int>{};
}

void PicturesTest::animationsPlayTheirFramesWithinTheirShare()
{
    QFETCH(QString, name);
    QFETCH(qint64, maxBytes);
    QFETCH(QList<int>, delays);
    QTemporaryDir dir;
    const QString copy = dir.filePath("picture.jpg");
    QVERIFY(QFile::copy(QStringLiteral(ZORVIK_SOURCE_DIR "/tests/corpus/pictures/") + name, copy));
    const auto animation = PictureAnimation::decode(copy, Sizes.flash, false, maxBytes);
    if (delays.isEmpty()) {
        QVERIFY(!animation);
        return;
    }
    QVERIFY(animation);
    QCOMPARE(animation->delaysMs, delays);
    QList<QColor> colours;
    for (const QImage& frame : animation->frames) {
        QCOMPARE(frame.size(), Sizes.flash);
        colours << frame.pixelColor(100, 100);
    }
    QCOMPARE(colours, (QList<QColor>{Qt::red, Qt::green, Qt::blue}));
}

void PicturesTest::exifOrientationIsApplied()
{
    QTemporaryDir dir;
    // Stored landscape, top half red; the EXIF tag turns it a quarter clockwise,
    // so upright the left half is red.
    QImage stored(400, 200, QImage::Format_RGB32);
    stored.fill(Qt::white);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 400; ++x)
            stored.setPixelColor(x, y, Qt::red);
    QImageWriter writer(dir.filePath("turned.jpg"), "jpeg");
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    QVERIFY(writer.write(stored));

    const QImage flash = PictureDecoder::decode(dir.filePath("turned.jpg"), Sizes).flash;
    QCOMPARE(flash.size(), QSize(353, 249));
    QVERIFY(flash.pixelColor(330, 120).red() > 200 && flash.pixelColor(330, 120).green() < 60);
    QVERIFY(flash.pixelColor(20, 120).green() > 200);
}

void PicturesTest::libjpegKeepsToItsMemoryCeiling()
{
    // 1000 × 1000 in several scans: some 3 MB of coefficients, whatever its
    // headers are made to say.
    QTemporaryDir dir;
    const QString path = dir.filePath("scans.jpg");
    QImage image(1000, 1000, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QImageWriter writer(path, "jpeg");
    writer.setOptimizedWrite(true);
    writer.setProgressiveScanWrite(true);
    QVERIFY(writer.write(image));
    const JpegReader::Result refused = JpegReader::read(path, {100, 100}, 1 << 20);
    QVERIFY(refused.header.coefficientBytes > 2'000'000);
    QCOMPARE(refused.failure, JpegReader::Failure::TooLarge);
    const JpegReader::Result whole = JpegReader::read(path, {100, 100}, 8 << 20);
    QCOMPARE(whole.image.size(), QSize(125, 125)); // scaled 1:8 while decoding
}

void PicturesTest::badFilesAreRefusedWithAReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");

    QByteArray jpeg;
    {
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
    }
    QByteArray icon;
    {
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer buffer(&icon);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "ICO");
    }
    // A JPEG whose frame header claims 65,000 × 65,000 pixels.
    QByteArray huge = jpeg;
    const qsizetype sof = huge.indexOf("\xFF\xC0");
    QVERIFY(sof > 0);
    huge[sof + 5] = char(0xFD);
    huge[sof + 6] = char(0xE8);
    huge[sof + 7] = char(0xFD);
    huge[sof + 8] = char(0xE8);
    // A bitmap header that claims 100,000 × 100,000 pixels.
    QByteArray bmp("BM");
    bmp += QByteArray(12, '\0');
    const qint32 header[] = {40, 100000, 100000};
    bmp += QByteArray(reinterpret_cast<const char*>(header), sizeof header);
    bmp += QByteArray("\x01\x00\x18\x00", 4) + QByteArray(24, '\0');

    QTest::newRow("empty file") << "empty.jpg" << QByteArray();
    QTest::newRow("truncated JPEG") << "cut.jpg" << jpeg.left(jpeg.size() / 3);
    QTest::newRow("icon named .jpg") << "icon.jpg" << icon;
    QTest::newRow("text named .bmp") << "text.bmp" << QByteArray("hello");
    QTest::newRow("JPEG claiming 65000 x 65000") << "huge.jpg" << huge;
    QTest::newRow("BMP claiming 100000 x 100000") << "huge.bmp" << bmp;
    QTest::newRow("a folder named like a picture") << "folder.jpg/" << QByteArray();
}

void PicturesTest::badFilesAreRefusedWithAReason()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    if (name.endsWith('/'))
        QVERIFY(QDir().mkpath(dir.filePath(name)));
    else
        QVERIFY(TestPictures::bytes(dir.filePath(name), content));
    const DecodedPicture picture = PictureDecoder::decode(dir.filePath(name), Sizes);
    QVERIFY(!picture.isValid());
    QVERIFY(!picture.error.isEmpty());
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
