// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FlashDisplay.h"
#include "pictures/PictureAnimation.h"

#include <QElapsedTimer>
#include <QWidget>

class StretchedPicture;
class Timer;
class TimerFactory;

// The borderless window that shows one picture for the display duration. It never takes the
// keyboard, lets the mouse through to what lies beneath, stays above other windows and is not
// listed in the taskbar.
//
// Creating a native window is slow, so the run creates the next flash window
// ahead of time and hidden. load() then gives it its first state when its
// flash comes; it is shown once and unloaded after.
class FlashWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int WidthTwips = FlashDisplay::WidthTwips;
    static constexpr int HeightTwips = FlashDisplay::HeightTwips;
    // If the window is never painted, the flash still ends this much later.
    static constexpr int UnpaintedGraceMs = 1000;
    static const QString FlashTimerName;
    static const QString FrameTimerName;
    static const QString FadeTimerName;

    // A see-through window lets a picture's transparent parts show what lies
    // beneath; it needs a desktop that composites, or they would show black.
    explicit FlashWindow(TimerFactory& timers, bool seeThrough = false);
    ~FlashWindow() override;

    // The flash timer enabled with period 0.
    void load();
    void setPicture(const QImage& picture);
    // Plays the frames in turn, looping, from when the first is on the
    // screen; a flash shorter than the first frame shows it alone.
    void setAnimation(std::shared_ptr<const PictureAnimation> animation);
    // Where the window goes and how large it is, in twips; the picture is
    // stretched to it.
    void placeAt(const QRectF& twips);
    // The display duration; it is counted from the moment the picture is on
    // the screen, so the whole duration is really seen.
    void setDuration(int milliseconds);
    int duration() const { return m_duration; }
    // How opaque, and how it fades in and out around the duration. Only a
    // desktop that composites can show it: elsewhere keep the plain look.
    void setLook(const FlashLook& look) { m_look = look; }
    bool isSeeThrough() const { return m_seeThrough; }
    // Shows the window without taking the focus from anyone.
    void showFlash();
    // Hides it at once and lets it go.
    void unload();

    bool isPictureOnScreen() const { return m_painted && isVisible(); }
    const QImage& picture() const;
    bool isUnloaded() const { return m_unloaded; }

signals:
    // The picture is really on the screen; the duration counts from now.
    void pictureOnScreen();
    // The duration is over and the picture has gone.
    void flashEnded();

private:
    void pictureShown();
    void flashTimerFired();
    void nextFrame();
    void fadeStep();
    void endFlash();

    TimerFactory& m_timers;
    StretchedPicture* m_picture;
    Timer* m_flashTimer = nullptr; // exists from load() on
    Timer* m_frameTimer = nullptr; // exists while an animation plays
    Timer* m_fadeTimer = nullptr;  // exists once a fade has begun
    FlashLook m_look;
    QElapsedTimer m_seenFor;   // from the moment the picture is on the screen
    qint64 m_fadeOutFrom = -1; // m_seenFor's reading when the fade out began
    std::shared_ptr<const PictureAnimation> m_animation;
    int m_frame = 0;
    int m_duration = 0;
    bool m_painted = false;
    bool m_unloaded = false;
    bool m_seeThrough = false;
};
