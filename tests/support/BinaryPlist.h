#pragma once

#include <QByteArray>

#include <plist/plist.h>

#include <cstdint>

// inRoot in the binary property-list form; frees inRoot.
inline QByteArray binaryPlist(plist_t inRoot) {
    char* bin = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(inRoot, &bin, &length);
    const QByteArray data(bin, static_cast<qsizetype>(length));
    plist_to_bin_free(bin);
    plist_free(inRoot);
    return data;
}
