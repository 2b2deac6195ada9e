#pragma once

#include <QByteArray>

#include <optional>

// Sets an environment variable (unsets it for a null value) for the life of the object, then
// puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* inName, const QByteArray& inValue) : mName(inName) {
        if (qEnvironmentVariableIsSet(inName)) {
            mOld = qgetenv(inName);
        }
        set(inValue.isNull() ? std::nullopt : std::optional(inValue));
    }
    ~ScopedEnv() { set(mOld); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const std::optional<QByteArray>& inValue) const {
        inValue ? qputenv(mName, *inValue) : qunsetenv(mName);
    }
    const char* mName;
    std::optional<QByteArray> mOld;
};
