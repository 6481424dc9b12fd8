// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/DisplaySettings.h"

// The four display settings as the user has them chosen right now. The flash
// run reads them live: the interval at Start, the rest at every tick.
class DisplayChoices
{
public:
    virtual ~DisplayChoices() = default;
    virtual DisplaySettings current() const = 0;
};
