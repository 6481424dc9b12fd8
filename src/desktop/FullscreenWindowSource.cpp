// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/FullscreenWindowSource.h"

#include "desktop/X11Connection.h"

#include <cstdlib>

FullscreenWindowSource::~FullscreenWindowSource()
{
    setWatching(false);
}

void FullscreenWindowSource::setWatching(bool watching)
{
    if (watching == (m_x11 != nullptr))
        return;
    if (!watching) {
        delete m_x11;
        m_x11 = nullptr;
        m_followed = 0;
        setActive(false);
        return;
    }
    m_x11 = new X11Connection(this);
    if (!m_x11->isOpen())
        return;
    m_activeWindowAtom = m_x11->atom("_NET_ACTIVE_WINDOW");
    m_stateAtom = m_x11->atom("_NET_WM_STATE");
    m_fullscreenAtom = m_x11->atom("_NET_WM_STATE_FULLSCREEN");
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_x11->xcb(), m_x11->root(), XCB_CW_EVENT_MASK, &mask);
    m_x11->onEvent = [this](const xcb_generic_event_t* event) {
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return;
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if ((notify->window == m_x11->root() && notify->atom == m_activeWindowAtom) ||
            (notify->window == m_followed && notify->atom == m_stateAtom))
            refresh();
    };
    m_x11->onLost = [this] {
        setActive(false);
    };
    refresh();
    m_x11->dispatchLater();
}

void FullscreenWindowSource::recheck()
{
    if (!m_x11 || !m_x11->isOpen())
        return;
    refresh();
    m_x11->dispatchLater();
}

void FullscreenWindowSource::refresh()
{
    if (!m_x11->isOpen()) {
        setActive(false);
        return;
    }
    const std::uint32_t window = activeWindow();
    if (window != m_followed)
        follow(window);
    setActive(window != 0 && isFullscreen(window));
}

void FullscreenWindowSource::follow(std::uint32_t window)
{
    const std::uint32_t none = XCB_EVENT_MASK_NO_EVENT;
    const std::uint32_t property = XCB_EVENT_MASK_PROPERTY_CHANGE;
    // The old window may be gone already; the error that brings is ignored.
    if (m_followed != 0 && m_followed != m_x11->root())
        xcb_change_window_attributes(m_x11->xcb(), m_followed, XCB_CW_EVENT_MASK, &none);
    // Listen before reading its state, so no change falls in between.
    if (window != 0 && window != m_x11->root())
        xcb_change_window_attributes(m_x11->xcb(), window, XCB_CW_EVENT_MASK, &property);
    m_followed = window;
}

std::uint32_t FullscreenWindowSource::activeWindow() const
{
    const auto cookie =
        xcb_get_property(m_x11->xcb(), 0, m_x11->root(), m_activeWindowAtom, XCB_ATOM_WINDOW, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(m_x11->xcb(), cookie, nullptr);
    std::uint32_t window = 0;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        window = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return window;
}

bool FullscreenWindowSource::isFullscreen(std::uint32_t window) const
{
    const auto cookie =
        xcb_get_property(m_x11->xcb(), 0, window, m_stateAtom, XCB_ATOM_ATOM, 0, 64);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(m_x11->xcb(), cookie, nullptr);
    bool fullscreen = false;
    if (reply && reply->format == 32) {
        const auto* atoms = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < count && !fullscreen; ++i)
            fullscreen = atoms[i] == m_fullscreenAtom;
    }
    std::free(reply);
    return fullscreen;
}
