#pragma once

#include <QObject>
#include <QStringList>

class Dialogs;
class ImageViewer;
class PictureLibrary;
class QMimeData;

// The commands that change the library: Add Picture, Delete Picture, and
// picture files dropped on the list or the preview strip. The library does
// the work; this asks for the file and tells the user why a change was refused.
class LibraryEditor : public QObject
{
    Q_OBJECT
public:
    static const QString FileDialogTitle;
    static const QString FileFilter;
    static constexpr int PreselectedFilter = 2; // JPG
    static const QString DuplicateMessage;

    LibraryEditor(PictureLibrary& library, ImageViewer& viewer, Dialogs& dialogs,
                  QObject* parent = nullptr);

    void addPictureClicked();
    void deletePictureClicked();

    // Adds the picture file at path as Add Picture does once a file is chosen.
    // Returns whether it was added.
    bool addPicture(const QString& path);

    // The local files among dragged data.
    static QStringList droppedFiles(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PictureLibrary& m_library;
    ImageViewer& m_viewer;
    Dialogs& m_dialogs;
};
