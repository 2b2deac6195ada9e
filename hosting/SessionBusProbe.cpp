#include "hosting/SessionBusProbe.h"

#include <QByteArray>
#include <QFileInfo>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>

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

void append32(QByteArray& ioMessage, quint32 inValue) {
    for (int shift = 0; shift < 32; shift += 8) {
        ioMessage += static_cast<char>((inValue >> shift) & 0xFF);
    }
}

void alignTo(QByteArray& ioMessage, qsizetype inBoundary) {
    while (ioMessage.size() % inBoundary != 0) {
        ioMessage += '\0';
    }
}

// The bus's own "Hello", by which every client registers: a method call to the bus, in the
// protocol's little-endian form, with no body.
QByteArray hello() {
    QByteArray fields;
    const auto field = [&fields](char inCode, char inType, const char* inValue) {
        alignTo(fields, 8); // the array starts at offset 16, itself on an 8-byte boundary
        fields += inCode;
        fields += '\1'; // the signature of the value: one type, then its end
        fields += inType;
        fields += '\0';
        alignTo(fields, 4);
        append32(fields, static_cast<quint32>(std::strlen(inValue)));
        fields += inValue;
        fields += '\0';
    };
    field(1, 'o', "/org/freedesktop/DBus"); // path
    field(2, 's', "org.freedesktop.DBus");  // interface
    field(3, 's', "Hello");                 // member
    field(6, 's', "org.freedesktop.DBus");  // destination
    QByteArray message("l\1\0\1", 4);       // little-endian, a method call, no flags, version 1
    append32(message, 0);                   // body length
    append32(message, 1);                   // serial
    append32(message, static_cast<quint32>(fields.size()));
    message += fields;
    alignTo(message, 8);
    return message;
}

bool sendAll(int inSocket, const QByteArray& inBytes) {
    return ::send(inSocket, inBytes.constData(), static_cast<std::size_t>(inBytes.size()),
                  MSG_NOSIGNAL) == inBytes.size();
}

// What comes back before the deadline, up to a whole line when inLine: nothing when nothing
// does, empty when the bus closes the connection.
std::optional<QByteArray> answer(int inSocket, Clock::time_point inDeadline, bool inLine) {
    QByteArray got;
    char part[256];
    while (got.isEmpty() || (inLine && !got.contains("\r\n"))) {
        if (!waitFor(inSocket, POLLIN, inDeadline)) {
            return std::nullopt;
        }
        const ssize_t read = ::recv(inSocket, part, sizeof part, 0);
        if (read <= 0) {
            return QByteArray();
        }
        got.append(part, read);
    }
    return got;
}

SessionBusProbe::State stateOf(const std::optional<QByteArray>& inAnswer) {
    if (!inAnswer) {
        return SessionBusProbe::State::Silent;
    }
    return inAnswer->isEmpty() ? SessionBusProbe::State::Absent : SessionBusProbe::State::Answers;
}

// Connects, authenticates and registers as the bus's own clients do; a bus that answers the
// registration answers. One that takes the login and then says nothing (a daemon stopped behind
// a proxy) is silent, as one that says nothing at all. A login refused is left to libdbus, which
// says why as quickly.
SessionBusProbe::State ask(const Socket& inSocket, Clock::time_point inDeadline) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return SessionBusProbe::State::Unknown;
    }
    SessionBusProbe::State state = SessionBusProbe::State::Silent;
    const QByteArray uid = QByteArray::number(::getuid()).toHex();
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&inSocket.address), inSocket.length) != 0 &&
        errno != EAGAIN && errno != EINPROGRESS) {
        state = SessionBusProbe::State::Absent;
    } else if (waitFor(fd, POLLOUT, inDeadline) &&
               sendAll(fd, QByteArray(1, '\0') + "AUTH EXTERNAL " + uid + "\r\n")) {
        const std::optional<QByteArray> login = answer(fd, inDeadline, true);
        state = stateOf(login);
        if (state == SessionBusProbe::State::Answers && login->startsWith("OK ")) {
            state = sendAll(fd, "BEGIN\r\n" + hello()) ? stateOf(answer(fd, inDeadline, false))
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
