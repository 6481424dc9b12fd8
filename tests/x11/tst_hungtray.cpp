// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a session bus whose tray host has taken its name and
// hangs, as a stuck desktop panel does: after Start the program goes on
// answering, and its tray icon comes once the host answers.
#include "FakeBusService.h"
#include "PrivateBus.h"
#include "RealProgram.h"
#include "TestPictures.h"
#include "library/PictureListFile.h"

#include <QDBusConnectionInterface>
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

namespace
{
const QString Host = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString Program = QStringLiteral("example.zorvik.SubliminalImages");
const QString ProgramPath = QStringLiteral("/example/zorvik/SubliminalImages");

QDBusMessage programCall(const QString& interface, const QString& method)
{
    return QDBusMessage::createMethodCall(Program, ProgramPath, interface, method);
}
} // namespace

void HungTrayTest::hungTrayHostFreezesNothing()
{
    PrivateBus bus;
    QVERIFY2(bus.isRunning(), "dbus-daemon did not start");
    FakeBusService host(bus.address(), Host);
    host.answer = [](const QDBusMessage& call) -> std::optional<QVariantList> {
        if (call.member() == QLatin1String("Introspect"))
            return QVariantList{QStringLiteral(
                "<node><interface name=\"org.kde.StatusNotifierWatcher\">"
                "<method name=\"RegisterStatusNotifierItem\"><arg type=\"s\" direction=\"in\"/>"
                "</method><property name=\"IsStatusNotifierHostRegistered\" type=\"b\" "
                "access=\"read\"/></interface></node>")};
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
    QTRY_VERIFY_WITH_TIMEOUT(tester.interface()->isServiceRegistered(Program), 20000);
    tester.asyncCall(programCall(Program, "Start"));
    QTRY_VERIFY_WITH_TIMEOUT(!host.calls.isEmpty(), 20000);

    // The host holds every answer: the program answers all the same.
    QDBusMessage running = programCall("org.freedesktop.DBus.Properties", "Get");
    running.setArguments({Program, "Running"});
    const QDBusPendingCall answer = tester.asyncCall(running);
    QTRY_VERIFY(answer.isFinished());
    QCOMPARE(answer.reply().arguments().value(0).value<QDBusVariant>().variant(), QVariant(true));

    host.holdReplies = false;
    host.releaseHeld({QVariant::fromValue(QDBusVariant(true))});
    const auto registered = [&host] {
        for (const QDBusMessage& call : std::as_const(host.calls))
            if (call.member() == QLatin1String("RegisterStatusNotifierItem"))
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(registered(), 20000);
}

QTEST_GUILESS_MAIN(HungTrayTest)
#include "tst_hungtray.moc"
