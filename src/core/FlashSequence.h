// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MessageLook.h"
#include "pictures/FlashPictures.h"

class MessageList;
class PictureLibrary;
class Preferences;
class Screen;

// What a run flashes, as the user chose: the library's pictures, their
// messages, or both, as one list of slots, the pictures first. A message is
// drawn as a picture ahead of its flash, at the size it is shown at, on the
// screen as it is then.
class FlashSequence final : public FlashPictures
{
public:
    enum class Content { Pictures, Messages, Both };

    FlashSequence(PictureLibrary& library, MessageList& messages, const Preferences& preferences,
                  const Screen& screen);

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

private:
    int pictureCount() const;
    // The message of slot, as an index into the messages, or -1 for a picture.
    int message(int slot) const;
    QImage drawnMessage(int index);

    PictureLibrary& m_library;
    MessageList& m_messages;
    const Preferences& m_preferences;
    const Screen& m_screen;
    struct Drawn {
        QString message;
        MessageLook look;
        QSize screen;
        bool opaque = false;
        QImage picture;
    };
    Drawn m_drawn; // the last message drawn, kept for its flash
};
