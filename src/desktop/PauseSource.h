// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// One thing on the desktop that can say "do not flash now". A source starts
// clear, and one that cannot tell (missing, gone, answering nonsense) stays
// clear: the run then goes on as if nothing watched it.
class PauseSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    bool isActive() const { return m_active; }
    // Starts or stops following the source; stopping clears it.
    virtual void setWatching(bool watching) = 0;
    // Asks again at once, where that costs no more than an X11 round trip.
    virtual void recheck() {}

signals:
    void activeChanged(bool active);

protected:
    void setActive(bool active);

private:
    bool m_active = false;
};
