#include "host/PropertyList.h"
#include "support/BinaryPlist.h"

#include <QTemporaryDir>

#include <plist/plist.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

QByteArray plistWith(const char* inValueXml) {
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
                      "<key>K</key>") +
           inValueXml + "</dict></plist>";
}

struct LongCase {
    const char* xml;
    std::optional<std::int64_t> expected;
};

// Every type a hand-edited file may hold reads as a number or as nothing, never as garbage.
TEST(PropertyList, LongValueConvertsNumbersAndStringsAndRejectsTheRest) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    const LongCase cases[] = {
        {"<integer>88100</integer>", 88100},
        {"<integer>-5</integer>", -5},
        {"<integer>18446744073709551615</integer>", max},
        {"<integer>99999999999999999999999</integer>", max},
        {"<real>88700.9</real>", 88700},
        {"<real>-1.9</real>", -1},
        {"<real>1e300</real>", max},
        {"<true/>", 1},
        {"<false/>", 0},
        {"<string>  -42abc</string>", -42},
        {"<string>+98000</string>", 98000},
        {"<string>abc</string>", 0},
        {"<string>99999999999999999999999</string>", max},
        {"<data>AAEC</data>", std::nullopt},
        {"<date>2024-01-01T00:00:00Z</date>", std::nullopt},
        {"<array><integer>1</integer></array>", std::nullopt},
        {"<dict><key>x</key><integer>1</integer></dict>", std::nullopt},
    };
    for (const LongCase& c : cases) {
        const auto dict = host::Dictionary::fromData(plistWith(c.xml));
        ASSERT_TRUE(dict.has_value()) << c.xml;
        EXPECT_EQ(dict->longValue("K"), c.expected) << c.xml;
    }
}

struct BoolCase {
    const char* xml;
    std::optional<bool> expected;
};

TEST(PropertyList, BoolValueFollowsNumbersAndWordsAndRejectsTheRest) {
    const BoolCase cases[] = {
        {"<true/>", true},
        {"<false/>", false},
        {"<integer>0</integer>", false},
        {"<integer>2</integer>", true},
        {"<integer>-1</integer>", true},
        {"<real>0.0</real>", false},
        {"<real>0.5</real>", true},
        {"<string>YES</string>", true},
        {"<string> true</string>", true},
        {"<string>no</string>", false},
        {"<string>007</string>", true},
        {"<string>-0</string>", false},
        {"<string></string>", false},
        {"<data>AAEC</data>", std::nullopt},
        {"<array/>", std::nullopt},
    };
    for (const BoolCase& c : cases) {
        const auto dict = host::Dictionary::fromData(plistWith(c.xml));
        ASSERT_TRUE(dict.has_value()) << c.xml;
        EXPECT_EQ(dict->boolValue("K"), c.expected) << c.xml;
    }
}

TEST(PropertyList, OnlyADictionaryPropertyListIsADictionary) {
    const QByteArray notDictionaries[] = {
        "",
        "garbage",
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>",
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>K</key>",
        QByteArray("bplist00\xd1\x01\x02", 11),
    };
    for (const QByteArray& data : notDictionaries) {
        EXPECT_FALSE(host::Dictionary::fromData(data).has_value()) << data.toStdString();
    }
    EXPECT_FALSE(host::Dictionary::dictionaryWithContentsOfFile("/nonexistent/x.plist"));
}

TEST(PropertyList, ReadsBinaryPropertyLists) {
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "Frequency", plist_new_uint(static_cast<std::uint64_t>(-300)));
    plist_dict_set_item(root, "Stereo", plist_new_bool(0));
    const QByteArray data = binaryPlist(root);

    const auto dict = host::Dictionary::fromData(data);
    ASSERT_TRUE(dict.has_value());
    EXPECT_EQ(dict->longValue("Frequency"), -300);
    EXPECT_EQ(dict->boolValue("Stereo"), false);
}

TEST(PropertyList, WrittenFileReadsBackWithEveryValue) {
    QTemporaryDir dir;
    const QString path = dir.filePath("d.plist");
    host::Dictionary dict;
    dict.setLong("Negative", -88100);
    dict.setLong("Big", std::numeric_limits<std::int64_t>::max());
    dict.setBool("Flag", true);
    dict.setString("Name", "Tavro ✓");
    for (bool atomically : {true, false}) {
        ASSERT_TRUE(dict.writeToFile(path, atomically));
        const auto back = host::Dictionary::dictionaryWithContentsOfFile(path);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->longValue("Negative"), -88100);
        EXPECT_EQ(back->longValue("Big"), std::numeric_limits<std::int64_t>::max());
        EXPECT_EQ(back->boolValue("Flag"), true);
        EXPECT_EQ(back->stringValue("Name"), QString("Tavro ✓"));
        EXPECT_EQ(back->stringValue("Flag"), std::nullopt);
    }
    EXPECT_FALSE(dict.writeToFile(dir.filePath("missing/d.plist"), true));
}

} // namespace
