#include "host/PropertyList.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "host/LibPlist.h"
#include "host/PlistTree.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {

namespace {

constexpr std::size_t sBinaryHeaderSize = 8;
constexpr std::size_t sBinaryTrailerSize = 32;

// Big-endian; of a field wider than eight bytes libplist reads only the last eight.
std::uint64_t bigEndian(const unsigned char* inBytes, std::uint64_t inSize) {
    if (inSize > 8) {
        inBytes += inSize - 8;
        inSize = 8;
    }
    std::uint64_t value = 0;
    for (std::uint64_t i = 0; i < inSize; ++i) {
        value = value << 8 | inBytes[i];
    }
    return value;
}

// Of a 16-byte integer at inBytes, with inRoom bytes to the offset table.
bool highHalfZero(const unsigned char* inBytes, std::uint64_t inRoom) {
    return inRoom >= 16 &&
           std::all_of(inBytes, inBytes + 8, [](unsigned char b) { return b == 0; });
}

// libplist drops a surrogate that is not one of a pair, and its key getter asserts on a key
// holding U+0000, which takes the process down.
bool utf16Keepable(const unsigned char* inUnits, std::uint64_t inCount, bool inIsKey) {
    bool lead = false; // the unit before was a leading surrogate
    for (std::uint64_t i = 0; i < inCount; ++i) {
        const unsigned unit = unsigned{inUnits[2 * i]} << 8 | inUnits[2 * i + 1];
        const bool isLead = unit >= 0xD800 && unit <= 0xDBFF;
        const bool isTrail = unit >= 0xDC00 && unit <= 0xDFFF;
        if ((lead && !isTrail) || (!lead && isTrail) || (inIsKey && unit == 0)) {
            return false;
        }
        lead = isLead;
    }
    return !lead;
}

// Walks a binary list's objects as libplist reads them, shared ones once per reference. A list
// that is malformed on the way is refused: libplist refuses it as well. A value libplist reads
// otherwise than the list holds it clears *outExact; a key it would misread refuses the list.
bool binaryWithinBounds(const QByteArray& inData, bool* outExact) {
    const auto* data = reinterpret_cast<const unsigned char*>(inData.constData());
    const auto size = static_cast<std::uint64_t>(inData.size());
    if (size < sBinaryHeaderSize + sBinaryTrailerSize) {
        return false;
    }
    const unsigned char* trailer = data + size - sBinaryTrailerSize;
    const std::uint64_t offsetSize = trailer[6];
    const std::uint64_t refSize = trailer[7];
    const std::uint64_t objectCount = bigEndian(trailer + 8, 8);
    const std::uint64_t root = bigEndian(trailer + 16, 8);
    const std::uint64_t table = bigEndian(trailer + 24, 8); // objects end where it starts
    const std::uint64_t tableEnd = size - sBinaryTrailerSize;
    if (offsetSize == 0 || refSize == 0 || objectCount == 0 || root >= objectCount ||
        table < sBinaryHeaderSize || table >= tableEnd ||
        objectCount > (tableEnd - table) / offsetSize) {
        return false;
    }

    struct Pending {
        std::uint64_t index;
        bool isKey;
    };
    std::vector<Pending> pending{{root, false}};
    std::uint64_t values = 0;
    std::uint64_t containers = 0;
    std::uint64_t payload = 0; // bytes of strings and data
    while (!pending.empty()) {
        const auto [index, isKey] = pending.back();
        pending.pop_back();
        ++values;
        std::uint64_t at = bigEndian(data + table + index * offsetSize, offsetSize);
        if (at < sBinaryHeaderSize || at >= table) {
            return false;
        }
        const unsigned type = data[at] & 0xF0u;
        std::uint64_t count = data[at] & 0x0Fu;
        ++at;
        // Keys are strings; libplist's key getter takes anything else, or a U+0000 in one, down.
        if (isKey && type != 0x50 && type != 0x60) {
            return false;
        }
        // libplist reads a set as an array, and keeps only the last eight bytes of a 16-byte
        // integer, as an unsigned one: written back, the value would change.
        if (type == 0xC0 || (type == 0x10 && count == 4 && !highHalfZero(data + at, table - at))) {
            *outExact = false;
        }
        // A set is walked as the array libplist makes of it.
        const bool counted = type == 0x40 || type == 0x50 || type == 0x60 || type == 0xA0 ||
                             type == 0xC0 || type == 0xD0;
        if (!counted) {
            continue;
        }
        if (count == 0x0F) { // the count follows as an integer object
            if (at >= table || (data[at] & 0xF0u) != 0x10) {
                return false;
            }
            const std::uint64_t width = std::uint64_t{1} << (data[at] & 0x0Fu);
            ++at;
            if (width > table - at) {
                return false;
            }
            count = bigEndian(data + at, width);
            at += width;
        }
        const std::uint64_t room = table - at;
        if (type == 0x40 || type == 0x50 || type == 0x60) {
            const std::uint64_t unit = type == 0x60 ? 2 : 1; // UTF-16 characters
            if (count > room / unit) {
                return false;
            }
            payload += count * unit;
            if (payload > Dictionary::sMaxPayload) {
                return false;
            }
            // libplist ends an ASCII string at its first U+0000, and writes one holding a byte
            // above 0x7F back as text that is no longer the same.
            const auto* ascii = data + at;
            if ((type == 0x50 && std::any_of(ascii, ascii + count,
                                             [](unsigned char b) { return b == 0 || b > 0x7F; })) ||
                (type == 0x60 && !utf16Keepable(data + at, count, isKey))) {
                if (isKey) {
                    return false;
                }
                *outExact = false;
            }
            continue;
        }
        if (++containers > Dictionary::sMaxContainers) {
            return false;
        }
        const std::uint64_t refs = type == 0xD0 ? 2 : 1; // a dictionary's keys, then its values
        if (count > Dictionary::sMaxValues ||
            count * refs > Dictionary::sMaxValues - values - pending.size() ||
            count * refs > room / refSize) {
            return false;
        }
        for (std::uint64_t i = 0; i < count * refs; ++i) {
            const std::uint64_t child = bigEndian(data + at + i * refSize, refSize);
            if (child >= objectCount) {
                return false;
            }
            pending.push_back({child, type == 0xD0 && i < count});
        }
    }
    return true;
}

// Every dictionary and array libplist makes of XML starts at one of these in the text, so their
// number bounds both how many it makes and how deep they nest, however the text is laid out. Each
// value takes one or two tags, so the tags bound the values, and with them the time libplist
// takes; the exact count is checked once it has parsed. libplist decodes each entity by moving
// the rest of its text, so their number times the size is its time.
bool xmlWithinBounds(const QByteArray& inData) {
    // libplist 2.2 reads XML only, which starts with a tag; nothing else reaches its parser.
    const qsizetype first = [&inData] {
        qsizetype i = 0;
        while (i < inData.size() &&
               (inData[i] == ' ' || inData[i] == '\t' || inData[i] == '\r' || inData[i] == '\n')) {
            ++i;
        }
        return i;
    }();
    if (first == inData.size() || inData[first] != '<') {
        return false;
    }
    constexpr std::uint64_t sProlog = 8; // <?xml, <!DOCTYPE, <plist>, </plist> and some to spare
    const std::uint64_t containers = static_cast<std::uint64_t>(inData.count("<dict")) +
                                     static_cast<std::uint64_t>(inData.count("<array"));
    return containers <= Dictionary::sMaxContainers &&
           static_cast<std::uint64_t>(inData.count('<')) <= 2 * Dictionary::sMaxValues + sProlog &&
           static_cast<std::uint64_t>(inData.count('&')) <= Dictionary::sMaxEscapes;
}

// What libplist made of a list, counted as the bounds count it.
struct Shape {
    std::size_t values = 0;
    std::size_t containers = 0;
    std::size_t depth = 0;
    std::size_t payload = 0;
    std::size_t escapes = 0;
    bool repeatedKey = false; // a dictionary holds one key twice

