// SPDX-License-Identifier: GPL-3.0-or-later
// A tray host that has taken its name and hangs, as a stuck panel does: the
// program goes on answering, and its tray icon comes once the host answers.
#include "FakeBusService.h"
#include "PrivateBus.h"
#include "RealProgram.h"
#include "TestPictures.h"
#include "library/PictureListFile.h"

#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDir>
#include <QTest>

class HungTrayTest : public QObject
{
    Q_OBJECT
private slots:
    void hungTrayHostFreezesNothing();
};

static const QString Program = QStringLiteral("example.zorvik.SubliminalImages");

void HungTrayTest::hungTrayHostFreezesNothing()
{
    PrivateBus bus;
    QVERIFY2(bus.isRunning(), "dbus-daemon did not start");
    FakeBusService host(bus.address(), "org.kde.StatusNotifierWatcher");
    host.answer = [](const QDBusMessage& call) -> std::optional<QVariantList> {
        if (call.member() == QLatin1String("Introspect"))
            return QVariantList{QStringLiteral(
                "<node><interface name=\"org.kde.StatusNotifierWatcher\"><property type=\"b\" "
                "name=\"IsStatusNotifierHostRegistered\" access=\"read\"/></interface></node>")};
        if (call.member() == QLatin1String("Get"))
            return QVariantList{QVariant::fromValue(QDBusVariant(true))};
        return QVariantList{};
    };
    host.holdReplies = true;
    QVERIFY(host.start());

    RealProgram program;
    const QString copies = program.programFolder() + "/SystemFolder";
    QVERIFY(QDir().mkpath(copies));
    QVERIFY(TestPictures::bmp(copies + "/one.bmp"));
    QVERIFY(PictureListFile::save(program.programFolder() + "/record.txt", {"one.bmp"}));
    QProcessEnvironment environment;
    environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
    program.start(environment);
    QDBusConnection tester = QDBusConnection::connectToBus(bus.address(), "tester");
    const QString path = "/example/zorvik/SubliminalImages";
    const QDBusMessage start = QDBusMessage::createMethodCall(Program, path, Program, "Start");
    QTRY_VERIFY_WITH_TIMEOUT(tester.call(start).type() == QDBusMessage::ReplyMessage, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!host.calls.isEmpty(), 20000);

    // The host holds every answer: the program answers all the same.
    const QDBusPendingCall answer = tester.asyncCall(start);
    QTRY_VERIFY(answer.isFinished());

    host.holdReplies = false;
    host.releaseHeld({QVariant::fromValue(QDBusVariant(true))});
    QTRY_VERIFY_WITH_TIMEOUT(std::any_of(host.calls.cbegin(), host.calls.cend(),
                                         [](const QDBusMessage& call) {
                                             return call.member() == "RegisterStatusNotifierItem";
                                         }),
                             20000);
}

QTEST_GUILESS_MAIN(HungTrayTest)
#include "tst_hungtray.moc"
