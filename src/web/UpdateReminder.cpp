// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/UpdateReminder.h"

#include "platform/ProgramInfo.h"
#include "platform/Translated.h"
#include "web/WebPages.h"

#include <cstdlib>

const QString UpdateReminder::Section = QStringLiteral("reminder");
const QString UpdateReminder::Key = QStringLiteral("LastReminder");
const QString UpdateReminder::Question = QStringLiteral(
    QT_TRANSLATE_NOOP("UpdateReminder", "There maybe an update to this software available\n"
                                        "Do you want to check for an update?"));

std::optional<QDate> UpdateReminder::parse(const QString& stored)
{
    const QDate date = QDate::fromString(stored.trimmed(), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

UpdateReminder::Step UpdateReminder::next(const QString& stored, const QDate& today)
{
    const std::optional<QDate> last = parse(stored);
    if (!last)
        return Step::RecordFirstStart;
    return std::llabs(today.daysTo(*last)) > PeriodDays ? Step::Ask : Step::Quiet;
}

void UpdateReminder::run()
{
    const QDate today = m_services.clock.today();
    const QString stored =
        m_services.settings.read(m_services.program.applicationName, Section, Key);
    switch (next(stored, today)) {
    case Step::Quiet:
        return;
    case Step::RecordFirstStart:
        writeToday(today);
        return;
    case Step::Ask:
        break;
    }
    const MessageAnswer answer =
        m_services.dialogs.message(translated("UpdateReminder", Question), MessageIcon::Information,
                                   MessageButtons::YesNo, ProgramInfo::title());
    writeToday(today);
    if (answer == MessageAnswer::Yes)
        WebPages(m_services.shell).openDownloadPage();
}

void UpdateReminder::writeToday(const QDate& today)
{
    m_services.settings.write(m_services.program.applicationName, Section, Key,
                              today.toString(Qt::ISODate));
}
