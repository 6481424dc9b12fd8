#include "web/ProgramIcon.h"

// The pictures are compiled into the static library; a library's resources
// are only linked in when something names them.
static void initResources()
{
    Q_INIT_RESOURCE(zorvik);
}

static void ensureResources()
{
    static const bool loaded = (initResources(), true);
    Q_UNUSED(loaded);
}

QPixmap ProgramIcon::picture()
{
    ensureResources();
    return QPixmap(QStringLiteral(":/icon-32.png"));
}

QIcon ProgramIcon::windowIcon()
{
    ensureResources();
    QIcon icon(QStringLiteral(":/icon-256.png"));
    icon.addFile(QStringLiteral(":/icon-32.png"));
    return icon;
}
