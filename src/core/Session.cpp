// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Session.h"

#include "core/FlashDisplay.h"
#include "core/FlashRun.h"
#include "core/FlashSequence.h"
#include "core/SetTransfer.h"
#include "core/ShowRecord.h"
#include "library/LibraryFolder.h"
#include "library/MessageList.h"
#include "library/PictureLibrary.h"
#include "library/PictureSets.h"
#include "library/SetSettingsFile.h"
#include "platform/Units.h"
#include "settings/ActiveHours.h"
#include "settings/ShowPicturesOn.h"

#include <utility>

namespace
{

// The flash window's size and the preview strip's slot, in the screen's pixels.
PictureSizes pictureSizes(const Services& services)
{
    const double scale = services.screen.scaleFactor();
    return {Units::size(FlashDisplay::WidthTwips, FlashDisplay::HeightTwips) * scale,
            QSize(113, 90) * scale};
}

} // namespace

Session::Session(const Services& services, FlashDisplay& display, QObject* parent)
    : QObject(parent), m_services(services), m_display(display),
      m_preferences(services.settings, services.program.applicationName),
      m_pausePreferences(m_preferences), m_showPicturesOn(ShowPicturesOn::Primary),
      m_library(
          new PictureLibrary(LibraryFolder(services.program.folder), pictureSizes(services), this)),
      m_messages(new MessageList(LibraryFolder(services.program.folder).messagesFile(), this)),
      m_sequence(new FlashSequence(*m_library, *m_messages, m_preferences, services.screen, this)),
      m_run(new FlashRun(services, m_preferences, *m_sequence, *this, display, this)),
      m_record(new ShowRecord(services.program.stateFolder.isEmpty()
                                  ? QString()
                                  : services.program.stateFolder + QStringLiteral("/shown.json"),
                              services.timers, this))
{
    connect(m_sequence, &FlashSequence::flashPictureReady, m_run, &FlashRun::flashPictureReady);
    connect(m_run, &FlashRun::pictureShown, this, [this](int slot) {
        const QString name = m_sequence->recordName(slot);
        if (keepsRecord() && !name.isEmpty())
            m_record->add(name, m_services.clock.now());
    });
}

bool Session::keepsRecord() const
{
    return m_preferences.flag(Preference::KeepRecord);
}

void Session::setKeepRecord(bool keep)
{
    m_preferences.setFlag(Preference::KeepRecord, keep);
    if (!keep)
        m_record->clear();
}

Session::~Session()
{
    // An add still on lets go of its copies before the library goes.
    delete m_batch;
}

void Session::load()
{
    m_library->load();
    sets().finishImports(m_library->entries());
    m_messages->load();
    // A set that went away since leaves the whole list. Nothing is saved
    // here: the windows have not shown the settings yet.
    if (const QString set = m_preferences.text(Preference::CurrentSet); !set.isEmpty()) {
        QString error;
        const auto entries = sets().entries(set, &error);
        useSet(entries ? set : QString(), entries.value_or(QStringList()));
    }
    m_pausePreferences.load();
    m_run->setPauseWhen(m_pausePreferences.enabledReasons());
    m_run->setActiveHours(ActiveHours::load(m_preferences));
    m_showPicturesOn = loadShowPicturesOn(m_preferences);
    m_run->setShowPicturesOn(m_showPicturesOn);
    if (keepsRecord())
        m_record->load();
}

void Session::end()
{
    m_run->end();
    m_record->save();
}

DisplaySettings Session::current() const
{
    return m_choices ? m_choices->current() : DisplaySettings::load(m_preferences);
}

void Session::saveChoices()
{
    current().save(m_preferences);
}

Outcome Session::start()
{
    if (m_run->isRunning())
        return Outcome::done();
    // Saved even when the run is refused, as the choices were made.
    saveChoices();
    if (FlashSequence::load(m_preferences) == FlashSequence::Content::Messages &&
        m_messages->messages().isEmpty())
        return Outcome::refused(tr("There are no messages to flash. Add some under File > "
                                   "Messages..., or choose to flash pictures there."));
    return m_run->start();
}

Outcome Session::stop()
{
    if (!m_run->isRunning())
        return Outcome::done();
    saveChoices();
    m_run->stop();
    return Outcome::done();
}

Outcome Session::toggle()
{
    return m_run->isRunning() ? stop() : start();
}

Outcome Session::refuseWithoutRun() const
{
    return m_run->isRunning()
               ? Outcome::done()
               : Outcome::refused(tr("Flashing is not on; there is nothing to pause."));
}

Outcome Session::pauseFor(int minutes)
{
    Outcome outcome = refuseWithoutRun();
    if (outcome.isDone())
        m_run->pauseUntil(m_run->schedule().now().addSecs(qint64(qMax(1, minutes)) * 60));
    return outcome;
}

Outcome Session::pauseUntilTomorrow()
{
    Outcome outcome = refuseWithoutRun();
    if (outcome.isDone())
        m_run->pauseUntil(m_run->schedule().tomorrow());
    return outcome;
}

Outcome Session::resume()
{
    m_run->resumeNow();
    return Outcome::done();
}

