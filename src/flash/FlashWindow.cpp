// SPDX-License-Identifier: GPL-3.0-or-later
#include "flash/FlashWindow.h"

#include "flash/StretchedPicture.h"
#include "platform/Screen.h"
#include "platform/Timer.h"
#include "platform/Units.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace
{

// What screen readers see of the flash window: nothing to read out or to
// move to. A flash is meant to pass by unremarked, and a reader that spoke up
// at every picture would drown out the user's own work.
class SilentAccessible final : public QAccessibleWidget
{
public:
    explicit SilentAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

QAccessibleInterface* silentFlash(const QString& className, QObject* object)
{
    if (className == QLatin1String("FlashWindow") && object->isWidgetType())
        return new SilentAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

const QString FlashWindow::FlashTimerName = QStringLiteral("flashTimer");
const QString FlashWindow::FrameTimerName = QStringLiteral("frameTimer");
const QString FlashWindow::FadeTimerName = QStringLiteral("fadeTimer");

FlashWindow::FlashWindow(TimerFactory& timers, bool seeThrough)
    : QWidget(nullptr), m_timers(timers), m_seeThrough(seeThrough)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Tidewell Charts v1.0"));
    // Unmanaged (override-redirect on X): placed exactly, no frame, no taskbar
    // entry, never focused by a window manager. Input transparency must be
    // set before the native window exists.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
                   Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                   Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_NoSystemBackground);
    // Before the native window exists: it then gets a visual with alpha.
    setAttribute(Qt::WA_TranslucentBackground, seeThrough);
    setFocusPolicy(Qt::NoFocus);
    static const bool silenced = (QAccessible::installFactory(silentFlash), true);
    Q_UNUSED(silenced);
    setFixedSize(Units::size(WidthTwips, HeightTwips));

    m_picture = new StretchedPicture(this);
    m_picture->setObjectName(QStringLiteral("imgPictureDisplay"));
    m_picture->setSeeThrough(seeThrough);
    m_picture->setGeometry(rect());
    connect(m_picture, &StretchedPicture::painted, this, &FlashWindow::pictureShown);

    // The slow part, done now rather than when the picture is due.
    ensurePolished();
    winId();
}

FlashWindow::~FlashWindow() = default;

void FlashWindow::load()
{
    if (m_flashTimer)
        return;
    m_flashTimer = m_timers.create(FlashTimerName, this);
    connect(m_flashTimer, &Timer::timeout, this, &FlashWindow::flashTimerFired);
    m_flashTimer->setEnabled(true);
}

const QImage& FlashWindow::picture() const
{
    return m_picture->picture();
}

void FlashWindow::setPicture(const QImage& picture)
{
    m_picture->setPicture(picture);
}

void FlashWindow::setAnimation(std::shared_ptr<const PictureAnimation> animation)
{
    m_animation = std::move(animation);
    m_frame = 0;
    m_picture->setPicture(m_animation->frames.constFirst());
    if (!m_frameTimer) {
        m_frameTimer = m_timers.create(FrameTimerName, this);
        connect(m_frameTimer, &Timer::timeout, this, &FlashWindow::nextFrame);
    }
}

void FlashWindow::nextFrame()
{
    m_frame = (m_frame + 1) % int(m_animation->frames.size());
    m_picture->setPicture(m_animation->frames.at(m_frame));
    m_frameTimer->setInterval(m_animation->delaysMs.at(m_frame));
}

void FlashWindow::placeAt(const QRectF& twips)
{
    const QRect pixels(Units::px(twips.left()), Units::px(twips.top()), Units::px(twips.width()),
                       Units::px(twips.height()));
    move(pixels.topLeft());
    if (pixels.size() != size()) {
        setFixedSize(pixels.size());
        m_picture->setGeometry(rect());
    }
}

void FlashWindow::setDuration(int milliseconds)
{
    m_duration = qMax(0, milliseconds);
    if (m_painted && m_flashTimer)
        m_flashTimer->setInterval(m_duration);
}

void FlashWindow::showFlash()
{
    load();
    m_painted = false;
    // A flash that never gets painted must still end, or the run would stall.
    m_flashTimer->setInterval(m_duration + UnpaintedGraceMs);
    // Set before the window is mapped, so that a fade in starts from nothing.
    if (!m_look.isPlain())
        setWindowOpacity(m_look.opacityAt(0, m_duration));
    // Above everything, before mapping: restacking an unmapped window can
    // never activate it. (Other platforms stack a stays-on-top window.)
    if (QWindow* window = windowHandle(); window && QGuiApplication::platformName() == "xcb")
        window->raise();
    show();
}

void FlashWindow::pictureShown()
{
    if (m_painted || !m_flashTimer || !isVisible())
        return;
    m_painted = true;
    // The fade in comes before the duration; the fade out follows it.
    m_flashTimer->setInterval(m_look.fadeInMs + m_duration);
    m_seenFor.start();
    if (m_look.fadeInMs > 0)
        fadeStep();
    if (m_animation && m_duration > m_animation->delaysMs.constFirst()) {
        m_frameTimer->setInterval(m_animation->delaysMs.constFirst());
        m_frameTimer->setEnabled(true);
    }
    emit pictureOnScreen();
}

void FlashWindow::fadeStep()
{
    if (!m_fadeTimer) {
        m_fadeTimer = m_timers.create(FadeTimerName, this);
        connect(m_fadeTimer, &Timer::timeout, this, &FlashWindow::fadeStep);
        // A step for each frame the display draws, its opacity worked out
        // from the time really passed, however late the step comes.
        const QScreen* on = screen();
        const double hertz = on && on->refreshRate() > 1 ? on->refreshRate() : 60.0;
        m_fadeTimer->setInterval(qMax(1, qRound(1000.0 / hertz)));
        m_fadeTimer->setEnabled(true);
    }
    const qint64 elapsed = m_seenFor.elapsed();
    if (m_fadeOutFrom >= 0) {
        const qint64 fadeOutAt = qint64(m_look.fadeInMs) + m_duration;
        setWindowOpacity(m_look.opacityAt(fadeOutAt + elapsed - m_fadeOutFrom, m_duration));
    } else {
        // A late step ends the fade in, never starts the fade out: that is
        // the flash timer's to begin.
        setWindowOpacity(m_look.opacityAt(qMin<qint64>(elapsed, m_look.fadeInMs), m_duration));
        if (elapsed >= m_look.fadeInMs) // at full strength until the fade out
            m_fadeTimer->setEnabled(false);
    }
    // No repaint carries the change to the X server: it goes now, not
    // whenever the program next talks to it.
    flushWindowSystem();
}

void FlashWindow::flashTimerFired()
{
    // A picture never painted has nothing to fade.
    if (m_painted && m_look.fadeOutMs > 0 && m_fadeOutFrom < 0) {
        m_fadeOutFrom = m_seenFor.elapsed();
        m_flashTimer->setInterval(m_look.fadeOutMs);
        fadeStep();
        if (m_fadeTimer)
            m_fadeTimer->setEnabled(true);
        return;
    }
    endFlash();
}

void FlashWindow::endFlash()
{
    m_flashTimer->setEnabled(false);
    if (m_fadeTimer)
        m_fadeTimer->setEnabled(false);
    if (m_frameTimer)
        m_frameTimer->setEnabled(false);
    hide();
    emit flashEnded();
    unload();
}

void FlashWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (m_flashTimer)
        m_flashTimer->setEnabled(false);
    if (m_frameTimer)
        m_frameTimer->setEnabled(false);
    if (m_fadeTimer)
        m_fadeTimer->setEnabled(false);
    hide();
    deleteLater();
}
