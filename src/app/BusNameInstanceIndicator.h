// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceIndicator.h"

// The one token of a running copy: the program's name on the session bus,
// which the bus gives to one connection at a time and takes back when its
// process ends, however it ends; a later launch finds the copy by the same
// name to hand over its command. Only without a session bus does a lock file
// in the user's runtime folder stand in.
class BusNameInstanceIndicator final : public InstanceIndicator
{
public:
    BusNameInstanceIndicator(QString busName, const QString& applicationName);

    bool anotherInstanceRunning() override;

private:
    QString m_busName;
    LockFileInstanceIndicator m_withoutBus;
    bool m_checked = false;
    bool m_another = false;
};
