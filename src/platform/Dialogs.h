// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

enum class MessageIcon { Critical, Warning, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Message boxes and the file and colour dialogs. Windows never open these directly,
// so tests can script the answers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons,
                                  const QString& title) = 0;

    // A message followed by a list (one line per item), scrollable when it is
    // long. By default the list is written under the text.
    virtual void messageWithList(const QString& text, const QStringList& items, MessageIcon icon,
                                 const QString& title)
    {
        message(items.isEmpty() ? text : text + QStringLiteral("\n\n") + items.join(u'\n'), icon,
                MessageButtons::Ok, title);
    }

    // A notice that does not wait for the user: shown and left open, one at
    // a time; a notice while one is open takes its place in the same window.
    // By default, a message with its list.
    virtual void notice(const QString& text, const QStringList& items, MessageIcon icon,
                        const QString& title)
    {
        messageWithList(text, items, icon, title);
    }
    // Whether the user has the notice still before them.
    virtual bool isNoticeOpen() const { return false; }

    // filter: "description|pattern|description|pattern…"; selectedPair counts
    // from 1. Returns the full paths of the files chosen (one or several), or
    // none on cancel.
    virtual QStringList openFiles(const QString& title, const QString& filter,
                                  int selectedPair) = 0;

    // Returns the chosen folder's full path, or nothing on cancel.
    virtual std::optional<QString> openFolder(const QString& title) = 0;

    // A file to write, named by the user (suggested: the name offered); its
    // full path, or nothing on cancel. An existing file is replaced only once
    // the user agrees.
    virtual std::optional<QString> saveFile(const QString& title, const QString& filter,
                                            const QString& suggested) = 0;
    // A colour chosen, starting from initial; nothing on cancel.
    virtual std::optional<QColor> pickColour(const QString& title, const QColor& initial) = 0;
};
