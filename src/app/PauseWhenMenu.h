// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PauseWatch.h"

#include <QMenu>

class PausePreferences;

// The "Pause when" submenu: one checkable entry per kind of pause, saved at
// each change. Several menus may share one PausePreferences; each shows the
// current choice when it opens.
class PauseWhenMenu final : public QMenu
{
    Q_OBJECT
public:
    explicit PauseWhenMenu(PausePreferences& preferences, QWidget* parent = nullptr);

    // Shows the preferences as they are now.
    void refresh();

signals:
    void preferencesChanged(PauseReasons enabled);

private:
    void addEntry(PauseReason reason, const QString& name, const QString& text);

    PausePreferences& m_preferences;
};
