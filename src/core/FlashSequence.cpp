// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FlashSequence.h"

#include "core/MessagePicture.h"
#include "library/MessageList.h"
#include "library/PictureLibrary.h"
#include "platform/Screen.h"
#include "preferences/Preferences.h"

#include <QFileInfo>

namespace
{

// The settings file's words, in the enumeration's order.
const QStringList ContentWords{"pictures", "messages", "both"};

} // namespace

FlashSequence::FlashSequence(PictureLibrary& library, MessageList& messages,
                             const Preferences& preferences, const Screen& screen)
    : m_library(library), m_messages(messages), m_preferences(preferences), m_screen(screen)
{
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
    return load(m_preferences) == Content::Messages ? 0 : m_library.slotCount();
}

int FlashSequence::slotCount() const
{
    const int messages =
        load(m_preferences) == Content::Pictures ? 0 : int(m_messages.messages().size());
    return pictureCount() + messages;
}

int FlashSequence::message(int slot) const
{
    const int index = slot - pictureCount() - 1;
    return index >= 0 && index < m_messages.messages().size() &&
                   load(m_preferences) != Content::Pictures
               ? index
               : -1;
}

FlashSequence::Availability FlashSequence::flashPicture(int slot, QImage* picture)
{
    const int index = message(slot);
    if (index < 0)
        return m_library.flashPicture(slot, picture);
    const QImage drawn = drawnMessage(index);
    if (picture)
        *picture = drawn;
    return drawn.isNull() ? Availability::Unreadable : Availability::Ready;
}

QImage FlashSequence::drawnMessage(int index)
{
    // Drawn again when anything it was drawn for changed since.
    const Drawn wanted{m_messages.messages().at(index),
                       MessageLook::load(m_preferences),
                       m_screen.size(),
                       !m_screen.composites(),
                       {}};
    if (wanted.message != m_drawn.message || !(wanted.look == m_drawn.look) ||
        wanted.screen != m_drawn.screen || wanted.opaque != m_drawn.opaque ||
        m_drawn.picture.isNull()) {
        m_drawn = wanted;
        m_drawn.picture = MessagePicture::draw(wanted.message, wanted.look, wanted.screen,
                                               m_screen.scaleFactor(), wanted.opaque);
    }
    return m_drawn.picture;
}

void FlashSequence::prefetch(int slot)
{
    if (const int index = message(slot); index >= 0)
        drawnMessage(index);
    else
        m_library.prefetch(slot);
}

std::shared_ptr<const PictureAnimation> FlashSequence::animation(int slot) const
{
    return message(slot) < 0 ? m_library.animation(slot) : nullptr;
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
    if (const int index = message(slot); index >= 0)
        return u'"' + m_messages.messages().at(index) + u'"';
    const QString copy = m_library.slotPath(slot);
    return copy.isEmpty() ? QString() : QFileInfo(copy).fileName();
}
