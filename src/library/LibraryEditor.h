#pragma once

#include "platform/Services.h"

#include <QObject>
#include <QStringList>

class ImageViewer;
class QMimeData;

// Adding and deleting pictures: the Add Picture and Delete Picture commands and
// picture files dropped on the list or the preview strip. Every change is
// whole or not at all: the list, record.txt, the copies and the viewer agree
// afterwards, and a refused add says why.
class LibraryEditor : public QObject
{
    Q_OBJECT
public:
    static const QString FileDialogTitle;
    static const QString FileFilter;
    static constexpr int PreselectedFilter = 2; // JPG
    static const QString DuplicateMessage;
    // Set on entries added here; nothing reads it.
    static constexpr int CheckedRole = Qt::UserRole + 1;

    LibraryEditor(ImageViewer* viewer, const Services& services, QObject* parent = nullptr);

    void cmdAddPicture_Click();
    void cmdDeletePicture_Click();

    // Adds the picture file at path as Add Picture does once a file is chosen.
    // Returns whether it was added.
    bool addPicture(const QString& path);

    // The local files among dragged data.
    static QStringList droppedFiles(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool refuse(const QString& path, const QString& reason);
    bool isListed(const QString& name) const;
    bool landsOnListedCopy(const QString& target) const;
    bool sharedWithAnotherEntry(const QString& name, int row) const;

    ImageViewer* m_viewer;
    Dialogs* m_dialogs;
};
