// SPDX-License-Identifier: GPL-3.0-or-later
// An add that does not list its picture leaves nothing behind: no copy, no
// name in the journal of pending copies, no copies folder it made, and the
// library takes the next add.
#include "library/AddTransaction.h"
#include "library/LibraryFolder.h"
#include "library/PictureLibrary.h"

#include "TestPictures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class AddTransactionTest : public QObject
{
    Q_OBJECT
private slots:
    void aFailedAddLeavesNothingBehind_data();
    void aFailedAddLeavesNothingBehind();
};

void AddTransactionTest::aFailedAddLeavesNothingBehind_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("the list cannot be saved") << "list";
    QTest::newRow("the file is no picture") << "picture";
    QTest::newRow("given up before listing") << "abandoned";
}

void AddTransactionTest::aFailedAddLeavesNothingBehind()
{
    QFETCH(QString, failure);
    QTemporaryDir program;
    QTemporaryDir user;
    const LibraryFolder folder(program.path());
    const QString source = user.filePath("car.jpg");
    QVERIFY(failure == "picture" ? TestPictures::bytes(source, "no picture")
                                 : TestPictures::jpeg(source));
    if (failure == "list")
        QVERIFY(QDir().mkpath(folder.listFile())); // a folder where the list goes
    const PictureSizes sizes{QSize(353, 249), QSize(113, 90)};
    PictureLibrary library(folder, sizes);
    library.load();

    if (failure == "abandoned") {
        AddTransaction add(library);
        QVERIFY(add.open().done());
        const AddTransaction::Admission admitted = add.admit(source);
        const auto placed =
            PictureLibrary::prepare(source, admitted.name, admitted.target, sizes, add.journal());
        QVERIFY(QFileInfo::exists(admitted.target));
        QVERIFY(library.isBusy());
    } else {
        QVERIFY(!library.add(source).done());
        QVERIFY(!QFileInfo::exists(folder.pendingFile()));
    }
    QVERIFY(!QFileInfo::exists(folder.copiesFolder()));
    QVERIFY(library.entries().isEmpty());
    QVERIFY(!library.isBusy());

    QVERIFY(failure != "list" || QDir().rmdir(folder.listFile()));
    QVERIFY(TestPictures::jpeg(source));
    QVERIFY(library.add(source).done());
    QCOMPARE(library.entries(), QStringList{"car.jpg"});
    QVERIFY(!QFileInfo::exists(folder.pendingFile()));
}

QTEST_GUILESS_MAIN(AddTransactionTest)
#include "tst_addtransaction.moc"
