#include "host/PropertyList.h"

#include <QFile>
#include <QSaveFile>

#include <plist/plist.h>

#include <cctype>
#include <cmath>
#include <limits>

namespace host {

namespace {

// Larger files are not settings or bundle dictionaries; reading them would only waste memory.
constexpr qint64 sMaxFileSize = 16 * 1024 * 1024;

plist_t item(void* inRoot, const char* inKey) {
    return plist_dict_get_item(static_cast<plist_t>(inRoot), inKey);
}

// libplist keeps integers as 64 unsigned bits and marks by itself whether a value with the top
// bit set is negative or a huge positive one; only its writer tells which.
bool isNegativeInteger(plist_t inNode, std::uint64_t inBits) {
    if ((inBits >> 63) == 0) {
        return false;
    }
    plist_t copy = plist_copy(inNode);
    char* xml = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(copy, &xml, &length);
    const bool negative = xml != nullptr && std::string_view(xml, length).find("<integer>-") !=
                                                std::string_view::npos;
    plist_to_xml_free(xml);
    plist_free(copy);
    return negative;
}

std::int64_t integerValue(plist_t inNode) {
    std::uint64_t bits = 0;
    plist_get_uint_val(inNode, &bits);
    if (isNegativeInteger(inNode, bits)) {
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

std::string stringOf(plist_t inNode) {
    char* text = nullptr;
    plist_get_string_val(inNode, &text);
    std::string result = text != nullptr ? text : "";
    free(text);
    return result;
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

Dictionary::Dictionary() : mRoot(plist_new_dict()) {
}

Dictionary::Dictionary(void* inRoot) : mRoot(inRoot) {
}

Dictionary::~Dictionary() {
    if (mRoot != nullptr) {
        plist_free(static_cast<plist_t>(mRoot));
    }
}

Dictionary::Dictionary(Dictionary&& inOther) noexcept : mRoot(inOther.mRoot) {
    inOther.mRoot = nullptr;
}

Dictionary& Dictionary::operator=(Dictionary&& inOther) noexcept {
    std::swap(mRoot, inOther.mRoot);
    return *this;
}

std::optional<Dictionary> Dictionary::fromData(const QByteArray& inData) {
    if (inData.isEmpty() || inData.size() > sMaxFileSize) {
        return std::nullopt;
    }
    plist_t root = nullptr;
    plist_from_memory(inData.constData(), static_cast<std::uint32_t>(inData.size()), &root);
    if (root == nullptr) {
        return std::nullopt;
    }
    if (plist_get_node_type(root) != PLIST_DICT) {
        plist_free(root);
        return std::nullopt;
    }
    return Dictionary(root);
}

std::optional<Dictionary> Dictionary::dictionaryWithContentsOfFile(const QString& inPath) {
    QFile file(inPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > sMaxFileSize) {
        return std::nullopt;
    }
    return fromData(file.read(sMaxFileSize + 1));
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
    // Stored as the two's-complement bits, which libplist writes back as a negative integer.
    plist_dict_set_item(static_cast<plist_t>(mRoot), inKey,
                        plist_new_uint(static_cast<std::uint64_t>(inValue)));
}

void Dictionary::setBool(const char* inKey, bool inValue) {
    plist_dict_set_item(static_cast<plist_t>(mRoot), inKey, plist_new_bool(inValue ? 1 : 0));
}

void Dictionary::setString(const char* inKey, const QString& inValue) {
    plist_dict_set_item(static_cast<plist_t>(mRoot), inKey,
                        plist_new_string(inValue.toStdString().c_str()));
}

QByteArray Dictionary::toXML() const {
    char* xml = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(static_cast<plist_t>(mRoot), &xml, &length);
    QByteArray result(xml, static_cast<qsizetype>(length));
    plist_to_xml_free(xml);
    return result;
}

bool Dictionary::writeToFile(const QString& inPath, bool inAtomically) const {
    const QByteArray xml = toXML();
    if (inAtomically) {
        // Unbuffered, so that a short write (a full disk) shows here: a buffered QSaveFile
        // flushes at commit and commits a truncated file without reporting it.
        QSaveFile file(inPath);
        return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
               file.write(xml) == xml.size() && file.commit();
    }
    QFile file(inPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(xml) == xml.size();
}

} // namespace host
