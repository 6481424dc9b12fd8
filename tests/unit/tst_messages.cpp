// SPDX-License-Identifier: GPL-3.0-or-later
// The messages file's rules, a list that cannot be read, how a message is
// drawn, and the window that keeps them.
#include "app/MessagesDialog.h"
#include "core/MessagePicture.h"
#include "core/Session.h"
#include "flash/FlashWindows.h"
#include "library/MessageFile.h"
#include "library/MessageList.h"

#include "Children.h"
#include "Fakes.h"
#include "TestPictures.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class MessagesTest : public QObject
{
    Q_OBJECT
private slots:
    void fileIsCheckedWholeBeforeAnyMessageCounts_data();
    void fileIsCheckedWholeBeforeAnyMessageCounts();
    void unreadableListIsNeverOverwritten();
    void drawnWithinTheScreenTransparentOrOnItsBox();
    void windowEditsImportsAndExportsAndSavesOnlyOnOk();
};

void MessagesTest::fileIsCheckedWholeBeforeAnyMessageCounts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("messages"); // none: refused
    QTest::addColumn<QString>("refusal");      // words the reason holds
    const QByteArray longest = QString(MessageFile::MaxLength, u'é').toUtf8();
    const QByteArray emoji = QString::fromUtf8("\xF0\x9F\x8C\x9E").repeated(500).toUtf8();
    QTest::newRow("lines, blanks, CR LF, a BOM, tabs")
        << QByteArray("\xEF\xBB\xBF  one\r\n\n\t\ntwo\tthree  \n")
        << QStringList{"one", "two three"} << QString();
    QTest::newRow("500 characters, 500 emoji")
        << longest + '\n' + emoji
        << QStringList{QString::fromUtf8(longest), QString::fromUtf8(emoji)} << QString();
    QTest::newRow("a line too long") << "fine\n" + longest + "e\n" << QStringList() << "Line 2";
    QTest::newRow("NUL bytes") << QByteArray("one\0two", 7) << QStringList() << "NUL";
    QTest::newRow("not UTF-8") << QByteArray("caf\xE9\n") << QStringList() << "UTF-8";
    QTest::newRow("too many") << QByteArray("x\n").repeated(MessageFile::MaxMessages + 1)
                              << QStringList() << "10000";
}

void MessagesTest::fileIsCheckedWholeBeforeAnyMessageCounts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, messages);
    QFETCH(QString, refusal);
    QString error;
    const auto parsed = MessageFile::parse(bytes, &error);
    QCOMPARE(parsed.has_value(), refusal.isEmpty());
    QVERIFY2(error.remove(u',').contains(refusal), qPrintable(error));
    if (parsed)
        QCOMPARE(*parsed, messages);
}

void MessagesTest::unreadableListIsNeverOverwritten()
{
    QTemporaryDir folder;
    const QString file = folder.filePath("messages.txt");
    const QByteArray handWritten("mine\n\xFF\xFE broken\n");
    QVERIFY(TestPictures::bytes(file, handWritten));
    MessageList list(file);
    list.load();
    QVERIFY(list.messages().isEmpty());
    QVERIFY(list.loadProblem().contains("UTF-8"));
    QString error;
    QVERIFY(!list.add({"new"}, &error));
    QVERIFY(error.contains("left as it is"));
    const auto onDisk = [&file] {
        QFile kept(file);
        return kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray();
    };
    QCOMPARE(onDisk(), handWritten);

    // Mended, it takes messages again, all or none.
    QVERIFY(TestPictures::bytes(file, "mine\n"));
    list.load();
    QVERIFY(!list.add({"fine", "   "}, &error));
    QVERIFY(list.add({" two\nlines "}, &error));
    QCOMPARE(list.messages(), (QStringList{"mine", "two lines"}));
    QCOMPARE(onDisk(), QByteArray("mine\ntwo lines\n"));
}

