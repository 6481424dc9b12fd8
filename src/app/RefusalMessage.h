// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Outcome.h"

class Dialogs;

// Shows why a request was refused in a message box, as the windows and the
// commands from outside have always told it; a request done shows nothing.
void showRefusal(Dialogs& dialogs, const Outcome& outcome);
