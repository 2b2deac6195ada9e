#pragma once

#include <QByteArray>

// Sets an environment variable (unsets it for a null value) for the life of the object, then
// puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* inName, const QByteArray& inValue)
        : mName(inName), mHad(qEnvironmentVariableIsSet(inName)), mOld(qgetenv(inName)) {
        if (inValue.isNull()) {
            qunsetenv(inName);
        } else {
            qputenv(inName, inValue);
        }
    }
    ~ScopedEnv() {
        if (mHad) {
            qputenv(mName, mOld);
        } else {
            qunsetenv(mName);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* mName;
    bool mHad;
    QByteArray mOld;
};
