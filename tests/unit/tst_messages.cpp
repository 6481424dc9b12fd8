// SPDX-License-Identifier: GPL-3.0-or-later
// The messages file's rules, a list that cannot be read, and how a message
// is drawn.
#include "core/MessagePicture.h"
#include "library/MessageFile.h"
#include "library/MessageList.h"

#include "TestPictures.h"

#include <QFile>
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

QTEST_MAIN(MessagesTest)
#include "tst_messages.moc"
