// Property lists that would take the pane down, or lose its settings, through libplist 2.2. It
// follows nesting by recursion (a deep list overflows the stack) and copies a binary list's
// shared object at every reference (a few hundred bytes expand to gigabytes); its string and key
// getters abort on U+0000; a binary dictionary may hold a key twice, which its XML does not keep.
// Such lists are refused before or after it parses them, and lists within the bounds are read
// as before.
#include "host/PropertyList.h"
#include "support/BinaryPlist.h"

#include <QTemporaryDir>

#include <plist/plist.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using host::Dictionary;
using Bytes = std::vector<std::uint8_t>;

Bytes big(std::uint64_t inValue, std::size_t inSize) {
    Bytes bytes(inSize);
    for (std::size_t i = inSize; i-- > 0; inValue >>= 8) {
        bytes[i] = static_cast<std::uint8_t>(inValue & 0xFF);
    }
    return bytes;
}

Bytes operator+(Bytes inLeft, const Bytes& inRight) {
    inLeft.insert(inLeft.end(), inRight.begin(), inRight.end());
    return inLeft;
}

void append(Bytes& ioBytes, const Bytes& inMore) {
    ioBytes.insert(ioBytes.end(), inMore.begin(), inMore.end());
}

// A marker byte with its count, the count following as an integer object when it is large.
Bytes marker(std::uint8_t inType, std::uint64_t inCount) {
    if (inCount < 15) {
        return {static_cast<std::uint8_t>(inType | inCount)};
    }
    return Bytes{static_cast<std::uint8_t>(inType | 0x0F), 0x13} + big(inCount, 8);
}

// A binary list of the given objects, the first its root, references of inRefSize bytes.
QByteArray binaryList(const std::vector<Bytes>& inObjects, std::size_t inRefSize) {
    Bytes data{'b', 'p', 'l', 'i', 's', 't', '0', '0'};
    std::vector<std::uint64_t> offsets;
    for (const Bytes& object : inObjects) {
        offsets.push_back(data.size());
        append(data, object);
    }
    const std::uint64_t table = data.size();
    for (const std::uint64_t offset : offsets) {
        append(data, big(offset, 4));
    }
    append(data, Bytes(6) + Bytes{4, static_cast<std::uint8_t>(inRefSize)} +
                     big(inObjects.size(), 8) + big(0, 8) + big(table, 8));
    return QByteArray(reinterpret_cast<const char*>(data.data()),
                      static_cast<qsizetype>(data.size()));
}

Bytes refs(std::uint64_t inTarget, std::uint64_t inCount, std::size_t inRefSize) {
    Bytes bytes;
    for (std::uint64_t i = 0; i < inCount; ++i) {
        append(bytes, big(inTarget, inRefSize));
    }
    return bytes;
}

Bytes asciiString(const std::string& inText) {
    return marker(0x50, inText.size()) + Bytes(inText.begin(), inText.end());
}

// {"k": [inCount references to one object]}: 3 + inCount values, each reference counted.
QByteArray sharedLeaf(std::uint64_t inCount, const Bytes& inLeaf) {
    return binaryList({Bytes{0xD1, 0, 0, 0, 1, 0, 0, 0, 2}, asciiString("k"),
                       marker(0xA0, inCount) + refs(3, inCount, 4), inLeaf},
                      4);
}

// Arrays inside arrays, inDepth of them, as a binary list.
QByteArray binaryNesting(std::uint64_t inDepth) {
    std::vector<Bytes> objects{Bytes{0xD1, 0, 0, 0, 1, 0, 0, 0, 2}, asciiString("k")};
    for (std::uint64_t i = 0; i < inDepth; ++i) {
        objects.push_back(Bytes{0xA1} + big(objects.size() + 1, 4));
    }
    objects.push_back(Bytes{0x09});
    return binaryList(objects, 4);
}

// A dictionary holding inDepth - 1 arrays inside each other, as XML.
QByteArray xmlNesting(std::size_t inDepth) {
    const std::size_t arrays = inDepth - 1;
    QByteArray text = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>k</key>";
    text += QByteArray("<array>").repeated(static_cast<qsizetype>(arrays));
    text += "<true/>";
    text += QByteArray("</array>").repeated(static_cast<qsizetype>(arrays));
    return text + "</dict></plist>";
}

