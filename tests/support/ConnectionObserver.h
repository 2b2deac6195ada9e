#pragma once

#include "device/ServiceRegistry.h"
#include "device/xr_device.h"
#include "host/NotificationCenter.h"

#include <QObject>

#include <functional>
#include <vector>

// Records each connection notification with what the link and its device services reported
// from inside it.
class ConnectionObserver : public QObject {
public:
    struct Seen {
        QObject* object;
        bool connected;
        UInt16 hardwareVersion;
        device::HeldReferences held;
    };

    ConnectionObserver(xr_device& inLink, const device::ServiceRegistry& inServices) {
        host::NotificationCenter::defaultCenter().addObserver(
            this,
            [this, &inLink, &inServices](const host::Notification& inNote) {
                seen.push_back({inNote.object, inLink.connected(), inLink.hardwareVersion(),
                                inServices.held()});
                if (alsoDo) {
                    alsoDo();
                }
            },
            gConnectionNotification, nullptr);
    }

    std::vector<Seen> seen;
    // Runs inside each notification, after it has been recorded.
    std::function<void()> alsoDo;
};
