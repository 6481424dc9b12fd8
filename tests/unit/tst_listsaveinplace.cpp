// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileModesApply.h"
#include "FileSizeLimit.h"
#include "library/PictureListFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The list saved where no file can be made beside record.txt: a read-only
// program folder holding a writable record.txt.
class ListSaveInPlaceTest : public QObject
{
    Q_OBJECT
private slots:
    void readOnlyFolderRewritesTheList_data();
    void readOnlyFolderRewritesTheList();
    void failedRewriteKeepsTheOldList_data();
    void failedRewriteKeepsTheOldList();
};

namespace
{

constexpr QFile::Permissions ReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner;
constexpr QFile::Permissions WritableFolder = ReadOnlyFolder | QFile::WriteOwner;

QStringList names(int count, const QString& stem)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("%1-%2.jpg").arg(stem).arg(i);
    return list;
}

QByteArray content(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

void ListSaveInPlaceTest::readOnlyFolderRewritesTheList_data()
{
    QTest::addColumn<int>("oldCount");
    QTest::addColumn<int>("newCount");
    QTest::newRow("longer") << 3 << 40;
    QTest::newRow("shorter: cut to its new length") << 40 << 3;
    QTest::newRow("emptied") << 5 << 0;
}

void ListSaveInPlaceTest::readOnlyFolderRewritesTheList()
{
    QFETCH(int, oldCount);
    QFETCH(int, newCount);
    APPLY_FILE_MODES();
    QTemporaryDir dir;
    const QString path = dir.filePath("record.txt");
    QVERIFY(PictureListFile::save(path, names(oldCount, "old")));
    QVERIFY(QFile::setPermissions(dir.path(), ReadOnlyFolder));

    QString error;
    const bool saved = PictureListFile::save(path, names(newCount, "new"), &error);
    const QStringList folder = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QFile::setPermissions(dir.path(), WritableFolder);

    QVERIFY2(saved, qPrintable(error));
    QCOMPARE(PictureListFile::load(path), names(newCount, "new"));
    QCOMPARE(folder, QStringList{"record.txt"});
}

void ListSaveInPlaceTest::failedRewriteKeepsTheOldList_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk fills, old list under the limit") << "small"
                                                          << "file too large";
    QTest::newRow("disk fills, old list beyond the limit") << "large"
                                                           << "file too large";
    QTest::newRow("record.txt read-only too") << "read-only"
                                              << "permission denied";
    QTest::newRow("no record.txt to rewrite") << "missing"
                                              << "";
}

void ListSaveInPlaceTest::failedRewriteKeepsTheOldList()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    APPLY_FILE_MODES();
    QTemporaryDir dir;
    const QString path = dir.filePath("record.txt");
    constexpr int Limit = 2048;
    if (kind != "missing")
        QVERIFY(PictureListFile::save(path, names(kind == "large" ? 300 : 20, "old")));
    const QByteArray before = content(path);
    QVERIFY(kind != "large" || before.size() > Limit);
    if (kind == "read-only")
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    QVERIFY(QFile::setPermissions(dir.path(), ReadOnlyFolder));

    QString error;
    bool saved = true;
    {
        FileSizeLimit full(kind == "small" || kind == "large" ? Limit : RLIM_INFINITY);
        saved = PictureListFile::save(path, names(500, "new"), &error);
    }
    const QByteArray after = content(path);
    const QStringList folder = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QFile::setPermissions(dir.path(), WritableFolder);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(reason, Qt::CaseInsensitive), qPrintable(error));
    QCOMPARE(after, before);
    QCOMPARE(folder, kind == "missing" ? QStringList{} : QStringList{"record.txt"});
}

QTEST_GUILESS_MAIN(ListSaveInPlaceTest)
#include "tst_listsaveinplace.moc"
