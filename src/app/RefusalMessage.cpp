// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RefusalMessage.h"

#include "platform/Dialogs.h"
#include "platform/ProgramInfo.h"

void showRefusal(Dialogs& dialogs, const Outcome& outcome)
{
    if (!outcome.isDone())
        dialogs.message(outcome.refusal, MessageIcon::Critical, MessageButtons::Ok,
                        ProgramInfo::title());
}
