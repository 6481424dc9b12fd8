// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StalledBuses.h"

#include <QByteArray>
#include <QList>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

// A socket connected to the first unix address of a D-Bus address, or -1
// when there is none to reach (then the bus fails at once anyway).
int connectTo(const QByteArray& address)
{
    const QByteArray first = address.split(';').value(0);
    if (!first.startsWith("unix:"))
        return -1;
    QByteArray path;
    bool abstract = false;
    for (const QByteArray& pair : first.mid(5).split(',')) {
        if (pair.startsWith("path="))
            path = pair.mid(5);
        else if (pair.startsWith("abstract=")) {
            path = pair.mid(9);
            abstract = true;
        }
    }
    sockaddr_un place{};
    place.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) + 1 >= sizeof place.sun_path)
        return -1;
    std::memcpy(place.sun_path + (abstract ? 1 : 0), path.constData(), size_t(path.size()));
    const auto length =
        socklen_t(offsetof(sockaddr_un, sun_path) + size_t(path.size()) + (abstract ? 1 : 0));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return -1;
    // The first thing a bus hears: its answer, OK or REJECTED, shows it is alive.
    const QByteArray hello =
        QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(getuid()).toHex() + "\r\n";
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&place), length) != 0 ||
        ::write(socket, hello.constData(), size_t(hello.size())) != hello.size()) {
        ::close(socket);
        return -1;
    }
    return socket;
}

} // namespace

QStringList StalledBuses::setAside(int withinMs)
{
    struct Bus {
        QString name;
        const char* variable;
        QByteArray fallback; // where the library looks without the variable
        int socket = -1;
    };
    QList<Bus> buses{{QStringLiteral("session"), "DBUS_SESSION_BUS_ADDRESS", {}},
                     {QStringLiteral("system"), "DBUS_SYSTEM_BUS_ADDRESS",
                      "unix:path=/var/run/dbus/system_bus_socket"}};
    QList<pollfd> waiting;
    for (Bus& bus : buses) {
        const QByteArray address = qgetenv(bus.variable);
        bus.socket = connectTo(address.isEmpty() ? bus.fallback : address);
        if (bus.socket >= 0)
            waiting.append({bus.socket, POLLIN, 0});
    }
    // Both are asked at once, so two stalled buses cost the time only once.
    for (int left = int(waiting.size()); left > 0;) {
        const int ready = poll(waiting.data(), nfds_t(waiting.size()), withinMs);
        if (ready <= 0)
            break;
        for (pollfd& entry : waiting)
            if (entry.revents != 0 && entry.fd >= 0) {
                for (Bus& bus : buses)
                    if (bus.socket == entry.fd)
                        bus.socket = -1; // answered, or closed: not stalled
                ::close(entry.fd);
                entry.fd = -1; // poll skips it from now on
                --left;
            }
    }
    QStringList setAside;
    for (const Bus& bus : buses)
        if (bus.socket >= 0) {
            ::close(bus.socket);
            qputenv(bus.variable, "unix:path=/nonexistent/bus-that-did-not-answer");
            setAside << bus.name;
        }
    return setAside;
}
