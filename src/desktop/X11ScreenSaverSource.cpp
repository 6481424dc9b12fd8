// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/X11ScreenSaverSource.h"

#include "desktop/X11Connection.h"

#include <cstdlib>
#include <xcb/screensaver.h>

namespace
{
bool blanked(std::uint8_t state)
{
    return state == XCB_SCREENSAVER_STATE_ON || state == XCB_SCREENSAVER_STATE_CYCLE;
}
} // namespace

X11ScreenSaverSource::~X11ScreenSaverSource()
{
    setWatching(false);
}

void X11ScreenSaverSource::setWatching(bool watching)
{
    if (watching == (m_x11 != nullptr))
        return;
    if (!watching) {
        delete m_x11;
        m_x11 = nullptr;
        m_firstEvent = -1;
        setActive(false);
        return;
    }
    m_x11 = new X11Connection(this);
    if (!m_x11->isOpen())
        return;
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(m_x11->xcb(), &xcb_screensaver_id);
    if (!extension || !extension->present)
        return;
    m_firstEvent = extension->first_event;
    xcb_screensaver_select_input(m_x11->xcb(), m_x11->root(), XCB_SCREENSAVER_EVENT_NOTIFY_MASK);
    m_x11->onEvent = [this](const xcb_generic_event_t* event) {
        if ((event->response_type & 0x7f) != m_firstEvent + XCB_SCREENSAVER_NOTIFY)
            return;
        setActive(blanked(reinterpret_cast<const xcb_screensaver_notify_event_t*>(event)->state));
    };
    m_x11->onLost = [this] {
        setActive(false);
    };
    query();
    m_x11->dispatchLater();
}

void X11ScreenSaverSource::recheck()
{
    if (!m_x11 || m_firstEvent < 0 || !m_x11->isOpen())
        return;
    query();
    m_x11->dispatchLater();
}

void X11ScreenSaverSource::query()
{
    const auto cookie = xcb_screensaver_query_info(m_x11->xcb(), m_x11->root());
    xcb_screensaver_query_info_reply_t* reply =
        xcb_screensaver_query_info_reply(m_x11->xcb(), cookie, nullptr);
    setActive(reply && blanked(reply->state));
    std::free(reply);
}
