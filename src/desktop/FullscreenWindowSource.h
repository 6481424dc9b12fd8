// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/PauseSource.h"

#include <cstdint>

class X11Connection;

// Active while the active window (_NET_ACTIVE_WINDOW on the root window) is
// fullscreen (_NET_WM_STATE_FULLSCREEN in its _NET_WM_STATE). Follows the
// property changes of the root and of the active window; polls nothing. Sees
// X11 windows only; without a display it stays clear.
class FullscreenWindowSource final : public PauseSource
{
    Q_OBJECT
public:
    using PauseSource::PauseSource;
    ~FullscreenWindowSource() override;

    void setWatching(bool watching) override;
    void recheck() override;

private:
    void refresh();
    std::uint32_t activeWindow() const;
    bool isFullscreen(std::uint32_t window) const;
    void follow(std::uint32_t window);

    X11Connection* m_x11 = nullptr;
    std::uint32_t m_activeWindowAtom = 0;
    std::uint32_t m_stateAtom = 0;
    std::uint32_t m_fullscreenAtom = 0;
    std::uint32_t m_followed = 0; // the active window whose state we follow
};
