// SPDX-License-Identifier: GPL-3.0-or-later
// What another account (or a careless program) puts in a shared library
// folder, or in a set's file handed to the user, never makes the program write
// or delete a file of the user's.
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "app/MainWindow.h"
#include "core/Session.h"
#include "library/MessageList.h"
#include "library/PictureLibrary.h"
#include "library/PictureSets.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>
#include <unistd.h>

class PlantedFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void linkInPlaceOfOurFileIsNotWrittenThrough_data();
    void linkInPlaceOfOurFileIsNotWrittenThrough();
    void journalRemovesOnlyTheCopyItMade_data();
    void journalRemovesOnlyTheCopyItMade();
    void hostileSetFileChangesNothing_data();
    void hostileSetFileChangesNothing();
    void setTravelsWholeAndAnImportCutShortIsFinishedOrDropped();
};

namespace
{

struct Member {
    QByteArray name;
    QByteArray data;
    int type = AE_IFREG;
    QByteArray link = {}; // a symbolic link's target, or "hard:" and another member
    qint64 claimed = -1;  // a size the header claims instead of the data's
};

// A tar of the members, written as they are, whatever they are.
QByteArray tarOf(const QList<Member>& members)
{
    QByteArray tar(1 << 20, '\0');
    size_t used = 0;
    archive* handle = archive_write_new();
    archive_write_set_format_ustar(handle);
    archive_write_open_memory(handle, tar.data(), size_t(tar.size()), &used);
    for (const Member& member : members) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, member.name.constData());
        archive_entry_set_filetype(entry, unsigned(member.type));
        archive_entry_set_perm(entry, 0644);
        if (member.link.startsWith("hard:"))
            archive_entry_set_hardlink(entry, member.link.mid(5).constData());
        else if (!member.link.isEmpty())
            archive_entry_set_symlink(entry, member.link.constData());
        archive_entry_set_size(entry, member.type == AE_IFREG ? member.data.size() : 0);
        archive_write_header(handle, entry);
        archive_write_data(handle, member.data.constData(), size_t(member.data.size()));
        archive_entry_free(entry);
    }
    archive_write_close(handle);
    archive_write_free(handle);
    tar.truncate(qsizetype(used));
    // A header may claim what it likes: the size field, then its checksum.
    if (const qint64 claimed = members.constLast().claimed; claimed >= 0) {
        const qsizetype header =
            tar.lastIndexOf(members.constLast().name.constData(), tar.size() - 1024);
        tar.replace(header + 124, 12,
                    QByteArray::number(claimed, 8).rightJustified(11, '0') + '\0');
        tar.replace(header + 148, 8, QByteArray(8, ' '));
        unsigned sum = 0;
        for (int i = 0; i < 512; ++i)
            sum += quint8(tar.at(header + i));
        tar.replace(header + 148, 8,
                    QByteArray::number(sum, 8).rightJustified(6, '0') + '\0' + ' ');
    }
    return tar;
}

QByteArray jpegBytes(QColor colour)
{
    QTemporaryDir folder;
    TestPictures::jpeg(folder.filePath("p.jpg"), colour);
    return TestPictures::readAll(folder.filePath("p.jpg"));
}

} // namespace

void PlantedFilesTest::linkInPlaceOfOurFileIsNotWrittenThrough_data()
{
    QTest::addColumn<QString>("file");
    // The journal is written on every add (a link there is told of on standard
    // error), the list of the user's own files when a picture is added from
    // the copies folder itself; the list follows the user's own links only.
    QTest::newRow("journal") << "pending.txt";
    QTest::newRow("own files") << "originals.txt";
    QTest::newRow("list, another's link") << "record.txt";
}

