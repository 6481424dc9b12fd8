#include "library/LibraryEditor.h"

#include "platform/ProgramInfo.h"
#include "library/ImageViewer.h"
#include "library/PictureListFile.h"
#include "library/PlacedCopy.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>

#include <sys/stat.h>

const QString LibraryEditor::FileDialogTitle = QStringLiteral("Orvane Picture Board");
const QString LibraryEditor::FileFilter =
    QStringLiteral("BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg");
const QString LibraryEditor::DuplicateMessage =
    QStringLiteral("This Picture is Already available Please Select Another Picture ");

namespace
{

// Same file system object: on a file system that ignores letter case, two
// names can lead to one file.
bool sameFile(const QString& a, const QString& b)
{
    struct stat first {
    };
    struct stat second {
    };
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

LibraryEditor::LibraryEditor(ImageViewer* viewer, const Services& services, QObject* parent)
    : QObject(parent), m_viewer(viewer), m_dialogs(services.dialogs)
{
    // Picture files dragged from a file manager onto the list or the strip.
    QWidget* listArea = m_viewer->lvwDisplay->viewport();
    for (QWidget* target : {listArea, m_viewer->picHolder}) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
}

void LibraryEditor::cmdAddPicture_Click()
{
    const std::optional<QString> chosen =
        m_dialogs->openFile(FileDialogTitle, FileFilter, PreselectedFilter);
    if (!chosen)
        return;
    addPicture(*chosen);
}

bool LibraryEditor::addPicture(const QString& path)
{
    const QString name = path.section(QLatin1Char('/'), -1);
    if (isListed(name)) {
        m_dialogs->message(DuplicateMessage, MessageIcon::Critical, MessageButtons::Ok,
                           ProgramInfo::title());
        return false;
    }
    if (!LibraryFolder::isBareFileName(name) || !PictureListFile::canHold(name))
        return refuse(path, tr("Its name holds a character that the picture list cannot keep "
                               "(a double quote, a line break or a backslash). Rename the "
                               "file and add it again."));

    // Decoded before anything is copied: a file that is no picture changes
    // nothing, and the picture is not decoded a second time for the viewer.
    DecodedPicture picture = PictureDecoder::decode(path, m_viewer->store().sizes());
    if (!picture.isValid())
        return refuse(path, picture.error);

    const LibraryFolder& folder = m_viewer->folder();
    const QString copies = folder.copiesFolder();
    const bool madeFolder = !QFileInfo(copies).isDir();
    if (madeFolder && !QDir().mkpath(copies))
        return refuse(path, tr("The folder %1 for the copies of the pictures cannot be made.")
                                .arg(QDir::toNativeSeparators(copies)));

    const QString target = copies + QLatin1Char('/') + name;
    if (landsOnListedCopy(target)) {
        m_dialogs->message(DuplicateMessage, MessageIcon::Critical, MessageButtons::Ok,
                           ProgramInfo::title());
        return false;
    }

    PlacedCopy copy;
    QString error;
    if (!copy.place(path, target, &error)) {
        if (madeFolder)
            QDir().rmdir(copies);
        return refuse(path, error);
    }

    auto* item = new QListWidgetItem(name);
    item->setData(CheckedRole, true);
    m_viewer->lvwDisplay->addItem(item);
    if (!m_viewer->SavePictureList(&error)) {
        delete item;
        copy.rollback();
        if (madeFolder)
            QDir().rmdir(copies);
        return refuse(path, tr("The picture list %1 cannot be saved: %2")
                                .arg(QDir::toNativeSeparators(folder.listFile()), error));
    }
    copy.commit();

    m_viewer->store().insert(folder.copyPath(name).value_or(target), std::move(picture));
    m_viewer->RebuildViewer();
    return true;
}

void LibraryEditor::cmdDeletePicture_Click()
{
    QListWidget* list = m_viewer->lvwDisplay;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (!selected.isEmpty()) {
        const int row = list->row(selected.constFirst());
        const QString name = selected.constFirst()->text();
        const bool shared = sharedWithAnotherEntry(name, row);

        // The list is saved before the copy goes: a crash in between leaves an
        // unlisted file, never an entry without its picture.
        QListWidgetItem* item = list->takeItem(row);
        QString error;
        if (!m_viewer->SavePictureList(&error)) {
            list->insertItem(row, item);
            list->setCurrentItem(item);
            m_dialogs->message(
                tr("\"%1\" could not be deleted.\nThe picture list %2 cannot be saved: %3")
                    .arg(name, QDir::toNativeSeparators(m_viewer->folder().listFile()), error),
                MessageIcon::Critical, MessageButtons::Ok, ProgramInfo::title());
            return;
        }
        delete item;
        if (!shared)
            if (const std::optional<QString> copy = m_viewer->folder().copyPath(name))
                QFile::remove(*copy); // a copy already gone is no matter
    }
    m_viewer->RebuildViewer();
}

bool LibraryEditor::refuse(const QString& path, const QString& reason)
{
    m_dialogs->message(
        tr("\"%1\" could not be added.\n%2").arg(QDir::toNativeSeparators(path), reason),
        MessageIcon::Critical, MessageButtons::Ok, ProgramInfo::title());
    return false;
}

bool LibraryEditor::isListed(const QString& name) const
{
    const QListWidget* list = m_viewer->lvwDisplay;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text() == name)
            return true;
    return false;
}

bool LibraryEditor::landsOnListedCopy(const QString& target) const
{
    if (!QFileInfo::exists(target))
        return false;
    const QListWidget* list = m_viewer->lvwDisplay;
    for (int row = 0; row < list->count(); ++row) {
        const std::optional<QString> copy = m_viewer->folder().copyPath(list->item(row)->text());
        if (copy && sameFile(target, *copy))
            return true;
    }
    return false;
}

bool LibraryEditor::sharedWithAnotherEntry(const QString& name, int row) const
{
    const QListWidget* list = m_viewer->lvwDisplay;
    const std::optional<QString> copy = m_viewer->folder().copyPath(name);
    for (int other = 0; other < list->count(); ++other) {
        if (other == row)
            continue;
        const QString text = list->item(other)->text();
        if (text == name)
            return true;
        if (copy && text.compare(name, Qt::CaseInsensitive) == 0) {
            const std::optional<QString> otherCopy = m_viewer->folder().copyPath(text);
            if (otherCopy && sameFile(*copy, *otherCopy))
                return true;
        }
    }
    return false;
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
