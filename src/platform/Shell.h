// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Hands a web address to the desktop's default browser. Never waits and never
// reports failure.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void openWebAddress(const QString& address) = 0;
};

class DesktopShell final : public Shell
{
public:
    void openWebAddress(const QString& address) override;
};
