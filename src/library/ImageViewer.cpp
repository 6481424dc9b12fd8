#include "library/ImageViewer.h"

#include "library/PictureListFile.h"
#include "library/PictureStrip.h"
#include "library/PlacedCopy.h"
#include "platform/Look.h"
#include "platform/Units.h"

#include <QListWidget>
#include <QProgressBar>
#include <QScrollBar>

namespace
{
const QColor StripBackground(64, 0, 0);
constexpr int HolderHeight = 372;
constexpr int ScrollMargin = 17;
constexpr int ArrowStep = 40;
} // namespace

ImageViewer::ImageViewer(const LibraryFolder& folder, PictureSizes sizes, QWidget* parent)
    : QGroupBox(parent), m_folder(folder), m_store(sizes)
{
    setObjectName(QStringLiteral("Frame1"));
    setTitle(tr("Image Viewer"));
    Look::styleFrame(this, Qt::black);

    lvwDisplay = new QListWidget(this);
    lvwDisplay->setObjectName(QStringLiteral("lvwDisplay"));
    lvwDisplay->setGeometry(Units::rect(2880, 360, 1995, 5565));
    lvwDisplay->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwDisplay->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwDisplay->setUniformItemSizes(true);

    picHolder = new QWidget(this);
    picHolder->setObjectName(QStringLiteral("picHolder"));
    picHolder->setGeometry(Units::rect(240, 360, 2325, 5580));
    Look::paint(picHolder, Qt::white, StripBackground);

    picScrollForm = new PictureStrip([this](int slot) { return slotThumbnail(slot); }, picHolder);
    picScrollForm->setObjectName(QStringLiteral("picScrollForm"));
    picScrollForm->setGeometry(Units::rect(0, 0, 1965, 1365));

    ScrollBar1 = new QScrollBar(Qt::Vertical, picHolder);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(Units::rect(1920, 0, 375, 5535));
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &ImageViewer::ScrollBar1_Change);

    decodeProgress = new QProgressBar(this);
    decodeProgress->setObjectName(QStringLiteral("decodeProgress"));
    decodeProgress->setGeometry(16, 398, 155, 8);
    decodeProgress->setTextVisible(false);
    decodeProgress->setToolTip(tr("Loading pictures"));
    decodeProgress->hide();

    connect(&m_store, &PictureStore::pictureArrived, picScrollForm, qOverload<>(&QWidget::update));
    connect(&m_store, &PictureStore::progressChanged, this, &ImageViewer::showProgress);
}

void ImageViewer::setStartState()
{
    ScrollBar1->setMaximum(0);
    // The holder's height in twips, as the frame measures it; it never takes
    // effect, since showing the scroll bar sets the page step again.
    ScrollBar1->setPageStep(5580);
    ScrollBar1->hide();
}

QStringList ImageViewer::entries() const
{
    QStringList list;
    list.reserve(lvwDisplay->count());
    for (int row = 0; row < lvwDisplay->count(); ++row)
        list << lvwDisplay->item(row)->text();
    return list;
}

void ImageViewer::LoadPictureList()
{
    const QStringList loaded = PictureListFile::load(m_folder.listFile());
    // Saves and copies a crash cut short are of no use and would pile up.
    PictureListFile::removeLeftovers(m_folder.listFile());
    PlacedCopy::removeLeftovers(m_folder.copiesFolder(), loaded);
    lvwDisplay->addItems(loaded);
    RebuildViewer();
}

bool ImageViewer::SavePictureList(QString* error)
{
    return PictureListFile::save(m_folder.listFile(), entries(), error);
}

void ImageViewer::RebuildViewer()
{
    const int count = lvwDisplay->count();
    m_slotPaths.clear();
    m_slotPaths.reserve(count);
    // An entry seen by the last rebuild keeps its copy path: its picture is
    // decoded already and the file is not read again, so only new entries
    // cost a look at the file system.
    QHash<QString, QString> copyPaths;
    copyPaths.reserve(count);
    for (int row = 0; row < count; ++row) {
        const QString entry = lvwDisplay->item(row)->text();
        const auto known = m_copyPaths.constFind(entry);
        const QString path =
            known != m_copyPaths.constEnd() ? *known : m_folder.copyPath(entry).value_or(QString());
        copyPaths.insert(entry, path);
        m_slotPaths << path;
    }
    m_copyPaths = std::move(copyPaths);

    // Pictures no entry names any more are let go; new ones start decoding.
    m_store.setPaths(m_slotPaths);

    // With no entries the strip keeps its height and shows only background.
    if (count > 0)
        picScrollForm->resize(picScrollForm->width(), count * PictureStrip::SlotPitch);
    picScrollForm->setSlotCount(count);
    m_loadedImageCount = count;

    if (count >= 4)
        UpdateScrollBar();
    else
        hideScrollBar();
}

void ImageViewer::UpdateScrollBar()
{
    ScrollBar1->setEnabled(true);
    ScrollBar1->show();
    const int maximum = picScrollForm->height() - HolderHeight + ScrollMargin;
    ScrollBar1->setMaximum(maximum);
    ScrollBar1->setPageStep(maximum);
    ScrollBar1->setSingleStep(ArrowStep);
}

void ImageViewer::hideScrollBar()
{
    ScrollBar1->setEnabled(false);
    ScrollBar1->hide();
    // Nothing is left to scroll to: bring the strip back to its top.
    ScrollBar1->setMaximum(0);
}

void ImageViewer::ScrollBar1_Change()
{
    picScrollForm->move(picScrollForm->x(), -ScrollBar1->value());
    emit scrollChanged();
}

QString ImageViewer::slotPath(int slot) const
{
    return slot >= 1 && slot <= m_slotPaths.size() ? m_slotPaths.at(slot - 1) : QString();
}

QImage ImageViewer::slotPicture(int slot)
{
    const QString path = slotPath(slot);
    return path.isEmpty() ? QImage() : m_store.flashPictureNow(path);
}

QImage ImageViewer::slotThumbnail(int slot)
{
    const QString path = slotPath(slot);
    return path.isEmpty() ? QImage() : m_store.thumbnail(path);
}

void ImageViewer::showProgress(int done, int total)
{
    decodeProgress->setMaximum(qMax(1, total));
    decodeProgress->setValue(done);
    decodeProgress->setVisible(done < total);
}
