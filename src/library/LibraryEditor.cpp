#include "library/LibraryEditor.h"

#include "library/ImageViewer.h"
#include "library/PictureLibrary.h"
#include "platform/Dialogs.h"
#include "platform/ProgramInfo.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>

const QString LibraryEditor::FileDialogTitle = QStringLiteral("Orvane Picture Board");
const QString LibraryEditor::FileFilter =
    QStringLiteral("BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg");
const QString LibraryEditor::DuplicateMessage =
    QStringLiteral("This Picture is Already available Please Select Another Picture ");

LibraryEditor::LibraryEditor(PictureLibrary& library, ImageViewer& viewer, Dialogs& dialogs,
                             QObject* parent)
    : QObject(parent), m_library(library), m_viewer(viewer), m_dialogs(dialogs)
{
    // Picture files dragged from a file manager onto the list or the strip.
    for (QWidget* target : m_viewer.dropTargets()) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
}

void LibraryEditor::addPictureClicked()
{
    const std::optional<QString> chosen =
        m_dialogs.openFile(FileDialogTitle, FileFilter, PreselectedFilter);
    if (!chosen)
        return;
    addPicture(*chosen);
}

bool LibraryEditor::addPicture(const QString& path)
{
    const PictureLibrary::Change change = m_library.add(path);
    switch (change.outcome) {
    case PictureLibrary::Change::Outcome::Done:
        return true;
    case PictureLibrary::Change::Outcome::Duplicate:
        m_dialogs.message(DuplicateMessage, MessageIcon::Critical, MessageButtons::Ok,
                          ProgramInfo::title());
        return false;
    case PictureLibrary::Change::Outcome::Refused:
        break;
    }
    m_dialogs.message(
        tr("\"%1\" could not be added.\n%2").arg(QDir::toNativeSeparators(path), change.reason),
        MessageIcon::Critical, MessageButtons::Ok, ProgramInfo::title());
    return false;
}

void LibraryEditor::deletePictureClicked()
{
    const int row = m_viewer.selectedRow();
    if (row < 0)
        return;
    const QString name = m_library.entries().at(row);
    const PictureLibrary::Change change = m_library.remove(row);
    if (!change.done())
        m_dialogs.message(tr("\"%1\" could not be deleted.\n%2").arg(name, change.reason),
                          MessageIcon::Critical, MessageButtons::Ok, ProgramInfo::title());
}

QStringList LibraryEditor::droppedFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            files << url.toLocalFile();
    return files;
}

bool LibraryEditor::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedFiles(drag->mimeData()).isEmpty()) {
            drag->ignore();
        } else {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = droppedFiles(drop->mimeData());
        if (files.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // Added once the drop is over, so the file manager is not kept waiting
        // while messages are shown.
        QMetaObject::invokeMethod(
            this,
            [this, files] {
                for (const QString& file : files)
                    addPicture(file);
            },
            Qt::QueuedConnection);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
