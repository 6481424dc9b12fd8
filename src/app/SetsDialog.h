// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>

class Dialogs;
class QLineEdit;
class QListWidget;
class QPushButton;
class Session;

// Makes, renames and deletes the library's sets, and chooses the pictures of
// each from the list. Every change is saved as it is made, and the set being
// flashed follows it from the next picture on.
class SetsDialog final : public QDialog
{
    Q_OBJECT
public:
    SetsDialog(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    void showSets(const QString& chosen);
    void showPictures();
    // A picture or message ticked or unticked in list: the set is saved.
    void tickToggled(const QListWidget* list);
    void newSet();
    void renameSet();
    void deleteSet();
    void importSet();
    void exportSet();
    QString chosenSet() const;
    // The name typed, or nothing after telling why it cannot be one.
    std::optional<QString> typedName();
    void refuse(const QString& error);
    // Has the run follow a change to the set named changed, which is now
    // named now (empty: it is gone).
    void follow(const QString& changed, const QString& now);
    void updateButtons();

    Session& m_session;
    Dialogs& m_dialogs;
    QListWidget* m_sets;
    QListWidget* m_pictures;
    QListWidget* m_messages;
    QLineEdit* m_name;
    QPushButton* m_new;
    QPushButton* m_rename;
    QPushButton* m_delete;
    QPushButton* m_import;
    QPushButton* m_export;
    bool m_filling = false; // the checklist is being filled, not toggled
};
