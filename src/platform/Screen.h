// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class Screen
{
public:
    virtual ~Screen() = default;
    // The primary screen's size in logical pixels.
    virtual QSize size() const = 0;
    // Device pixels per logical pixel of the primary screen.
    virtual double scaleFactor() const = 0;
};

class PrimaryScreen final : public Screen
{
public:
    QSize size() const override;
    double scaleFactor() const override;
};
