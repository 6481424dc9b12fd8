// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/MessageList.h"

#include "library/MessageFile.h"

MessageList::MessageList(QString file, QObject* parent) : QObject(parent), m_file(std::move(file))
{
}

void MessageList::load()
{
    QString problem;
    const auto loaded = MessageFile::load(m_file, &problem);
    m_messages = loaded.value_or(QStringList());
    m_loadProblem = loaded ? QString() : problem;
    emit changed();
}

bool MessageList::setMessages(const QStringList& messages, QString* error)
{
    if (!m_loadProblem.isEmpty()) {
        //: %1 is the messages file, %2 why it could not be read.
        *error = MessageFile::tr("%1 cannot be read, so it is left as it is: %2")
                     .arg(m_file, m_loadProblem);
        return false;
    }
    if (messages == m_messages)
        return true;
    if (!MessageFile::save(m_file, messages, error))
        return false;
    m_messages = messages;
    emit changed();
    return true;
}

bool MessageList::add(const QStringList& texts, QString* error)
{
    const auto accepted = MessageFile::accept(texts, m_messages.size(), error);
    return accepted && setMessages(m_messages + *accepted, error);
}
