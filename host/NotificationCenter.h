#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

namespace host {

// What an observer receives: the name posted and the object that posted it.
struct Notification {
    QString name;
    QObject* object = nullptr;
};

// Delivers named notifications to the observers registered for them. A post reaches every
// matching observer synchronously, on the posting thread, before it returns. Observers may add
// or remove observers and post again while being notified: one removed meanwhile is not called,
// one added meanwhile waits for the next post. An observer that is destroyed is removed.
class NotificationCenter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const Notification&)>;

    // The process's center, created on first use.
    static NotificationCenter& defaultCenter();

    // inHandler runs for each post of inName; for posts by inObject only, or by any object when
    // inObject is null.
    void addObserver(QObject* inObserver, Handler inHandler, const QString& inName,
                     const QObject* inObject);
    template <class T>
    void addObserver(T* inObserver, void (T::*inSelector)(const Notification&),
                     const QString& inName, const QObject* inObject) {
        addObserver(
            inObserver,
            [inObserver, inSelector](const Notification& inNote) {
                (inObserver->*inSelector)(inNote);
            },
            inName, inObject);
    }
    // Removes every registration of inObserver.
    void removeObserver(QObject* inObserver);

    void postNotificationName(const QString& inName, QObject* inObject);

private:
    struct Registration {
        quint64 id;
        QObject* observer; // compared only; the guard says whether it is still alive
        QPointer<QObject> guard;
        Handler handler;
        QString name;
        const QObject* object;
    };

    bool isObserving(const QObject* inObserver) const;

    std::vector<Registration> mRegistrations;
    quint64 mNextID = 1;
};

} // namespace host
