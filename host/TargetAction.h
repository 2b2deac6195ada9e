#pragma once

#include <QByteArray>
#include <QObject>

namespace host {

// The name of an action: an invokable method of the target that takes the sender as its one
// QObject* argument. An empty selector is "no action".
class Selector {
public:
    Selector() = default;
    explicit Selector(const char* inName);

    bool isNull() const { return mName.isEmpty(); }
    const QByteArray& name() const { return mName; }
    // The normalized signature, "name(QObject*)", as the meta-object knows it.
    const QByteArray& signature() const { return mSignature; }

    friend bool operator==(const Selector& a, const Selector& b) { return a.mName == b.mName; }

    // The action's method index in inClass, or -1. A class's methods never change, so the
    // answer for the last class asked is kept: looking it up anew allocates.
    int methodIndex(const QMetaObject* inClass) const;

private:
    QByteArray mName;
    QByteArray mSignature;
    mutable const QMetaObject* mLastClass = nullptr;
    mutable int mLastIndex = -1;
};

// True when inTarget has an invokable method for inAction.
bool respondsToSelector(const QObject* inTarget, const Selector& inAction);

// Calls inAction on inTarget at once, on this thread, with inSender as the argument.
void performSelector(QObject* inTarget, const Selector& inAction, QObject* inSender);

} // namespace host