void PlantedFilesTest::linkInPlaceOfOurFileIsNotWrittenThrough()
{
    QFETCH(QString, file);
    const bool refused = file != "pending.txt";
    LibraryFixture f;
    const QString diary = f.userFolder.filePath("diary.txt");
    QVERIFY(TestPictures::bytes(diary, "mine"));
    const QString link = f.test.programFolder() + u'/' + file;
    QVERIFY(QFile::link(diary, link));
    if (file == "record.txt" && ::lchown(QFile::encodeName(link).constData(), 65534, 65534) != 0)
        QSKIP("the link cannot be given to another account here");
    const QString inCopies = f.test.copiesFolder() + "/own.jpg";
    QVERIFY(TestPictures::jpeg(inCopies));
    f.start();

    f.add(file == "originals.txt" ? inCopies : f.userPicture("car.jpg"));

    QCOMPARE(TestPictures::readAll(diary), QByteArray("mine"));
    QCOMPARE(f.test.dialogs.messages.size(), refused ? 1 : 0);
    QVERIFY(!refused || f.test.dialogs.messages.constFirst().text.contains("is a link"));
}

void PlantedFilesTest::journalRemovesOnlyTheCopyItMade_data()
{
    QTest::addColumn<QByteArray>("identity"); // "same": the file's own, which alone is removed
    QTest::newRow("older version's line") << QByteArray();
    QTest::newRow("another file") << QByteArray(" 4 1700000000000000000 12");
    QTest::newRow("the copy a kill left") << QByteArray("same");
}

void PlantedFilesTest::journalRemovesOnlyTheCopyItMade()
{
    QFETCH(QByteArray, identity);
    const bool removed = identity == "same";
    LibraryFixture f;
    const QString copy = f.test.copiesFolder() + "/pic.jpg";
    QVERIFY(TestPictures::jpeg(copy));
    struct stat file;
    QCOMPARE(::stat(QFile::encodeName(copy).constData(), &file), 0);
    if (identity == "same")
        identity = QString::asprintf(" %lld %lld %llu", qlonglong(file.st_size),
                                     file.st_mtim.tv_sec * 1'000'000'000LL + file.st_mtim.tv_nsec,
                                     qulonglong(file.st_ino))
                       .toLatin1();
    QVERIFY(TestPictures::bytes(f.test.programFolder() + "/pending.txt",
                                "\"pic.jpg\"" + identity + "\r\n"));
    f.start();
    QCOMPARE(QFile::exists(copy), !removed);
}

void PlantedFilesTest::hostileSetFileChangesNothing_data()
{
    QTest::addColumn<QList<Member>>("members");
    QTest::addColumn<QString>("reason");
    const Member list{"set.txt", "\"red.jpg\"\r\n\"new.jpg\"\r\n"};
    const Member red{"pictures/red.jpg", jpegBytes(Qt::red)};
    const Member fresh{"pictures/new.jpg", jpegBytes(Qt::green)};
    QTest::newRow("climbing name")
        << QList<Member>{list, red, fresh, {"pictures/../../x.jpg", "x"}} << "plain names";
    QTest::newRow("absolute name") << QList<Member>{{"/tmp/x.jpg", "x"}, list} << "plain names";
    QTest::newRow("link") << QList<Member>{list,
                                           red,
                                           {"pictures/new.jpg", {}, AE_IFLNK, "/etc/passwd"}}
                          << "link";
    QTest::newRow("hard link") << QList<Member>{list,
                                                red,
                                                {"pictures/new.jpg", {}, AE_IFREG, "hard:set.txt"}}
                               << "link";
    QTest::newRow("device") << QList<Member>{list, {"pictures/new.jpg", {}, AE_IFCHR}} << "special";
    QTest::newRow("bomb") << QList<Member>{list,
                                           red,
                                           {"pictures/new.jpg", "x", AE_IFREG, {}, 3LL << 30}}
                          << "larger than 1024 MB";
    QTest::newRow("twice") << QList<Member>{list, red, red, fresh} << "twice";
    QTest::newRow("listed name, other bytes")
        << QList<Member>{list, {"pictures/red.jpg", jpegBytes(Qt::blue)}, fresh}
        << "another picture";
    QTest::newRow("picture not in its list")
        << QList<Member>{list, red, fresh, {"pictures/more.jpg", jpegBytes(Qt::blue)}}
        << "does not name";
    QTest::newRow("picture missing") << QList<Member>{list, red} << "does not hold";
    QTest::newRow("not a picture")
        << QList<Member>{list, red, {"pictures/new.jpg", "text"}} << "new.jpg";
    QTest::newRow("no list") << QList<Member>{red} << "no list";
    QTest::newRow("messages not text")
        << QList<Member>{list, red, fresh, {"messages.txt", QByteArray("calm\0", 5)}} << "messages";
    QTest::newRow("not an archive") << QList<Member>{} << "not a set";
}

