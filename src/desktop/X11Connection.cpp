// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/X11Connection.h"

#include <QSocketNotifier>
#include <cstdlib>
#include <cstring>

X11Connection::X11Connection(QObject* parent) : QObject(parent)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection))
        return;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0)
        return;
    m_root = screens.data->root;
    m_notifier =
        new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11Connection::dispatch);
}

X11Connection::~X11Connection()
{
    delete m_notifier;
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool X11Connection::isOpen() const
{
    return m_connection && m_root != 0 && !xcb_connection_has_error(m_connection);
}

xcb_atom_t X11Connection::atom(const char* name) const
{
    if (!isOpen())
        return XCB_ATOM_NONE;
    const auto cookie = xcb_intern_atom(m_connection, 0, std::strlen(name), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(m_connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

void X11Connection::dispatchLater()
{
    if (m_dispatchPending)
        return;
    m_dispatchPending = true;
    QMetaObject::invokeMethod(this, &X11Connection::dispatch, Qt::QueuedConnection);
}

void X11Connection::dispatch()
{
    m_dispatchPending = false;
    if (!m_notifier)
        return;
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        if (onEvent)
            onEvent(event);
        std::free(event);
    }
    if (xcb_connection_has_error(m_connection)) {
        // The server is gone; its socket would otherwise wake us for ever.
        delete m_notifier;
        m_notifier = nullptr;
        if (onLost)
            onLost();
    }
}
