// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Outcome.h"
#include "library/PictureBatch.h"
#include "platform/Services.h"
#include "preferences/Preferences.h"
#include "settings/DisplayChoices.h"
#include "settings/PausePreferences.h"

#include <QObject>
#include <QQueue>
#include <QStringList>

#include <functional>
#include <memory>

class ActiveHours;
class FlashDisplay;
class FlashRun;
class FlashSequence;
class MessageList;
class PictureSets;
class PictureLibrary;
class SetSettingsFile;
class ShowRecord;
enum class ShowPicturesOn;

// The program as a user can ask things of it, whichever door they come
// through: the main window, the tray, the command line or the bus. It owns the
// picture library, the flash run and the preferences; every request returns
// an outcome its door can show. It has no widget: the run's pictures go to a
// display handed in, and the four display settings are read from the choices
// a door shows (or, with none, from the settings file).
class Session : public QObject, private DisplayChoices
{
    Q_OBJECT
public:
    Session(const Services& services, FlashDisplay& display, QObject* parent = nullptr);
    ~Session() override;

    PictureLibrary& library() const { return *m_library; }
    // The user's messages, flashed beside or instead of the pictures.
    MessageList& messages() const { return *m_messages; }
    // What the run flashes: the pictures of the set chosen, the messages.
    FlashSequence& sequence() const { return *m_sequence; }
    // Adds messages at the end of the list, each checked; all or none.
    Outcome addMessages(const QStringList& texts);

    // The sets of the library's pictures there are now.
    QStringList pictureSets() const;
    PictureSets sets() const;
    // The set whose pictures are flashed; empty: the whole list.
    QString currentSet() const;
    // Flashes that set's pictures from the next one on, with the set's own
    // display settings, and keeps the choice; an empty name: the whole list
    // with the user's settings. The display settings chosen for the set
    // before are saved to it first. Refused when the set cannot be read.
    // Pictures it names that the list does not hold are left out, and named
    // in leftOut.
    Outcome chooseSet(const QString& name, QStringList* leftOut = nullptr);
    // Writes the set, its settings and its pictures to one file.
    Outcome exportSet(const QString& name, const QString& path);
    // Brings in a set from such a file, named after it, with the pictures
    // the list lacks; whole or not at all.
    Outcome importSet(const QString& path, QString* name);
    FlashRun& run() const { return *m_run; }
    // How often the pictures were shown, while the user keeps a record.
    ShowRecord& record() const { return *m_record; }
    bool keepsRecord() const;
    // Turning the record off forgets it.
    void setKeepRecord(bool keep);
    FlashDisplay& display() const { return m_display; }
    // Every key of the settings file, read and written through one object.
    Preferences& preferences() { return m_preferences; }
    // The kinds of pause the user wants, which the Pause-when menus change;
    // applyPausePreferences() then has the run follow them.
    PausePreferences& pausePreferences() { return m_pausePreferences; }
    void applyPausePreferences();

    // Where the four display settings are chosen now; null: the settings file.
    void setDisplayChoices(const DisplayChoices* choices) { m_choices = choices; }

    // Reads the library and the preferences, once before the first request.
    void load();
    // The program ends: no flash may follow.
    void end();

    // Start and Stop save the four display settings when they start or stop
    // the run; a start without pictures is refused.
    Outcome start();
    Outcome stop();
    Outcome toggle();
    // Holds back a run that is on, for a while or until tomorrow morning.
    Outcome pauseFor(int minutes);
    Outcome pauseUntilTomorrow();
    Outcome resume();

    // What came of one add: what its batch found, and how many files it tried.
    using AddFinished = std::function<void(const PictureBatch::Summary& summary, int total)>;
    // At most this many adds wait behind the one that is on.
    static constexpr int MaxWaitingAdds = 1000;

    // Adds picture files, and the pictures in folders, in the background, in
    // the order asked: an add asked for while another is on waits for it.
    // whenDone, then addingFinished(), tell each add's end. Refused only when
    // too many adds wait already.
    Outcome addPictures(const QStringList& paths, AddFinished whenDone = {});
    // Adds the one file at path, as Add Picture does with the file chosen.
    Outcome addPicture(const QString& path, AddFinished whenDone = {});
    // Stops the add that is on (what was added stays) and drops those that
    // wait; each is told its end as cancelled.
    void cancelAdding();
    // An add is on, or waits to start.
    bool isAdding() const { return m_batch != nullptr || !m_waitingAdds.isEmpty(); }
    // The add that is on, or null.
    const PictureBatch* adding() const { return m_batch; }

    // Each saved at once, and followed by the run.
    void setActiveHours(const ActiveHours& hours);
    void setShowPicturesOn(ShowPicturesOn choice);
    ShowPicturesOn showPicturesOn() const { return m_showPicturesOn; }

signals:
    // An add of paths began; adding() is it.
    void addingStarted(const QStringList& paths);
    // paths is what addPictures() was given.
    void addingFinished(const QStringList& paths, const PictureBatch::Summary& summary, int total);
    void showPicturesOnChanged(ShowPicturesOn choice);
    void currentSetChanged(const QString& name);

private:
    DisplaySettings current() const override;
    Outcome refuseWithoutRun() const;
    struct WaitingAdd {
        QStringList paths;
        bool single = false; // one file, a folder's name included, as Add Picture takes it
        AddFinished whenDone;
    };
    Outcome queueAdd(WaitingAdd add);
    void startNextAdd();
    void saveChoices();
    // Flashes the set's pictures with its settings; no signal, nothing saved.
    void useSet(const QString& name, const QStringList& entries);

    Services m_services;
    FlashDisplay& m_display;
    const DisplayChoices* m_choices = nullptr;
    Preferences m_preferences;
    PausePreferences m_pausePreferences;
    ShowPicturesOn m_showPicturesOn;
    PictureLibrary* m_library;
    MessageList* m_messages;
    FlashSequence* m_sequence;
    FlashRun* m_run;
    ShowRecord* m_record;
    std::unique_ptr<SetSettingsFile> m_setSettings; // null: the whole list's
    PictureBatch* m_batch = nullptr;
    AddFinished m_batchDone; // told when m_batch ends
    QQueue<WaitingAdd> m_waitingAdds;
};
