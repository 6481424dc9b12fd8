#pragma once

#include "flash/Scheduler.h"
#include "platform/Services.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>

class FlashWindow;
class ImageViewer;
class QPushButton;
class QWidget;
class SettingsPanel;

// The Start/Stop command and the interval timer's scheduler. A run alternates
// between a dark interval and one flash: each tick of Timer1 shows a picture
// from the viewer's slots in the flash window and pauses the timer; the end of
// the flash re-enables it. The run state is cmdProceed's caption.
class FlashRun : public QObject
{
    Q_OBJECT
public:
    static const QString StartCaption;
    static const QString StopCaption;
    static const QString NoPictureMessage;

    struct Controls {
        ImageViewer* viewer = nullptr;
        SettingsPanel* settings = nullptr;
        QPushButton* cmdProceed = nullptr;
        QWidget* frmMain = nullptr; // minimised at Start
    };

    FlashRun(const Services& services, const Controls& controls, QObject* parent = nullptr);
    ~FlashRun() override;

    // The interval timer.
    Timer* Timer1 = nullptr;

    void cmdProceed_Click();
    void Timer1_Timer();
    // The main window is closing: no flash may follow.
    void end();

    bool isRunning() const;
    // The flash window of the current flash, or nullptr between flashes.
    FlashWindow* frmDisplay() const;
    const Scheduler& scheduler() const { return m_scheduler; }
    // When the interval timer's next tick is due; invalid while no tick is
    // counting (no run, or a picture is on the screen).
    QDateTime nextFlashDue() const;

signals:
    // The run started or stopped, a flash began or ended.
    void scheduleChanged();

private:
    void start();
    void stop();
    void unloadFlashWindow();
    void prepareNextWindow();
    FlashWindow* takeNextWindow();
    FlashWindow* newWindow();
    void flashEnded();
    // The interval timer has just begun a fresh period.
    void intervalStarted();

    Services m_services;
    Controls m_controls;
    Scheduler m_scheduler;
    QPointer<FlashWindow> m_current;
    QPointer<FlashWindow> m_next; // created ahead, hidden, never shown yet
    QList<QPointer<FlashWindow>> m_windows;
    QDateTime m_intervalStart;
};