void MessagesTest::drawnWithinTheScreenTransparentOrOnItsBox()
{
    const QSize screen(1280, 800);
    const QString longest =
        QStringLiteral("Every day, in every way, I am getting better and better. ").repeated(8);
    for (const auto size : {MessageLook::Size::Small, MessageLook::Size::Fit}) {
        MessageLook look;
        look.size = size;
        const QImage seeThrough = MessagePicture::draw(longest, look, screen, 2.0, false);
        // Wrapped within 80 % of the width, crisp at the scale of 2.
        QVERIFY(seeThrough.width() <= screen.width() * 2 * 0.8 + 64);
        QVERIFY(seeThrough.height() > 100);
        QCOMPARE(seeThrough.pixelColor(0, 0).alpha(), 0);
        const QImage opaque = MessagePicture::draw(longest, look, screen, 2.0, true);
        QCOMPARE(opaque.pixelColor(0, 0), look.boxColour);
        if (size == MessageLook::Size::Fit) // as large as fits: most of the height
            QVERIFY(opaque.height() > screen.height() * 2 * 0.6);
    }
    // Right to left and CJK are laid out, not dropped.
    for (const QString& text : {QStringLiteral("שלום עולם"), QStringLiteral("你好，世界")})
        QVERIFY(MessagePicture::draw(text, MessageLook(), screen, 1.0, false).width() > 40);
}

void MessagesTest::windowEditsImportsAndExportsAndSavesOnlyOnOk()
{
    TestServices fakes;
    std::unique_ptr<Session> session(FlashWindows::newSession(fakes.services));
    session->load();
    QVERIFY(session->addMessages({"first"}).isDone());
    MessagesDialog dialog(*session, fakes.dialogs, fakes.screen);
    auto* list = child<QListWidget>(&dialog, "lstMessages");
    const auto shown = [list] {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    };
    const auto press = [&dialog](const char* name) {
        QTest::mouseClick(child<QPushButton>(&dialog, name), Qt::LeftButton);
    };

    // An import is taken whole or not at all.
    QTemporaryDir folder;
    QVERIFY(TestPictures::bytes(folder.filePath("bad.txt"), QByteArray("a\0b", 3)));
    QVERIFY(TestPictures::bytes(folder.filePath("good.txt"), "a\n\nb\n"));
    fakes.dialogs.chosenFiles << QStringList{folder.filePath("bad.txt")}
                              << QStringList{folder.filePath("good.txt")};
    press("cmdImportMessages");
    QVERIFY(fakes.dialogs.messages.last().text.contains("NUL"));
    QCOMPARE(shown(), QStringList{"first"});
    press("cmdImportMessages");
    QCOMPARE(shown(), (QStringList{"first", "a", "b"}));

    list->setCurrentRow(2);
    press("cmdMessageUp");
    list->setCurrentRow(0);
    child<QLineEdit>(&dialog, "txtMessage")->setText("zero");
    press("cmdReplaceMessage");
    list->setCurrentRow(1);
    press("cmdDeleteMessage");
    QCOMPARE(shown(), (QStringList{"zero", "a"}));
    fakes.dialogs.chosenFolders << folder.filePath("out.txt");
    press("cmdExportMessages");
    QFile exported(folder.filePath("out.txt"));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), QByteArray("zero\na\n"));

    // Enter adds what was typed; it does not close the window.
    dialog.show();
    child<QLineEdit>(&dialog, "txtMessage")->clear();
    QTest::keyClicks(child<QLineEdit>(&dialog, "txtMessage"), "typed");
    QTest::keyClick(child<QLineEdit>(&dialog, "txtMessage"), Qt::Key_Return);
    QCOMPARE(shown().last(), QString("typed"));
    QVERIFY(dialog.isVisible());
    delete list->takeItem(2);

    QCOMPARE(session->messages().messages(), QStringList{"first"}); // until OK
    dialog.accept();
    QCOMPARE(session->messages().messages(), (QStringList{"zero", "a"}));
}

QTEST_MAIN(MessagesTest)
#include "tst_messages.moc"
