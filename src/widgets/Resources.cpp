// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Resources.h"

#include <QtGlobal>

// The pictures are compiled into the static library; a library's resources
// are only linked in when something names them, and only from outside any
// namespace.
static void initZorvikResources()
{
    Q_INIT_RESOURCE(zorvik);
}

void Resources::ensureLoaded()
{
    static const bool loaded = (initZorvikResources(), true);
    Q_UNUSED(loaded);
}
