// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pictures compiled into the program (icons, pointer).
namespace Resources
{
// Makes them reachable under ":/"; safe to call any number of times.
void ensureLoaded();
} // namespace Resources
