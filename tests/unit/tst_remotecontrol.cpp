// SPDX-License-Identifier: GPL-3.0-or-later
// The program's commands on the bus as a careless or hostile script sends
// them: every call is answered, nothing opens a window per call, a burst
// settles on its last state and pictures handed over wait their turn.
#include "app/RemoteControl.h"
#include "core/FlashDisplay.h"
#include "core/FlashRun.h"
#include "core/Session.h"
#include "library/PictureLibrary.h"

#include "Fakes.h"
#include "LibraryFixture.h"
#include "PrivateBus.h"
#include "TestPictures.h"

#include <QDBusPendingCall>
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

} // namespace

class RemoteControlTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void burstsSettleOnTheLastStateAskedFor();
    void handedOverPicturesWaitTheirTurn();

private:
    QList<QDBusPendingCall> callMany(const QString& method, const QList<QVariantList>& arguments);
    static bool allFinished(const QList<QDBusPendingCall>& calls);

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<TestServices> m_fakes;
    NoDisplay m_display;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<RemoteControl> m_control;
    QString m_service;
};

void RemoteControlTest::initTestCase()
{
    m_bus = std::make_unique<PrivateBus>();
    QVERIFY(m_bus->isRunning());
}

void RemoteControlTest::init()
{
    m_fakes = std::make_unique<TestServices>();
    m_session = std::make_unique<Session>(m_fakes->services, m_display);
    m_session->load();
    m_control = std::make_unique<RemoteControl>(*m_session, m_fakes->dialogs);
    const QString name = QString::fromLatin1(QTest::currentTestFunction());
    const QDBusConnection program = QDBusConnection::connectToBus(m_bus->address(), name);
    m_control->publishOn(program);
    m_service = program.baseService();
}

void RemoteControlTest::cleanup()
{
    m_control.reset();
    m_session.reset();
    m_fakes.reset();
}

QList<QDBusPendingCall> RemoteControlTest::callMany(const QString& method,
                                                    const QList<QVariantList>& arguments)
{
    QDBusConnection script = QDBusConnection::connectToBus(m_bus->address(), "script");
    QList<QDBusPendingCall> calls;
    for (const QVariantList& call : arguments) {
        QDBusMessage request = QDBusMessage::createMethodCall(m_service, RemoteControl::ObjectPath,
                                                              RemoteControl::InterfaceName, method);
        request.setArguments(call);
        calls << script.asyncCall(request, 60'000);
    }
    return calls;
}

bool RemoteControlTest::allFinished(const QList<QDBusPendingCall>& calls)
{
    return std::all_of(calls.cbegin(), calls.cend(),
                       [](const QDBusPendingCall& call) { return call.isFinished(); });
}

void RemoteControlTest::burstsSettleOnTheLastStateAskedFor()
{
    // Without pictures: three hundred Starts, each answered with the refusal,
    // and the user told once, in a notice that waits for nobody.
    QList<QDBusPendingCall> calls = callMany("Start", QList<QVariantList>(300));
    QTRY_VERIFY_WITH_TIMEOUT(allFinished(calls), 60'000);
    for (const QDBusPendingCall& call : std::as_const(calls)) {
        QCOMPARE(call.error().name(), RemoteControl::RefusedError);
        QCOMPARE(call.error().message(), FlashRun::NoPictureMessage);
    }
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QVERIFY(!m_fakes->dialogs.notices.isEmpty());
    QCOMPARE(m_fakes->dialogs.notices.last().text.count(FlashRun::NoPictureMessage), 1);

    // With pictures, an odd number of Toggles ends with the run on, and the
    // run was started and stopped far fewer times than asked.
    writeLibrary(*m_fakes, pictureNames(2));
    m_session->library().load();
    QSignalSpy changes(&m_session->run(), &FlashRun::stateChanged);
    calls = callMany("Toggle", QList<QVariantList>(2001));
    QTRY_VERIFY_WITH_TIMEOUT(allFinished(calls), 60'000);
    for (const QDBusPendingCall& call : std::as_const(calls))
        QVERIFY2(!call.isError(), qPrintable(call.error().message()));
    QVERIFY(m_session->run().isRunning());
    QVERIFY2(changes.size() < 200, qPrintable(QString::number(changes.size())));
}

void RemoteControlTest::handedOverPicturesWaitTheirTurn()
{
    // Two dozen launches at once, each with one picture, and one with a
    // file that is not there: every picture is added, in the order sent.
    QTemporaryDir user;
    QList<QVariantList> adds;
    QStringList names;
    for (int i = 0; i < 24; ++i) {
        names << QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(TestPictures::jpeg(user.filePath(names.last())));
        adds << QVariantList{QStringList{user.filePath(names.last())}};
    }
    adds.insert(12, QVariantList{QStringList{user.filePath("missing.jpg")}});
    const QList<QDBusPendingCall> calls = callMany("AddPictures", adds);
    QTRY_VERIFY_WITH_TIMEOUT(allFinished(calls), 60'000);

    QCOMPARE(m_session->library().entries(), names);
    for (int i = 0; i < calls.size(); ++i)
        QCOMPARE(calls.at(i).isError(), i == 12);
    QCOMPARE(calls.at(12).error().name(), RemoteControl::NotAddedError);
    QVERIFY(calls.at(12).error().message().contains("missing.jpg"));
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QCOMPARE(m_fakes->dialogs.notices.size(), 1);
    QVERIFY(m_fakes->dialogs.notices.first().items.join("").contains("missing.jpg"));
}

QTEST_MAIN(RemoteControlTest)
#include "tst_remotecontrol.moc"
