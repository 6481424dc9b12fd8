// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The refer-a-friend request: checks the five entries of the exit screen in
// order and builds the address that carries them to the maker's page.
class TellAFriend
{
    Q_DECLARE_TR_FUNCTIONS(TellAFriend)

public:
    struct Entries {
        QString referrerName;
        QString referrerEmail;
        QString referralMessage;
        QString friendName;
        QString friendEmail;
    };

    // Exactly one of the two is set.
    struct Outcome {
        QString refusal; // the message to show
        QString request; // the address to open
    };

    static const QString NamePlaceholder;
    static const QString EmailPlaceholder;
    static const QString MessagePlaceholder;
    static const QString FriendNamePlaceholder;
    static const QString FriendEmailPlaceholder;
    // What the hidden message box starts with.
    static const QString StartingMessage;
    // A placeholder in the user's language, as the boxes show it.
    static QString shown(const QString& placeholder);

    // Removes leading and trailing spaces only; tabs and line breaks stay.
    static QString trimSpaces(const QString& text);

    // Trims the typed texts, then runs every check in order; the first that
    // fails gives its message.
    static Outcome submit(const Entries& typed);

    // The request for entries that passed the checks. Each value is
    // percent-encoded, so "&", "#", "+", "=", line breaks and any letter
    // arrive as typed instead of breaking the query.
    static QString request(const Entries& values);
    static QString page();
};
