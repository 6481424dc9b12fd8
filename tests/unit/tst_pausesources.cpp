// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DBusPropertySource.h"
#include "desktop/DesktopPauseWatch.h"
#include "desktop/GnomeBannersSource.h"
#include "desktop/KWinFullscreenSource.h"
#include "desktop/LogindLockSource.h"
#include "desktop/ScreenSaverServiceSource.h"

#include "FakeBusService.h"
#include "PrivateBus.h"

#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

// GLib's headers use "signals" as a name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

// The pause sources against fake desktop services on two private buses, one
// standing for the session bus and one for the system bus.
class PauseSourcesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void screenSaverServiceLocksAndUnlocks_data();
    void screenSaverServiceLocksAndUnlocks();
    void logindLockedHintOfTheSession_data();
    void logindLockedHintOfTheSession();
    void notificationsInhibited();
    void kwinScriptSaysFullscreen();
    void slowAndMalformedAnswersCountAsClear();
    void watchCombinesTheSourcesAndClearsWhenStopped();
    void noBusNoDisplayLeavesEverythingClear();
    void gnomeBannersOffIsDoNotDisturb();
    void gnomeSchemaMissingOrOddStaysClear();

private:
    QDBusConnection watcherBus(const PrivateBus& bus);

    std::unique_ptr<PrivateBus> m_session;
    std::unique_ptr<PrivateBus> m_system;
    QStringList m_connections;
};

namespace
{
const QString ScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString Login = QStringLiteral("org.freedesktop.login1");
const QString SessionPath = QStringLiteral("/org/freedesktop/login1/session/c7");
const QString SessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString Notifications = QStringLiteral("org.freedesktop.Notifications");
const QString NotificationsPath = QStringLiteral("/org/freedesktop/Notifications");

QVariant variant(const QVariant& value)
{
    return QVariant::fromValue(QDBusVariant(value));
}

// A property service: answers Properties.Get from a value the test sets.
void answerProperty(FakeBusService& service, const QString& property, const QVariant* value)
{
    service.answer = [property, value](const QDBusMessage& call) -> std::optional<QVariantList> {
        if (call.member() == QLatin1String("Get") &&
            call.arguments().value(1).toString() == property)
            return QVariantList{variant(*value)};
        return std::nullopt;
    };
}

// A schema copy for GSettings, compiled into folder; false on failure.
bool compileSchema(const QString& folder, const QString& keyType, const QString& defaultValue)
{
    QFile file(folder + QStringLiteral("/org.gnome.desktop.notifications.gschema.xml"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("<schemalist><schema id=\"org.gnome.desktop.notifications\" "
                              "path=\"/org/gnome/desktop/notifications/\">"
                              "<key name=\"show-banners\" type=\"%1\"><default>%2</default></key>"
                              "</schema></schemalist>")
                   .arg(keyType, defaultValue)
                   .toUtf8());
    file.close();
    return QProcess::execute(QStringLiteral("glib-compile-schemas"), {folder}) == 0;
}
} // namespace

void PauseSourcesTest::initTestCase()
{
    // Settings live in memory only; nothing of the machine's desktop is read.
    qputenv("GSETTINGS_BACKEND", "memory");
    qunsetenv("DISPLAY");
    qputenv("PIPEWIRE_RUNTIME_DIR", "/nonexistent");
}

void PauseSourcesTest::init()
{
    m_session = std::make_unique<PrivateBus>();
    m_system = std::make_unique<PrivateBus>();
    QVERIFY2(m_session->isRunning() && m_system->isRunning(), "dbus-daemon did not start");
}

void PauseSourcesTest::cleanup()
{
    for (const QString& name : std::as_const(m_connections))
        QDBusConnection::disconnectFromBus(name);
    m_connections.clear();
    m_session.reset();
    m_system.reset();
}

QDBusConnection PauseSourcesTest::watcherBus(const PrivateBus& bus)
{
    const QString name = QStringLiteral("watcher-%1").arg(m_connections.size() + 1);
    m_connections << name;
    return QDBusConnection::connectToBus(bus.address(), name);
}

void PauseSourcesTest::screenSaverServiceLocksAndUnlocks_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("interface");
    const QString gnome = QStringLiteral("org.gnome.ScreenSaver");
    QTest::newRow("freedesktop") << ScreenSaver << QStringLiteral("/org/freedesktop/ScreenSaver")
                                 << ScreenSaver;
    QTest::newRow("gnome") << gnome << QStringLiteral("/org/gnome/ScreenSaver") << gnome;
    QTest::newRow("gnome shell") << QStringLiteral("org.gnome.Shell.ScreenShield")
                                 << QStringLiteral("/org/gnome/ScreenSaver") << gnome;
}

