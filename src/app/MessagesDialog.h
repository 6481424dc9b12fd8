// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FlashSequence.h"
#include "core/MessageLook.h"

#include <QDialog>

class Dialogs;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Screen;
class Session;

// The user's messages and how they are flashed: the list (added, edited,
// reordered, deleted, imported from a text file and exported to one), what a
// run flashes, and how a message looks, with a preview of the message chosen
// as it will be flashed. Nothing changes until OK, which saves the list whole.
class MessagesDialog final : public QDialog
{
    Q_OBJECT
public:
    MessagesDialog(Session& session, Dialogs& dialogs, const Screen& screen,
                   QWidget* parent = nullptr);

    QStringList messages() const;
    MessageLook look() const;
    FlashSequence::Content content() const;
    // The preview as it is drawn now.
    QImage preview() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildList();
    QWidget* buildLook();
    void addMessage();
    void replaceMessage();
    void deleteMessage();
    void move(int by);
    void importMessages();
    void exportMessages();
    void chooseColour(QColor* colour, QPushButton* button);
    void showColour(QPushButton* button, const QColor& colour);
    void updateButtons();
    void updatePreview();
    void refuse(const QString& text);

    Session& m_session;
    Dialogs& m_dialogs;
    const Screen& m_screen;
    QListWidget* m_list;
    QLineEdit* m_text;
    QPushButton* m_add;
    QPushButton* m_replace;
    QPushButton* m_delete;
    QPushButton* m_up;
    QPushButton* m_down;
    QComboBox* m_content;
    QCheckBox* m_desktopFont;
    QFontComboBox* m_font;
    QComboBox* m_size;
    QPushButton* m_colourButton;
    QComboBox* m_edge;
    QCheckBox* m_box;
    QPushButton* m_boxColourButton;
    QLabel* m_preview;
    QColor m_colour;
    QColor m_boxColour;
};
