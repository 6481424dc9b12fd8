// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramInfo.h"
#include "web/UpdateReminder.h"
#include "web/WebPages.h"

#include "Fakes.h"

#include <QTest>

class UpdateReminderTest : public QObject
{
    Q_OBJECT
private slots:
    void asksAtMostOnceAFortnight_data();
    void asksAtMostOnceAFortnight();
    void yesOpensTheDownloadPage();
    void afterNoTheNextQuestionWaitsAnotherFortnight();
};

namespace
{

const QDate Today(2026, 12, 8);

QString stored(TestServices& fakes)
{
    return fakes.settings.read(fakes.services.program.applicationName, UpdateReminder::Section,
                               UpdateReminder::Key);
}

void store(TestServices& fakes, const QString& text)
{
    fakes.settings.values.insert(MemorySettingsStore::path(fakes.services.program.applicationName,
                                                           UpdateReminder::Section,
                                                           UpdateReminder::Key),
                                 text);
}

} // namespace

void UpdateReminderTest::asksAtMostOnceAFortnight_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("writes");

    const auto daysAgo = [](int days) {
        return Today.addDays(-days).toString(Qt::ISODate);
    };
    QTest::newRow("first start: no question, today written") << false << QString() << false << true;
    QTest::newRow("same day") << true << daysAgo(0) << false << false;
    QTest::newRow("day 14") << true << daysAgo(14) << false << false;
    QTest::newRow("day 15") << true << daysAgo(15) << true << true;
    QTest::newRow("a year later") << true << daysAgo(365) << true << true;
    QTest::newRow("14 days in the future") << true << daysAgo(-14) << false << false;
    QTest::newRow("20 days in the future") << true << daysAgo(-20) << true << true;
    QTest::newRow("not a date counts as absent") << true << "next Tuesday" << false << true;
    QTest::newRow("impossible date counts as absent") << true << "2026-02-30" << false << true;
    QTest::newRow("empty text counts as absent") << true << "" << false << true;
}

void UpdateReminderTest::asksAtMostOnceAFortnight()
{
    QFETCH(bool, present);
    QFETCH(QString, before);
    QFETCH(bool, asks);
    QFETCH(bool, writes);

    TestServices fakes;
    fakes.clock.time = QDateTime(Today, QTime(23, 59));
    if (present)
        store(fakes, before);

    UpdateReminder(fakes.services).run();

    QCOMPARE(fakes.dialogs.messages.size(), asks ? 1 : 0);
    if (asks) {
        const ScriptedDialogs::Message& question = fakes.dialogs.messages.constFirst();
        QCOMPARE(question.text, QString("There maybe an update to this software available\n"
                                        "Do you want to check for an update?"));
        QCOMPARE(question.icon, MessageIcon::Information);
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.title, ProgramInfo::title());
    }
    QCOMPARE(fakes.settings.writes.size(), writes ? 1 : 0);
    QCOMPARE(stored(fakes), writes ? QString("2026-12-08") : before);
    QVERIFY(fakes.shell.opened.isEmpty()); // No is the scripted answer
}

void UpdateReminderTest::yesOpensTheDownloadPage()
{
    TestServices fakes;
    fakes.clock.time = QDateTime(Today, QTime(0, 0));
    store(fakes, "2026-11-01");
    fakes.dialogs.answers.enqueue(MessageAnswer::Yes);

    UpdateReminder(fakes.services).run();

    QCOMPARE(fakes.shell.opened, QStringList{"https://" ZORVIK_PRODUCT_SITE_HOST
                                             "/download-zorvik-free-subliminal-images.html"});
    QCOMPARE(stored(fakes), QString("2026-12-08"));
}

void UpdateReminderTest::afterNoTheNextQuestionWaitsAnotherFortnight()
{
    TestServices fakes;
    store(fakes, "2026-01-01");
    fakes.clock.time = QDateTime(Today, QTime(12, 0));
    UpdateReminder(fakes.services).run();
    QCOMPARE(fakes.dialogs.messages.size(), 1);

    // The date written by the first start reads back as the same day.
    for (int day = 1; day <= 14; ++day) {
        fakes.clock.time = QDateTime(Today.addDays(day), QTime(12, 0));
        UpdateReminder(fakes.services).run();
    }
    QCOMPARE(fakes.dialogs.messages.size(), 1);
    fakes.clock.time = QDateTime(Today.addDays(15), QTime(0, 1));
    UpdateReminder(fakes.services).run();
    QCOMPARE(fakes.dialogs.messages.size(), 2);
}

QTEST_GUILESS_MAIN(UpdateReminderTest)
#include "tst_updatereminder.moc"