void PauseSourcesTest::screenSaverServiceLocksAndUnlocks()
{
    QFETCH(QString, service);
    QFETCH(QString, path);
    QFETCH(QString, interface);
    bool locked = true;
    FakeBusService fake(m_session->address(), service);
    fake.answer = [&](const QDBusMessage& call) -> std::optional<QVariantList> {
        if (call.member() == QLatin1String("GetActive") && call.interface() == interface &&
            call.path() == path)
            return QVariantList{locked};
        return std::nullopt;
    };
    QVERIFY(fake.start());

    const QDBusConnection bus = watcherBus(*m_session);
    const auto create = service == ScreenSaver ? ScreenSaverServiceSource::freedesktop
                        : service == interface ? ScreenSaverServiceSource::gnome
                                               : ScreenSaverServiceSource::gnomeShell;
    std::unique_ptr<ScreenSaverServiceSource> source(create(bus, nullptr));
    source->setWatching(true);
    QTRY_VERIFY(source->isActive());

    fake.emitSignal(path, interface, QStringLiteral("ActiveChanged"), {false});
    QTRY_VERIFY(!source->isActive());
    fake.emitSignal(path, interface, QStringLiteral("ActiveChanged"), {true});
    QTRY_VERIFY(source->isActive());

    // The screen saver vanishes while the screen is locked: nobody says so any more.
    fake.stop();
    QTRY_VERIFY(!source->isActive());
    // It comes back and is asked again.
    QVERIFY(fake.start());
    QTRY_VERIFY(source->isActive());

    source->setWatching(false);
    QVERIFY(!source->isActive());
}

void PauseSourcesTest::logindLockedHintOfTheSession_data()
{
    QTest::addColumn<QByteArray>("sessionId");
    QTest::newRow("named by XDG_SESSION_ID") << QByteArray("c7");
    QTest::newRow("of the process") << QByteArray();
}

void PauseSourcesTest::logindLockedHintOfTheSession()
{
    QFETCH(QByteArray, sessionId);
    if (sessionId.isEmpty())
        qunsetenv("XDG_SESSION_ID");
    else
        qputenv("XDG_SESSION_ID", sessionId);

    bool lockedHint = true;
    FakeBusService logind(m_system->address(), Login);
    logind.answer = [&](const QDBusMessage& call) -> std::optional<QVariantList> {
        const QVariant session = QVariant::fromValue(QDBusObjectPath(SessionPath));
        if (call.member() == QLatin1String("GetSession") &&
            call.arguments().value(0).toString() == QLatin1String("c7"))
            return QVariantList{session};
        if (call.member() == QLatin1String("GetSessionByPID") &&
            call.arguments().value(0).toUInt() == uint(::getpid()))
            return QVariantList{session};
        if (call.member() == QLatin1String("Get") && call.path() == SessionPath &&
            call.arguments() == QVariantList{SessionInterface, QStringLiteral("LockedHint")})
            return QVariantList{variant(lockedHint)};
        return std::nullopt;
    };
    QVERIFY(logind.start());

    LogindLockSource source(watcherBus(*m_system));
    source.setWatching(true);
    QTRY_VERIFY(source.isActive());

    logind.emitPropertyChanged(SessionPath, SessionInterface, QStringLiteral("LockedHint"), false);
    QTRY_VERIFY(!source.isActive());
    // Another session's lock is not ours. The signal for ours that follows
    // makes the source ask; by then the other one has been seen.
    logind.emitPropertyChanged(QStringLiteral("/org/freedesktop/login1/session/c8"),
                               SessionInterface, QStringLiteral("LockedHint"), true);
    lockedHint = false;
    const qsizetype calls = logind.calls.size();
    logind.emitPropertyChanged(SessionPath, SessionInterface, QStringLiteral("LockedHint"), {});
    QTRY_COMPARE(logind.calls.size(), calls + 1);
    QVERIFY(!source.isActive());
    // Invalidated without a value: the source asks.
    lockedHint = true;
    logind.emitPropertyChanged(SessionPath, SessionInterface, QStringLiteral("LockedHint"), {});
    QTRY_VERIFY(source.isActive());

    // logind restarts: the session is looked up again.
    logind.stop();
    QTRY_VERIFY(!source.isActive());
    logind.calls.clear();
    QVERIFY(logind.start());
    QTRY_VERIFY(source.isActive());
    QCOMPARE(logind.calls.first().member(), sessionId.isEmpty() ? QStringLiteral("GetSessionByPID")
                                                                : QStringLiteral("GetSession"));
    qunsetenv("XDG_SESSION_ID");
}

