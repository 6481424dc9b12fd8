#include "flash/FlashWindow.h"

#include "flash/StretchedPicture.h"
#include "platform/Timer.h"
#include "platform/Units.h"

#include <QGuiApplication>
#include <QWindow>

const QString FlashWindow::TimerName = QStringLiteral("frmDisplay.Timer1");

FlashWindow::FlashWindow(TimerFactory& timers) : QWidget(nullptr), m_timers(timers)
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
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(Units::size(WidthTwips, HeightTwips));

    imgPictureDisplay = new StretchedPicture(this);
    imgPictureDisplay->setObjectName(QStringLiteral("imgPictureDisplay"));
    imgPictureDisplay->setGeometry(rect());
    connect(imgPictureDisplay, &StretchedPicture::painted, this, &FlashWindow::pictureShown);

    // The slow part, done now rather than when the picture is due.
    ensurePolished();
    winId();
}

FlashWindow::~FlashWindow() = default;

void FlashWindow::Form_Load()
{
    if (Timer1)
        return;
    Timer1 = m_timers.create(TimerName, this);
    connect(Timer1, &Timer::timeout, this, &FlashWindow::Timer1_Timer);
    Timer1->setEnabled(true);
}

void FlashWindow::setPicture(const QImage& picture)
{
    imgPictureDisplay->setPicture(picture);
}

void FlashWindow::setPosition(double leftTwips, double topTwips)
{
    move(Units::px(leftTwips), Units::px(topTwips));
}

void FlashWindow::setDuration(int milliseconds)
{
    m_duration = qMax(0, milliseconds);
    if (m_painted && Timer1)
        Timer1->setInterval(m_duration);
}

void FlashWindow::showFlash()
{
    Form_Load();
    m_painted = false;
    // A flash that never gets painted must still end, or the run would stall.
    Timer1->setInterval(m_duration + UnpaintedGraceMs);
    // Above everything, before mapping: restacking an unmapped window can
    // never activate it. (Other platforms stack a stays-on-top window.)
    if (QWindow* window = windowHandle(); window && QGuiApplication::platformName() == "xcb")
        window->raise();
    show();
}

void FlashWindow::pictureShown()
{
    if (m_painted || !Timer1 || !isVisible())
        return;
    m_painted = true;
    Timer1->setInterval(m_duration);
}

void FlashWindow::Timer1_Timer()
{
    Timer1->setEnabled(false);
    hide();
    emit flashEnded();
    unload();
}

void FlashWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (Timer1)
        Timer1->setEnabled(false);
    hide();
    deleteLater();
}
