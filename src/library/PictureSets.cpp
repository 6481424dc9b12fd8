// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureSets.h"

#include "library/MessageFile.h"
#include "library/PictureListFile.h"

#include <QCollator>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace
{

const QString Suffix = QStringLiteral(".txt");
const QString SettingsSuffix = QStringLiteral(".ini");
const QString MessagesSuffix = QStringLiteral(".messages");
const QString StagedSuffix = QStringLiteral(".import");

} // namespace

PictureSets::PictureSets(const QString& programFolder)
    : m_folder(programFolder + QStringLiteral("/sets"))
{
}

QString PictureSets::fileOf(const QString& name) const
{
    return m_folder + u'/' + name + Suffix;
}

QString PictureSets::stagedFileOf(const QString& name) const
{
    return m_folder + u'/' + u'.' + name + Suffix + StagedSuffix;
}

QString PictureSets::stagedSettingsOf(const QString& name) const
{
    return m_folder + u'/' + u'.' + name + SettingsSuffix + StagedSuffix;
}

QString PictureSets::stagedMessagesOf(const QString& name) const
{
    return m_folder + u'/' + u'.' + name + MessagesSuffix + StagedSuffix;
}

QString PictureSets::messagesOf(const QString& name) const
{
    return m_folder + u'/' + name + MessagesSuffix;
}

std::optional<QStringList> PictureSets::messages(const QString& name) const
{
    if (!refusal(name).isEmpty() || !QFileInfo::exists(messagesOf(name)))
        return std::nullopt;
    QString error;
    auto messages = MessageFile::load(messagesOf(name), &error);
    if (!messages)
        qWarning().noquote() << tr("The messages of the set \"%1\" cannot be read (%2); it "
                                   "flashes all of yours.")
                                    .arg(name, error);
    return messages;
}

bool PictureSets::saveMessages(const QString& name, const QStringList& messages,
                               QString* error) const
{
    if (const QString why = refusal(name); !why.isEmpty()) {
        *error = why;
        return false;
    }
    return ReplaceFile::write(messagesOf(name), MessageFile::serialize(messages), error,
                              ReplaceFile::Links::Refuse);
}

QString PictureSets::settingsOf(const QString& name) const
{
    return m_folder + u'/' + name + SettingsSuffix;
}

bool PictureSets::contains(const QString& name) const
{
    return refusal(name).isEmpty() && QFileInfo(fileOf(name)).isFile();
}

QStringList PictureSets::names() const
{
    QStringList names;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({u'*' + Suffix}, QDir::Files | QDir::Readable);
    for (const QFileInfo& file : files)
        if (const QString name = file.completeBaseName(); refusal(name).isEmpty())
            names << name;
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
    return names;
}