void PauseSourcesTest::notificationsInhibited()
{
    QVariant inhibited = true;
    FakeBusService server(m_session->address(), Notifications);
    answerProperty(server, QStringLiteral("Inhibited"), &inhibited);
    QVERIFY(server.start());

    DBusPropertySource source(watcherBus(*m_session), Notifications, NotificationsPath,
                              Notifications, QStringLiteral("Inhibited"));
    source.setWatching(true);
    QTRY_VERIFY(source.isActive());
    server.emitPropertyChanged(NotificationsPath, Notifications, QStringLiteral("Inhibited"),
                               false);
    QTRY_VERIFY(!source.isActive());
    server.emitPropertyChanged(NotificationsPath, Notifications, QStringLiteral("Inhibited"), true);
    QTRY_VERIFY(source.isActive());
    // A property of that name on another interface is another property.
    server.emitPropertyChanged(NotificationsPath, QStringLiteral("org.example.Other"),
                               QStringLiteral("Inhibited"), false);
    server.stop();
    QTRY_VERIFY(!source.isActive());
}

// KWin runs a script of ours, which calls back; nobody else's call counts.
void PauseSourcesTest::kwinScriptSaysFullscreen()
{
    FakeBusService kwin(m_session->address(), QStringLiteral("org.kde.KWin"));
    QString callback; // the script's callDBus() target: "service path"
    kwin.answer = [&](const QDBusMessage& call) -> std::optional<QVariantList> {
        if (call.member() == QLatin1String("loadScript")) {
            QFile file(call.arguments().value(0).toString());
            const QRegularExpression target("callDBus\\(\"([^\"]+)\", \"([^\"]+)\"");
            const auto found = target.match(file.open(QIODevice::ReadOnly) ? file.readAll() : "");
            callback = found.captured(1) + ' ' + found.captured(2);
            return QVariantList{1};
        }
        return QVariantList{};
    };
    QVERIFY(kwin.start());
    KWinFullscreenSource source(watcherBus(*m_session));
    source.setWatching(true);
    QTRY_VERIFY(!callback.isEmpty());
    QTRY_VERIFY(kwin.calls.last().member() == QLatin1String("start"));
    const auto say = [&](const QDBusConnection& from, bool fullscreen) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            callback.section(' ', 0, 0), callback.section(' ', 1),
            "example.zorvik.SubliminalImages.KWinFullscreen", "activeWindowFullscreen");
        call.setArguments({fullscreen});
        QCOMPARE(from.call(call, QDBus::BlockWithGui).type(), QDBusMessage::ReplyMessage);
    };
    say(kwin.connection(), true);
    QVERIFY(source.isActive());
    say(kwin.connection(), false);
    QVERIFY(!source.isActive());
    // Only KWin's word counts.
    say(watcherBus(*m_session), true);
    QVERIFY(!source.isActive());
    // A KWin that restarts loses the script and is given it again.
    say(kwin.connection(), true);
    kwin.stop();
    QTRY_VERIFY(!source.isActive());
    kwin.calls.clear();
    QVERIFY(kwin.start());
    QTRY_VERIFY(!kwin.calls.isEmpty() && kwin.calls.last().member() == QLatin1String("start"));
    source.setWatching(false);
    QTRY_COMPARE(kwin.calls.last().member(), QStringLiteral("unloadScript"));
}

