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

private:
    QByteArray mName;
    QByteArray mSignature;
};

// True when inTarget has an invokable method for inAction.
bool respondsToSelector(const QObject* inTarget, const Selector& inAction);

// Calls inAction on inTarget at once, on this thread, with inSender as the argument.
void performSelector(QObject* inTarget, const Selector& inAction, QObject* inSender);

} // namespace host
