#pragma once

#include <QString>

#include <chrono>

// Whether the session bus answers a client's first words within a time, asked on a socket of
// its own before anything else uses the bus: libdbus waits without end for a bus that takes the
// connection and then says nothing (a stopped bus daemon), and so would the toolkit.
struct SessionBusProbe {
    enum class State {
        Answers, // it replied
        Silent,  // it took the connection, or its socket is there, but said nothing in time
        Absent,  // nothing to connect to: libdbus finds that out at once itself
        Unknown, // an address this does not try (not a local socket); left to libdbus
    };
    State state = State::Unknown;
    QString address; // as libdbus would find it
};

SessionBusProbe probeSessionBus(std::chrono::milliseconds inWithin);
