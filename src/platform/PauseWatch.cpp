#include "platform/PauseWatch.h"

QString pauseReasonText(PauseReason reason)
{
    switch (reason) {
    case PauseReason::ScreenLocked:
        return QStringLiteral("Paused: the screen is locked");
    case PauseReason::FullscreenWindow:
        return QStringLiteral("Paused: a fullscreen window is in front");
    case PauseReason::DoNotDisturb:
        return QStringLiteral("Paused: do not disturb is on");
    }
    return {};
}
