// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// The library's sets: named selections of its pictures, one file each in the
// folder "sets" beside the list ("sets/<name>.txt"), in the list's format,
// which a user may also write by hand, or edit in the program. A set names pictures of the list; it
// holds no copies of its own, so a picture deleted from the list is in no
// set any more.
class PictureSets
{
    Q_DECLARE_TR_FUNCTIONS(PictureSets)

public:
    // Far more than the longest list's names.
    static constexpr qint64 MaxFileBytes = 4LL * 1024 * 1024;
    static constexpr int MaxNameLength = 64;

    explicit PictureSets(const QString& programFolder);

    const QString& folder() const { return m_folder; }
    // The sets there are now, by name, sorted as the user reads them.
    QStringList names() const;
    bool contains(const QString& name) const;
    // Where the set's own display settings are kept.
    QString settingsOf(const QString& name) const;
    // Why name cannot be a set's name; empty when it can.
    static QString refusal(const QString& name);
    // The pictures the set names, in its order; nothing, with the reason,
    // when there is no such set or its file cannot be read.
    std::optional<QStringList> entries(const QString& name, QString* error) const;

    // The messages the set flashes when it names its own
    // ("sets/<name>.messages", in the messages file's form); nothing when it
    // flashes all of the user's, or its file cannot be read.
    std::optional<QStringList> messages(const QString& name) const;
    QString messagesOf(const QString& name) const;
    bool saveMessages(const QString& name, const QStringList& messages, QString* error) const;

    // Writes the set whole (a new one, or over the old), the folder made when
    // needed. A new set starts with the user's settings. False with the
    // reason when nothing changed.
    bool save(const QString& name, const QStringList& entries, QString* error) const;
    // Gives a set, and its settings, another name; refused when that name is
    // taken.
    bool rename(const QString& name, const QString& newName, QString* error) const;
    bool remove(const QString& name, QString* error) const;

    // An imported set waits under hidden names until its pictures are
    // listed, then takes its place: a kill leaves the library without it, or
    // with it whole. settings may be empty (the set has none of its own), and
    // messages nothing (it flashes all of the user's).
    bool stageImport(const QString& name, const QStringList& entries, const QByteArray& settings,
                     const std::optional<QStringList>& messages, QString* error) const;
    bool finishImport(const QString& name, QString* error) const;
    void dropImport(const QString& name) const;
    // At start: an import cut short is finished when every picture it names
    // is listed (its pictures were), dropped otherwise.
    void finishImports(const QStringList& listed) const;

private:
    QString fileOf(const QString& name) const;
    QString stagedFileOf(const QString& name) const;
    QString stagedSettingsOf(const QString& name) const;
    QString stagedMessagesOf(const QString& name) const;

    QString m_folder;
};
