// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

// The user's messages as the messages file keeps them. Every change is saved
// whole before it counts. A file that cannot be read is left as it is, and
// no change is made until it is mended or moved away, so that a file written
// by hand is never overwritten by a list that lost its lines.
class MessageList : public QObject
{
    Q_OBJECT
public:
    explicit MessageList(QString file, QObject* parent = nullptr);

    const QString& file() const { return m_file; }
    // Reads the file again.
    void load();
    const QStringList& messages() const { return m_messages; }
    // Why the file could not be read; empty when it was.
    const QString& loadProblem() const { return m_loadProblem; }

    // Replaces the list with messages already checked. False with the reason
    // when the list is kept.
    bool setMessages(const QStringList& messages, QString* error);
    // Adds texts at the end, each tidied and checked; all or none.
    bool add(const QStringList& texts, QString* error);

signals:
    void changed();

private:
    QString m_file;
    QStringList m_messages;
    QString m_loadProblem;
};
