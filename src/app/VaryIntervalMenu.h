// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

class Preferences;
class QActionGroup;

// The "Vary the interval" submenu: how far each wait may stray either side of
// the interval, drawn afresh for every wait. Saved at once and used from the
// next wait on; shows the saved choice, a share written into the settings
// file by hand included, each time it opens.
class VaryIntervalMenu final : public QMenu
{
    Q_OBJECT
public:
    static constexpr int Shares[] = {0, 10, 25, 50};

    explicit VaryIntervalMenu(Preferences& preferences, QWidget* parent = nullptr);

    // Shows the saved share as it is now.
    void refresh();

private:
    QAction* addShare(int percent);

    Preferences& m_preferences;
    QActionGroup* m_group;
    QAction* m_byHand = nullptr; // a share none of the entries offers
};
