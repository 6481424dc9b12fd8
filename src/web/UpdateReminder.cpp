// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/UpdateReminder.h"

#include "platform/ProgramInfo.h"
#include "platform/Translated.h"
#include "preferences/Preferences.h"
#include "web/WebPages.h"

#include <cstdlib>

const QString UpdateReminder::Section = PreferenceKey::of(Preference::LastReminder).section;
const QString UpdateReminder::Key = PreferenceKey::of(Preference::LastReminder).key;
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
    Preferences preferences(m_services.settings, m_services.program.applicationName);
    switch (next(preferences.text(Preference::LastReminder), today)) {
    case Step::Quiet:
        return;
    case Step::RecordFirstStart:
        preferences.setDate(Preference::LastReminder, today);
        return;
    case Step::Ask:
        break;
    }
    const MessageAnswer answer =
        m_services.dialogs.message(translated("UpdateReminder", Question), MessageIcon::Information,
                                   MessageButtons::YesNo, ProgramInfo::title());
    preferences.setDate(Preference::LastReminder, today);
    if (answer == MessageAnswer::Yes)
        WebPages(m_services.shell).openDownloadPage();
}
