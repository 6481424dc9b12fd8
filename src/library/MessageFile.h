// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// The messages file: UTF-8 text, one message per line, no quoting; blank
// lines are no messages. The same rules hold for a file imported and for
// messages handed over on the command line or the session bus.
class MessageFile
{
    Q_DECLARE_TR_FUNCTIONS(MessageFile)

public:
    static constexpr int MaxLength = 500; // characters a message
    static constexpr int MaxMessages = 10'000;
    // Room for the most messages at their longest in any script.
    static constexpr qint64 MaxFileBytes = 8LL * 1024 * 1024;

    // The message as kept: blanks around it trimmed, and tabs and other
    // control characters (a line break among them) as single spaces.
    static QString tidy(const QString& text);
    // Why a tidied text cannot be a message; empty when it can.
    static QString refusal(const QString& message);
    // Tidies and checks messages given all at once: nothing when any one of
    // them cannot be a message, or they would make too many with the count
    // already kept; error then says which and why.
    static std::optional<QStringList> accept(const QStringList& texts, qsizetype keptAlready,
                                             QString* error);

    // The messages in a file's bytes, each checked, or nothing with the
    // reason when the bytes are no UTF-8 text (NUL bytes, a byte sequence
    // that is no character) or any line cannot be a message.
    static std::optional<QStringList> parse(const QByteArray& bytes, QString* error);
    static QByteArray serialize(const QStringList& messages);

    // Reads the file at path; a missing file holds no messages. Nothing,
    // with the reason, when it cannot be read or is no messages file.
    static std::optional<QStringList> load(const QString& path, QString* error);
    // Replaces the file whole: afterwards it holds the old messages or the
    // new ones, never a part. False with the reason when it was kept.
    static bool save(const QString& path, const QStringList& messages, QString* error);
};