Outcome Session::addMessages(const QStringList& texts)
{
    QString error;
    return m_messages->add(texts, &error) ? Outcome::done() : Outcome::refused(error);
}

QStringList Session::pictureSets() const
{
    return sets().names();
}

PictureSets Session::sets() const
{
    return PictureSets(m_services.program.folder);
}

QString Session::currentSet() const
{
    return m_sequence->pictureSet();
}

Outcome Session::chooseSet(const QString& name, QStringList* leftOut)
{
    QStringList entries;
    if (!name.isEmpty()) {
        QString error;
        const auto read = sets().entries(name, &error);
        if (!read)
            return Outcome::refused(error);
        entries = *read;
    }
    // What the user chose for the set left behind is its own, unless that set
    // is gone (deleted, or renamed to the one chosen now).
    if (const QString leaving = currentSet(); leaving.isEmpty() || sets().contains(leaving))
        saveChoices();
    useSet(name, entries);
    if (leftOut)
        *leftOut = m_sequence->leftOutOfSet();
    // The windows show the set's settings first, as the run reads them there.
    emit currentSetChanged(name);
    m_run->followIntervalChoice();
    return Outcome::done();
}

void Session::useSet(const QString& name, const QStringList& entries)
{
    m_preferences.setSetStore(nullptr);
    m_setSettings.reset();
    if (!name.isEmpty()) {
        m_setSettings = std::make_unique<SetSettingsFile>(sets().settingsOf(name));
        if (!m_setSettings->error().isEmpty())
            qWarning().noquote() << m_setSettings->error();
        m_preferences.setSetStore(m_setSettings.get());
    }
    m_sequence->choosePictureSet(name, entries);
    m_sequence->chooseMessages(name.isEmpty() ? std::nullopt : sets().messages(name));
    m_preferences.setText(Preference::CurrentSet, name);
}

Outcome Session::exportSet(const QString& name, const QString& path)
{
    return SetTransfer::exportSet(*m_library, sets(), name, path);
}

Outcome Session::importSet(const QString& path, QString* name)
{
    if (m_library->isBusy())
        return Outcome::refused(m_library->refuseWhileBusy().reason);
    return SetTransfer::importSet(*m_library, *m_messages, sets(), path, name);
}

Outcome Session::addPictures(const QStringList& paths, AddFinished whenDone)
{
    return queueAdd({paths, false, std::move(whenDone)});
}

Outcome Session::addPicture(const QString& path, AddFinished whenDone)
{
    return queueAdd({{path}, true, std::move(whenDone)});
}

Outcome Session::queueAdd(WaitingAdd add)
{
    if (add.paths.isEmpty())
        return Outcome::done();
    if (m_waitingAdds.size() >= MaxWaitingAdds)
        return Outcome::refused(tr("Too many adds are waiting. Try again once the pictures being "
                                   "added now are in."));
    m_waitingAdds.append(std::move(add)); // enqueue() would copy
    startNextAdd();
    return Outcome::done();
}

void Session::startNextAdd()
{
    if (m_batch || m_waitingAdds.isEmpty())
        return;
    WaitingAdd add = m_waitingAdds.dequeue();
    const QList<PictureBatch::Item> items =
        add.single ? QList{PictureBatch::Item{add.paths.first(), false, {}}}
                   : PictureBatch::itemsOf(add.paths);
    m_batch = new PictureBatch(*m_library, items, this);
    m_batchDone = std::move(add.whenDone);
    connect(m_batch, &PictureBatch::finished, this, [this, paths = add.paths] {
        PictureBatch* batch = std::exchange(m_batch, nullptr);
        batch->deleteLater();
        const PictureBatch::Summary summary = batch->summary();
        const int total = batch->total();
        const AddFinished whenDone = std::exchange(m_batchDone, {});
        emit addingFinished(paths, summary, total);
        // The window's own add may be told in a message box: whatever comes
        // meanwhile starts the next add, and the one after waits for it.
        if (whenDone)
            whenDone(summary, total);
        // Not from here: a batch refused at once ends inside its start, and a
        // long queue of such would nest ever deeper.
        QMetaObject::invokeMethod(this, &Session::startNextAdd, Qt::QueuedConnection);
    });
    emit addingStarted(add.paths);
    m_batch->start();
}

void Session::cancelAdding()
{
    const QQueue<WaitingAdd> dropped = std::exchange(m_waitingAdds, {});
    for (const WaitingAdd& add : dropped) {
        PictureBatch::Summary summary;
        summary.cancelled = true;
        if (add.whenDone)
            add.whenDone(summary, 0);
    }
    if (m_batch)
        m_batch->cancel();
}

void Session::applyPausePreferences()
{
    m_run->setPauseWhen(m_pausePreferences.enabledReasons());
}

void Session::setActiveHours(const ActiveHours& hours)
{
    hours.save(m_preferences);
    m_run->setActiveHours(hours);
}

void Session::setShowPicturesOn(ShowPicturesOn choice)
{
    saveShowPicturesOn(m_preferences, choice);
    m_showPicturesOn = choice;
    m_run->setShowPicturesOn(choice);
    emit showPicturesOnChanged(choice);
}
