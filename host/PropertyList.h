#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

namespace host {

// A property-list dictionary (the root of a settings file or a bundle's Info.plist), on libplist.
// Reads XML and binary property lists; writes XML, or the binary form when XML cannot hold every
// value exactly.
class Dictionary {
public:
    Dictionary(); // empty
    ~Dictionary();
    Dictionary(Dictionary&&) noexcept;
    Dictionary& operator=(Dictionary&&) noexcept;
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // The dictionary in inData, or nothing when it is not a property list with a dictionary
    // at its root or is beyond the bounds below. A value that libplist cannot keep as the list
    // holds it (a string with U+0000 in it, a set, an integer beyond 64 bits) is read as libplist
    // reads it and writes it back, and readExactly() is false.
    static std::optional<Dictionary> fromData(const QByteArray& inData);
    // The same for a file; a missing or unreadable file gives nothing, and so does anything but
    // a regular file.
    static std::optional<Dictionary> dictionaryWithContentsOfFile(const QString& inPath);

    // Bounds beyond which a list gives nothing. They keep libplist safe (it follows nesting by
    // recursion and copies a binary list's shared object once per reference), keep the worst
    // list quick to read (libplist's time grows faster than linearly with the values, and with
    // the XML entities times the size), and keep every list read writable: within them, the XML
    // written back stays within sMaxSize, and so does the binary form (UTF-16 strings at most
    // double the payload, and each value takes a few bytes), so a file that was read can be
    // saved and read again.
    // A binary list's shared object counts once per reference to it.
    static constexpr qsizetype sMaxSize = 1024 * 1024;     // bytes of the list, read or written
    static constexpr std::size_t sMaxContainers = 512;     // dictionaries and arrays
    static constexpr std::size_t sMaxDepth = 32;           // of their nesting
    static constexpr std::size_t sMaxValues = 4096;        // keys included
    static constexpr std::size_t sMaxPayload = 256 * 1024; // bytes of strings, keys and data
    // XML entities read ("&"), and characters that are written as one ("&", "<", ">").
    static constexpr std::size_t sMaxEscapes = 256;

    // Every value as the list it was read from holds it: written back unchanged, the list is
    // the same. True for a dictionary made here.
    bool readExactly() const { return mExact; }

    bool hasKey(const char* inKey) const;

    // A value read as a number: integers, reals and booleans as numbers; a string as its leading
    // decimal integer (0 when it has none). Data, dates, arrays and dictionaries give nothing,
    // as does a missing key. Out-of-range values saturate.
    std::optional<std::int64_t> longValue(const char* inKey) const;
    // Numbers are true when not zero; a string is true when it starts with Y, y, T, t or a
    // non-zero digit (after blanks, a sign and zeros). Other types give nothing.
    std::optional<bool> boolValue(const char* inKey) const;
    // A string value; other types give nothing.
    std::optional<QString> stringValue(const char* inKey) const;

    void setLong(const char* inKey, std::int64_t inValue);
    void setBool(const char* inKey, bool inValue);
    void setString(const char* inKey, const QString& inValue);

    // The array under inKey: how many values it holds; nothing when the key is missing or holds
    // another type.
    std::optional<std::size_t> arrayCount(const char* inKey) const;
    // A copy of the dictionary at inIndex of the array under inKey; nothing when there is no
    // value there or it is of another type.
    std::optional<Dictionary> arrayDictionary(const char* inKey, std::size_t inIndex) const;
    // Puts a copy of inValue at inIndex of the array under inKey in place of the value there, or
    // after the last one when inIndex is the count; the array is made when the key is missing.
    // False, and nothing changed, when the key holds another type or inIndex is past the count.
    bool setArrayDictionary(const char* inKey, std::size_t inIndex, const Dictionary& inValue);
    // Removes the value at inIndex of the array under inKey, when there is one.
    void removeArrayValue(const char* inKey, std::size_t inIndex);

    QByteArray toXML() const;
    // What is written: the XML form when it reads back as exactly these values, else the binary
    // form when that does; nothing when neither does.
    std::optional<QByteArray> toData() const;
    // Why a write failed: a reason of this class's own, in English (its translation is in the
    // context "PropertyList"), or the error number of a system call; neither when it did not.
    struct WriteFailure {
        const char* reason = nullptr;
        int error = 0;

        bool failed() const { return reason != nullptr || error != 0; }
    };
    // Writes toData(); atomically means through a temporary file renamed over the old one,
    // so the file is the whole old or the whole new dictionary.
    WriteFailure writeToFile(const QString& inPath, bool inAtomically) const;

private:
    explicit Dictionary(void* inRoot);
    void* mRoot; // plist_t of type dictionary, owned
    bool mExact = true;
};

} // namespace host
