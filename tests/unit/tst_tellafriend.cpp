// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/TellAFriend.h"
#include "web/WebPages.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using Entries = TellAFriend::Entries;

class TellAFriendTest : public QObject
{
    Q_OBJECT
private slots:
    void checksInOrder_data();
    void checksInOrder();
    void requestCarriesEveryValueExactly_data();
    void requestCarriesEveryValueExactly();
    void requestKeepsKeysOrderHostAndPath();
    void trimmingTouchesSpacesOnly();
};

namespace
{

const Entries Placeholders{"Your Name", "Your Email Address", "Your Message\r\n", "Friend's Name",
                           "Friend's Email Address"};
const Entries Valid{"Ann Lee", "ann@mail.example", "Your Message\r\n", "Bob", "bob@mail.example"};

Entries with(Entries entries, QString Entries::*field, const QString& value)
{
    entries.*field = value;
    return entries;
}

QUrlQuery queryOf(const QString& request)
{
    return QUrlQuery(QUrl::fromEncoded(request.toLatin1(), QUrl::StrictMode));
}

QString value(const QUrlQuery& query, const QString& key)
{
    return query.queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

void TellAFriendTest::checksInOrder_data()
{
    QTest::addColumn<Entries>("typed");
    QTest::addColumn<QString>("message");

    const QString proper = "Please Enter Proper Email Address";
    QTest::newRow("every box at its placeholder") << Placeholders << proper;
    QTest::newRow("same address twice, all else placeholders")
        << with(with(Placeholders, &Entries::referrerEmail, "a@b.c"), &Entries::friendEmail,
                "a@b.c")
        << "Please Enter Distinct Email Addresses";
    QTest::newRow("same address twice after trimming")
        << with(with(Valid, &Entries::referrerEmail, "  a@b.c"), &Entries::friendEmail, "a@b.c  ")
        << "Please Enter Distinct Email Addresses";
    QTest::newRow("both empty count as the same address")
        << with(with(Valid, &Entries::referrerEmail, ""), &Entries::friendEmail, "  ")
        << "Please Enter Distinct Email Addresses";
    QTest::newRow("letter case makes addresses distinct")
        << with(with(Valid, &Entries::referrerEmail, "Ann@mail.example"), &Entries::friendEmail,
                "ann@mail.example")
        << QString();
    QTest::newRow("referrer without @")
        << with(Valid, &Entries::referrerEmail, "ann.mail.example") << proper;
    QTest::newRow("friend without @")
        << with(Valid, &Entries::friendEmail, "bob.mail.example") << proper;
    QTest::newRow("referrer without dot")
        << with(Valid, &Entries::referrerEmail, "ann@mail") << proper;
    QTest::newRow("friend without dot") << with(Valid, &Entries::friendEmail, "bob@mail") << proper;
    QTest::newRow("dot only before @ passes")
        << with(Valid, &Entries::friendEmail, "bob.smith@mail") << QString();
    QTest::newRow("own name at its placeholder")
        << with(Valid, &Entries::referrerName, "Your Name") << "Please Enter Your Name";
    QTest::newRow("own name empty")
        << with(Valid, &Entries::referrerName, "   ") << "Please Enter Your Name";
    QTest::newRow("friend's name at its placeholder")
        << with(Valid, &Entries::friendName, "  Friend's Name ")
        << "Please Enter Your Friend's Name";
    QTest::newRow("both names at placeholders: own name first")
        << with(with(Valid, &Entries::referrerName, "Your Name"), &Entries::friendName,
                "Friend's Name")
        << "Please Enter Your Name";
    QTest::newRow("emptied message left as its placeholder")
        << with(Valid, &Entries::referralMessage, "Your Message") << "Please Enter Your Message";
    QTest::newRow("untouched message passes") << Valid << QString();
    QTest::newRow("placeholder letters differ in case: passes")
        << with(Valid, &Entries::referrerName, "your name") << QString();
}

void TellAFriendTest::checksInOrder()
{
    QFETCH(Entries, typed);
    QFETCH(QString, message);

    const TellAFriend::Outcome outcome = TellAFriend::submit(typed);
    QCOMPARE(outcome.refusal, message);
    QCOMPARE(outcome.request.isEmpty(), !message.isEmpty());
}

void TellAFriendTest::requestCarriesEveryValueExactly_data()
{
    QTest::addColumn<Entries>("typed");
    QTest::addColumn<Entries>("sent");

    QTest::newRow("untouched message is sent with its CR LF")
        << Valid
        << Entries{"Ann Lee", "ann@mail.example", "Your Message\r\n", "Bob", "bob@mail.example"};
    QTest::newRow("query characters stay inside their value")
        << Entries{"Tom & Jerry #1", "a+b=c@mail.example", "100% sure? a=b&c", "x&taf6=evil",
                   "bob@mail.example"}
        << Entries{"Tom & Jerry #1", "a+b=c@mail.example", "100% sure? a=b&c", "x&taf6=evil",
                   "bob@mail.example"};
    QTest::newRow("line breaks and tabs")
        << with(Valid, &Entries::referralMessage, "line one\r\nline two\n\tend")
        << with(Valid, &Entries::referralMessage, "line one\r\nline two\n\tend");
    QTest::newRow("non-ASCII letters")
        << with(with(Valid, &Entries::referrerName, "Zoë Łukasz Ñandú 日本"), &Entries::friendEmail,
                "jörg@mäil.example")
        << with(with(Valid, &Entries::referrerName, "Zoë Łukasz Ñandú 日本"), &Entries::friendEmail,
                "jörg@mäil.example");
    QTest::newRow("outer spaces go, inner spaces stay")
        << with(with(Valid, &Entries::referrerName, "   Ann  Lee  "), &Entries::friendName, " Bob ")
        << with(with(Valid, &Entries::referrerName, "Ann  Lee"), &Entries::friendName, "Bob");
}

void TellAFriendTest::requestCarriesEveryValueExactly()
{
    QFETCH(Entries, typed);
    QFETCH(Entries, sent);

    const QString request = TellAFriend::submit(typed).request;
    QVERIFY(!request.isEmpty());
    // Nothing outside ASCII, no space and no line break in the address itself.
    for (QChar c : request)
        QVERIFY2(c.unicode() > 32 && c.unicode() < 127, qPrintable(request));

    const QUrlQuery query = queryOf(request);
    QCOMPARE(query.queryItems().size(), 6);
    QCOMPARE(value(query, "taf1"), sent.referrerName);
    QCOMPARE(value(query, "taf2"), sent.referrerEmail);
    QCOMPARE(value(query, "taf3"), sent.referralMessage);
    QCOMPARE(value(query, "taf4"), sent.friendName);
    QCOMPARE(value(query, "taf5"), sent.friendEmail);
    QCOMPARE(value(query, "taf6"), QString("https://" ZORVIK_PRODUCT_SITE_HOST "/"));
}

void TellAFriendTest::requestKeepsKeysOrderHostAndPath()
{
    const QString request = TellAFriend::submit(Valid).request;
    QCOMPARE(request,
             QString("https://" ZORVIK_MAIN_SITE_HOST "/quorla-refer-a-friend.php"
                     "?taf1=Ann%20Lee&taf2=ann%40mail.example&taf3=Your%20Message%0D%0A"
                     "&taf4=Bob&taf5=bob%40mail.example&taf6=https://" ZORVIK_PRODUCT_SITE_HOST
                     "/"));
}

void TellAFriendTest::trimmingTouchesSpacesOnly()
{
    QCOMPARE(TellAFriend::trimSpaces("  a b  "), QString("a b"));
    QCOMPARE(TellAFriend::trimSpaces("\t a \r\n"), QString("\t a \r\n"));
    QCOMPARE(TellAFriend::trimSpaces("    "), QString());
}

QTEST_GUILESS_MAIN(TellAFriendTest)
#include "tst_tellafriend.moc"
