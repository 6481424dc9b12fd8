#include "web/ProgramIcon.h"

// The pictures are compiled into the static library; a library's resources
// are only linked in when something names them.
static void initResources()
{
    Q_INIT_RESOURCE(zorvik);
}

QPixmap ProgramIcon::picture()
{
    static const bool loaded = (initResources(), true);
    Q_UNUSED(loaded);
    return QPixmap(QStringLiteral(":/icon-32.png"));
}
