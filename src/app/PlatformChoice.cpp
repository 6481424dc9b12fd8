// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlatformChoice.h"

#include <QtGlobal>
#include <cstring>

bool PlatformChoice::shouldUseX11(const Environment& environment, int argc, const char* const* argv)
{
    if (!environment.qpaPlatform.isEmpty())
        return false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0 ||
            std::strncmp(argv[i], "-platform=", 10) == 0)
            return false;
    const bool wayland =
        !environment.waylandDisplay.isEmpty() || environment.sessionType == "wayland";
    return wayland && !environment.x11Display.isEmpty();
}

void PlatformChoice::preferX11OnWayland(int argc, const char* const* argv)
{
    const Environment environment{qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"),
                                  qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY")};
    if (shouldUseX11(environment, argc, argv))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
