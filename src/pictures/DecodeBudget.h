// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The memory all decodes of the process may hold at once, whatever the number
// of cores. A decode takes its share before it starts and gives it back when
// done; while others hold the rest it waits, so a few large pictures decode
// one after another, not side by side. A picture that needs more than the
// whole budget is not decoded at all.
namespace DecodeBudget
{

inline constexpr qint64 TotalBytes = 512LL * 1024 * 1024;

// What decoding the file will hold at its peak, from its header: for a
// progressive JPEG every coefficient of the whole picture, for a BMP the
// picture at full size twice; a baseline JPEG is decoded a few rows at a
// time, scaled, and needs little.
qint64 need(const QString& path, qint64 pixels, bool jpeg);

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