// Nothing waits for a service: until it answers, the source is clear, and an
// answer of the wrong type counts as clear, also where a careless reading
// would take it for "true".
void PauseSourcesTest::slowAndMalformedAnswersCountAsClear()
{
    const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");
    FakeBusService screenSaver(m_session->address(), ScreenSaver);
    screenSaver.holdReplies = true;
    QVERIFY(screenSaver.start());
    FakeBusService server(m_session->address(), Notifications);
    server.holdReplies = true;
    QVERIFY(server.start());

    const QDBusConnection bus = watcherBus(*m_session);
    std::unique_ptr<ScreenSaverServiceSource> saver(
        ScreenSaverServiceSource::freedesktop(bus, nullptr));
    DBusPropertySource inhibit(bus, Notifications, NotificationsPath, Notifications,
                               QStringLiteral("Inhibited"));
    saver->setWatching(true);
    inhibit.setWatching(true);
    QTRY_COMPARE(screenSaver.calls.size(), 1);
    QTRY_COMPARE(server.calls.size(), 1);
    QVERIFY(!saver->isActive());
    QVERIFY(!inhibit.isActive());

    // Signals still count while the question is open.
    screenSaver.emitSignal(path, ScreenSaver, QStringLiteral("ActiveChanged"), {true});
    server.emitPropertyChanged(NotificationsPath, Notifications, QStringLiteral("Inhibited"), true);
    QTRY_VERIFY(saver->isActive() && inhibit.isActive());

    screenSaver.releaseHeld({QStringLiteral("true")});
    server.releaseHeld({variant(QStringLiteral("true"))});
    QTRY_VERIFY(!saver->isActive());
    QTRY_VERIFY(!inhibit.isActive());

    // Malformed signals, too.
    screenSaver.emitSignal(path, ScreenSaver, QStringLiteral("ActiveChanged"), {true});
    QTRY_VERIFY(saver->isActive());
    screenSaver.emitSignal(path, ScreenSaver, QStringLiteral("ActiveChanged"), {1});
    QTRY_VERIFY(!saver->isActive());
    server.emitPropertyChanged(NotificationsPath, Notifications, QStringLiteral("Inhibited"), true);
    QTRY_VERIFY(inhibit.isActive());
    server.emitPropertyChanged(NotificationsPath, Notifications, QStringLiteral("Inhibited"),
                               QStringLiteral("true"));
    QTRY_VERIFY(!inhibit.isActive());
}

