#include "device/Backend.h"

#include <algorithm>

namespace device {

std::vector<Transmitter> Backend::transmitters() {
    std::vector<Transmitter> found = mPresent;
    for (Transmitter& transmitter : found) {
        transmitter.access = access(transmitter);
    }
    return found;
}

void Backend::watch(Watcher inWatcher) {
    mWatcher = std::move(inWatcher);
    if (mWatcher) {
        for (const Transmitter& transmitter : mPresent) {
            mWatcher(Change::Arrived, transmitter);
        }
    }
}

void Backend::arrived(Transmitter inTransmitter) {
    if (std::any_of(mPresent.begin(), mPresent.end(),
                    [&](const Transmitter& t) { return t.name == inTransmitter.name; })) {
        return;
    }
    mPresent.push_back(inTransmitter);
    if (mWatcher) {
        mWatcher(Change::Arrived, inTransmitter);
    }
}

void Backend::removed(std::string_view inName) {
    const auto gone = std::find_if(mPresent.begin(), mPresent.end(),
                                   [&](const Transmitter& t) { return t.name == inName; });
    if (gone == mPresent.end()) {
        return;
    }
    const Transmitter removal = std::move(*gone);
    mPresent.erase(gone);
    if (mWatcher) {
        mWatcher(Change::Removed, removal);
    }
}

void Backend::resumed() {
    for (const Transmitter& transmitter : mPresent) {
        if (mWatcher) {
            mWatcher(Change::Resumed, transmitter);
        }
    }
}

} // namespace device
