// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The memory all decodes of the process may hold at once, whatever the number
// of cores. A decode takes its share before it starts and gives it back when
// done; while others hold the rest it waits, so a few large pictures decode
// one after another, not side by side. A picture that needs more than the
// whole budget is not decoded at all.
namespace DecodeBudget
{

inline constexpr qint64 TotalBytes = 512LL * 1024 * 1024;

// What a decode holds at its peak: a few rows and the small picture it makes,
// and what its decoder keeps of the whole picture (wholeBytes): for a JPEG in
// several scans every coefficient, for a picture decoded at full size its
// pixels twice.
inline constexpr qint64 RowsBytes = 16LL * 1024 * 1024;
inline constexpr qint64 need(qint64 wholeBytes)
{
    return RowsBytes + wholeBytes;
}

// Holds a share of the budget for as long as it lives.
class Share
{
public:
    // Waits until bytes (at most TotalBytes) are free.
    explicit Share(qint64 bytes);
    ~Share();
    Share(const Share&) = delete;
    Share& operator=(const Share&) = delete;

private:
    int m_units;
};

} // namespace DecodeBudget
