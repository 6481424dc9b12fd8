// SPDX-License-Identifier: GPL-3.0-or-later
// The session without any widget, as every door (the main window, the tray,
// the bus, the command line) reaches it: what each request of a user comes to.
#include "core/FlashDisplay.h"
#include "core/FlashRun.h"
#include "core/Session.h"
#include "library/PictureLibrary.h"

#include "Fakes.h"
#include "LibraryFixture.h"
#include "TestPictures.h"

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

} // namespace

class SessionTest : public QObject
{
    Q_OBJECT
private slots:
    void runRequestsComeToOutcomes();
    void addsWaitForTheOneThatIsOn();
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

    // The second waits for the first; a cancel drops what waits, and tells it so.
    bool dropped = false;
    const auto note = [&dropped](const PictureBatch::Summary& s, int) {
        dropped = s.cancelled;
    };
    QVERIFY(session.addPictures({first}).isDone());
    QVERIFY(session.isAdding());
    QVERIFY(session.addPictures({second}, note).isDone());
    QTRY_COMPARE(finished, QList<QStringList>({{first}, {second}}));
    QCOMPARE(session.library().entries(), QStringList({"a.jpg", "b.jpg"}));
    QVERIFY(session.library().remove(0).done()); // so that it is added anew, not at once refused
    QVERIFY(session.addPictures({first}).isDone());
    QVERIFY(session.addPictures({second}, note).isDone());
    session.cancelAdding();
    QVERIFY(dropped);
}

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
