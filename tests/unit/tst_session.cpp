// SPDX-License-Identifier: GPL-3.0-or-later
// The session without any widget, as every door (the main window, the tray,
// the bus, the command line) reaches it: what each request of a user comes to,
// and on the bus every call answered, never boxed, bursts settled, adds queued.
#include "app/RemoteControl.h"
#include "core/FlashDisplay.h"
#include "core/FlashRun.h"
#include "core/FlashSequence.h"
#include "core/Session.h"
#include "library/MessageList.h"
#include "library/PictureLibrary.h"
#include "library/PictureSets.h"

#include "Fakes.h"
#include "LibraryFixture.h"
#include "PrivateBus.h"
#include "TestPictures.h"

#include <QDBusPendingCall>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace
{

class NoDisplay final : public FlashDisplay
{
public:
    void prepare() override {}
    void show(const QImage&, const QPointF&, int) override {}
    void remove() override {}
    void release() override {}
};

// The session on a bus; a script calls it many times at once and waits for every answer.
struct BusFixture {
    PrivateBus bus;
    TestServices fakes;
    NoDisplay display;
    Session session{fakes.services, display};
    RemoteControl control{session, fakes.dialogs};
    QDBusConnection program = QDBusConnection::connectToBus(bus.address(), bus.address());
    QDBusConnection script = QDBusConnection::connectToBus(bus.address(), bus.address() + "+");

    BusFixture()
    {
        session.load();
        control.publishOn(program);
    }
    QList<QDBusPendingCall> callMany(const QString& method, const QList<QVariantList>& arguments)
    {
        QList<QDBusPendingCall> calls;
        for (const QVariantList& values : arguments) {
            QDBusMessage call =
                QDBusMessage::createMethodCall(program.baseService(), RemoteControl::ObjectPath,
                                               RemoteControl::InterfaceName, method);
            call.setArguments(values);
            calls << script.asyncCall(call, 60'000);
        }
        auto answered = [](const QDBusPendingCall& call) {
            return call.isFinished();
        };
        [[maybe_unused]] const bool allAnswered = QTest::qWaitFor(
            [&] { return std::all_of(calls.cbegin(), calls.cend(), answered); }, 60'000);
        return calls; // the tests look at each answer
    }
};

} // namespace

class SessionTest : public QObject
{
    Q_OBJECT
private slots:
    void runRequestsComeToOutcomes();
    void addsWaitForTheOneThatIsOn();
    void burstsSettleOnTheLastStateAskedFor();
    void handedOverPicturesWaitTheirTurn();
    void handedOverMessagesAreAllOrNoneAndCanRunAlone();
    void setsChosenOnTheBusFlashTheirPicturesAlone();
};

void SessionTest::runRequestsComeToOutcomes()
{
    TestServices fakes;
    NoDisplay display;
    Session session(fakes.services, display);
    session.load();
    // Without pictures Start is refused with the reason, the choices saved.
    QCOMPARE(session.start().refusal, FlashRun::NoPictureMessage);
    QCOMPARE(fakes.settings.writes,
             QStringList({"DispInterval", "DispDuration", "DispLocation", "DispOrder"}));
    QVERIFY(!session.pauseFor(15).isDone());
    QVERIFY(session.stop().isDone()); // nothing to stop, nothing saved
    QCOMPARE(fakes.settings.writes.size(), 4);

    writeLibrary(fakes, pictureNames(2));
    session.library().load();
    QVERIFY(session.toggle().isDone());
    QCOMPARE(session.run().state(), FlashRun::State::Waiting);
    QVERIFY(session.start().isDone()); // on already
    QCOMPARE(fakes.settings.writes.size(), 8);
    QVERIFY(session.pauseFor(15).isDone());
    QCOMPARE(session.run().state(), FlashRun::State::Paused);
    QVERIFY(session.resume().isDone());
    QCOMPARE(session.run().state(), FlashRun::State::Waiting);
    QVERIFY(session.toggle().isDone());
    QCOMPARE(session.run().state(), FlashRun::State::Stopped);
    QCOMPARE(fakes.settings.writes.size(), 12);
}

void SessionTest::addsWaitForTheOneThatIsOn()
{
    TestServices fakes;
    NoDisplay display;
    Session session(fakes.services, display);
    session.load();
    QTemporaryDir user;
    const QString first = user.filePath("a.jpg");
    const QString second = user.filePath("b.jpg");
    QVERIFY(TestPictures::jpeg(first) && TestPictures::jpeg(second));
    QList<QStringList> finished;
    connect(&session, &Session::addingFinished, this,
            [&finished](const QStringList& paths) { finished << paths; });

    QVERIFY(session.addPictures({first}).isDone());
    QVERIFY(session.isAdding());
    QVERIFY(session.addPictures({second}).isDone()); // waits for the first
    QTRY_COMPARE(finished, QList<QStringList>({{first}, {second}}));
    QCOMPARE(session.library().entries(), QStringList({"a.jpg", "b.jpg"}));
}

void SessionTest::burstsSettleOnTheLastStateAskedFor()
{
    BusFixture f;
    // Without pictures: each Start answered with the refusal, the user told once.
    QList<QDBusPendingCall> calls = f.callMany("Start", QList<QVariantList>(300));
    for (const QDBusPendingCall& call : std::as_const(calls))
        QCOMPARE(call.error().name(), RemoteControl::RefusedError);
    QVERIFY(f.fakes.dialogs.messages.isEmpty());
    QCOMPARE(f.fakes.dialogs.notices.last().text.count(FlashRun::NoPictureMessage), 1);

    // An odd number of Toggles ends with the run on, started and stopped far
    // fewer times than asked.
    writeLibrary(f.fakes, pictureNames(2));
    f.session.library().load();
    QSignalSpy changes(&f.session.run(), &FlashRun::stateChanged);
    calls = f.callMany("Toggle", QList<QVariantList>(2001));
    for (const QDBusPendingCall& call : std::as_const(calls))
        QVERIFY(!call.isError());
    QVERIFY(f.session.run().isRunning());
    QVERIFY2(changes.size() < 200, qPrintable(QString::number(changes.size())));
}

void SessionTest::handedOverPicturesWaitTheirTurn()
{
    // Two dozen launches at once with a picture each, and two with files
    // that are not there: every picture is added, in the order sent.
    BusFixture f;
    QTemporaryDir user;
    QList<QVariantList> adds;
    QStringList names;
    for (int i = 0; i < 24; ++i) {
        names << QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(TestPictures::jpeg(user.filePath(names.last())));
        adds << QVariantList{QStringList{user.filePath(names.last())}};
    }
    for (const int at : {6, 12})
        adds.insert(at, QVariantList{QStringList{user.filePath(QString("missing%1.jpg").arg(at))}});
    const QList<QDBusPendingCall> calls = f.callMany("AddPictures", adds);

    QCOMPARE(f.session.library().entries(), names);
    for (int i = 0; i < calls.size(); ++i)
        QCOMPARE(calls.at(i).error().name(),
                 i == 6 || i == 12 ? RemoteControl::NotAddedError : QString());
    QVERIFY(calls.at(12).error().message().contains("missing12.jpg"));
    QCOMPARE(f.fakes.dialogs.notices.last().items.join("").count("missing"), 2); // gathered
}

void SessionTest::handedOverMessagesAreAllOrNoneAndCanRunAlone()
{
    BusFixture f;
    // Messages alone, and none kept: the refusal says so, not that pictures lack.
    FlashSequence::save(f.session.preferences(), FlashSequence::Content::Messages);
    QVERIFY(f.session.start().refusal.contains("no messages"));
    FlashSequence::save(f.session.preferences(), FlashSequence::Content::Pictures);
    const QList<QDBusPendingCall> calls =
        f.callMany("AddMessages", {{QStringList{"one", "two"}},
                                   {QStringList{"three", " "}},
                                   {QStringList{QString(501, u'x')}}});
    QCOMPARE(calls.at(0).error().type(), QDBusError::NoError);
    for (const int refused : {1, 2})
        QCOMPARE(calls.at(refused).error().type(), QDBusError::InvalidArgs);
    QVERIFY(calls.at(2).error().message().contains("500"));
    QCOMPARE(f.session.messages().messages(), (QStringList{"one", "two"}));

    // Without pictures, a run of messages alone starts; of pictures, not.
    QVERIFY(!f.session.start().isDone());
    FlashSequence::save(f.session.preferences(), FlashSequence::Content::Messages);
    QVERIFY(f.session.start().isDone());
}

void SessionTest::setsChosenOnTheBusFlashTheirPicturesAlone()
{
    BusFixture f;
    const QStringList names = pictureNames(3);
    writeLibrary(f.fakes, names);
    f.session.library().load();
    const QString sets = f.fakes.programFolder() + "/sets/";
    QVERIFY(QDir().mkpath(sets));
    // Written by hand: in its own order, with a picture the list does not hold.
    QVERIFY(TestPictures::bytes(sets + "work.txt", "\"" + names[2].toUtf8() +
                                                       "\"\r\n\"gone.jpg\"\r\n\"" +
                                                       names[0].toUtf8() + "\"\r\n"));
    QVERIFY(TestPictures::bytes(sets + "huge.txt", QByteArray(PictureSets::MaxFileBytes + 1, 'x')));
    QVERIFY(TestPictures::bytes(sets + "work.ini", "[look]\nOpacity = 40\n"));
    QVERIFY(TestPictures::bytes(sets + "work.messages", "two\n"));
    QVERIFY(f.session.addMessages({"one", "two"}).isDone());
    const QList<QDBusPendingCall> calls = f.callMany(
        "ChooseSet", {{QString("work")}, {QString("none")}, {QString("huge")}, {QString("../x")}});
    QCOMPARE(calls.at(0).error().type(), QDBusError::NoError);
    for (const int refused : {1, 2, 3})
        QCOMPARE(calls.at(refused).error().type(), QDBusError::InvalidArgs);
    QCOMPARE(f.control.currentSet(), QString("work"));
    QCOMPARE(f.session.sequence().slotCount(), 2);
    QCOMPARE(f.session.sequence().recordName(1), names[2]);
    QCOMPARE(f.session.sequence().leftOutOfSet(), QStringList{"gone.jpg"});

    // Kept for the next start; the whole list again with "".
    Session again(f.fakes.services, f.display);
    again.load();
    QCOMPARE(again.currentSet(), QString("work"));
    // With the set's own settings, where it has them; the user's after.
    QCOMPARE(again.preferences().number(Preference::LookOpacity), 40);
    QCOMPARE(again.preferences().number(Preference::DisplayInterval), 0);
    // Its own messages alone, after its pictures.
    FlashSequence::save(again.preferences(), FlashSequence::Content::Both);
    QCOMPARE(again.sequence().slotCount(), 3);
    QCOMPARE(again.sequence().recordName(3), QString("\"two\""));
    QVERIFY(again.chooseSet({}).isDone());
    QCOMPARE(again.sequence().slotCount(), 3);
    QCOMPARE(again.preferences().number(Preference::LookOpacity), 100);
}

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