struct HostileCase {
    const char* name;
    QByteArray (*make)();
};

void PrintTo(const HostileCase& inCase, std::ostream* outStream) {
    *outStream << inCase.name;
}

class HostileList : public ::testing::TestWithParam<HostileCase> {};

// Each of these crashes the process or takes libplist minutes and gigabytes, or would not read
// back as the pane writes it.
TEST_P(HostileList, GivesNothing) {
    EXPECT_FALSE(Dictionary::fromData(GetParam().make()));
}

INSTANTIATE_TEST_SUITE_P(
    Libplist22, HostileList,
    ::testing::Values(
        // 7.5 MB: overflows an 8 MB stack.
        HostileCase{"XmlNesting300000",
                    [] {
                        return xmlNesting(300000);
                    }},
        // 1.8 MB: overflows an 8 MB stack.
        HostileCase{"BinaryNesting200000",
                    [] {
                        return binaryNesting(200000);
                    }},
        // 200 bytes: each array refers twice to the next, 2^40 copies.
        HostileCase{"SharedReferences",
                    [] {
                        std::vector<Bytes> objects;
                        for (std::uint8_t i = 0; i < 40; ++i) {
                            objects.push_back(Bytes{0xA2, static_cast<std::uint8_t>(i + 1),
                                                    static_cast<std::uint8_t>(i + 1)});
                        }
                        objects.push_back(Bytes{0x09});
                        return binaryList(objects, 1);
                    }},
        // 300 kB: a 60 kB string copied 60000 times.
        HostileCase{"SharedString",
                    [] {
                        return sharedLeaf(60000, asciiString(std::string(60000, 'x')));
                    }},
        HostileCase{"Cycle",
                    [] {
                        return binaryList({Bytes{0xA1, 0}}, 1);
                    }},
        // libplist's key getter aborts on a key holding U+0000.
        HostileCase{"KeyWithNul",
                    [] {
                        return binaryList(
                            {Bytes{0xD1, 1, 2}, Bytes{0x63, 0, 'a', 0, 0, 0, 'b'}, Bytes{0x09}}, 1);
                    }},
        // One key twice: the pane would set the first, and after a write and a read the second,
        // unchanged, would be what the file holds.
        HostileCase{"RepeatedKey",
                    [] {
                        return binaryList({Bytes{0xD2, 1, 1, 2, 3}, asciiString("Frequency"),
                                           Bytes{0x12, 0, 1, 0x8A, 0xEC}, Bytes{0x09}},
                                          1);
                    }}),
    [](const auto& inInfo) { return std::string(inInfo.param.name); });

struct BoundCase {
    const char* name;
    QByteArray (*atBound)();
    QByteArray (*beyond)();
};

void PrintTo(const BoundCase& inCase, std::ostream* outStream) {
    *outStream << inCase.name;
}

class ListBound : public ::testing::TestWithParam<BoundCase> {};

TEST_P(ListBound, IsReadUpToItAndNotBeyond) {
    const auto atBound = Dictionary::fromData(GetParam().atBound());
    ASSERT_TRUE(atBound);
    EXPECT_TRUE(atBound->hasKey("k"));
    EXPECT_FALSE(Dictionary::fromData(GetParam().beyond()));
}

constexpr std::size_t sContainers = Dictionary::sMaxDepth;
// The root, the key and the array come before the references.
constexpr std::size_t sReferences = Dictionary::sMaxValues - 3;
// The key "k" is one byte of it.
constexpr std::size_t sStringBytes = 4096;
constexpr std::size_t sStringCopies = (Dictionary::sMaxPayload - 1) / sStringBytes;

