// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/MessageFile.h"

#include "files/ReplaceFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

QString MessageFile::tidy(const QString& text)
{
    QString tidied = text;
    for (QChar& c : tidied)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    return tidied.trimmed();
}

QString MessageFile::refusal(const QString& message)
{
    if (message.isEmpty())
        return tr("A message cannot be empty.");
    // Characters as the user counts them: an emoji is one.
    if (message.size() > MaxLength &&
        (message.size() > 2 * MaxLength || QStringView(message).toUcs4().size() > MaxLength))
        return tr("A message can have at most %n characters.", nullptr, MaxLength);
    return {};
}

std::optional<QStringList> MessageFile::accept(const QStringList& texts, qsizetype keptAlready,
                                               QString* error)
{
    QStringList messages;
    for (const QString& text : texts) {
        // A text far too long is refused before it is tidied.
        const QString message = text.size() > 4 * MaxLength ? text : tidy(text);
        if (const QString why = refusal(message); !why.isEmpty()) {
            *error = why;
            return std::nullopt;
        }
        messages << message;
    }
    if (keptAlready + messages.size() > MaxMessages) {
        *error = tr("At most %n messages can be kept.", nullptr, MaxMessages);
        return std::nullopt;
    }
    return messages;
}

std::optional<QStringList> MessageFile::parse(const QByteArray& bytes, QString* error)
{
    if (bytes.contains('\0')) {
        *error = tr("The file is no text file: it holds NUL bytes.");
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        *error = tr("The file is not UTF-8 text.");
        return std::nullopt;
    }
    QStringList messages;
    qsizetype lineNumber = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        ++lineNumber;
        const QString message = tidy(line.toString());
        if (message.isEmpty())
            continue;
        if (const QString why = refusal(message); !why.isEmpty()) {
            //: %1 is a line number, %2 says what is wrong with it.
            *error = tr("Line %1: %2").arg(lineNumber).arg(why);
            return std::nullopt;
        }
        messages << message;
    }
    if (messages.size() > MaxMessages) {
        *error = tr("At most %n messages can be kept.", nullptr, MaxMessages);
        return std::nullopt;
    }
    // A byte order mark is no part of the first message.
    if (!messages.isEmpty() && messages.first().startsWith(QChar::ByteOrderMark)) {
        messages.first() = tidy(messages.first().mid(1));
        if (messages.first().isEmpty())
            messages.removeFirst();
    }
    return messages;
}

QByteArray MessageFile::serialize(const QStringList& messages)
{
    QByteArray bytes;
    for (const QString& message : messages)
        bytes += message.toUtf8() + '\n';
    return bytes;
}

std::optional<QStringList> MessageFile::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.exists())
        return QStringList();
    if (QFileInfo(path).size() > MaxFileBytes) {
        *error = tr("The file is larger than %n MB.", nullptr, int(MaxFileBytes >> 20));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    // Read no further than the limit, whatever the file has grown to since.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) {
        *error = tr("The file is larger than %n MB.", nullptr, int(MaxFileBytes >> 20));
        return std::nullopt;
    }
    return parse(bytes, error);
}

bool MessageFile::save(const QString& path, const QStringList& messages, QString* error)
{
    return ReplaceFile::write(path, serialize(messages), error);
}
