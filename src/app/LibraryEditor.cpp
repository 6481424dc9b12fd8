// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LibraryEditor.h"

#include "app/ImageViewer.h"
#include "core/Session.h"
#include "library/PictureBatch.h"
#include "library/PictureLibrary.h"
#include "pictures/PictureDecoder.h"
#include "platform/Dialogs.h"
#include "platform/ProgramInfo.h"
#include "platform/Translated.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>

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
const QString LibraryEditor::AllPicturesChoice =
    QStringLiteral(QT_TRANSLATE_NOOP("LibraryEditor", "All Pictures"));
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
    const QStringList chosen = m_dialogs.openFiles(translated("LibraryEditor", FileDialogTitle),
                                                   fileDialogFilter(), PreselectedFilter);
    if (chosen.size() == 1)
        addPicture(chosen.constFirst()); // one file: with a message of its own
    else
        add(chosen, false);
}

QString LibraryEditor::fileDialogFilter()
{
    // Both cases: cameras and phones name their files in capitals.
    QStringList patterns;
    for (const QString& suffix : PictureDecoder::Suffixes)
        patterns << "*." + suffix << "*." + suffix.toUpper();
    return translated("LibraryEditor", AllPicturesChoice) + u'|' + patterns.join(u';') + u'|' +
           translated("LibraryEditor", FileFilter);
}

void LibraryEditor::addFolderClicked()
{
    if (isAdding())
        return;
    if (const std::optional<QString> folder =
            m_dialogs.openFolder(translated("LibraryEditor", FolderDialogTitle)))
        add({*folder}, false);
}

void LibraryEditor::addDropped(const QStringList& paths)
{
    add(paths, false);
}

void LibraryEditor::addMany(const QStringList& paths)
{
    add(paths, false);
}

void LibraryEditor::addPicture(const QString& path)
{
    add({path}, true);
}

void LibraryEditor::add(const QStringList& paths, bool single)
{
    // Told here only of the adds asked for here; an add asked for while
    // another is on waits for it.
    auto report = [editor = QPointer(this), paths, single](const PictureBatch::Summary& summary,
                                                           int total) {
        if (editor)
            editor->reportAdd(paths, single, summary, total);
    };
    const Outcome outcome = single ? m_session.addPicture(paths.constFirst(), report)
                                   : m_session.addPictures(paths, report);
    if (outcome.isDone())
        return;
    if (single)
        reportSingleAdd(paths.constFirst(),
                        {PictureLibrary::Change::Outcome::Refused, outcome.refusal});
    else
        m_dialogs.message(outcome.refusal, MessageIcon::Critical, MessageButtons::Ok,
                          ProgramInfo::title());
}

void LibraryEditor::cancelAdding()
{
    m_session.cancelAdding();
}

void LibraryEditor::addingStarted(const QStringList& paths)
{
    // One file without the progress bar that would only flicker.
    if (!isSingleFile(paths))
        connect(m_session.adding(), &PictureBatch::progressChanged, &m_viewer,
                &ImageViewer::showAddingProgress);
    emit addingChanged(true);
}

void LibraryEditor::addingFinished()
{
    emit addingChanged(m_session.isAdding());
}

void LibraryEditor::reportAdd(const QStringList& paths, bool single,
                              const PictureBatch::Summary& summary, int total)
{
    // An add dropped unstarted by a cancel: the user knows.
    if (summary.cancelled && total == 0)
        return;
    if (single || isSingleFile(paths))
        return reportSingleAdd(paths.constFirst(), summary.last);
    const AddReport report = describeAdd(summary, total);
    if (!report.text.isEmpty())
        m_dialogs.messageWithList(report.text, report.refused, report.icon, ProgramInfo::title());
}

LibraryEditor::AddReport LibraryEditor::describeAdd(const PictureBatch::Summary& summary, int total)
{
    // "1 ..." has a sentence of its own; the others take the plural forms of
    // the user's language.
    auto count = [](int number, const QString& one, const char* many) {
        return number == 1 ? one : tr(many, nullptr, number);
    };
    QStringList lines;
    if (summary.cancelled && total == 0) {
        lines << tr("Adding was cancelled.");
    } else if (total == 0 || summary.leftOut == total) {
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
        return {}; // all of them added: nothing to say
    }
    // An error only when nothing could be added; a warning when some were.
    MessageIcon icon = MessageIcon::Information;
    if (!summary.refused.isEmpty())
        icon = summary.added > 0 ? MessageIcon::Warning : MessageIcon::Critical;
    return {lines.join(u'\n'), summary.refused, icon};
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
