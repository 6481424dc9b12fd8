// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace FileFilter
{

// Turns "description|pattern|…" into Qt name filters. Each Qt filter keeps the
// description as written and adds the pattern in the trailing parentheses Qt
// reads its patterns from; QFileDialog::HideNameFilterDetails hides that part.
QStringList toQtFilters(const QString& pairs);

} // namespace FileFilter