    void addText(const char* inText, std::size_t inLength) {
        payload += inLength;
        escapes += static_cast<std::size_t>(std::count_if(
            inText, inText + inLength, [](char c) { return c == '&' || c == '<' || c == '>'; }));
    }
};

Shape shapeOf(plist_t inRoot) {
    Shape shape;
    std::vector<std::pair<plist_t, std::size_t>> pending{{inRoot, 0}};
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        ++shape.values;
        std::uint64_t length = 0;
        switch (plist_get_node_type(node)) {
        case PLIST_STRING:
            if (const char* text = plist_get_string_ptr(node, &length)) {
                shape.addText(text, length);
            }
            break;
        case PLIST_DATA:
            plist_get_data_ptr(node, &length);
            shape.payload += length;
            break;
        case PLIST_ARRAY: {
            ++shape.containers;
            shape.depth = std::max(shape.depth, depth + 1);
            // By iterator: libplist finds an item by its index from the front.
            plist_array_iter it = nullptr;
            plist_array_new_iter(node, &it);
            for (plist_t item = nullptr; plist_array_next_item(node, it, &item), item != nullptr;) {
                pending.emplace_back(item, depth + 1);
            }
            free(it);
            break;
        }
        case PLIST_DICT: {
            ++shape.containers;
            shape.depth = std::max(shape.depth, depth + 1);
            std::set<std::string> keys;
            plist_dict_iter it = nullptr;
            plist_dict_new_iter(node, &it);
            for (;;) {
                char* key = nullptr;
                plist_t value = nullptr;
                plist_dict_next_item(node, it, &key, &value);
                if (value == nullptr) {
                    break;
                }
                if (key != nullptr) {
                    ++shape.values;
                    shape.addText(key, std::strlen(key));
                    shape.repeatedKey = shape.repeatedKey || !keys.insert(key).second;
                }
                free(key);
                pending.emplace_back(value, depth + 1);
            }
            free(it);
            break;
        }
        default:
            break;
        }
    }
    return shape;
}

