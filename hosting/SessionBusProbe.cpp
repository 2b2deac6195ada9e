#include "hosting/SessionBusProbe.h"

#include <QByteArray>
#include <QFileInfo>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Socket {
    sockaddr_un address{AF_UNIX, {}};
    socklen_t length = 0;
};

// A "unix:path=..." or "unix:abstract=..." entry of a bus address, its values %-escaped.
std::optional<Socket> localSocket(const QString& inEntry) {
    if (!inEntry.startsWith("unix:")) {
        return std::nullopt;
    }
    for (const QString& pair : inEntry.mid(5).split(',')) {
        const QString key = pair.section('=', 0, 0);
        const QByteArray value = QByteArray::fromPercentEncoding(pair.section('=', 1).toUtf8());
        if ((key != "path" && key != "abstract") ||
            value.size() >= static_cast<qsizetype>(sizeof Socket::address.sun_path)) {
            continue;
        }
        Socket socket;
        const std::size_t start = key == "abstract" ? 1 : 0; // a leading NUL names it
        std::memcpy(socket.address.sun_path + start, value.constData(), value.size());
        socket.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + start +
                                               value.size() + (start == 0 ? 1 : 0));
        return socket;
    }
    return std::nullopt;
}

int millisecondsLeft(Clock::time_point inDeadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(inDeadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool waitFor(int inSocket, short inEvents, Clock::time_point inDeadline) {
    pollfd ready{inSocket, inEvents, 0};
    int result = 0;
    while ((result = ::poll(&ready, 1, millisecondsLeft(inDeadline))) < 0 && errno == EINTR) {
    }
    return result > 0;
}

// Connects and offers to authenticate as the bus's own clients do; any line back is an answer.
SessionBusProbe::State ask(const Socket& inSocket, Clock::time_point inDeadline) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return SessionBusProbe::State::Unknown;
    }
    SessionBusProbe::State state = SessionBusProbe::State::Silent;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&inSocket.address), inSocket.length) != 0 &&
        errno != EAGAIN && errno != EINPROGRESS) {
        state = SessionBusProbe::State::Absent;
    } else if (waitFor(fd, POLLOUT, inDeadline)) {
        const std::string uid = QByteArray::number(::getuid()).toHex().toStdString();
        const std::string hello = std::string(1, '\0') + "AUTH EXTERNAL " + uid + "\r\n";
        char reply[256];
        if (::send(fd, hello.data(), hello.size(), MSG_NOSIGNAL) ==
                static_cast<ssize_t>(hello.size()) &&
            waitFor(fd, POLLIN, inDeadline)) {
            state = ::recv(fd, reply, sizeof reply, 0) > 0 ? SessionBusProbe::State::Answers
                                                           : SessionBusProbe::State::Absent;
        }
    }
    ::close(fd);
    return state;
}

} // namespace

SessionBusProbe probeSessionBus(std::chrono::milliseconds inWithin) {
    SessionBusProbe probe;
    probe.address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (probe.address.isEmpty()) {
        // Where libdbus looks when no address is given, before it tries to start a bus.
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR") + "/bus";
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") || !QFileInfo::exists(runtime)) {
            return probe;
        }
        probe.address = "unix:path=" + runtime;
    }
    const Clock::time_point deadline = Clock::now() + inWithin;
    // libdbus tries the entries in turn, up to the first that connects.
    probe.state = SessionBusProbe::State::Absent;
    for (const QString& entry : probe.address.split(';', Qt::SkipEmptyParts)) {
        const std::optional<Socket> socket = localSocket(entry);
        probe.state = socket ? ask(*socket, deadline) : SessionBusProbe::State::Unknown;
        if (probe.state != SessionBusProbe::State::Absent) {
            break;
        }
    }
    return probe;
}