void PlantedFilesTest::hostileSetFileChangesNothing()
{
    QFETCH(QList<Member>, members);
    QFETCH(QString, reason);
    LibraryFixture f;
    f.prepare({"red.jpg"}, {Qt::red});
    f.start();
    const LibrarySnapshot before = f.snapshot();
    const QString file = f.userFolder.filePath("trip.tar.gz");
    QVERIFY(TestPictures::bytes(file, members.isEmpty() ? QByteArray(4096, 'z') : tarOf(members)));

    QString name;
    const Outcome outcome = f.window->session().importSet(file, &name);

    QVERIFY2(outcome.refusal.contains(reason), qPrintable(outcome.refusal));
    QCOMPARE(f.snapshot(), before);
    // Nothing unpacked is left behind.
    const QStringList left =
        QDir(f.test.programFolder())
            .entryList({".*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
    QVERIFY(!f.window->session().sets().contains("trip"));
}

void PlantedFilesTest::setTravelsWholeAndAnImportCutShortIsFinishedOrDropped()
{
    LibraryFixture from;
    from.prepare({"red.jpg", "green.jpg", "blue.jpg"}, {Qt::red, Qt::green, Qt::blue});
    from.start();
    const PictureSets sets = from.window->session().sets();
    QString error;
    QVERIFY(sets.save("work", {"blue.jpg", "gone.jpg", "red.jpg"}, &error));
    QVERIFY(from.window->session().addMessages({"Calm", "Private"}).isDone());
    QVERIFY(sets.saveMessages("work", {"Calm"}, &error));
    QVERIFY(TestPictures::bytes(sets.settingsOf("work"), "[look]\nOpacity=40\n"));
    const QString file = from.userFolder.filePath("work.tar.gz");
    QVERIFY(from.window->session().exportSet("work", file).isDone());

    // Its pictures the list lacks are added; the same bytes under a listed name are taken as it.
    LibraryFixture to;
    to.prepare({"red.jpg"}, {Qt::red});
    to.start();
    QVERIFY(to.window->session().addMessages({"Other"}).isDone());
    // What looks like an import a kill left is cleared, but never through a link.
    const QString diary = to.userFolder.filePath("diary.txt");
    QVERIFY(TestPictures::bytes(diary, "mine"));
    QVERIFY(QFile::link(to.userFolder.path(), to.test.programFolder() + "/.set-import-planted"));
    QString name;
    QVERIFY(to.window->session().importSet(file, &name).isDone());
    QCOMPARE(TestPictures::readAll(diary), QByteArray("mine"));
    QCOMPARE(name, QString("work"));
    QCOMPARE(to.library->entries(), (QStringList{"red.jpg", "blue.jpg"}));
    const PictureSets imported = to.window->session().sets();
    QCOMPARE(imported.entries("work", &error), (QStringList{"blue.jpg", "red.jpg"}));
    QCOMPARE(TestPictures::readAll(imported.settingsOf("work")),
             QByteArray("[look]\nOpacity=40\n"));
    QCOMPARE(imported.messages("work"), QStringList{"Calm"});
    QCOMPARE(to.window->session().messages().messages(), (QStringList{"Other", "Calm"}));
    QVERIFY(to.window->session().importSet(file, &name).refusal.contains("already"));

    // A kill after the set was staged: whole once its pictures are listed, else gone.
    QVERIFY(imported.stageImport("cut", {"blue.jpg"}, "[look]\nOpacity=40\n", QStringList{"Calm"},
                                 &error));
    QVERIFY(imported.stageImport("lost", {"never.jpg"}, {}, QStringList{"Calm"}, &error));
    imported.finishImports(to.library->entries());
    QCOMPARE(imported.names(), (QStringList{"cut", "work"}));
    QVERIFY(QFile::exists(imported.settingsOf("cut")) && QFile::exists(imported.messagesOf("cut")));
    QCOMPARE(QDir(imported.folder()).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList());
}

QTEST_MAIN(PlantedFilesTest)
#include "tst_plantedfiles.moc"
