// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/PauseSource.h"

class X11Connection;

// Active while the X server's screen saver has blanked the screen (the
// MIT-SCREEN-SAVER extension), followed through its notify events. Without a
// display or the extension it stays clear.
class X11ScreenSaverSource final : public PauseSource
{
    Q_OBJECT
public:
    using PauseSource::PauseSource;
    ~X11ScreenSaverSource() override;

    void setWatching(bool watching) override;
    void recheck() override;

private:
    void query();

    X11Connection* m_x11 = nullptr;
    int m_firstEvent = -1;
};