// A tree libplist built that a settings file may be: a dictionary within the bounds, with no key
// twice when it came from binary (lookups find the first; libplist reads XML keeping only the
// last, so written out and read back, the pane's own value would be lost).
bool takesTree(plist_t inRoot, bool inBinary) {
    const Shape shape = shapeOf(inRoot);
    return plist_get_node_type(inRoot) == PLIST_DICT && shape.values <= Dictionary::sMaxValues &&
           shape.containers <= Dictionary::sMaxContainers && shape.depth <= Dictionary::sMaxDepth &&
           shape.payload <= Dictionary::sMaxPayload && shape.escapes <= Dictionary::sMaxEscapes &&
           !(inBinary && shape.repeatedKey);
}

// libplist 2.2 follows nesting by recursion, and it copies a binary list's shared object once
// for every reference to it: deep nesting overflows the stack, and a few hundred bytes of
// shared references expand to gigabytes. A list beyond the bounds is refused before it gets
// there.
bool withinBounds(const QByteArray& inData, bool* outExact) {
    return inData.startsWith("bplist") ? binaryWithinBounds(inData, outExact)
                                       : xmlWithinBounds(inData);
}

// libplist reads and writes reals with the C library's numeric locale, which Qt sets from the
// environment: under a decimal-comma locale "0.25" reads as 0 and is written back so. Its calls
// run in the "C" locale, on this thread only.
class CLocale {
public:
    CLocale() : mPrevious(uselocale(locale())) {}
    ~CLocale() { uselocale(mPrevious); }
    CLocale(const CLocale&) = delete;
    CLocale& operator=(const CLocale&) = delete;

private:
    static locale_t locale() {
        static const locale_t sC = newlocale(LC_ALL_MASK, "C", nullptr);
        return sC;
    }
    locale_t mPrevious;
};

