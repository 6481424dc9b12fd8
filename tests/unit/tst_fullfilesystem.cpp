// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder and the settings on a small file system that really runs
// full: adds go on until there is no room, then are refused with the reason;
// nothing listed loses its picture, and the settings file stays whole.
#include "LibraryFixture.h"
#include "SmallFileSystem.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"
#include "platform/ProgramInfo.h"
#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

class FullFileSystemTest : public QObject
{
    Q_OBJECT
private slots:
    void addsRunTheDiskFullThenAreRefused();
    void deleteOnAFullDiskFreesTheCopyFirst();
    void settingsSaveOnAFullDiskKeepsTheFile();
};

namespace
{

constexpr qint64 LibraryDiskBytes = 512 * 1024;
const QString App = QStringLiteral("zorvik-subliminal-images");

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The one message a refused change shows: an error naming the file and why.
void expectRefusal(const LibraryFixture& f, const QString& file, const QString& reason)
{
    QCOMPARE(f.test.dialogs.messages.size(), 1);
    const ScriptedDialogs::Message& message = f.test.dialogs.messages.constFirst();
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.title, ProgramInfo::title());
    QVERIFY2(message.text.contains(file), qPrintable(message.text));
    QVERIFY2(message.text.contains(reason, Qt::CaseInsensitive), qPrintable(message.text));
}

// Every listed entry still has the very picture that was added for it.
void expectEveryPictureKept(const LibraryFixture& f, const QMap<QString, QString>& sources)
{
    for (const QString& entry : f.snapshot().entries) {
        const QString copy = f.test.copiesFolder() + u'/' + entry;
        QVERIFY2(QFile::exists(copy), qPrintable(entry));
        if (sources.contains(entry))
            QCOMPARE(readFile(copy), readFile(sources.value(entry)));
    }
}

} // namespace

void FullFileSystemTest::addsRunTheDiskFullThenAreRefused()
{
    LibraryFixture f;
    const SmallFileSystem disk(f.test.programFolder(), LibraryDiskBytes);
    if (!disk.unavailable().isEmpty())
        QSKIP(qPrintable("no small file system: " + disk.unavailable()));
    f.prepare({"a.jpg"}, {Qt::red});
    f.start();

    // Each picture is about 57 KB, so the disk is full after a few.
    QMap<QString, QString> sources;
    QList<QColor> colours{Qt::red};
    int added = 0;
    QString refused;
    for (int i = 0; i < 20 && refused.isEmpty(); ++i) {
        const QColor colour = QColor::fromHsv(i * 37 % 360, 200, 220);
        const QString chosen = f.userPicture(QStringLiteral("photo %1.bmp").arg(i), colour, "BMP");
        const LibrarySnapshot before = f.snapshot();
        f.add(chosen);
        if (f.test.dialogs.messages.isEmpty()) {
            sources.insert(QStringLiteral("photo %1.bmp").arg(i), chosen);
            colours << colour;
            ++added;
            continue;
        }
        refused = chosen;
        expectRefusal(f, chosen, "No space left on device");
        QCOMPARE(f.snapshot(), before);
    }
    QVERIFY2(!refused.isEmpty(), "the disk never ran full");
    QVERIFY(added > 0);

    expectEveryPictureKept(f, sources);
    f.library->store().waitForAll();
    for (int slot = 1; slot <= colours.size(); ++slot)
        QVERIFY2(similarColour(f.slotColour(slot), colours.at(slot - 1)),
                 qPrintable(QStringLiteral("slot %1").arg(slot)));
    qInfo("full file system of %lld KiB: %d pictures added, the next refused with \"%s\"; "
          "%lld bytes left free, 0 entries without their picture",
          LibraryDiskBytes / 1024, added,
          qPrintable(f.test.dialogs.messages.constFirst().text.simplified()), disk.freeBytes());
}

void FullFileSystemTest::deleteOnAFullDiskFreesTheCopyFirst()
{
    LibraryFixture f;
    const SmallFileSystem disk(f.test.programFolder(), LibraryDiskBytes);
    if (!disk.unavailable().isEmpty())
        QSKIP(qPrintable("no small file system: " + disk.unavailable()));
    f.prepare({"a.jpg", "b.jpg", "c.jpg"}, {Qt::red, Qt::green, Qt::blue});
    f.start();
    const qint64 ballast = disk.fill(QStringLiteral("ballast"));
    QCOMPARE(disk.freeBytes(), 0);

    // The new list cannot be written until the copy's room is freed.
    f.select(1);
    f.deleteSelected();
    QVERIFY(f.test.dialogs.messages.isEmpty());
    QCOMPARE(f.snapshot().entries, (QStringList{"a.jpg", "c.jpg"}));
    QCOMPARE(f.listFileBytes(), PictureListFile::serialize({"a.jpg", "c.jpg"}));
    QVERIFY(!QFile::exists(f.test.copiesFolder() + "/b.jpg"));
    expectEveryPictureKept(f, {});
    qInfo("delete on a full file system (%lld bytes of ballast): done, the copy's room freed "
          "for the list",
          ballast);
}

void FullFileSystemTest::settingsSaveOnAFullDiskKeepsTheFile()
{
    QTemporaryDir dir;
    const SmallFileSystem disk(dir.path(), 64 * 1024);
    if (!disk.unavailable().isEmpty())
        QSKIP(qPrintable("no small file system: " + disk.unavailable()));
    QtSettingsStore store(dir.path());
    store.write(App, "settings", "DispInterval", "5");
    const QByteArray before = readFile(store.fileFor(App));
    QVERIFY(before.contains("DispInterval=5"));

    disk.fill(QStringLiteral("ballast"));
    store.write(App, "settings", "DispDuration", QString(2000, u'7'));
    QCOMPARE(readFile(store.fileFor(App)), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"ballast", App + ".conf"}));

    QVERIFY(QFile::remove(dir.filePath("ballast")));
    store.write(App, "settings", "DispDuration", "6");
    QVERIFY(readFile(store.fileFor(App)).contains("DispDuration=6"));
    qInfo("settings save on a full file system: the file was left whole, and saved once there "
          "was room");
}

// The small file systems are mounted in a namespace of the test's own, which
// can only be entered while the process has one thread.
int main(int argc, char** argv)
{
    SmallFileSystem::enterOwnMountNamespace();
    QApplication app(argc, argv);
    FullFileSystemTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fullfilesystem.moc"
