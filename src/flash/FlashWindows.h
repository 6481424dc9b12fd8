// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FlashDisplay.h"

#include <QList>
#include <QPointer>

class FlashWindow;
class Screen;
class Session;
class TimerFactory;
struct Services;

// Shows each flash in a fresh FlashWindow, the next one created ahead of time
// and hidden, so that it is ready when its flash comes. Whether the desktop
// composites is asked then too, so the flash itself waits for no answer: a
// compositor that starts or stops counts from the next window.
class FlashWindows final : public FlashDisplay
{
    Q_OBJECT
public:
    FlashWindows(TimerFactory& timers, const Screen& screen, QObject* parent = nullptr);
    ~FlashWindows() override;

    // A session that shows its pictures in flash windows, which go with it.
    static Session* newSession(const Services& services, QObject* parent = nullptr);

    void prepare() override;
    void show(const QImage& picture, const QPointF& topLeft, int durationMs) override;
    void showAnimation(std::shared_ptr<const PictureAnimation> animation, const QPointF& topLeft,
                       int durationMs) override;
    void remove() override;
    void release() override;
    void setLook(const FlashLook& look) override { m_look = look; }
    void setWindowSize(const QSizeF& twips) override { m_windowSize = twips; }

    // The window of the flash now on the screen, or nullptr between flashes.
    FlashWindow* current() const;

private:
    FlashWindow* newWindow();
    FlashWindow* nextWindow();
    void showWindow(FlashWindow* window, const QPointF& topLeft, int durationMs);
    void windowEnded();

    TimerFactory& m_timers;
    const Screen& m_screen;
    FlashLook m_look;
    QSizeF m_windowSize{WidthTwips, HeightTwips};
    bool m_blended = false; // the desktop composited when last asked
    QPointer<FlashWindow> m_current;
    QPointer<FlashWindow> m_next; // created ahead, hidden, never shown yet
    QList<QPointer<FlashWindow>> m_windows;
};
