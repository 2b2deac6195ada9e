#pragma once

#include <QByteArray>

#include <cstdint>
#include <string>
#include <vector>

// Binary property lists built byte by byte, as a hostile or careless writer might make them.
namespace bplist {

using Bytes = std::vector<std::uint8_t>;

inline Bytes big(std::uint64_t inValue, std::size_t inSize) {
    Bytes bytes(inSize);
    for (std::size_t i = inSize; i-- > 0; inValue >>= 8) {
        bytes[i] = static_cast<std::uint8_t>(inValue & 0xFF);
    }
    return bytes;
}

inline Bytes& operator+=(Bytes& ioLeft, const Bytes& inRight) {
    ioLeft.insert(ioLeft.end(), inRight.begin(), inRight.end());
    return ioLeft;
}

inline Bytes operator+(Bytes inLeft, const Bytes& inRight) {
    return inLeft += inRight;
}

// A marker byte with its count; a large count follows as an integer object.
inline Bytes marker(std::uint8_t inType, std::uint64_t inCount) {
    if (inCount < 15) {
        return {static_cast<std::uint8_t>(inType | inCount)};
    }
    return Bytes{static_cast<std::uint8_t>(inType | 0x0F), 0x13} + big(inCount, 8);
}

inline Bytes ascii(const std::string& inText) {
    return marker(0x50, inText.size()) + Bytes(inText.begin(), inText.end());
}

// The list of inObjects, the first its root, with references of inRefSize bytes.
inline QByteArray list(const std::vector<Bytes>& inObjects, std::size_t inRefSize = 4) {
    Bytes data{'b', 'p', 'l', 'i', 's', 't', '0', '0'};
    Bytes table;
    for (const Bytes& object : inObjects) {
        table += big(data.size(), 4);
        data += object;
    }
    const std::uint64_t tableAt = data.size();
    data += table + Bytes(6) + Bytes{4, static_cast<std::uint8_t>(inRefSize)} +
            big(inObjects.size(), 8) + big(0, 8) + big(tableAt, 8);
    return {reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size())};
}

// {"k": [inCount references]}: to one inLeaf, 3 + inCount values, each reference counted; with
// inCopies, to a copy of it each: 2 + inCount values (and containers, for a container leaf).
inline QByteArray shared(std::uint64_t inCount, const Bytes& inLeaf, bool inCopies = false) {
    std::vector<Bytes> objects{Bytes{0xD1, 0, 0, 0, 1, 0, 0, 0, 2}, ascii("k"),
                               marker(0xA0, inCount)};
    for (std::uint64_t i = 0; i < inCount; ++i) {
        objects[2] += big(inCopies ? 3 + i : 3, 4);
        if (inCopies || i == 0) {
            objects.push_back(inLeaf);
        }
    }
    return list(objects);
}

// {"k": inDepth arrays, each in the one before}.
inline QByteArray nested(std::uint64_t inDepth) {
    std::vector<Bytes> objects{Bytes{0xD1, 0, 0, 0, 1, 0, 0, 0, 2}, ascii("k")};
    for (std::uint64_t i = 0; i < inDepth; ++i) {
        objects.push_back(Bytes{0xA1} + big(objects.size() + 1, 4));
    }
    objects.push_back(Bytes{0x09});
    return list(objects);
}

} // namespace bplist
