// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Tells when the wall clock leaps: set by hand or by time synchronisation,
// or on waking from suspend. The kernel cancels a timer armed against the
// wall clock with "cancel on set" at each such leap; the timer is armed for a
// time that never comes, so the program wakes only then.
class ClockJumpWatch final : public QObject
{
    Q_OBJECT
public:
    explicit ClockJumpWatch(QObject* parent = nullptr);
    ~ClockJumpWatch() override;

signals:
    void jumped();

private:
    bool arm();
    void readable();

    int m_timer = -1;
    QSocketNotifier* m_notifier = nullptr;
};
