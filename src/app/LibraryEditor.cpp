// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LibraryEditor.h"

#include "app/ImageViewer.h"
#include "core/Session.h"
#include "library/PictureBatch.h"
#include "library/PictureLibrary.h"
#include "platform/Dialogs.h"
#include "platform/ProgramInfo.h"
#include "platform/Translated.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include <utility>

namespace
{

// One file, not a folder, dropped or handed over alone: added with the
// messages a single add always had.
bool isSingleFile(const QStringList& paths)
{
    return paths.size() == 1 && !QFileInfo(paths.constFirst()).isDir();
}

} // namespace

const QString LibraryEditor::FileDialogTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("LibraryEditor", "Orvane Picture Board"));
const QString LibraryEditor::FileFilter = QStringLiteral(QT_TRANSLATE_NOOP(
    "LibraryEditor", "BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg"));
const QString LibraryEditor::FolderDialogTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("LibraryEditor", "Add a Folder of Pictures"));
const QString LibraryEditor::DuplicateMessage = QStringLiteral(QT_TRANSLATE_NOOP(
    "LibraryEditor", "This Picture is Already available Please Select Another Picture "));

LibraryEditor::LibraryEditor(Session& session, ImageViewer& viewer, Dialogs& dialogs,
                             QObject* parent)
    : QObject(parent), m_session(session), m_viewer(viewer), m_dialogs(dialogs)
{
    // Picture files dragged from a file manager onto the list or the strip.
    for (QWidget* target : m_viewer.dropTargets()) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
    // Adds asked for through any door are shown here.
    connect(&m_session, &Session::addingStarted, this, &LibraryEditor::addingStarted);
    connect(&m_session, &Session::addingFinished, this, &LibraryEditor::addingFinished);
}

bool LibraryEditor::isAdding() const
{
    return m_session.isAdding();
}

void LibraryEditor::addPictureClicked()
{
    if (isAdding())
        return;
    const QStringList chosen =
        m_dialogs.openFiles(translated("LibraryEditor", FileDialogTitle),
                            translated("LibraryEditor", FileFilter), PreselectedFilter);
    if (chosen.size() == 1)
        addPicture(chosen.constFirst()); // one file: with a message of its own
    else
        add(chosen);
}

void LibraryEditor::addFolderClicked()
{
    if (isAdding())
        return;
    if (const std::optional<QString> folder =
            m_dialogs.openFolder(translated("LibraryEditor", FolderDialogTitle)))
        add({*folder});
}

void LibraryEditor::addDropped(const QStringList& paths)
{
    add(paths);
}

void LibraryEditor::addMany(const QStringList& paths)
{
    if (!isAdding())
        add(paths);
}

void LibraryEditor::addPicture(const QString& path)
{
    m_singleAsked = true;
    refused({path}, m_session.addPicture(path));
}

bool LibraryEditor::isSingle(const QStringList& paths) const
{
    return m_singleAsked || isSingleFile(paths);
}

void LibraryEditor::add(const QStringList& paths)
{
    refused(paths, m_session.addPictures(paths));
}

void LibraryEditor::refused(const QStringList& paths, const Outcome& outcome)
{
    // One file has a message of its own, also when it is refused at once;
    // several are not tried while an add is on.
    if (outcome.isDone())
        return;
    if (isSingle(paths))
        reportSingleAdd(paths.constFirst(),
                        {PictureLibrary::Change::Outcome::Refused, outcome.refusal});
    m_singleAsked = false;
}

void LibraryEditor::cancelAdding()
{
    m_session.cancelAdding();
}

void LibraryEditor::addingStarted(const QStringList& paths)
{
    // One file without the progress bar that would only flicker.
    if (!isSingle(paths))
        connect(m_session.adding(), &PictureBatch::progressChanged, &m_viewer,
                &ImageViewer::showAddingProgress);
    emit addingChanged(true);
}

void LibraryEditor::addingFinished(const QStringList& paths, const PictureBatch::Summary& summary,
                                   int total)
{
    emit addingChanged(false);
    if (std::exchange(m_singleAsked, false) || isSingleFile(paths)) {
        reportSingleAdd(paths.constFirst(), summary.last);
        return;
    }

    // "1 ..." has a sentence of its own; the others take the plural forms of
    // the user's language.
    auto count = [](int number, const QString& one, const char* many) {
        return number == 1 ? one : tr(many, nullptr, number);
    };
    QStringList lines;
    if (total == 0 || summary.leftOut == total) {
        lines << tr("There are no BMP or JPEG pictures to add there.");
    } else if (summary.added < total) {
        lines << (summary.cancelled ? tr("Adding was cancelled.") + u' ' : QString()) +
                     count(summary.added, tr("1 picture was added."),
                           QT_TR_N_NOOP("%n pictures were added."));
        if (summary.duplicates > 0)
            lines << count(summary.duplicates, tr("1 was in the list already."),
                           QT_TR_N_NOOP("%n were in the list already."));
        if (summary.leftOut > 0)
            lines << count(
                summary.leftOut, tr("1 file that is no BMP or JPEG picture was left out."),
                QT_TR_N_NOOP("%n files that are no BMP or JPEG pictures were left out."));
        if (!summary.refused.isEmpty())
            lines << count(int(summary.refused.size()), tr("1 could not be added:"),
                           QT_TR_N_NOOP("%n could not be added:"));
    } else {
        return; // all of them added: nothing to say
    }
    // An error only when nothing could be added; a warning when some were.
    MessageIcon icon = MessageIcon::Information;
    if (!summary.refused.isEmpty())
        icon = summary.added > 0 ? MessageIcon::Warning : MessageIcon::Critical;
    m_dialogs.messageWithList(lines.join(u'\n'), summary.refused, icon, ProgramInfo::title());
}

void LibraryEditor::reportSingleAdd(const QString& path, const PictureLibrary::Change& change)
{
    switch (change.outcome) {
    case PictureLibrary::Change::Outcome::Done:
        return;
    case PictureLibrary::Change::Outcome::Duplicate:
        m_dialogs.message(translated("LibraryEditor", DuplicateMessage), MessageIcon::Critical,
                          MessageButtons::Ok, ProgramInfo::title());
        return;
    case PictureLibrary::Change::Outcome::Refused:
        break;
    }
    m_dialogs.message(
        tr("\"%1\" could not be added.\n%2").arg(QDir::toNativeSeparators(path), change.reason),
        MessageIcon::Critical, MessageButtons::Ok, ProgramInfo::title());
}

void LibraryEditor::deletePictureClicked()
{
    if (isAdding())
        return;
    const int row = m_viewer.selectedRow();
    if (row < 0)
        return;
    PictureLibrary& library = m_session.library();
    const QString name = library.entries().at(row);
    const PictureLibrary::Change change = library.remove(row);
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
        if (isAdding() || droppedFiles(drag->mimeData()).isEmpty()) {
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
        if (isAdding() || files.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // Added once the drop is over, so the file manager is not kept waiting
        // while messages are shown.
        QMetaObject::invokeMethod(
            this, [this, files] { addDropped(files); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
