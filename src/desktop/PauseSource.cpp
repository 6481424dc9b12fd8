// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PauseSource.h"

void PauseSource::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    emit activeChanged(active);
}
