// SPDX-License-Identifier: GPL-3.0-or-later
// Active hours in Berlin's local time (for summer time), and read from settings.
#include "Fakes.h"
#include "app/ActiveHoursDialog.h"
#include "preferences/Preferences.h"
#include "settings/ActiveHours.h"

#include <QCheckBox>
#include <QTest>
#include <QTimeEdit>
#include <ctime>

class ActiveHoursTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void boundaries_data();
    void boundaries();
    void nonsenseReadsAsNoSchedule_data();
    void nonsenseReadsAsNoSchedule();
};

void ActiveHoursTest::initTestCase()
{
    qputenv("TZ", "Europe/Berlin");
    tzset();
}

void ActiveHoursTest::boundaries_data()
{
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("now");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<QString>("boundary"); // empty: none
    QTest::addColumn<int>("secondsLeft");  // real seconds to it

    const QString weekdays = "Mon,Tue,Wed,Thu,Fri";
    const QString daily = "Mon,Tue,Wed,Thu,Fri,Sat,Sun";
    // 2026-12-08 is a Tuesday.
    QTest::newRow("inside") << weekdays << "09:00-17:00"
                            << "2026-12-08 10:00" << true << "2026-12-08 17:00" << 7 * 3600;
    QTest::newRow("weekend") << weekdays << "09:00-17:00"
                             << "2026-12-11 18:00" << false << "2026-12-14 09:00" << 63 * 3600;
    QTest::newRow("past midnight, inside")
        << "Mon"
        << "22:00-02:00"
        << "2026-12-08 01:00" << true << "2026-12-08 02:00" << 3600;
    QTest::newRow("past midnight, after")
        << "Mon"
        << "22:00-02:00"
        << "2026-12-08 03:00" << false << "2026-12-14 22:00" << 6 * 86400 + 19 * 3600;
    QTest::newRow("from == to: whole days")
        << "Sat,Sun"
        << "08:00-08:00"
        << "2026-12-12 07:00" << true << "2026-12-14 00:00" << 41 * 3600;
    QTest::newRow("no day") << ""
                            << "09:00-17:00"
                            << "2026-12-08 10:00" << false << "" << -1;
    QTest::newRow("summer time begins")
        << daily << "01:00-04:00"
        << "2026-03-29 01:30" << true << "2026-03-29 04:00" << 3600 + 1800;
    QTest::newRow("summer time ends")
        << daily << "01:00-04:00"
        << "2026-10-25 01:30" << true << "2026-10-25 04:00" << 3 * 3600 + 1800;
}

void ActiveHoursTest::boundaries()
{
    QFETCH(QString, days);
    QFETCH(QString, window);
    QFETCH(QString, now);
    QFETCH(bool, inside);
    QFETCH(QString, boundary);
    QFETCH(int, secondsLeft);
    const auto at = [](const QString& text) {
        return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm"));
    };
    ActiveHours hours;
    hours.enabled = true;
    hours.days = ActiveHours::parseDays(days).value_or(QList<Qt::DayOfWeek>());
    hours.from = QTime::fromString(window.section('-', 0, 0), "HH:mm");
    hours.to = QTime::fromString(window.section('-', 1, 1), "HH:mm");

    QCOMPARE(hours.contains(at(now)), inside);
    const QDateTime next = hours.nextBoundary(at(now));
    QCOMPARE(next, at(boundary));
    QCOMPARE(next.isValid() ? at(now).secsTo(next) : -1, qint64(secondsLeft));
    // Just before the boundary nothing has changed yet; at it, it has.
    if (next.isValid()) {
        QCOMPARE(hours.contains(next.addSecs(-1)), inside);
        QCOMPARE(hours.contains(next), !inside);
    }
    hours.enabled = false;
    QVERIFY(hours.contains(at(now)));
    QVERIFY(!hours.nextBoundary(at(now)).isValid());
}

void ActiveHoursTest::nonsenseReadsAsNoSchedule_data()
{
    QTest::addColumn<QString>("section"); // days;from;to
    QTest::newRow("unknown day") << "Mon,Funday;09:00;17:00";
    QTest::newRow("25:00") << "Mon;25:00;17:00";
    QTest::newRow("empty") << ";;";
    QTest::newRow("no days") << ";09:00;17:00";
}

void ActiveHoursTest::nonsenseReadsAsNoSchedule()
{
    QFETCH(QString, section);
    const QStringList values = section.split(';');
    MemorySettingsStore store;
    const auto key = [](const char* name) {
        return MemorySettingsStore::path("app", "schedule", name);
    };
    store.values = {{key("Enabled"), "1"},
                    {key("Days"), values[0]},
                    {key("From"), values[1]},
                    {key("To"), values[2]},
                    {MemorySettingsStore::path("app", "pause", "WhenLocked"), "0"}};
    const auto before = store.values;
    Preferences preferences(store, "app");
    QCOMPARE(ActiveHours::load(preferences), ActiveHours());
    QCOMPARE(store.values, before);
    // The dialog opens on that: off, with sane times, which a click turns on.
    ActiveHoursDialog dialog(ActiveHours::load(preferences));
    auto* enabled = dialog.findChild<QCheckBox*>("chkEnabled");
    auto* from = dialog.findChild<QTimeEdit*>("tmeFrom");
    QVERIFY(enabled && from && !enabled->isChecked() && !from->isEnabled());
    QCOMPARE(dialog.hours(), ActiveHours());
    QTest::mouseClick(enabled, Qt::LeftButton, {}, QPoint(4, enabled->height() / 2));
    QVERIFY(dialog.hours().enabled && from->isEnabled());
    QCOMPARE(dialog.hours().from, ActiveHours().from);

    // A sound section reads back as written.
    ActiveHours hours;
    hours.enabled = true;
    hours.days = {Qt::Saturday, Qt::Sunday};
    hours.from = QTime(22, 0);
    hours.to = QTime(2, 0);
    hours.save(preferences);
    QCOMPARE(store.values.value(key("Days")), "Sat,Sun");
    QCOMPARE(ActiveHours::load(preferences), hours);
}

QTEST_MAIN(ActiveHoursTest)
#include "tst_activehours.moc"
