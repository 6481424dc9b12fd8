// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImageViewer.h"

#include "library/PictureLibrary.h"
#include "platform/Units.h"
#include "widgets/Look.h"
#include "widgets/PictureStrip.h"

#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace
{
const QColor StripBackground(64, 0, 0);
constexpr int HolderHeight = 372;
constexpr int ScrollMargin = 17;
constexpr int ArrowStep = 40;
} // namespace

ImageViewer::ImageViewer(PictureLibrary& library, QWidget* parent)
    : QGroupBox(parent), m_library(library)
{
    setObjectName(QStringLiteral("Frame1"));
    setTitle(tr("Image Viewer"));
    Look::styleFrame(this, Qt::black);

    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("lvwDisplay"));
    m_list->setGeometry(Units::rect(2880, 360, 1995, 5565));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true);
    m_list->setModel(&m_library);
    m_list->setAccessibleName(tr("Picture list"));
    m_list->setAccessibleDescription(
        tr("The pictures that are flashed, by file name; select one to delete it"));

    m_stripHolder = new QWidget(this);
    m_stripHolder->setObjectName(QStringLiteral("picHolder"));
    m_stripHolder->setGeometry(Units::rect(240, 360, 2325, 5580));
    Look::paint(m_stripHolder, Qt::white, StripBackground);

    m_strip =
        new PictureStrip([this](int slot) { return m_library.thumbnail(slot); }, m_stripHolder);
    m_strip->setObjectName(QStringLiteral("picScrollForm"));
    m_strip->setGeometry(Units::rect(0, 0, 1965, 1365));
    m_strip->setAccessibleName(tr("Picture strip"));
    m_strip->setAccessibleDescription(
        tr("Small views of the pictures in the list, in the same order"));

    m_scrollBar = new QScrollBar(Qt::Vertical, m_stripHolder);
    m_scrollBar->setObjectName(QStringLiteral("ScrollBar1"));
    m_scrollBar->setGeometry(Units::rect(1920, 0, 375, 5535));
    m_scrollBar->setAccessibleName(tr("Scroll the picture strip"));
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &ImageViewer::scrollBarMoved);

    m_decodeProgress = new QProgressBar(this);
    m_decodeProgress->setObjectName(QStringLiteral("decodeProgress"));
    m_decodeProgress->setGeometry(16, 398, 155, 8);
    m_decodeProgress->setTextVisible(false);
    m_decodeProgress->setToolTip(tr("Loading pictures"));
    m_decodeProgress->setAccessibleName(m_decodeProgress->toolTip());
    m_decodeProgress->hide();

    // Over the foot of the list while many pictures are being added.
    m_adding = new QWidget(this);
    m_adding->setObjectName(QStringLiteral("fraAdding"));
    m_adding->setGeometry(m_list->geometry().adjusted(0, m_list->height() - 48, 0, 0));
    Look::paint(m_adding, Qt::white, Qt::black);
    auto* addingLayout = new QVBoxLayout(m_adding);
    addingLayout->setContentsMargins(2, 2, 2, 2);
    addingLayout->setSpacing(2);
    m_addingProgress = new QProgressBar(m_adding);
    m_addingProgress->setObjectName(QStringLiteral("addingProgress"));
    m_addingProgress->setFormat(tr("%v of %m"));
    m_addingProgress->setAlignment(Qt::AlignCenter);
    m_addingProgress->setAccessibleName(tr("Adding pictures"));
    addingLayout->addWidget(m_addingProgress);
    auto* cancel = new QPushButton(tr("Cancel"), m_adding);
    cancel->setObjectName(QStringLiteral("cmdCancelAdding"));
    cancel->setToolTip(tr("Stop adding; the pictures added so far stay"));
    cancel->setAccessibleDescription(cancel->toolTip());
    addingLayout->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, &ImageViewer::cancelAddingClicked);
    m_adding->hide();

    connect(&m_library, &PictureLibrary::slotsChanged, this, &ImageViewer::slotsChanged);
    connect(&m_library, &PictureLibrary::pictureArrived, m_strip, qOverload<>(&QWidget::update));
    connect(&m_library, &PictureLibrary::decodingProgress, this, &ImageViewer::showProgress);
}

int ImageViewer::selectedRow() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

QList<QWidget*> ImageViewer::dropTargets() const
{
    return {m_list->viewport(), m_stripHolder};
}

void ImageViewer::showStartState()
{
    m_scrollBar->setMaximum(0);
    // The holder's height in twips, as the frame measures it; it never takes
    // effect, since showing the scroll bar sets the page step again.
    m_scrollBar->setPageStep(5580);
    m_scrollBar->hide();
}

void ImageViewer::scrollToTop()
{
    m_scrollBar->setValue(0);
}

void ImageViewer::slotsChanged()
{
    const int count = m_library.slotCount();
    // With no entries the strip keeps its height and shows only background.
    if (count > 0)
        m_strip->resize(m_strip->width(), count * PictureStrip::SlotPitch);
    m_strip->setSlotCount(count);
    if (count >= 4)
        updateScrollBar();
    else
        hideScrollBar();
}

void ImageViewer::updateScrollBar()
{
    m_scrollBar->setEnabled(true);
    m_scrollBar->show();
    const int maximum = m_strip->height() - HolderHeight + ScrollMargin;
    m_scrollBar->setMaximum(maximum);
    m_scrollBar->setPageStep(maximum);
    m_scrollBar->setSingleStep(ArrowStep);
}

void ImageViewer::hideScrollBar()
{
    m_scrollBar->setEnabled(false);
    m_scrollBar->hide();
    // Nothing is left to scroll to: bring the strip back to its top.
    m_scrollBar->setMaximum(0);
}

void ImageViewer::scrollBarMoved()
{
    m_strip->move(m_strip->x(), -m_scrollBar->value());
    emit scrollChanged();
}

void ImageViewer::showProgress(int done, int total)
{
    m_decodeProgress->setMaximum(qMax(1, total));
    m_decodeProgress->setValue(done);
    m_decodeProgress->setVisible(done < total);
}

void ImageViewer::showAddingProgress(int done, int total)
{
    m_addingProgress->setMaximum(qMax(1, total));
    m_addingProgress->setValue(done);
    m_adding->setVisible(done < total);
}