// What XML 1.0 holds, as a standard reader reads it back: characters other than the control
// characters (tab and line feed aside; a carriage return reads back as a line feed) and U+FFFE,
// U+FFFF, in valid UTF-8; dates with a four-digit year (libplist writes a year before 1000
// unpadded, one after 9999 with five digits); no UID, which XML holds only as a dictionary.
bool xmlCanHold(const QByteArray& inXml) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(inXml);
    if (utf8.hasError() || inXml.contains("<key>CF$UID</key>")) {
        return false;
    }
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if ((unit < 0x20 && unit != '\t' && unit != '\n') || unit == 0xFFFE || unit == 0xFFFF) {
            return false;
        }
    }
    constexpr QByteArrayView sDate = "<date>";
    for (qsizetype at = inXml.indexOf(sDate); at >= 0; at = inXml.indexOf(sDate, at + 1)) {
        const QByteArray year = inXml.mid(at + sDate.size(), 5);
        if (year.size() < 5 || year[4] != '-' || year.startsWith("0000") ||
            !std::all_of(year.begin(), year.begin() + 4,
                         [](char c) { return c >= '0' && c <= '9'; })) {
            return false;
        }
    }
    return true;
}

QByteArray binaryOf(plist_t inRoot) {
    char* binary = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(inRoot, &binary, &length);
    QByteArray result(binary, static_cast<qsizetype>(length));
    libplist::freeText(binary);
    return result;
}

// inData, read as a settings file is read, gives inRoot exactly.
bool readsBackAs(const QByteArray& inData, plist_t inRoot) {
    bool exact = true;
    if (inData.isEmpty() || !withinBounds(inData, &exact)) {
        return false;
    }
    plist_t back = nullptr;
    {
        const CLocale cLocale;
        back = libplist::fromMemory(inData.constData(), static_cast<std::uint32_t>(inData.size()));
    }
    const bool same = back != nullptr && libplist::sameTree(back, inRoot);
    if (back != nullptr) {
        plist_free(back);
    }
    return same;
}

plist_t item(void* inRoot, const char* inKey) {
    return plist_dict_get_item(static_cast<plist_t>(inRoot), inKey);
}

