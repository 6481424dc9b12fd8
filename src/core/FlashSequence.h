// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MessageLook.h"
#include "pictures/FlashPictures.h"

#include <QObject>
#include <QThreadPool>

#include <optional>

class MessageList;
class PictureLibrary;
class Preferences;
class Screen;

// What a run flashes, as the user chose: the library's pictures, their
// messages, or both, as one list of slots, the pictures first. A message is
// drawn as a picture ahead of its flash, on a thread of its own, at the size
// it is shown at, on the screen as it is then.
class FlashSequence final : public QObject, public FlashPictures
{
    Q_OBJECT
public:
    enum class Content { Pictures, Messages, Both };

    FlashSequence(PictureLibrary& library, MessageList& messages, const Preferences& preferences,
                  const Screen& screen, QObject* parent = nullptr);
    ~FlashSequence() override;

    static Content load(const Preferences& preferences);
    static void save(Preferences& preferences, Content content);

    int slotCount() const override;
    Availability flashPicture(int slot, QImage* picture) override;
    void prefetch(int slot) override;
    std::shared_ptr<const PictureAnimation> animation(int slot) const override;
    void letGoOfPreparedFlashes() override;
    void setFlashBox(QSize box) override;
    bool isDrawnToSize(int slot) const override { return message(slot) >= 0; }

    // What the record of pictures shown calls slot: a copy's file name, or a
    // message in quotes; empty for none.
    QString recordName(int slot) const;

    // Flashes only the pictures a set names, in its order; an empty name:
    // the whole list. Pictures it names that the list does not hold are left
    // out.
    void choosePictureSet(const QString& name, const QStringList& entries);
    const QString& pictureSet() const { return m_setName; }
    // The pictures the set chosen names that the list does not hold.
    QStringList leftOutOfSet() const;
    // Flashes only these of the user's messages, in this order (those the
    // user's list does not hold are left out); nothing: all of them.
    void chooseMessages(const std::optional<QStringList>& messages);

signals:
    // A picture asked for while it was being prepared (or drawn) is ready.
    void flashPictureReady();

private:
    int pictureCount() const;
    bool isPicture(int slot) const;
    // The library's slot of a picture slot.
    int librarySlot(int slot) const;
    void mapSet();
    void mapMessages();
    int messageCount() const;
    // The message of slot, as an index into the messages, or -1 for a picture.
    int message(int slot) const;
    struct Drawn;
    // What message index is drawn as now.
    Drawn wanted(int index) const;
    // Starts drawing it unless it is drawn or being drawn already.
    void draw(const Drawn& wanted);

    PictureLibrary& m_library;
    MessageList& m_messages;
    const Preferences& m_preferences;
    const Screen& m_screen;
    struct Drawn {
        QString message;
        MessageLook look;
        QSize screen;
        double scale = 1;
        bool opaque = false;
        bool arrived = false;
        QImage picture;

        bool isFor(const Drawn& other) const
        {
            return message == other.message && look == other.look && screen == other.screen &&
                   scale == other.scale && opaque == other.opaque;
        }
    };
    Drawn m_drawn;         // the last message asked for, drawn or being drawn
    QThreadPool m_drawing; // one thread: a message at a time
    QString m_setName;     // empty: the whole list
    QStringList m_setEntries;
    QList<int> m_setSlots; // the library's slots of the set's pictures, in its order
    std::optional<QStringList> m_setMessages; // nothing: all of the user's
    QList<int> m_messageIndexes;              // of the set's messages in the user's, in its order
};
