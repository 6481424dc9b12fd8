// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// On a Wayland desktop a program may not place its own windows, which the
// flash window must do. When an X server is there too (XWayland), run on it,
// unless the user chose a platform.
namespace PlatformChoice
{

struct Environment {
    QByteArray qpaPlatform;    // QT_QPA_PLATFORM
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray sessionType;    // XDG_SESSION_TYPE
    QByteArray x11Display;     // DISPLAY
};

bool shouldUseX11(const Environment& environment, int argc, const char* const* argv);

// Reads the environment and sets QT_QPA_PLATFORM=xcb when shouldUseX11 says so.
void preferX11OnWayland(int argc, const char* const* argv);

} // namespace PlatformChoice
