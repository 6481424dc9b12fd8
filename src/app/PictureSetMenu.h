// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

class Dialogs;
class Session;

// "Picture Set": which pictures a run flashes, the whole list or one of the
// library's sets, as a submenu of the File menu and of the tray's menu. Its
// entries are read afresh each time it opens, so a set file written by hand
// is there the next time.
class PictureSetMenu final : public QMenu
{
    Q_OBJECT
public:
    PictureSetMenu(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

signals:
    // The user wants to make, rename or delete sets, or change their pictures.
    void editRequested();

private:
    void rebuild();
    void choose(const QString& name);

    Session& m_session;
    Dialogs& m_dialogs;
};
