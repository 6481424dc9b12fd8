#pragma once

#include "library/LibraryFolder.h"
#include "library/PictureStore.h"

#include <QGroupBox>
#include <QImage>
#include <QStringList>

class PictureStrip;
class QListWidget;
class QProgressBar;
class QScrollBar;

// The "Image Viewer" frame: the picture list lvwDisplay and the preview strip
// whose slots also hold the pictures the flash run shows.
class ImageViewer : public QGroupBox
{
    Q_OBJECT
public:
    ImageViewer(const LibraryFolder& folder, PictureSizes sizes, QWidget* parent = nullptr);

    QListWidget* lvwDisplay = nullptr;
    QWidget* picHolder = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    PictureStrip* picScrollForm = nullptr;
    QProgressBar* decodeProgress = nullptr;

    const LibraryFolder& folder() const { return m_folder; }
    PictureStore& store() { return m_store; }

    // Slots 1 to LoadedImageCount hold pictures to flash.
    int LoadedImageCount() const { return m_loadedImageCount; }
    // Slot k's picture at the flash window's size; null while it is being
    // decoded, or when the entry has no readable picture.
    QImage slotPicture(int slot);
    QImage slotThumbnail(int slot);
    // The copy that slot k shows, or an empty text when its entry has none.
    QString slotPath(int slot) const;

    QStringList entries() const;

    void setStartState();
    void LoadPictureList();
    bool SavePictureList(QString* error = nullptr);
    void RebuildViewer();
    void UpdateScrollBar();
    void hideScrollBar();
    void ScrollBar1_Change();

signals:
    // The strip moved; the main window then puts the focus on Add Picture.
    void scrollChanged();

private:
    void showProgress(int done, int total);

    LibraryFolder m_folder;
    PictureStore m_store;
    QStringList m_slotPaths;
    QHash<QString, QString> m_copyPaths; // entry -> slot path, from the last rebuild
    int m_loadedImageCount = 0;
};
