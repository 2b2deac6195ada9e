#pragma once

#include <QString>

#include <ostream>

// GoogleTest shows Qt strings as text rather than as bytes, in values and in messages.
inline void PrintTo(const QString& inText, std::ostream* outStream) {
    *outStream << '"' << inText.toStdString() << '"';
}
inline std::ostream& operator<<(std::ostream& outStream, const QString& inText) {
    return outStream << inText.toStdString();
}