std::int64_t integerValue(plist_t inNode) {
    std::uint64_t bits = 0;
    plist_get_uint_val(inNode, &bits);
    if (libplist::integerIsNegative(inNode)) {
        return static_cast<std::int64_t>(bits);
    }
    if (bits > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return static_cast<std::int64_t>(bits);
}

std::int64_t realValue(plist_t inNode) {
    double value = 0.0;
    plist_get_real_val(inNode, &value);
    if (std::isnan(value)) {
        return 0;
    }
    // 2^63 exactly: every double below it converts without overflow.
    constexpr double sLimit = 9223372036854775808.0;
    if (value >= sLimit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value < -sLimit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(value); // toward zero
}

// Up to the first U+0000, which a string of either form may hold. libplist's own getter asserts
// that there is none and takes the whole process down.
std::string stringOf(plist_t inNode) {
    std::uint64_t length = 0;
    const char* text = plist_get_string_ptr(inNode, &length);
    return text != nullptr ? std::string(text, strnlen(text, length)) : std::string();
}

// The leading decimal integer of a string, after blanks and an optional sign; saturating.
std::int64_t leadingInteger(const std::string& inText) {
    std::size_t i = 0;
    while (i < inText.size() && std::isspace(static_cast<unsigned char>(inText[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < inText.size() && (inText[i] == '+' || inText[i] == '-')) {
        negative = inText[i] == '-';
        ++i;
    }
    std::uint64_t magnitude = 0;
    constexpr std::uint64_t sCap = std::uint64_t{1} << 63;
    for (; i < inText.size() && std::isdigit(static_cast<unsigned char>(inText[i])); ++i) {
        const auto digit = static_cast<std::uint64_t>(inText[i] - '0');
        magnitude = magnitude > (sCap - digit) / 10 ? sCap : magnitude * 10 + digit;
    }
    if (negative) {
        return magnitude >= sCap ? std::numeric_limits<std::int64_t>::min()
                                 : -static_cast<std::int64_t>(magnitude);
    }
    return magnitude >= sCap ? std::numeric_limits<std::int64_t>::max()
                             : static_cast<std::int64_t>(magnitude);
}

bool stringIsTrue(const std::string& inText) {
    std::size_t i = 0;
    while (i < inText.size() && std::isspace(static_cast<unsigned char>(inText[i]))) {
        ++i;
    }
    if (i < inText.size() && (inText[i] == '+' || inText[i] == '-')) {
        ++i;
    }
    while (i < inText.size() && inText[i] == '0') {
        ++i;
    }
    if (i >= inText.size()) {
        return false;
    }
    const char c = inText[i];
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

} // namespace

bool libplist::sameTree(plist_t inLeft, plist_t inRight) {
    std::vector<std::pair<plist_t, plist_t>> pending{{inLeft, inRight}};
    while (!pending.empty()) {
        const auto [left, right] = pending.back();
        pending.pop_back();
        const plist_type type = plist_get_node_type(left);
        if (type != plist_get_node_type(right)) {
            return false;
        }
        if (type == PLIST_STRING) {
            std::uint64_t leftLength = 0;
            std::uint64_t rightLength = 0;
            const char* leftText = plist_get_string_ptr(left, &leftLength);
            const char* rightText = plist_get_string_ptr(right, &rightLength);
            if (leftLength != rightLength ||
                (leftLength > 0 && std::memcmp(leftText, rightText, leftLength) != 0)) {
                return false;
            }
        } else if (type == PLIST_ARRAY) {
            if (plist_array_get_size(left) != plist_array_get_size(right)) {
                return false;
            }
            plist_array_iter leftIt = nullptr;
            plist_array_iter rightIt = nullptr;
            plist_array_new_iter(left, &leftIt);
            plist_array_new_iter(right, &rightIt);
            for (plist_t leftItem = nullptr, rightItem = nullptr;
                 plist_array_next_item(left, leftIt, &leftItem),
                         plist_array_next_item(right, rightIt, &rightItem), leftItem != nullptr;) {
                pending.emplace_back(leftItem, rightItem);
            }
            free(leftIt);
            free(rightIt);
        } else if (type == PLIST_DICT) {
            if (plist_dict_get_size(left) != plist_dict_get_size(right)) {
                return false;
            }
            plist_dict_iter leftIt = nullptr;
            plist_dict_iter rightIt = nullptr;
            plist_dict_new_iter(left, &leftIt);
            plist_dict_new_iter(right, &rightIt);
            bool sameKeys = true;
            for (;;) {
                char* leftKey = nullptr;
                char* rightKey = nullptr;
                plist_t leftValue = nullptr;
                plist_t rightValue = nullptr;
                plist_dict_next_item(left, leftIt, &leftKey, &leftValue);
                plist_dict_next_item(right, rightIt, &rightKey, &rightValue);
                // Keys hold no U+0000: a list with one is not read.
                sameKeys = sameKeys && (leftKey == nullptr) == (rightKey == nullptr) &&
                           (leftKey == nullptr || std::strcmp(leftKey, rightKey) == 0);
                free(leftKey);
                free(rightKey);
                if (leftValue == nullptr || rightValue == nullptr) {
                    break;
                }
                pending.emplace_back(leftValue, rightValue);
            }
            free(leftIt);
            free(rightIt);
            if (!sameKeys) {
                return false;
            }
        } else if (plist_compare_node_value(left, right) == 0) {
            return false;
        }
    }
    return true;
}

Dictionary::Dictionary() : mRoot(plist_new_dict()) {
}

Dictionary::Dictionary(void* inRoot) : mRoot(inRoot) {
}

Dictionary::~Dictionary() {
    if (mRoot != nullptr) {
        plist_free(static_cast<plist_t>(mRoot));
    }
}

Dictionary::Dictionary(Dictionary&& inOther) noexcept
    : mRoot(inOther.mRoot), mExact(inOther.mExact) {
    inOther.mRoot = nullptr;
}

Dictionary& Dictionary::operator=(Dictionary&& inOther) noexcept {
    std::swap(mRoot, inOther.mRoot);
    std::swap(mExact, inOther.mExact);
    return *this;
}

std::optional<Dictionary> Dictionary::fromData(const QByteArray& inData) {
    bool exact = true;
    if (inData.isEmpty() || inData.size() > sMaxSize || !withinBounds(inData, &exact)) {
        return std::nullopt;
    }
    plist_t root = nullptr;
    {
        const CLocale cLocale;
        root = libplist::fromMemory(inData.constData(), static_cast<std::uint32_t>(inData.size()));
    }
    if (root == nullptr) {
        return std::nullopt;
    }
    if (!takesTree(root, inData.startsWith("bplist"))) {
        plist_free(root);
        return std::nullopt;
    }
    Dictionary dict(root);
    dict.mExact = exact;
    if (dict.toData()) {
        return dict;
    }
    // No form holds a value as it was read (libplist 2.2 writes a string holding U+0000 only up
    // to it, in either form): what it does write is what is kept, the rest read as it was.
    const QByteArray written = binaryOf(root);
    bool writtenExact = true;
    if (!withinBounds(written, &writtenExact) || !writtenExact) {
        return std::nullopt;
    }
    plist_t kept = nullptr;
    {
        const CLocale cLocale;
        kept =
            libplist::fromMemory(written.constData(), static_cast<std::uint32_t>(written.size()));
    }
    if (kept == nullptr) {
        return std::nullopt;
    }
    Dictionary keepable(kept);
    keepable.mExact = false;
    // libplist writes a key that is not UTF-8 as far as its first bad byte, which may make it
    // another key of the same dictionary.
    if (!takesTree(kept, true) || !keepable.toData()) {
        return std::nullopt;
    }
    return keepable;
}

std::optional<Dictionary> Dictionary::dictionaryWithContentsOfFile(const QString& inPath) {
    // Not blocking, and a regular file only: opening a pipe would wait for a writer for ever,
    // and a device could be read without end.
    const int fd = ::open(QFile::encodeName(inPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    QFile file;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > sMaxSize ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    return fromData(file.read(sMaxSize + 1));
}

bool Dictionary::hasKey(const char* inKey) const {
    return item(mRoot, inKey) != nullptr;
}

std::optional<std::int64_t> Dictionary::longValue(const char* inKey) const {
    plist_t node = item(mRoot, inKey);
    if (node == nullptr) {
        return std::nullopt;
    }
    switch (plist_get_node_type(node)) {
    case PLIST_UINT:
        return integerValue(node);
    case PLIST_REAL:
        return realValue(node);
    case PLIST_BOOLEAN: {
        std::uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return value != 0 ? 1 : 0;
    }
    case PLIST_STRING:
        return leadingInteger(stringOf(node));
    default:
        return std::nullopt;
    }
}

std::optional<bool> Dictionary::boolValue(const char* inKey) const {
    plist_t node = item(mRoot, inKey);
    if (node == nullptr) {
        return std::nullopt;
    }
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        std::uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return value != 0;
    }
    case PLIST_UINT: {
        std::uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return value != 0;
    }
    case PLIST_REAL: {
        double value = 0.0;
        plist_get_real_val(node, &value);
        return value != 0.0 && !std::isnan(value);
    }
    case PLIST_STRING:
        return stringIsTrue(stringOf(node));
    default:
        return std::nullopt;
    }
}

std::optional<QString> Dictionary::stringValue(const char* inKey) const {
    plist_t node = item(mRoot, inKey);
    if (node == nullptr || plist_get_node_type(node) != PLIST_STRING) {
        return std::nullopt;
    }
    return QString::fromStdString(stringOf(node));
}

void Dictionary::setLong(const char* inKey, std::int64_t inValue) {
    plist_dict_set_item(static_cast<plist_t>(mRoot), inKey, libplist::newInteger(inValue));
}

void Dictionary::setBool(const char* inKey, bool inValue) {
    plist_dict_set_item(static_cast<plist_t>(mRoot), inKey, plist_new_bool(inValue ? 1 : 0));
}

void Dictionary::setString(const char* inKey, const QString& inValue) {
    plist_dict_set_item(static_cast<plist_t>(mRoot), inKey,
                        plist_new_string(inValue.toStdString().c_str()));
}

namespace {

plist_t arrayOf(void* inRoot, const char* inKey) {
    plist_t node = item(inRoot, inKey);
    return node != nullptr && plist_get_node_type(node) == PLIST_ARRAY ? node : nullptr;
}

} // namespace

std::optional<std::size_t> Dictionary::arrayCount(const char* inKey) const {
    plist_t array = arrayOf(mRoot, inKey);
    if (array == nullptr) {
        return std::nullopt;
    }
    return plist_array_get_size(array);
}

std::optional<Dictionary> Dictionary::arrayDictionary(const char* inKey,
                                                      std::size_t inIndex) const {
    plist_t array = arrayOf(mRoot, inKey);
    if (array == nullptr || inIndex >= plist_array_get_size(array)) {
        return std::nullopt;
    }
    plist_t value = plist_array_get_item(array, static_cast<std::uint32_t>(inIndex));
    if (value == nullptr || plist_get_node_type(value) != PLIST_DICT) {
        return std::nullopt;
    }
    return Dictionary(plist_copy(value));
}

bool Dictionary::setArrayDictionary(const char* inKey, std::size_t inIndex,
                                    const Dictionary& inValue) {
    plist_t array = arrayOf(mRoot, inKey);
    if (array == nullptr) {
        if (item(mRoot, inKey) != nullptr) {
            return false;
        }
        array = plist_new_array();
        plist_dict_set_item(static_cast<plist_t>(mRoot), inKey, array);
    }
    const std::size_t count = plist_array_get_size(array);
    if (inIndex > count) {
        return false;
    }
    plist_t copy = plist_copy(static_cast<plist_t>(inValue.mRoot));
    if (inIndex == count) {
        plist_array_append_item(array, copy);
    } else {
        plist_array_set_item(array, copy, static_cast<std::uint32_t>(inIndex));
    }
    return true;
}

void Dictionary::removeArrayValue(const char* inKey, std::size_t inIndex) {
    plist_t array = arrayOf(mRoot, inKey);
    if (array != nullptr && inIndex < plist_array_get_size(array)) {
        plist_array_remove_item(array, static_cast<std::uint32_t>(inIndex));
    }
}

QByteArray Dictionary::toXML() const {
    char* xml = nullptr;
    std::uint32_t length = 0;
    const CLocale cLocale;
    plist_to_xml(static_cast<plist_t>(mRoot), &xml, &length);
    QByteArray result(xml, static_cast<qsizetype>(length));
    libplist::freeText(xml);
    return result;
}

std::optional<QByteArray> Dictionary::toData() const {
    const auto root = static_cast<plist_t>(mRoot);
    QByteArray xml = toXML();
    if (xmlCanHold(xml) && readsBackAs(xml, root)) {
        return xml;
    }
    // XML cannot hold every value as it is (a binary list came in with it); the binary form can.
    QByteArray binary = binaryOf(root);
    if (readsBackAs(binary, root)) {
        return binary;
    }
    return std::nullopt;
}

Dictionary::WriteFailure Dictionary::writeToFile(const QString& inPath, bool inAtomically) const {
    const std::optional<QByteArray> data = toData();
    if (!data) {
        return {
            QT_TRANSLATE_NOOP("PropertyList", "a value in it cannot be written back unchanged")};
    }
    if (data->size() > sMaxSize) {
        return {QT_TRANSLATE_NOOP("PropertyList", "too large to be read back")};
    }
    // The new file is made in the same folder; QSaveFile would only say that an existing file
    // "is not writable" when the folder cannot take it.
    if (inAtomically &&
        ::access(QFile::encodeName(QFileInfo(inPath).absolutePath()).constData(), W_OK) != 0) {
        return {nullptr, errno};
    }
    // Unbuffered, so that a short write (a full disk) shows here: a buffered file flushes at
    // commit and commits a truncated file without reporting it.
    QSaveFile atomic(inPath);
    QFile inPlace(inPath);
    QFileDevice& file = inAtomically ? static_cast<QFileDevice&>(atomic) : inPlace;
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        file.write(*data) != data->size() || (inAtomically && !atomic.commit())) {
        // The failed call's own error, which the toolkit's message is made of.
        return errno != 0 ? WriteFailure{nullptr, errno}
                          : WriteFailure{
                                QT_TRANSLATE_NOOP("PropertyList", "the file could not be written")};
    }
    return {};
}

} // namespace host