QString PictureSets::refusal(const QString& name)
{
    if (name.trimmed().isEmpty())
        return tr("A set needs a name.");
    if (name.size() > MaxNameLength)
        return tr("A set's name can have at most %n characters.", nullptr, MaxNameLength);
    const bool control = std::any_of(name.cbegin(), name.cend(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    // It names a file in the sets folder, and nothing beside or above it.
    if (control || name.contains(u'/') || name.startsWith(u'.') || name != name.trimmed())
        return tr("A set's name cannot hold \"/\" or control characters, begin with a dot or "
                  "blanks, or end with blanks.");
    return {};
}

std::optional<QStringList> PictureSets::entries(const QString& name, QString* error) const
{
    if (const QString why = refusal(name); !why.isEmpty()) {
        *error = why;
        return std::nullopt;
    }
    const QFileInfo file(fileOf(name));
    if (!file.isFile()) {
        *error = tr("There is no set named \"%1\".").arg(name);
        return std::nullopt;
    }
    if (file.size() > MaxFileBytes) {
        *error = tr("The set \"%1\" is larger than %2 MB, far more than any list of pictures.")
                     .arg(name)
                     .arg(MaxFileBytes >> 20);
        return std::nullopt;
    }
    QFile in(file.filePath());
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return std::nullopt;
    }
    QStringList entries = PictureListFile::parse(in.read(MaxFileBytes + 1));
    entries.removeAll(QString());
    return entries;
}

bool PictureSets::save(const QString& name, const QStringList& entries, QString* error) const
{
    if (const QString why = refusal(name); !why.isEmpty()) {
        *error = why;
        return false;
    }
    if (!QDir().mkpath(m_folder)) {
        *error = tr("The folder %1 cannot be made.").arg(m_folder);
        return false;
    }
    // Settings and messages a set of this name left behind are not the new set's.
    if (!QFileInfo::exists(fileOf(name))) {
        QFile::remove(settingsOf(name));
        QFile::remove(messagesOf(name));
    }
    // Not through a link: a set is the program's own file in its own folder.
    return PictureListFile::save(fileOf(name), entries, error, ReplaceFile::Links::Refuse);
}

bool PictureSets::rename(const QString& name, const QString& newName, QString* error) const
{
    for (const QString& each : {name, newName})
        if (const QString why = refusal(each); !why.isEmpty()) {
            *error = why;
            return false;
        }
    if (QFileInfo::exists(fileOf(newName)) && name.compare(newName, Qt::CaseSensitive) != 0) {
        *error = tr("There is a set named \"%1\" already.").arg(newName);
        return false;
    }
    QFile file(fileOf(name));
    if (!file.rename(fileOf(newName))) {
        *error = file.errorString();
        return false;
    }
    // Settings and messages that cannot follow are left: the set keeps its pictures.
    for (const auto& [from, to] : {std::pair(settingsOf(name), settingsOf(newName)),
                                   std::pair(messagesOf(name), messagesOf(newName))}) {
        if (name.compare(newName, Qt::CaseInsensitive) != 0)
            QFile::remove(to); // left by a set of that name before
        QFile file(from);
        if (file.exists() && !file.rename(to))
            qWarning().noquote()
                << tr("The settings or messages of the set \"%1\" stay under its old name: %2")
                       .arg(newName, file.errorString());
    }
    return true;
}

bool PictureSets::remove(const QString& name, QString* error) const
{
    if (const QString why = refusal(name); !why.isEmpty()) {
        *error = why;
        return false;
    }
    QFile file(fileOf(name));
    if (!file.remove()) {
        *error = file.errorString();
        return false;
    }
    QFile::remove(settingsOf(name));
    QFile::remove(messagesOf(name));
    return true;
}

bool PictureSets::stageImport(const QString& name, const QStringList& entries,
                              const QByteArray& settings,
                              const std::optional<QStringList>& messages, QString* error) const
{
    if (const QString why = refusal(name); !why.isEmpty()) {
        *error = why;
        return false;
    }
    if (!QDir().mkpath(m_folder)) {
        *error = tr("The folder %1 cannot be made.").arg(m_folder);
        return false;
    }
    dropImport(name);
    const auto links = ReplaceFile::Links::Refuse;
    if ((!settings.isEmpty() &&
         !ReplaceFile::write(stagedSettingsOf(name), settings, error, links)) ||
        (messages && !ReplaceFile::write(stagedMessagesOf(name), MessageFile::serialize(*messages),
                                         error, links)) ||
        !PictureListFile::save(stagedFileOf(name), entries, error, links)) {
        dropImport(name);
        return false;
    }
    return true;
}

bool PictureSets::finishImport(const QString& name, QString* error) const
{
    // The settings and messages first: the list's arrival is what makes the set.
    for (const auto& [staged, placed] : {std::pair(stagedSettingsOf(name), settingsOf(name)),
                                         std::pair(stagedMessagesOf(name), messagesOf(name))}) {
        QFile::remove(placed);
        QFile file(staged);
        if (file.exists() && !file.rename(placed)) {
            *error = file.errorString();
            return false;
        }
    }
    QFile list(stagedFileOf(name));
    if (!list.rename(fileOf(name))) {
        *error = list.errorString();
        return false;
    }
    return true;
}

void PictureSets::dropImport(const QString& name) const
{
    QFile::remove(stagedFileOf(name));
    QFile::remove(stagedSettingsOf(name));
    QFile::remove(stagedMessagesOf(name));
}

void PictureSets::finishImports(const QStringList& listed) const
{
    const QSet<QString> inList(listed.cbegin(), listed.cend());
    const QStringList staged = QDir(m_folder).entryList(
        {QStringLiteral(".*") + Suffix + StagedSuffix}, QDir::Files | QDir::Hidden);
    for (const QString& file : staged) {
        const QString name = file.mid(1, file.size() - 1 - Suffix.size() - StagedSuffix.size());
        if (!refusal(name).isEmpty())
            continue;
        const QStringList entries = PictureListFile::load(stagedFileOf(name));
        const bool whole = std::all_of(entries.cbegin(), entries.cend(), [&](const QString& entry) {
            return entry.isEmpty() || inList.contains(entry);
        });
        QString error;
        if (!whole || contains(name) || !finishImport(name, &error))
            dropImport(name);
    }
}
