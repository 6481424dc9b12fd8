// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

// A timer with a period in milliseconds and a separate enabled flag.
// - A period of 0 means the timer never fires.
// - Enabling a disabled timer, or setting a period on an enabled one, starts a
//   fresh count of one full period.
// - Ticks arrive on the user-interface thread, one at a time.
class Timer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~Timer() override = default;

    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;

    // True while a tick is due: enabled with a period above 0.
    bool isRunning() const { return isEnabled() && interval() > 0; }

signals:
    void timeout();
};

class TimerFactory
{
public:
    virtual ~TimerFactory() = default;
    // Creates a disabled timer with period 0, named and owned by parent.
    virtual Timer* create(const QString& name, QObject* parent) = 0;
};