INSTANTIATE_TEST_SUITE_P(
    Bounds, ListBound,
    ::testing::Values(BoundCase{"XmlContainers", [] { return xmlNesting(sContainers); },
                                [] {
                                    return xmlNesting(sContainers + 1);
                                }},
                      BoundCase{"BinaryContainers", [] { return binaryNesting(sContainers - 1); },
                                [] {
                                    return binaryNesting(sContainers);
                                }},
                      BoundCase{"BinaryValues", [] { return sharedLeaf(sReferences, Bytes{0x09}); },
                                [] {
                                    return sharedLeaf(sReferences + 1, Bytes{0x09});
                                }},
                      BoundCase{"BinaryPayload",
                                [] {
                                    return sharedLeaf(sStringCopies,
                                                      asciiString(std::string(sStringBytes, 'x')));
                                },
                                [] {
                                    return sharedLeaf(sStringCopies + 1,
                                                      asciiString(std::string(sStringBytes, 'x')));
                                }}),
    [](const auto& inInfo) { return std::string(inInfo.param.name); });

// libplist's writer, like Apple's, stores an equal key or value once and refers to it from
// everywhere it is used; such lists are read as before.
TEST(SharedObjects, ListsFromOrdinaryWritersAreRead) {
    plist_t root = plist_new_dict();
    plist_t list = plist_new_array();
    for (int i = 0; i < 300; ++i) {
        plist_t entry = plist_new_dict();
        plist_dict_set_item(entry, "Name", plist_new_string("the same"));
        plist_dict_set_item(entry, "On", plist_new_bool(1));
        plist_array_append_item(list, entry);
    }
    plist_dict_set_item(root, "List", list);
    plist_dict_set_item(root, "Frequency", plist_new_uint(101100));
    const QByteArray data = binaryPlist(root);

    const auto read = Dictionary::fromData(data);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->longValue("Frequency"), 101100);
}

// Only what the reader understands reaches libplist: XML begins with a tag.
TEST(ListText, NotBeginningWithATagGivesNothing) {
    EXPECT_FALSE(Dictionary::fromData("{\"Frequency\": 101100}"));
    EXPECT_FALSE(Dictionary::fromData("Frequency = 101100;"));
    EXPECT_TRUE(Dictionary::fromData(" \r\n\t<plist><dict/></plist>"));
}

// XML grows on the way out (base64 data by a third, an escaped "&" fivefold): a dictionary read
// within the size bound may not be written within it. Such a file would not be read back, so
// it is not written, and the old one stays.
TEST(TooLargeToReadBack, IsNotWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.plist");
    Dictionary old;
    old.setLong("Frequency", 88100);
    ASSERT_TRUE(old.writeToFile(path, true));

    Dictionary large;
    large.setString("Note", QString(Dictionary::sMaxSize / 5 + 1, '&'));
    EXPECT_FALSE(large.writeToFile(path, true));
    const auto kept = Dictionary::dictionaryWithContentsOfFile(path);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->longValue("Frequency"), 88100);
    EXPECT_FALSE(kept->hasKey("Note"));
}

struct NulCase {
    const char* name;
    QByteArray list;
    std::optional<std::int64_t> style;
    std::optional<bool> stereo;
};

void PrintTo(const NulCase& inCase, std::ostream* outStream) {
    *outStream << inCase.name;
}

class StringWithNul : public ::testing::TestWithParam<NulCase> {};

TEST_P(StringWithNul, IsReadUpToIt) {
    const auto dict = Dictionary::fromData(GetParam().list);
    ASSERT_TRUE(dict);
    EXPECT_EQ(dict->longValue("Style"), GetParam().style);
    EXPECT_EQ(dict->boolValue("Stereo"), GetParam().stereo);
    EXPECT_EQ(dict->stringValue("Stereo"), QString(GetParam().stereo == true ? "Y" : ""));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, StringWithNul,
    ::testing::Values(
        NulCase{"Xml",
                QByteArray("<plist><dict><key>Style</key><string>1") + '\0' +
                    "2</string><key>Stereo</key><string>" + '\0' + "YES</string></dict></plist>",
                1, false},
        NulCase{"BinaryUtf16",
                binaryList({Bytes{0xD1, 0, 0, 0, 1, 0, 0, 0, 2}, asciiString("Stereo"),
                            Bytes{0x64, 0, 'Y', 0, 0, 0, 'e', 0, 's'}},
                           4),
                std::nullopt, true}),
    [](const auto& inInfo) { return std::string(inInfo.param.name); });

} // namespace
