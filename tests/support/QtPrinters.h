#pragma once

#include <QString>

#include <ostream>

// GoogleTest shows Qt strings as text rather than as bytes.
inline void PrintTo(const QString& inText, std::ostream* outStream) {
    *outStream << '"' << inText.toStdString() << '"';
}
