#include "platform/QtTimer.h"

QtTimer::QtTimer(QObject* parent) : Timer(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::timeout);
}

void QtTimer::setInterval(int milliseconds)
{
    m_interval = qMax(0, milliseconds);
    restart();
}

void QtTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void QtTimer::restart()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

Timer* QtTimerFactory::create(const QString& name, QObject* parent)
{
    auto* timer = new QtTimer(parent);
    timer->setObjectName(name);
    return timer;
}
