// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryFixture.h"

#include "Children.h"
#include "TestPictures.h"
#include "app/LibraryEditor.h"
#include "app/MainWindow.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

LibraryFixture::LibraryFixture() = default;
LibraryFixture::~LibraryFixture() = default;

void LibraryFixture::prepare(const QStringList& entries, const QList<QColor>& colours)
{
    QFile list(test.listFile());
    if (!list.open(QIODevice::WriteOnly) || list.write(PictureListFile::serialize(entries)) < 0)
        qFatal("cannot write the list file");
    for (int i = 0; i < entries.size() && i < colours.size(); ++i)
        if (colours.at(i).isValid())
            TestPictures::jpeg(test.copiesFolder() + QLatin1Char('/') + entries.at(i),
                               colours.at(i));
}

void LibraryFixture::start()
{
    window = std::make_unique<MainWindow>(test.services);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    library = &window->library();
    window->load();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("main window not shown");
    library->store().waitForAll();
}

QString LibraryFixture::userPicture(const QString& name, QColor colour, const char* format)
{
    const QString path = userFolder.filePath(name);
    TestPictures::write(path, QSize(160, 120), colour, format);
    return path;
}

void LibraryFixture::add(const std::optional<QString>& chosen)
{
    test.dialogs.chosenFiles.enqueue(chosen ? QStringList{*chosen} : QStringList());
    QTest::mouseClick(child<QPushButton>(window.get(), "cmdAddPicture"), Qt::LeftButton);
    // The add is prepared in the background; its end is what tests look at.
    if (!QTest::qWaitFor([this] { return !window->libraryEditor().isAdding(); }, 30000))
        qWarning("the add did not end");
}

void LibraryFixture::select(int row)
{
    auto* list = child<QListView>(window.get(), "lvwDisplay");
    if (row < 0) {
        list->clearSelection();
        return;
    }
    const QModelIndex item = list->model()->index(row, 0);
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
}

void LibraryFixture::deleteSelected()
{
    QTest::mouseClick(child<QPushButton>(window.get(), "cmdDeletePicture"), Qt::LeftButton);
}

QByteArray LibraryFixture::listFileBytes() const
{
    QFile file(test.listFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList LibraryFixture::copies() const
{
    return QDir(test.copiesFolder())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}

LibrarySnapshot LibraryFixture::snapshot() const
{
    LibrarySnapshot shot;
    shot.entries = library->entries();
    shot.listFile = listFileBytes();
    const QFileInfo folder(test.copiesFolder());
    shot.copiesFolderKind = folder.isDir()                          ? QStringLiteral("folder")
                            : folder.exists() || folder.isSymLink() ? QStringLiteral("other")
                                                                    : QStringLiteral("missing");
    if (folder.isDir()) {
        for (const QString& name : copies()) {
            QFile file(test.copiesFolder() + QLatin1Char('/') + name);
            shot.copies.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                    : QByteArray("<unreadable>"));
        }
    }
    shot.loadedImageCount = library->slotCount();
    for (int slot = 1; slot <= library->slotCount(); ++slot)
        shot.slotPaths << library->slotPath(slot);
    const auto* scrollBar = child<QScrollBar>(window.get(), "ScrollBar1");
    shot.scrollBarVisible = scrollBar->isVisible();
    shot.scrollMaximum = scrollBar->maximum();
    return shot;
}

QColor LibraryFixture::slotColour(int slot) const
{
    const QImage picture = library->flashPictureNow(slot);
    if (picture.isNull())
        return {};
    return picture.pixelColor(picture.width() * 3 / 4, picture.height() / 4);
}

bool similarColour(const QColor& a, const QColor& b)
{
    return a.isValid() && b.isValid() && qAbs(a.red() - b.red()) < 24 &&
           qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

char* toString(const LibrarySnapshot& s)
{
    QStringList copies;
    for (auto it = s.copies.cbegin(); it != s.copies.cend(); ++it)
        copies << QStringLiteral("%1(%2 bytes)").arg(it.key()).arg(it.value().size());
    const QString text = QStringLiteral("entries [%1]; list file %2 bytes; SystemFolder %3 [%4]; "
                                        "LoadedImageCount %5; slots [%6]; scroll bar %7, max %8")
                             .arg(s.entries.join(QLatin1Char(',')))
                             .arg(s.listFile.size())
                             .arg(s.copiesFolderKind, copies.join(QLatin1Char(',')))
                             .arg(s.loadedImageCount)
                             .arg(s.slotPaths.join(QLatin1Char(',')))
                             .arg(s.scrollBarVisible ? "shown" : "hidden")
                             .arg(s.scrollMaximum);
    return qstrdup(text.toLocal8Bit().constData());
}
void writeLibrary(const TestServices& services, const QStringList& names,
                  const QStringList& missing)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        if (!missing.contains(names[i]))
            TestPictures::jpeg(services.copiesFolder() + "/" + names[i],
                               QColor::fromHsv(int(i * 37 % 360), 200, 220));
    PictureListFile::save(services.listFile(), names);
}

QStringList pictureNames(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("picture%1.jpg").arg(i);
    return names;
}
