// SPDX-License-Identifier: GPL-3.0-or-later
// What a crash leaves beside the files it was changing is cleared at the next
// start, whatever version of the program named it, and nothing else is.
#include "files/AtomicFile.h"
#include "files/SideFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class SideFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void leftoversOfEveryVersionAndNothingElseAreRemoved();
    void fileWithTheLongestNameIsReplaced();
};

namespace
{

bool make(const QString& path, const QDateTime& modified = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           (!modified.isValid() || file.setFileTime(modified, QFileDevice::FileModificationTime));
}

QStringList filesIn(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
}

} // namespace

void SideFilesTest::leftoversOfEveryVersionAndNothingElseAreRemoved()
{
    QTemporaryDir dir;
    const QStringList leftovers{".adding-Ab3dE9", ".kept-Ab3dE9", ".writing-Ab3dE9",
                                ".photo.jpg.saving-Ab3dE9", ".photo.jpg.kept-x0Y1z2"};
    QStringList kept{".adding-Ab3",    ".kept-Qw12er", ".photo.jpg.saving-Ab3d-9",
                     ".saving-Ab3dE9", "photo.jpg",    "photo.jpg.saving-Ab3dE9"};
    for (const QString& name : leftovers + kept)
        QVERIFY(make(dir.filePath(name)));

    // ".kept-Qw12er" is a listed picture of the user's.
    QCOMPARE(SideFiles::removeLeftovers(dir.path(), SideFiles::Leftovers::allBut({".kept-Qw12er"})),
             int(leftovers.size()));
    kept.sort();
    QCOMPARE(filesIn(dir.path()), kept);

    // A young one may be a write still under way in another thread.
    QVERIFY(
        make(dir.filePath(".a.pic.saving-Ab3dE9"), QDateTime::currentDateTime().addSecs(-3600)));
    QVERIFY(make(dir.filePath(".b.pic.saving-Ab3dE9")));
    QCOMPARE(SideFiles::removeLeftovers(dir.path(), SideFiles::Leftovers::olderThan(600)), 1);
    QVERIFY(filesIn(dir.path()).contains(".b.pic.saving-Ab3dE9"));
}

void SideFilesTest::fileWithTheLongestNameIsReplaced()
{
    QTemporaryDir dir;
    const QString name = QString(127, QChar(0xE9)) + u'a'; // 255 bytes
    const QString target = dir.filePath(name);
    QVERIFY(make(target));
    AtomicFile out(target);
    QString error;
    QVERIFY2(out.open(&error) && out.write("new", &error) && out.commit(&error), qPrintable(error));
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("new"));

    // Its temporary file, left by a crash, is known as its own.
    QVERIFY(make(SideFiles::temporaryTemplate(target).replace("XXXXXX", "Ab3dE9")));
    QCOMPARE(SideFiles::removeLeftovers(dir.path(), SideFiles::Leftovers::of(name)), 1);
    QCOMPARE(filesIn(dir.path()), QStringList{name});
}

QTEST_GUILESS_MAIN(SideFilesTest)
#include "tst_sidefiles.moc"
