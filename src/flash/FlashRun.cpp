#include "flash/FlashRun.h"

#include "platform/ProgramInfo.h"
#include "flash/FlashWindow.h"
#include "flash/Placement.h"
#include "library/ImageViewer.h"
#include "settings/SettingsPanel.h"

#include <QPushButton>
#include <QTimer>

const QString FlashRun::StartCaption = QStringLiteral("&Start");
const QString FlashRun::StopCaption = QStringLiteral("&Stop");
const QString FlashRun::NoPictureMessage =
    QStringLiteral("Please Select Atleast One Image To Display Your Picture");

FlashRun::FlashRun(const Services& services, const Controls& controls, QObject* parent)
    : QObject(parent), m_services(services), m_controls(controls)
{
    Timer1 = m_services.timers->create(QStringLiteral("Timer1"), this);
    connect(Timer1, &Timer::timeout, this, &FlashRun::Timer1_Timer);
}

FlashRun::~FlashRun()
{
    // The flash windows have no owner: they go with the run, also those whose
    // unloading is still pending.
    for (const QPointer<FlashWindow>& window : std::as_const(m_windows))
        delete window.data();
}

bool FlashRun::isRunning() const
{
    return m_controls.cmdProceed->text() == StopCaption;
}

FlashWindow* FlashRun::frmDisplay() const
{
    return m_current.data();
}

QDateTime FlashRun::nextFlashDue() const
{
    if (!Timer1->isRunning() || !m_intervalStart.isValid())
        return {};
    return m_intervalStart.addMSecs(Timer1->interval());
}

void FlashRun::intervalStarted()
{
    m_intervalStart = m_services.clock ? m_services.clock->now() : QDateTime::currentDateTime();
}

void FlashRun::cmdProceed_Click()
{
    if (m_services.settings)
        m_controls.settings->save(*m_services.settings, m_services.program.applicationName);
    if (m_controls.cmdProceed->text() == StartCaption)
        start();
    else
        stop();
}

void FlashRun::start()
{
    if (m_controls.viewer->LoadedImageCount() < 1) {
        m_services.dialogs->message(NoPictureMessage, MessageIcon::Critical, MessageButtons::Ok,
                                    ProgramInfo::title());
        return;
    }
    m_controls.cmdProceed->setText(StopCaption);
    m_scheduler.start();
    Timer1->setInterval(m_controls.settings->intervalSeconds() * 1000);
    Timer1->setEnabled(true);
    intervalStarted();
    prepareNextWindow();
    m_controls.frmMain->showMinimized();
    emit scheduleChanged();
}

void FlashRun::stop()
{
    m_controls.cmdProceed->setText(StartCaption);
    Timer1->setInterval(0);
    Timer1->setEnabled(true);
    unloadFlashWindow();
    emit scheduleChanged();
}

void FlashRun::end()
{
    Timer1->setInterval(0);
    Timer1->setEnabled(false);
    unloadFlashWindow();
    if (m_next)
        m_next->unload();
    emit scheduleChanged();
}

void FlashRun::Timer1_Timer()
{
    // A tick starts the next period; it counts only if no flash pauses it.
    intervalStarted();
    unloadFlashWindow();

    const auto order =
        m_controls.settings->randomOrder() ? Scheduler::Order::Random : Scheduler::Order::List;
    const int slot =
        m_scheduler.chooseSlot(order, m_controls.viewer->LoadedImageCount(), *m_services.random);
    // Every picture deleted during the run: this tick passes, the run goes on.
    if (slot < 1) {
        emit scheduleChanged();
        return;
    }

    FlashWindow* window = takeNextWindow();
    m_current = window;
    window->Form_Load();
    connect(window, &FlashWindow::flashEnded, this, &FlashRun::flashEnded);
    window->setPicture(m_controls.viewer->slotPicture(slot));

    const QSizeF screen = m_services.screen->sizeInTwips();
    const QSizeF size(FlashWindow::WidthTwips, FlashWindow::HeightTwips);
    const Placement place = m_controls.settings->randomLocation()
                                ? Placement::random(screen, size, *m_services.random)
                                : Placement::centre(screen, size);
    window->setPosition(place.left, place.top);
    window->setDuration(m_controls.settings->durationMilliseconds());
    window->showFlash();
    Timer1->setEnabled(false);
    emit scheduleChanged();
}

void FlashRun::flashEnded()
{
    if (sender() != m_current.data())
        return;
    m_current = nullptr;
    Timer1->setEnabled(true);
    intervalStarted();
    emit scheduleChanged();
    // Made during the dark time, so the next flash finds its window ready.
    QTimer::singleShot(0, this, &FlashRun::prepareNextWindow);
}

void FlashRun::unloadFlashWindow()
{
    if (m_current)
        m_current->unload();
    m_current = nullptr;
}

FlashWindow* FlashRun::newWindow()
{
    m_windows.removeAll(nullptr);
    auto* window = new FlashWindow(*m_services.timers);
    m_windows << window;
    return window;
}

void FlashRun::prepareNextWindow()
{
    // Only while a run is on (its interval is set).
    if (!m_next && Timer1->interval() > 0)
        m_next = newWindow();
}

FlashWindow* FlashRun::takeNextWindow()
{
    FlashWindow* window = m_next ? m_next.data() : newWindow();
    m_next = nullptr;
    return window;
}
