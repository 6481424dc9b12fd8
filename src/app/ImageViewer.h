// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class PictureLibrary;
class PictureStrip;
class QListView;
class QProgressBar;
class QPushButton;
class QScrollBar;

// The "Image Viewer" frame: the picture list and the preview strip of the
// library's slots, with a scroll bar once the strip outgrows its holder and
// a thin bar that shows how far decoding is.
class ImageViewer : public QGroupBox
{
    Q_OBJECT
public:
    explicit ImageViewer(PictureLibrary& library, QWidget* parent = nullptr);

    // The list row the user selected, or -1.
    int selectedRow() const;
    // Where picture files may be dropped: the list and the strip.
    QList<QWidget*> dropTargets() const;

    // The scroll bar as the window is first shown: hidden, at the top.
    void showStartState();
    // Brings the strip back to its top.
    void scrollToTop();
    // How far adding many pictures is, over the foot of the list; hidden
    // once done reaches total.
    void showAddingProgress(int done, int total);

signals:
    // The strip moved; the main window then puts the focus on Add Picture.
    void scrollChanged();
    void cancelAddingClicked();

private:
    void slotsChanged();
    void updateScrollBar();
    void hideScrollBar();
    void scrollBarMoved();
    void showProgress(int done, int total);

    PictureLibrary& m_library;
    QListView* m_list;
    QWidget* m_stripHolder;
    PictureStrip* m_strip;
    QScrollBar* m_scrollBar;
    QProgressBar* m_decodeProgress;
    QWidget* m_adding;
    QProgressBar* m_addingProgress;
};
