// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MonitorPicker.h"
#include "core/Outcome.h"
#include "core/RunSchedule.h"
#include "core/Scheduler.h"
#include "core/ShowLatency.h"
#include "platform/Services.h"

#include <QDateTime>
#include <QObject>

class DisplayChoices;
struct FlashLook;
class FlashDisplay;
class FlashPictures;
class Preferences;

// The flash run: Start/Stop and the interval timer's scheduler. A run
// alternates between a dark interval and one flash: each tick of the interval
// timer shows a picture of the library and pauses the timer; the end of the
// flash starts a fresh interval. The tick comes early by the time a picture has
// lately needed to reach the screen, so that it is seen when the interval is
// over. The state lives here and nowhere else; every change of it is signalled.
class FlashRun : public QObject
{
    Q_OBJECT
public:
    enum class State {
        Stopped,   // no run
        Waiting,   // a run is on and the interval is counting
        Preparing, // a tick chose a picture that is still being prepared; the flash waits for it
        Showing,   // a picture is on the screen; the interval waits for it
        Paused,    // a run is on, but no picture may be shown now
    };
    Q_ENUM(State)

    static const QString StartCaption;
    static const QString StopCaption;
    static const QString NoPictureMessage;
    static const QString IntervalTimerName;
    // A tick this much later by the wall clock than its interval means the
    // machine slept.
    static constexpr int SuspendSlackMs = 5000;
    static constexpr int ClockJumpMs = 1000;
    // A varying interval never waits less than the shortest interval offered.
    static constexpr int ShortestWaitMs = 2000;

    // How fast a picture reached the screen is kept between runs in preferences.
    FlashRun(const Services& services, Preferences& preferences, FlashPictures& pictures,
             DisplayChoices& choices, FlashDisplay& display, QObject* parent = nullptr);

    State state() const { return m_state; }
    bool isRunning() const { return m_state != State::Stopped; }
    // Why the run is paused; empty unless the state is Paused.
    PauseReasons pauseReasons() const { return m_pausedFor; }
    // The caption of the command that starts or stops the run now.
    // In the user's language.
    QString startStopCaption() const;
    static QString startCaption();
    const Scheduler& scheduler() const { return m_scheduler; }
    // When the next picture is due on the screen; invalid while no interval is
    // counting (no run, or a picture is on the screen).
    QDateTime nextFlashDue() const;

    // Starts a run; refused without pictures. Stop ends it.
    Outcome start();
    void stop();
    // The interval chosen now counts from the next wait, in a run that is on.
    void followIntervalChoice();
    // The main window is closing: no flash may follow.
    void end();

    // The kinds of pause the user wants; the others are ignored.
    void setPauseWhen(PauseReasons reasons);
    // A flash picture that was still being prepared is ready now.
    void flashPictureReady();
    // The hours in which pictures may be shown; outside them the run waits.
    void setActiveHours(const ActiveHours& hours) { m_schedule->setActiveHours(hours); }
    // Holds back a run that is on until then; Stop, Start or resumeNow() end it.
    void pauseUntil(const QDateTime& until);
    void resumeNow() { pauseUntil({}); }
    const RunSchedule& schedule() const { return *m_schedule; }
    // When the schedule lets a paused run go on; invalid when it does not hold
    // the run back or never lets it go.
    QDateTime pausedUntil() const;
    // The monitor the pictures are shown on.
    void setShowPicturesOn(ShowPicturesOn choice) { m_monitorPicker.setShowPicturesOn(choice); }

signals:
    void stateChanged(FlashRun::State state);
    // A fresh interval began without a change of state.
    void scheduleChanged();
    // A run started; the main window gets out of the way.
    void minimiseRequested();
    // The picture of slot is on the screen.
    void pictureShown(int slot);

private:
    void setState(State state);
    // What stopping and ending share: no more pause watching, state Stopped.
    void leaveRun();
    void intervalTicked();
    // Shows the picture of slot, or waits for it while it is being prepared.
    void flash(int slot);
    // In list order the next picture is known: it is made ready during the dark time.
    void prefetchNext();
    // The size the flash pictures are prepared at for this look.
    QSize flashBox(const FlashLook& look) const;
    void pictureOnScreen();
    void flashEnded();
    // A fresh interval counts from now: the timer's period is the interval less
    // the lead, and restarts if the timer is enabled.
    void beginInterval();
    int drawWait();
    // What the watch says now, for the kinds the user wants.
    PauseReasons pauseNow() const;
    // Pauses or resumes as the watch says.
    void followPause();
    void pause(PauseReasons reasons);
    void resume();

    Services m_services;
    Preferences& m_preferences;
    FlashPictures& m_pictures;
    DisplayChoices& m_choices;
    FlashDisplay& m_display;
    Timer* m_intervalTimer;
    RunSchedule* m_schedule;
    Scheduler m_scheduler;
    MonitorPicker m_monitorPicker;
    State m_state = State::Stopped;
    PauseReasons m_pauseWhen = PauseReason::ScreenLocked | PauseReason::FullscreenWindow |
                               PauseReason::DoNotDisturb | PauseReason::ScreenShared |
                               PauseReason::InCall;
    PauseReasons m_pausedFor;
    int m_preparingSlot = 0;
    int m_shownSlot = 0;  // the slot of the flash on the screen
    int m_intervalMs = 0; // as chosen at Start
    int m_waitMs = 0;     // this interval's, drawn around m_intervalMs when it varies
    QDateTime m_intervalStart;
    // When the tick of the picture being shown was due; invalid unless that
    // tick showed it at once, so its time to the screen can be learnt.
    QDateTime m_tickDue;
    ShowLatency m_showLatency;
};
