// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SetTransfer.h"

#include "library/AddTransaction.h"
#include "library/MessageFile.h"
#include "library/MessageList.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"
#include "library/PictureSets.h"
#include "library/SetArchive.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

namespace
{

// Files compared by their content's hash, read a block at a time.
QByteArray contentHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return hash.addData(&file) ? hash.result() : QByteArray();
}

} // namespace

QString SetTransfer::setNameOf(const QString& path)
{
    const QString file = QFileInfo(path).fileName();
    return file.endsWith(SetArchive::Suffix, Qt::CaseInsensitive)
               ? file.chopped(SetArchive::Suffix.size())
               : QFileInfo(path).completeBaseName();
}

Outcome SetTransfer::exportSet(PictureLibrary& library, const PictureSets& sets,
                               const QString& name, const QString& path)
{
    QString error;
    const auto entries = sets.entries(name, &error);
    if (!entries)
        return Outcome::refused(error);
    const QStringList listed = library.entries();
    const QSet<QString> inList(listed.cbegin(), listed.cend());
    QStringList kept;
    QList<SetArchive::Picture> pictures;
    for (const QString& entry : *entries) {
        const auto copy = library.folder().copyPath(entry);
        if (!inList.contains(entry) || !copy)
            continue; // not the library's: not the set's either
        if (!kept.contains(entry))
            pictures.append({entry, *copy});
        kept << entry;
    }
    QByteArray settings;
    if (QFile file(sets.settingsOf(name)); file.open(QIODevice::ReadOnly))
        settings = file.read(SetArchive::MaxSettingsBytes);
    std::optional<QByteArray> messages;
    if (const auto own = sets.messages(name))
        messages = MessageFile::serialize(*own);
    if (!SetArchive::write(path, PictureListFile::serialize(kept), settings, messages, pictures,
                           &error))
        return Outcome::refused(tr("The set could not be exported: %1").arg(error));
    return Outcome::done();
}

Outcome SetTransfer::importSet(PictureLibrary& library, MessageList& messages,
                               const PictureSets& sets, const QString& path, QString* name)
{
    *name = setNameOf(path);
    if (const QString why = PictureSets::refusal(*name); !why.isEmpty())
        return Outcome::refused(why);
    if (sets.contains(*name))
        return Outcome::refused(tr("There is a set named \"%1\" already. Rename it, or the file, "
                                   "first.")
                                    .arg(*name));
    // Unpacked beside the library, so that its copies are made on the same
    // disk; a folder a kill left behind is hidden and cleared next time (a
    // link of that name is not followed: it could lead to the user's files).
    const QString programFolder = library.folder().programFolder();
    const QStringList left = QDir(programFolder)
                                 .entryList({QStringLiteral(".set-import-*")},
                                            QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& folder : left)
        QDir(programFolder + u'/' + folder).removeRecursively();
    QTemporaryDir unpacked(programFolder + QStringLiteral("/.set-import-XXXXXX"));
    if (!unpacked.isValid())
        return Outcome::refused(unpacked.errorString());
    QString error;
    const auto contents = SetArchive::unpack(path, unpacked.path(), &error);
    if (!contents)
        return Outcome::refused(error);

    // Its messages, and those the user's list lacks, checked as an add of them.
    std::optional<QStringList> setMessages;
    QStringList newMessages;
    if (contents->messages) {
        setMessages = MessageFile::parse(*contents->messages, &error);
        if (!setMessages)
            return Outcome::refused(tr("The set's messages: %1").arg(error));
        const QSet<QString> kept(messages.messages().cbegin(), messages.messages().cend());
        for (const QString& message : std::as_const(*setMessages))
            if (!kept.contains(message) && !newMessages.contains(message))
                newMessages << message;
        if (!MessageFile::accept(newMessages, messages.messages().size(), &error))
            return Outcome::refused(tr("The set's messages: %1").arg(error));
        if (!newMessages.isEmpty() && !messages.loadProblem().isEmpty())
            return Outcome::refused(messages.loadProblem());
    }

    QStringList entries = PictureListFile::parse(contents->list);
    entries.removeAll(QString());
    const QSet<QString> named(entries.cbegin(), entries.cend());
    for (const QString& picture : contents->pictures)
        if (!named.contains(picture))
            return Outcome::refused(
                tr("The file holds the picture \"%1\", which its set does not name.").arg(picture));
    const QStringList listed = library.entries();
    const QSet<QString> inList(listed.cbegin(), listed.cend());
    const QSet<QString> held(contents->pictures.cbegin(), contents->pictures.cend());

    AddTransaction add(library);
    if (const auto opened = add.open(); !opened.done())
        return Outcome::refused(opened.reason);
    QList<PictureLibrary::Addition> additions;
    QSet<QString> admitted;
    for (const QString& entry : std::as_const(entries)) {
        if (!held.contains(entry))
            return Outcome::refused(
                tr("The set names the picture \"%1\", which the file does not hold.").arg(entry));
        const QString source = unpacked.path() + u'/' + entry;
        if (inList.contains(entry)) {
            const auto copy = library.folder().copyPath(entry);
            if (!copy || contentHash(*copy) != contentHash(source))
                return Outcome::refused(tr("Your list has a picture named \"%1\" already, and the "
                                           "set's is another picture.")
                                            .arg(entry));
            continue;
        }
        if (admitted.contains(entry))
            continue;
        admitted.insert(entry);
        const AddTransaction::Admission admission = add.admit(source);
        if (!admission.change.done() || admission.name != entry)
            return Outcome::refused(
                tr("\"%1\": %2")
                    .arg(entry, admission.change.reason.isEmpty()
                                    ? tr("a file of this name is in the library already.")
                                    : admission.change.reason));
        additions << PictureLibrary::prepare(source, admission.name, admission.target,
                                             library.store().sizes(), add.journal());
        if (!additions.constLast().change.done())
            return Outcome::refused(
                tr("\"%1\": %2").arg(entry, additions.constLast().change.reason));
    }
    // Checked whole: from here the library changes.
    if (!sets.stageImport(*name, entries, contents->settings, setMessages, &error))
        return Outcome::refused(error);
    if (const auto listedNow = add.commit(additions); !listedNow.done()) {
        sets.dropImport(*name);
        return Outcome::refused(listedNow.reason);
    }
    // Checked above; should the file refuse them now, the set flashes those
    // of its messages the user's list holds.
    if (!newMessages.isEmpty() && !messages.add(newMessages, &error))
        qWarning().noquote() << tr("The set's messages: %1").arg(error);
    if (!sets.finishImport(*name, &error))
        return Outcome::refused(error);
    return Outcome::done();
}
