// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/DecodeBudget.h"

#include <QSemaphore>

#include <algorithm>

namespace
{

constexpr qint64 UnitBytes = 1024 * 1024;

QSemaphore& budget()
{
    static QSemaphore units(int(DecodeBudget::TotalBytes / UnitBytes));
    return units;
}

} // namespace

DecodeBudget::Share::Share(qint64 bytes)
    : m_units(
          int(std::clamp<qint64>((bytes + UnitBytes - 1) / UnitBytes, 1, TotalBytes / UnitBytes)))
{
    budget().acquire(m_units);
}

DecodeBudget::Share::~Share()
{
    budget().release(m_units);
}
