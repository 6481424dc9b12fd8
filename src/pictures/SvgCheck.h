// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Reads an SVG drawing's structure without drawing it, to judge whether it
// can be drawn within the decode budget: a drawing nested thousands deep, of
// millions of elements, or whose entities expand to a flood of text is
// refused before the SVG renderer builds it in memory.
namespace SvgCheck
{

inline constexpr qint64 MaxFileBytes = 8LL * 1024 * 1024;
inline constexpr int MaxDepth = 128;
inline constexpr int MaxElements = 200'000;
inline constexpr qint64 MaxTextCharacters = 8LL * 1024 * 1024;

enum class Verdict { Drawable, TooComplex, Unreadable };

Verdict check(const QString& path);

} // namespace SvgCheck
