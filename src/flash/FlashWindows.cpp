// SPDX-License-Identifier: GPL-3.0-or-later
#include "flash/FlashWindows.h"

#include "core/Session.h"
#include "flash/FlashWindow.h"
#include "platform/Screen.h"

FlashWindows::FlashWindows(TimerFactory& timers, const Screen& screen, QObject* parent)
    : FlashDisplay(parent), m_timers(timers), m_screen(screen)
{
}

FlashWindows::~FlashWindows()
{
    // The flash windows have no owner: they go with the run, also those whose
    // unloading is still pending.
    for (const QPointer<FlashWindow>& window : std::as_const(m_windows))
        delete window.data();
}

FlashWindow* FlashWindows::current() const
{
    return m_current.data();
}

Session* FlashWindows::newSession(const Services& services, QObject* parent)
{
    auto* display = new FlashWindows(services.timers, services.screen);
    auto* session = new Session(services, *display, parent);
    display->setParent(session);
    return session;
}

void FlashWindows::prepare()
{
    m_blended = m_screen.composites();
    if (m_next && m_next->isSeeThrough() != m_blended) {
        m_next->unload();
        m_next = nullptr;
    }
    if (!m_next)
        m_next = newWindow();
}

void FlashWindows::show(const QImage& picture, const QPointF& topLeft, int durationMs)
{
    FlashWindow* window = nextWindow();
    window->setPicture(picture);
    showWindow(window, topLeft, durationMs);
}

void FlashWindows::showAnimation(std::shared_ptr<const PictureAnimation> animation,
                                 const QPointF& topLeft, int durationMs)
{
    FlashWindow* window = nextWindow();
    window->setAnimation(std::move(animation));
    showWindow(window, topLeft, durationMs);
}

FlashWindow* FlashWindows::nextWindow()
{
    remove();
    FlashWindow* window = m_next ? m_next.data() : newWindow();
    m_next = nullptr;
    m_current = window;
    window->load();
    connect(window, &FlashWindow::pictureOnScreen, this, [this, window] {
        if (window == m_current.data())
            emit pictureOnScreen();
    });
    connect(window, &FlashWindow::flashEnded, this, &FlashWindows::windowEnded);
    return window;
}

void FlashWindows::showWindow(FlashWindow* window, const QPointF& topLeft, int durationMs)
{
    window->placeAt(QRectF(topLeft, m_windowSize));
    window->setDuration(durationMs);
    window->setLook(m_blended ? m_look : FlashLook());
    window->showFlash();
}

void FlashWindows::remove()
{
    if (m_current)
        m_current->unload();
    m_current = nullptr;
}

void FlashWindows::release()
{
    remove();
    if (m_next)
        m_next->unload();
    m_next = nullptr;
}

FlashWindow* FlashWindows::newWindow()
{
    m_windows.removeAll(nullptr);
    auto* window = new FlashWindow(m_timers, m_blended);
    m_windows << window;
    return window;
}

void FlashWindows::windowEnded()
{
    if (sender() != m_current.data())
        return;
    m_current = nullptr;
    emit flashEnded();
}
