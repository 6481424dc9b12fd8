#pragma once

#include "platform/Timer.h"

#include <QTimer>

// Timer on a precise QTimer. QTimer's own "interval 0 fires when idle" meaning
// never shows through: a period of 0 stops the underlying timer.
class QtTimer final : public Timer
{
    Q_OBJECT
public:
    explicit QtTimer(QObject* parent = nullptr);

    void setInterval(int milliseconds) override;
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return m_enabled; }

private:
    void restart();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};

class QtTimerFactory final : public TimerFactory
{
public:
    Timer* create(const QString& name, QObject* parent) override;
};
