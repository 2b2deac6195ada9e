#include "host/NotificationCenter.h"

#include <algorithm>

namespace host {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter sCenter;
    return sCenter;
}

bool NotificationCenter::isObserving(const QObject* inObserver) const {
    return std::any_of(mRegistrations.begin(), mRegistrations.end(),
                       [inObserver](const Registration& r) { return r.observer == inObserver; });
}

void NotificationCenter::addObserver(QObject* inObserver, Handler inHandler, const QString& inName,
                                     const QObject* inObject) {
    if (inObserver == nullptr || !inHandler) {
        return;
    }
    if (!isObserving(inObserver)) {
        connect(inObserver, &QObject::destroyed, this,
                [this](QObject* inGone) { removeObserver(inGone); });
    }
    mRegistrations.push_back(
        Registration{mNextID++, inObserver, inObserver, std::move(inHandler), inName, inObject});
}

void NotificationCenter::removeObserver(QObject* inObserver) {
    if (!isObserving(inObserver)) {
        return;
    }
    std::erase_if(mRegistrations,
                  [inObserver](const Registration& r) { return r.observer == inObserver; });
    disconnect(inObserver, &QObject::destroyed, this, nullptr);
}

void NotificationCenter::postNotificationName(const QString& inName, QObject* inObject) {
    std::vector<quint64> due;
    for (const Registration& r : mRegistrations) {
        if (r.name == inName && (r.object == nullptr || r.object == inObject)) {
            due.push_back(r.id);
        }
    }
    const Notification note{inName, inObject};
    for (const quint64 id : due) {
        const auto found = std::find_if(mRegistrations.begin(), mRegistrations.end(),
                                        [id](const Registration& r) { return r.id == id; });
        if (found == mRegistrations.end() || found->guard.isNull()) {
            continue;
        }
        // The handler may change the registrations, so it runs from a copy.
        const Handler handler = found->handler;
        handler(note);
    }
}

} // namespace host
