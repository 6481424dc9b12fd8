// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/ShowPicturesOn.h"

#include <QMenu>

class QAction;
class QActionGroup;

// "Show pictures on": the choice of monitor, as a submenu of the File menu
// and of the tray icon's menu. Exactly one of its three entries is checked.
class ShowPicturesOnMenu : public QMenu
{
    Q_OBJECT
public:
    static const QString Title;

    explicit ShowPicturesOnMenu(QWidget* parent = nullptr);

    // Checks the entry without announcing it, for showing a stored choice or
    // one made in the other menu.
    void setChoice(ShowPicturesOn choice);
    ShowPicturesOn choice() const;

    QAction* primaryAction() const { return m_primary; }
    QAction* pointerAction() const { return m_pointer; }
    QAction* eachAction() const { return m_each; }

signals:
    // The user picked an entry.
    void chosen(ShowPicturesOn choice);

private:
    QAction* addChoice(const QString& text, const QString& name, ShowPicturesOn choice);

    QActionGroup* m_group = nullptr;
    QAction* m_primary = nullptr;
    QAction* m_pointer = nullptr;
    QAction* m_each = nullptr;
};
