// SPDX-License-Identifier: GPL-3.0-or-later
// The list file reader under arbitrary input: any list of names it can keep
// comes back unchanged, and every seed input of the fuzzer (plus very large
// ones) reads without a crash into a sane list.
#include "../fuzz/ListFileChecks.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// A character a file name may hold and the list can keep.
char32_t randomCharacter(QRandomGenerator& random)
{
    static const std::pair<char32_t, char32_t> ranges[] = {
        {0x20, 0x7E},     {0x01, 0x1F},     {0xA0, 0x17F},      {0x300, 0x36F},
        {0x4E00, 0x4FFF}, {0xFB00, 0xFFFD}, {0x1F300, 0x1F6FF}, {0x10000, 0x10FFFD}};
    for (;;) {
        const auto& [low, high] = ranges[random.bounded(int(std::size(ranges)))];
        const char32_t c = char32_t(random.bounded(quint32(low), quint32(high) + 1));
        if (c != U'"' && c != U'\r' && c != U'\n' && c != U'\\' && c != U'/' && c != 0xFEFF)
            return c;
    }
}

QString randomName(QRandomGenerator& random)
{
    QString name(int(random.bounded(3)), u' '); // leading blanks are allowed
    const int length = int(random.bounded(0, 40));
    for (int i = 0; i < length; ++i) {
        const char32_t c = randomCharacter(random);
        name += QString::fromUcs4(&c, 1);
    }
    return name;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ListFileRobustnessTest : public QObject
{
    Q_OBJECT
private slots:
    void anyListOfKeepableNamesSurvivesWriteAndRead();
    void namesWithAQuoteOrLineBreakAreNotKeepable();
    void seedInputsReadSanely();
    void largeInputsReadSanely();
};

void ListFileRobustnessTest::anyListOfKeepableNamesSurvivesWriteAndRead()
{
    QRandomGenerator random(6);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.txt"));
    constexpr int Cases = 5000;
    int names = 0;
    int failures = 0;
    for (int i = 0; i < Cases; ++i) {
        QStringList list;
        const int count = int(random.bounded(0, 12));
        for (int k = 0; k < count; ++k)
            list << randomName(random);
        names += count;
        // Through the file every tenth time; the bytes are the same.
        const QStringList back =
            i % 10 == 0 ? (PictureListFile::save(path, list), PictureListFile::load(path))
                        : PictureListFile::parse(PictureListFile::serialize(list));
        if (back != list && ++failures <= 5)
            qWarning() << "changed by write and read:" << list << "->" << back;
        for (const QString& name : std::as_const(list))
            if (!PictureListFile::canHold(name) && ++failures <= 5)
                qWarning() << "a keepable name is said not to be:" << name;
    }
    qInfo("write-then-read: %d random lists, %d names, %d changed (must be 0)", Cases, names,
          failures);
    QCOMPARE(failures, 0);
}

void ListFileRobustnessTest::namesWithAQuoteOrLineBreakAreNotKeepable()
{
    QRandomGenerator random(7);
    const QString breakers[] = {QStringLiteral("\""), QStringLiteral("\r"), QStringLiteral("\n")};
    int failures = 0;
    constexpr int Cases = 1000;
    for (int i = 0; i < Cases; ++i) {
        QString name = randomName(random);
        name.insert(int(random.bounded(name.size() + 1)),
                    breakers[random.bounded(int(std::size(breakers)))]);
        failures += PictureListFile::canHold(name);
    }
    qInfo("unkeepable names: %d tried, %d wrongly said keepable (must be 0)", Cases, failures);
    QCOMPARE(failures, 0);
}

void ListFileRobustnessTest::seedInputsReadSanely()
{
    const QDir corpus(QStringLiteral(ZORVIK_SOURCE_DIR "/tests/corpus/listfile"));
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 8);
    for (const QString& name : files) {
        const QString problem = listFileProblem(readAll(corpus.filePath(name)));
        QVERIFY2(problem.isEmpty(), qPrintable(name + QStringLiteral(": ") + problem));
    }
    // Read the way the program reads them.
    QCOMPARE(PictureListFile::load(corpus.filePath(QStringLiteral("bom"))),
             QStringList({"car.jpg", "boat.bmp"}));
    QCOMPARE(PictureListFile::load(corpus.filePath(QStringLiteral("cr-only"))),
             QStringList({"car.jpg", "boat.bmp", "plain.jpg"}));
    QCOMPARE(PictureListFile::load(corpus.filePath(QStringLiteral("lf-only"))),
             QStringList({"car.jpg", "boat.bmp", "plain.jpg"}));
    QCOMPARE(PictureListFile::load(corpus.filePath(QStringLiteral("unbalanced-quotes"))).first(),
             QStringLiteral("open.jpg"));
    qInfo("seed inputs: %lld replayed, 0 problems", qlonglong(files.size()));
}

void ListFileRobustnessTest::largeInputsReadSanely()
{
    QRandomGenerator random(8);
    QByteArray line(1 << 20, 'x');
    for (char& c : line)
        c = char(random.bounded(1, 256));
    QByteArray quotedLine = '"' + QByteArray(1 << 20, 'y') + "\"\r\n\"after.jpg\"\r\n";
    QByteArray openQuote = '"' + QByteArray(1 << 20, 'z'); // never closed, no line end

    QStringList many;
    for (int i = 0; i < 100'000; ++i)
        many << QStringLiteral("picture %1.jpg").arg(i);
    const QByteArray manyBytes = PictureListFile::serialize(many);

    const std::pair<const char*, const QByteArray*> inputs[] = {
        {"1 MB of random bytes on one line", &line},
        {"a 1 MB quoted entry", &quotedLine},
        {"a 1 MB quote left open", &openQuote},
        {"100,000 entries", &manyBytes}};
    for (const auto& [what, bytes] : inputs) {
        const QString problem = listFileProblem(*bytes);
        QVERIFY2(problem.isEmpty(),
                 qPrintable(QString::fromLatin1(what) + QStringLiteral(": ") + problem));
    }
    QCOMPARE(PictureListFile::parse(quotedLine).size(), 2);
    QCOMPARE(PictureListFile::parse(quotedLine).first().size(), 1 << 20);
    QCOMPARE(PictureListFile::parse(openQuote).size(), 1);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.txt"));
    QVERIFY(PictureListFile::save(path, many));
    QCOMPARE(PictureListFile::load(path), many);
    qInfo("large inputs: %d read, 0 problems; 100,000 entries saved and loaded unchanged",
          int(std::size(inputs)));
}

QTEST_GUILESS_MAIN(ListFileRobustnessTest)
#include "tst_listfilerobustness.moc"
