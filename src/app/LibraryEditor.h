// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/PictureBatch.h"
#include "platform/Dialogs.h"

#include <QObject>
#include <QStringList>

class Dialogs;
class ImageViewer;
class QMimeData;
class Session;

// The commands that change the library: Add Picture, Add Folder, Delete
// Picture, and picture files and folders dropped on the list or the preview
// strip. The session does the work; this asks for the files and tells the
// user why a change was refused. Every add is prepared in the background,
// so that a large picture never holds up the window: one file with the
// messages it always had, several or a folder with one message at the end.
// An add asked for while another is on waits for it.
class LibraryEditor : public QObject
{
    Q_OBJECT
public:
    static const QString FileDialogTitle;
    static const QString FileFilter;
    static const QString AllPicturesChoice;
    static constexpr int PreselectedFilter = 1; // all pictures
    // What the file dialog offers: every picture the program shows, then the
    // three kinds it always offered.
    static QString fileDialogFilter();
    static const QString DuplicateMessage;

    LibraryEditor(Session& session, ImageViewer& viewer, Dialogs& dialogs,
                  QObject* parent = nullptr);

    static const QString FolderDialogTitle;

    void addPictureClicked();
    void addFolderClicked();
    void deletePictureClicked();
    // Stops adding many; what was added stays.
    void cancelAdding();
    bool isAdding() const;

    // Adds the picture file at path as Add Picture does once a file is chosen.
    void addPicture(const QString& path);

    // Adds the files and the pictures of the folders in the background.
    void addMany(const QStringList& paths);

    // Adds files and folders as a drop on the window does: one file at
    // once, several or a folder in the background.
    void addDropped(const QStringList& paths);

    // The local files among dragged data.
    static QStringList droppedFiles(const QMimeData* data);

    // What the user is told of an add of several files: no text when all
    // were added.
    struct AddReport {
        QString text;
        QStringList refused; // "file: reason", one per file
        MessageIcon icon = MessageIcon::Information;
    };
    static AddReport describeAdd(const PictureBatch::Summary& summary, int total);

signals:
    // Adding many started (true) or ended.
    void addingChanged(bool adding);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // single: one file, told with the messages Add Picture always had.
    void add(const QStringList& paths, bool single);
    void addingStarted(const QStringList& paths);
    void addingFinished();
    void reportAdd(const QStringList& paths, bool single, const PictureBatch::Summary& summary,
                   int total);
    void reportSingleAdd(const QString& path, const PictureLibrary::Change& change);

    Session& m_session;
    ImageViewer& m_viewer;
    Dialogs& m_dialogs;
};
