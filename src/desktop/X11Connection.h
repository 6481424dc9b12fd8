// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <xcb/xcb.h>

class QSocketNotifier;

// A connection of our own to the X server of DISPLAY, its events read through
// the event loop, whatever platform plugin Qt itself runs on.
class X11Connection final : public QObject
{
    Q_OBJECT
public:
    explicit X11Connection(QObject* parent = nullptr);
    ~X11Connection() override;

    // False without a display, or once the server is gone.
    bool isOpen() const;
    xcb_connection_t* xcb() const { return m_connection; }
    xcb_window_t root() const { return m_root; }
    xcb_atom_t atom(const char* name) const;

    // Called for every event, and once when the connection is lost.
    std::function<void(const xcb_generic_event_t*)> onEvent;
    std::function<void()> onLost;

    // Waiting for a reply can leave events in xcb's queue that the socket no
    // longer announces: after a request answered outside an event, call this.
    void dispatchLater();

private:
    void dispatch();

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    QSocketNotifier* m_notifier = nullptr;
    bool m_dispatchPending = false;
};
