// SPDX-License-Identifier: GPL-3.0-or-later
// The record of pictures shown: its sums, its batched writes, a broken file.
#include "Fakes.h"
#include "core/ShowRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ShowRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void countsByDayWeekAndPictureAndKeepsThem();
    void unreadableFileIsKeptAsideAndTheRecordStartsAfresh();

private:
    QTemporaryDir m_dir;
    FakeTimerFactory m_timers;
    QString file() const { return m_dir.filePath(QStringLiteral("state/shown.json")); }
};

void ShowRecordTest::countsByDayWeekAndPictureAndKeepsThem()
{
    const QDateTime thursday(QDate(2026, 12, 10), QTime(9, 30));
    {
        ShowRecord record(file(), m_timers);
        record.add("a.jpg", thursday.addDays(-4)); // the Sunday before
        record.add("a.jpg", thursday.addDays(-3)); // Monday
        record.add("b.png", thursday.addDays(-1));
        record.add("a.jpg", thursday);
        QCOMPARE(record.shownOn(thursday.date()), 1);
        QCOMPARE(record.shownInWeekOf(thursday.date()), 3);
        QCOMPARE(record.shownInAll(), 4);
        QCOMPARE(record.pictures().value("a.jpg").count, 3);
        QCOMPARE(record.pictures().value("a.jpg").last, thursday);
        // Written a minute after the first change, not at each.
        QVERIFY(!QFile::exists(file()));
        FakeTimer* save = m_timers.find(ShowRecord::SaveTimerName);
        QCOMPARE(save->interval(), ShowRecord::SaveDelayMs);
        QVERIFY(save->fire());
        QVERIFY(QFile::exists(file()));
        QVERIFY(!save->isEnabled());
        record.add("b.png", thursday); // saved as the record goes
    }
    ShowRecord again(file(), m_timers);
    again.load();
    QCOMPARE(again.shownInWeekOf(thursday.date()), 4);
    QCOMPARE(again.shownInAll(), 5);
    QCOMPARE(again.pictures().value("b.png").count, 2);
    again.clear();
    QVERIFY(!QFile::exists(file()));
    QCOMPARE(again.shownInAll(), 0);
}

void ShowRecordTest::unreadableFileIsKeptAsideAndTheRecordStartsAfresh()
{
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("state"))));
    QFile broken(file());
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"total\": 12, \"days\": ");
    broken.close();
    ShowRecord record(file(), m_timers);
    record.load();
    QCOMPARE(record.shownInAll(), 0);
    QVERIFY(!QFile::exists(file()));
    QFile kept(file() + ".unreadable");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("{\"total\": 12, \"days\": "));
}

QTEST_GUILESS_MAIN(ShowRecordTest)
#include "tst_showrecord.moc"
