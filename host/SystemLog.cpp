#include "host/SystemLog.h"

#include "host/Printable.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <syslog.h>

namespace host {

void systemLog(const char* inFormat, ...) {
    va_list args;
    va_start(args, inFormat);
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, inFormat, sizing);
    va_end(sizing);
    std::string line(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) {
        std::vsnprintf(line.data(), line.size() + 1, inFormat, args);
    }
    va_end(args);
    // Its arguments may name paths and devices: one line, with nothing a terminal would act on.
    const QByteArray shown = printable(QString::fromUtf8(line)).toUtf8();

    syslog(LOG_NOTICE, "%s", shown.constData());
    std::fprintf(stderr, "%s\n", shown.constData());
    std::fflush(stderr);
}

QString systemMessage(int inError) {
    return QString::fromLocal8Bit(std::strerror(inError));
}

QString loggedSystemMessage(int inError) {
    static const locale_t sC = newlocale(LC_ALL_MASK, "C", nullptr);
    return QString::fromUtf8(sC != nullptr ? strerror_l(inError, sC) : std::strerror(inError));
}

} // namespace host
