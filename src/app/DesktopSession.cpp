// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopSession.h"

#include "app/Translations.h"

#include <QList>
#include <QMutex>
#include <cstdio>
#include <cstdlib>

const char DesktopSession::NoDesktopMessage[] = QT_TRANSLATE_NOOP(
    "DesktopSession",
    "zorvik-subliminal-images needs a desktop session (an X11 display, or XWayland under "
    "Wayland) and found none to connect to.\n");

namespace
{

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QMutex heldLock;
QList<HeldMessage> held;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // Only the platform's failure to connect is fatal here. Qt's abort
        // would follow, with advice that does not apply.
        const QString message =
            Translations::text("DesktopSession", DesktopSession::NoDesktopMessage);
        std::fputs(message.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(DesktopSession::NoDesktopStatus);
    }
    const QMutexLocker locker(&heldLock);
    held.append({type, QByteArray(context.category ? context.category : "default"), text});
}

} // namespace

std::unique_ptr<QApplication> DesktopSession::connect(int& argc, char** argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);

    QList<HeldMessage> messages;
    {
        const QMutexLocker locker(&heldLock);
        messages.swap(held);
    }
    for (const HeldMessage& message : std::as_const(messages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    return application;
}
