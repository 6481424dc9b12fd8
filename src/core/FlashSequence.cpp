// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FlashSequence.h"

#include "core/MessagePicture.h"
#include "library/MessageList.h"
#include "library/PictureLibrary.h"
#include "platform/Screen.h"
#include "preferences/Preferences.h"

#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QSet>

namespace
{

// The settings file's words, in the enumeration's order.
const QStringList ContentWords{"pictures", "messages", "both"};

} // namespace

FlashSequence::FlashSequence(PictureLibrary& library, MessageList& messages,
                             const Preferences& preferences, const Screen& screen, QObject* parent)
    : QObject(parent), m_library(library), m_messages(messages), m_preferences(preferences),
      m_screen(screen)
{
    m_drawing.setMaxThreadCount(1);
    connect(&library, &PictureLibrary::flashPictureReady, this, &FlashSequence::flashPictureReady);
    connect(&library, &PictureLibrary::slotsChanged, this, &FlashSequence::mapSet);
    connect(&messages, &MessageList::changed, this, &FlashSequence::mapMessages);
}

void FlashSequence::chooseMessages(const std::optional<QStringList>& messages)
{
    m_setMessages = messages;
    mapMessages();
}

void FlashSequence::mapMessages()
{
    m_messageIndexes.clear();
    if (!m_setMessages)
        return;
    QHash<QString, int> indexOf;
    const QStringList& kept = m_messages.messages();
    for (int i = 0; i < kept.size(); ++i)
        indexOf.insert(kept.at(i), i);
    for (const QString& message : std::as_const(*m_setMessages))
        if (const auto found = indexOf.constFind(message); found != indexOf.cend())
            m_messageIndexes << *found;
}

int FlashSequence::messageCount() const
{
    if (load(m_preferences) == Content::Pictures)
        return 0;
    return m_setMessages ? int(m_messageIndexes.size()) : int(m_messages.messages().size());
}

void FlashSequence::choosePictureSet(const QString& name, const QStringList& entries)
{
    m_setName = name;
    m_setEntries = name.isEmpty() ? QStringList() : entries;
    mapSet();
}

void FlashSequence::mapSet()
{
    m_setSlots.clear();
    if (m_setName.isEmpty())
        return;
    QHash<QString, int> slotOf;
    const QStringList& listed = m_library.entries();
    for (int i = 0; i < listed.size(); ++i)
        slotOf.insert(listed.at(i), i + 1);
    for (const QString& entry : std::as_const(m_setEntries))
        if (const int slot = slotOf.value(entry); slot > 0)
            m_setSlots << slot;
}

QStringList FlashSequence::leftOutOfSet() const
{
    const QStringList& listed = m_library.entries();
    const QSet<QString> known(listed.cbegin(), listed.cend());
    QStringList leftOut;
    for (const QString& entry : m_setEntries)
        if (!known.contains(entry))
            leftOut << entry;
    return leftOut;
}

int FlashSequence::librarySlot(int slot) const
{
    return m_setName.isEmpty() ? slot : m_setSlots.value(slot - 1);
}

FlashSequence::~FlashSequence()
{
    m_drawing.clear();
    m_drawing.waitForDone();
}

FlashSequence::Content FlashSequence::load(const Preferences& preferences)
{
    return Content(
        std::max<qsizetype>(0, ContentWords.indexOf(preferences.text(Preference::MessagesFlash))));
}

void FlashSequence::save(Preferences& preferences, Content content)
{
    preferences.setText(Preference::MessagesFlash, ContentWords.at(int(content)));
}

int FlashSequence::pictureCount() const
{
    if (load(m_preferences) == Content::Messages)
        return 0;
    return m_setName.isEmpty() ? m_library.slotCount() : int(m_setSlots.size());
}

int FlashSequence::slotCount() const
{
    return pictureCount() + messageCount();
}

int FlashSequence::message(int slot) const
{
    const int index = slot - pictureCount() - 1;
    if (index < 0 || index >= messageCount())
        return -1;
    return m_setMessages ? m_messageIndexes.at(index) : index;
}

bool FlashSequence::isPicture(int slot) const
{
    return slot >= 1 && slot <= pictureCount();
}

FlashSequence::Availability FlashSequence::flashPicture(int slot, QImage* picture)
{
    if (isPicture(slot))
        return m_library.flashPicture(librarySlot(slot), picture);
    const int index = message(slot);
    if (index < 0) // the list changed since the slot was chosen
        return Availability::Unreadable;
    draw(wanted(index));
    if (!m_drawn.arrived)
        return Availability::Pending;
    if (picture)
        *picture = m_drawn.picture;
    return m_drawn.picture.isNull() ? Availability::Unreadable : Availability::Ready;
}

FlashSequence::Drawn FlashSequence::wanted(int index) const
{
    Drawn drawn;
    drawn.message = m_messages.messages().at(index);
    drawn.look = MessageLook::load(m_preferences);
    drawn.screen = m_screen.size();
    drawn.scale = m_screen.scaleFactor();
    drawn.opaque = !m_screen.composites();
    return drawn;
}

void FlashSequence::draw(const Drawn& wanted)
{
    if (m_drawn.isFor(wanted))
        return;
    m_drawn = wanted;
    QPointer<FlashSequence> self(this);
    m_drawing.start([self, wanted] {
        QImage picture = MessagePicture::draw(wanted.message, wanted.look, wanted.screen,
                                              wanted.scale, wanted.opaque);
        QMetaObject::invokeMethod(
            self.data(),
            [self, wanted, picture = std::move(picture)]() mutable {
                // Unless another message was asked for meanwhile.
                if (!self || !self->m_drawn.isFor(wanted))
                    return;
                self->m_drawn.picture = std::move(picture);
                self->m_drawn.arrived = true;
                emit self->flashPictureReady();
            },
            Qt::QueuedConnection);
    });
}

void FlashSequence::prefetch(int slot)
{
    if (isPicture(slot))
        m_library.prefetch(librarySlot(slot));
    else if (const int index = message(slot); index >= 0)
        draw(wanted(index));
}

std::shared_ptr<const PictureAnimation> FlashSequence::animation(int slot) const
{
    return isPicture(slot) ? m_library.animation(librarySlot(slot)) : nullptr;
}

void FlashSequence::letGoOfPreparedFlashes()
{
    m_library.letGoOfPreparedFlashes();
    m_drawn = {};
}

void FlashSequence::setFlashBox(QSize box)
{
    m_library.setFlashBox(box);
}

QString FlashSequence::recordName(int slot) const
{
    if (isPicture(slot)) {
        const QString copy = m_library.slotPath(librarySlot(slot));
        return copy.isEmpty() ? QString() : QFileInfo(copy).fileName();
    }
    const int index = message(slot);
    return index >= 0 ? u'"' + m_messages.messages().at(index) + u'"' : QString();
}
