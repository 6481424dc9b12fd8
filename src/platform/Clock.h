// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <functional>
#include <memory>

class ClockJumpWatch;
class QObject;

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    // Calls jumped, for as long as context lives, whenever the wall clock
    // leaps: it was set, or the machine woke from sleep, during which no
    // timer counts.
    virtual void onJump(QObject* context, std::function<void()> jumped) = 0;
};

class SystemClock final : public Clock
{
public:
    SystemClock();
    ~SystemClock() override;
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void onJump(QObject* context, std::function<void()> jumped) override;

private:
    std::unique_ptr<ClockJumpWatch> m_watch; // made at the first onJump
};
