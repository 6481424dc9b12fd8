// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

#include <QDate>
#include <optional>

// Offers, at most once a fortnight, to look for a newer version. Runs during
// start-up, before the main window is shown.
class UpdateReminder
{
public:
    static const QString Section;
    static const QString Key;
    static const QString Question;
    static constexpr int PeriodDays = 14;

    enum class Step {
        RecordFirstStart, // nothing stored yet: write today, ask nothing
        Quiet,            // within the period either way: nothing to do
        Ask,              // ask, then write today
    };

    // The stored text as a date; anything but an ISO date counts as absent.
    static std::optional<QDate> parse(const QString& stored);
    static Step next(const QString& stored, const QDate& today);

    explicit UpdateReminder(const Services& services) : m_services(services) {}
    void run();

private:
    Services m_services;
};