void PauseSourcesTest::watchCombinesTheSourcesAndClearsWhenStopped()
{
    bool locked = false;
    FakeBusService screenSaver(m_session->address(), QStringLiteral("org.gnome.ScreenSaver"));
    screenSaver.answer = [&](const QDBusMessage&) -> std::optional<QVariantList> {
        return QVariantList{locked};
    };
    QVERIFY(screenSaver.start());
    QVariant inhibited = false;
    FakeBusService server(m_session->address(), Notifications);
    answerProperty(server, QStringLiteral("Inhibited"), &inhibited);
    QVERIFY(server.start());

    DesktopPauseWatch watch({m_session->address(), m_system->address()});
    QSignalSpy changes(&watch, &PauseWatch::reasonsChanged);
    QCOMPARE(watch.reasons(), PauseReasons());
    watch.setWatching(true);
    QTRY_COMPARE(server.calls.size(), 1);

    const QString path = QStringLiteral("/org/gnome/ScreenSaver");
    screenSaver.emitSignal(path, QStringLiteral("org.gnome.ScreenSaver"),
                           QStringLiteral("ActiveChanged"), {true});
    QTRY_COMPARE(watch.reasons(), PauseReasons(PauseReason::ScreenLocked));
    server.emitPropertyChanged(NotificationsPath, Notifications, QStringLiteral("Inhibited"), true);
    QTRY_COMPARE(watch.reasons(), PauseReason::ScreenLocked | PauseReason::DoNotDisturb);
    screenSaver.emitSignal(path, QStringLiteral("org.gnome.ScreenSaver"),
                           QStringLiteral("ActiveChanged"), {false});
    QTRY_COMPARE(watch.reasons(), PauseReasons(PauseReason::DoNotDisturb));
    QTRY_COMPARE(changes.size(), 3);
    QCOMPARE(changes.at(0).at(0).value<PauseReasons>(), PauseReason::ScreenLocked);
    QCOMPARE(changes.at(1).at(0).value<PauseReasons>(),
             PauseReason::ScreenLocked | PauseReason::DoNotDisturb);
    QCOMPARE(changes.at(2).at(0).value<PauseReasons>(), PauseReason::DoNotDisturb);

    watch.setWatching(false);
    QCOMPARE(watch.reasons(), PauseReasons());
    QTRY_COMPARE(changes.size(), 4);
    QCOMPARE(changes.last().at(0).value<PauseReasons>(), PauseReasons());
}

void PauseSourcesTest::noBusNoDisplayLeavesEverythingClear()
{
    DesktopPauseWatch watch({QStringLiteral("unix:path=/nonexistent/session"),
                             QStringLiteral("unix:path=/nonexistent/system")});
    QSignalSpy changes(&watch, &PauseWatch::reasonsChanged);
    watch.setWatching(true);
    QCOMPARE(watch.reasons(), PauseReasons());
    watch.setWatching(false);
    watch.setWatching(true);
    QCOMPARE(watch.reasons(), PauseReasons());
    QCOMPARE(changes.size(), 0);
}

void PauseSourcesTest::gnomeBannersOffIsDoNotDisturb()
{
    QTemporaryDir folder;
    QVERIFY(compileSchema(folder.path(), QStringLiteral("b"), QStringLiteral("false")));

    GnomeBannersSource source(folder.path());
    source.setWatching(true);
    QVERIFY(source.isActive());

    // Another program turns banners back on, and off again.
    GSettingsSchemaSource* schemas = g_settings_schema_source_new_from_directory(
        folder.path().toLocal8Bit().constData(), nullptr, FALSE, nullptr);
    GSettingsSchema* schema =
        g_settings_schema_source_lookup(schemas, "org.gnome.desktop.notifications", FALSE);
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_set_boolean(settings, "show-banners", TRUE);
    QTRY_VERIFY(!source.isActive());
    g_settings_set_boolean(settings, "show-banners", FALSE);
    QTRY_VERIFY(source.isActive());
    source.setWatching(false);
    QVERIFY(!source.isActive());
    g_object_unref(settings);
    g_settings_schema_unref(schema);
    g_settings_schema_source_unref(schemas);
}

// GSettings aborts the program on a schema it lacks or a key of another type.
void PauseSourcesTest::gnomeSchemaMissingOrOddStaysClear()
{
    QTemporaryDir empty;
    GnomeBannersSource missing(empty.path());
    missing.setWatching(true);
    QVERIFY(!missing.isActive());

    QTemporaryDir odd;
    QVERIFY(compileSchema(odd.path(), QStringLiteral("s"), QStringLiteral("'false'")));
    GnomeBannersSource mistyped(odd.path());
    mistyped.setWatching(true);
    QVERIFY(!mistyped.isActive());
}

QTEST_GUILESS_MAIN(PauseSourcesTest)
#include "tst_pausesources.moc"
