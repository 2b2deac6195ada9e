// The settings file: property lists as it holds them (values of every type, lists that would
// take libplist 2.2 down or stall it, the bounds that keep every list read writable, the same
// result in every locale), where it lives, that a write replaces it whole or not at all, whatever
// the disk does, keeping what it cannot read, and what its watch ignores. (The keys it holds, read
// and written, and its stations: usb-tavro's tests.)
#include "host/PropertyList.h"
#include "settings/Settings.h"
#include "settings/Stations.h"
#include "settings/Watcher.h"
#include "support/BinaryPlist.h"
#include "support/Files.h"
#include "support/ScopedEnv.h"
#include "support/TroubledFolder.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <limits>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using host::Dictionary;
using namespace bplist;

// {"k": inDepth - 1 arrays, each in the one before, around inInside}: inDepth deep.
QByteArray xmlNested(qsizetype inDepth, const QByteArray& inInside = "<true/>") {
    return plistXml("<key>k</key>" + QByteArray("<array>").repeated(inDepth - 1) + inInside +
                    QByteArray("</array>").repeated(inDepth - 1));
}

// Whatever a hand-edited file holds reads as a number and a flag, or as nothing; never garbage.
TEST(PropertyList, ValuesOfEveryTypeReadAsNumbersAndFlags) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    // clang-format off
    const std::tuple<const char*, std::optional<std::int64_t>, std::optional<bool>> cases[] = {
        {"<integer>-5</integer>", -5, true}, {"<integer>0</integer>", 0, false},
        {"<integer>99999999999999999999</integer>", max, true}, {"<real>-1.9</real>", -1, true},
        {"<real>1e300</real>", max, true}, {"<false/>", 0, false}, {"<string>1</string>", 1, true},
        {"<string>  -42abc</string>", -42, true}, {"<string>YES</string>", 0, true},
        {"<string>-0</string>", 0, false}, {"<data>AAEC</data>", {}, {}},
        {"<array><integer>1</integer></array>", {}, {}}};
    // clang-format on
    for (const auto& [value, number, flag] : cases) {
        const auto dict = Dictionary::fromData(plistXml(QByteArray("<key>K</key>") + value));
        ASSERT_TRUE(dict) << value;
        EXPECT_EQ(dict->longValue("K"), number) << value;
        EXPECT_EQ(dict->boolValue("K"), flag) << value;
    }
}

// What is no dictionary gives nothing, nor does a list that would take libplist down, stall it
// or not read back as written. (Lists past a bound: the next test.)
TEST(PropertyList, HostileListsGiveNothing) {
    // 2^22 references, each made twice by the one before: by a set (which libplist reads as an
    // array), then by arrays.
    std::vector<Bytes> doubling{Bytes{0xC2, 1, 1}};
    for (std::uint8_t i = 2; i <= 22; ++i) {
        doubling.push_back(Bytes{0xA2, i, i});
    }
    doubling.push_back(Bytes{0x09});
    // JSON, an array, a list cut short; shared references, a cycle, a key holding U+0000 or a byte
    // above 0x7F in an ASCII string, one key twice.
    // clang-format off
    for (const QByteArray& hostile : {QByteArray("{\"Frequency\": 1}"),
             QByteArray("<plist><array/></plist>"), plistXml("<key>K</key>").chopped(15),
             list(doubling, 1), list({Bytes{0xA1, 0}}, 1),
             list({Bytes{0xD1, 1, 2}, Bytes{0x63, 0, 'a', 0, 0, 0, 'b'}, Bytes{0x09}}, 1),
             list({Bytes{0xD1, 1, 2}, ascii("St\xe1le"), Bytes{0x09}}, 1),
             list({Bytes{0xD2, 1, 1, 2, 3}, ascii("Frequency"), Bytes{0x12, 0, 1, 0x8A, 0xEC},
                   Bytes{0x09}}, 1)}) {
        // clang-format on
        EXPECT_FALSE(Dictionary::fromData(hostile)) << hostile.toHex().toStdString();
    }
    // Refused before libplist expands them: the shared references take it most of a gigabyte.
    rusage use{};
    ::getrusage(RUSAGE_SELF, &use);
    EXPECT_LT(use.ru_maxrss, 512 * 1024) << "kB";
}

// Read up to each bound and not beyond; what is read is written and read back whole. Only a
// regular file is read.
TEST(PropertyList, BoundsAreReadUpToAndWrittenBack) {
    constexpr qsizetype depth = Dictionary::sMaxDepth;
    constexpr qsizetype values = Dictionary::sMaxValues - 3; // besides the root, "k", the array
    const std::string kilobytes(4096, 'x');
    const std::uint64_t copies = (Dictionary::sMaxPayload - 1) / kilobytes.size(); // and "k"
    const QByteArray escapes = QByteArray("&amp;").repeated(Dictionary::sMaxEscapes);
    const QByteArray payload(Dictionary::sMaxPayload - 1, '\xff'); // and "k"
    const std::tuple<const char*, QByteArray, QByteArray> cases[] = {
        {"XML depth", xmlNested(depth), xmlNested(depth + 1)},
        {"binary depth", nested(depth - 1), nested(depth)},
        {"binary containers", shared(Dictionary::sMaxContainers - 2, Bytes{0xD0}, true),
         shared(Dictionary::sMaxContainers - 1, Bytes{0xD0}, true)},
        {"XML values", xmlNested(2, QByteArray("<true/>").repeated(values)),
         xmlNested(2, QByteArray("<true/>").repeated(values + 1))},
        {"binary values", shared(values, Bytes{0x09}), shared(values + 1, Bytes{0x09})},
        {"binary payload", shared(copies, ascii(kilobytes)), shared(copies + 1, ascii(kilobytes))},
        {"XML payload", plistXml("<key>k</key><data>" + payload.toBase64() + "</data>"),
         plistXml("<key>k</key><data>" + (payload + "x").toBase64() + "</data>")},
        {"XML entities", plistXml("<key>k</key><string>" + escapes + "</string>"),
         plistXml("<key>k</key><string>&lt;" + escapes + "</string>")}};
    QTemporaryDir folder;
    for (const auto& [name, atBound, beyond] : cases) {
        const auto read = Dictionary::fromData(atBound);
        ASSERT_TRUE(read) << name;
        ASSERT_FALSE(read->writeToFile(folder.filePath("list"), true).failed()) << name;
        const auto back = Dictionary::dictionaryWithContentsOfFile(folder.filePath("list"));
        ASSERT_TRUE(back) << name;
        EXPECT_EQ(back->toXML(), read->toXML()) << name;
        EXPECT_FALSE(Dictionary::fromData(beyond)) << name;
    }
    // Only a regular file is read: a pipe nobody writes to, or a folder, is nothing at once.
    ASSERT_EQ(::mkfifo(qPrintable(folder.filePath("pipe")), 0600), 0);
    for (const char* other : {"pipe", "", "missing"}) {
        EXPECT_FALSE(Dictionary::dictionaryWithContentsOfFile(folder.filePath(other))) << other;
    }
}

// libplist reads and writes reals with the process's numeric locale; a decimal comma must not
// change what the file says. Under the German locale the person reads why a write failed in
// German, the log in English.
TEST(InAnotherLocale, TheFileReadsTheSameAndAFailedWriteIsToldInThePersonsLanguage) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    QTemporaryDir folder;
    for (const char* locale : {"tr_TR.UTF-8", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale << " (package locales-all)";
        const auto dict = Dictionary::fromData(
            plistXml("<key>Frequency</key><real>99.5e3</real><key>Quarter</key><real>0.25</real>"
                     "<key>Minus</key><real>-3.75</real><key>Id</key><string>I</string>"));
        ASSERT_TRUE(dict) << locale;
        EXPECT_EQ(dict->longValue("Frequency"), 99500) << locale;
        ASSERT_FALSE(dict->writeToFile(folder.filePath("l"), true).failed());
        const QByteArray text = contents(folder.filePath("l"));
        for (const char* value :
             {"<real>0.25</real>", "<real>-3.75</real>", "<string>I</string>"}) {
            EXPECT_TRUE(text.contains(value)) << locale << "\n" << text.toStdString();
        }
    }
    ASSERT_TRUE(put(folder.filePath("file"), "x")); // a folder that is a file: ENOTDIR for root too
    const settings::WriteResult written =
        settings::write(folder.filePath("file/s.plist"), 88100, true);
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_FALSE(written.saved());
    EXPECT_EQ(written.logged, "Not a directory");
    EXPECT_NE(written.problem, written.logged) << written.problem.toStdString();
}

// XDG_CONFIG_HOME when absolute, else $HOME/.config, else the user database's home: never the
// current folder, never the root.
TEST(Settings, PathFollowsTheXdgRulesAndTheUserDatabase) {
    const QString own = QFile::decodeName(getpwuid(getuid())->pw_dir) + "/.config";
    // clang-format off
    const std::tuple<const char*, const char*, QString> cases[] = {
        {"/srv/conf", "/home/u", "/srv/conf"}, {"relative/conf", "/home/u", "/home/u/.config"},
        {"", "/home/u/", "/home/u/.config"}, {nullptr, nullptr, own}, {nullptr, "relative", own}};
    // clang-format on
    for (const auto& [xdgConfigHome, home, folder] : cases) {
        ScopedEnv xdg("XDG_CONFIG_HOME", xdgConfigHome);
        ScopedEnv homeEnv("HOME", home);
        EXPECT_EQ(settings::prefPath(), folder + "/" + settings::sBundleIdentifier + ".plist")
            << (xdgConfigHome ? xdgConfigHome : "unset") << " " << (home ? home : "unset");
    }
}

// The new file takes the old one's place whole: whoever holds the old one still reads it all. A
// file that cannot be read is never written over: it is kept beside the new one, each time under
// a name of its own.
TEST(SettingsWrite, ReplacesTheFileWholeKeepingAnUnreadableOneAside) {
    QTemporaryDir folder;
    const QString path = folder.filePath("fresh/account/settings.plist");
    ASSERT_TRUE(settings::write(path, 90000, true).saved());
    const QByteArray old = contents(path);
    ASSERT_EQ(::link(qPrintable(path), qPrintable(folder.filePath("held"))), 0);
    ASSERT_TRUE(settings::write(path, 100000, false).saved());
    EXPECT_EQ(contents(folder.filePath("held")), old);
    EXPECT_EQ(settings::read(path).stored.frequency, 100000);
    for (const QByteArray damaged : {"<plist><dict><key>Style</key>", "garbage"}) {
        ASSERT_TRUE(put(path, damaged));
        EXPECT_EQ(settings::read(path).state, settings::FileState::Unreadable);
        const settings::WriteResult written = settings::write(path, 88100, true);
        ASSERT_TRUE(written.saved());
        EXPECT_EQ(contents(written.keptAside), damaged);
    }
    EXPECT_EQ(contents(path + ".unreadable"), "<plist><dict><key>Style</key>");
    EXPECT_EQ(contents(path + ".unreadable.2"), "garbage");
}

// On a full or read-only disk the write says why it failed, and the old file stays as it was.
TEST(SettingsOnATroubledDisk, WriteFailsSayingWhyAndKeepsTheOldFile) {
    const QByteArray note = "<key>Note</key><string>" + QByteArray(6000, 'n') + "</string>";
    const QByteArray old = plistXml("<key>Frequency</key><integer>101500</integer>" + note);
    for (const auto& [trouble, why] : {std::pair{TroubledFolder::Full, "No space left on device"},
                                       std::pair{TroubledFolder::ReadOnly, "Read-only"}}) {
        const TroubledFolder disk(trouble, "settings.plist", old);
        if (!disk.problem().empty()) {
            GTEST_SKIP() << disk.problem();
        }
        // Room for a part of the new file: the write falls short before it fails.
        QFile filler(disk.path(".filler"));
        EXPECT_TRUE(trouble != TroubledFolder::Full || filler.resize(filler.size() - 4096));
        const settings::WriteResult written =
            settings::write(disk.path("settings.plist"), 88100, false);
        EXPECT_FALSE(written.saved());
        EXPECT_TRUE(written.problem.contains(why)) << written.problem.toStdString();
        EXPECT_EQ(contents(disk.path("settings.plist")), old);
    }
}

// Where a link leads to a device, what is written there is no change of the settings.
TEST(SettingsWatcher, WritesToADeviceALinkLeadsToAreNoChange) {
    const QTemporaryDir folder; // the parent of the settings folder is watched too
    ASSERT_TRUE(QDir(folder.path()).mkdir("config"));
    ASSERT_TRUE(QFile::link("/dev/null", folder.filePath("config/settings.plist")));
    settings::Watcher watcher;
    int told = 0;
    QObject::connect(&watcher, &settings::Watcher::changed, [&] { ++told; });
    watcher.watch(folder.filePath("config/settings.plist"));
    QFile device("/dev/null");
    ASSERT_TRUE(device.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    for (int i = 0; i < 70; ++i) {
        device.write("x");
        QTest::qWait(10);
    }
    EXPECT_EQ(told, 0);
}

// ---- Other keys through a write, exactly ----

// A real or a date object of inValue.
Bytes eightBytes(std::uint8_t inMarker, double inValue) {
    return Bytes{inMarker} + big(std::bit_cast<std::uint64_t>(inValue), 8);
}

Bytes utf16(const std::u16string& inText) {
    Bytes bytes = marker(0x60, inText.size());
    for (const char16_t unit : inText) {
        bytes += big(unit, 2);
    }
    return bytes;
}

enum class Kept { Xml, Binary, Aside };

// Whatever the file holds besides the pane's keys comes back bit for bit, in XML while XML
// holds it, else in the binary form, as a standard reader reads it; a value that libplist
// cannot keep leaves the file kept aside whole.
TEST(SettingsWrite, KeepsEveryOtherValueExactly) {
    constexpr double year1 = -63113904000.0; // 0001-01-01, seconds from 2001
    // The objects of "k"'s value, the first the value itself.
    // clang-format off
    const std::tuple<const char*, std::vector<Bytes>, Kept> cases[] = {
        {"a plain string", {ascii("plain")}, Kept::Xml},
        {"U+FFFE", {utf16(u"a\uFFFE")}, Kept::Binary},
        {"a non-ASCII string", {utf16(u"\u00e9t\u00e9")}, Kept::Xml},
        {"a set", {Bytes{0xC0}}, Kept::Aside},
        {"a control character", {ascii("a\001b")}, Kept::Binary},
        {"U+0000 in an ASCII string", {ascii(std::string("before\0after", 12))}, Kept::Aside},
        {"an unpaired surrogate", {utf16({u'a', 0xD800, u'b'})}, Kept::Aside},
        {"a date in 2024", {eightBytes(0x33, 725846400.0)}, Kept::Xml},
        {"a date in the year 1", {eightBytes(0x33, year1)}, Kept::Binary},
        {"a real 0.1", {eightBytes(0x23, 0.1)}, Kept::Xml},
        {"a real -0.0", {eightBytes(0x23, -0.0)}, Kept::Binary},
        {"a 16-byte integer beyond 64 bits", {Bytes{0x14} + big(1, 8) + big(0, 8)}, Kept::Aside},
        {"a control character, nested",
         {Bytes{0xA1, 3}, Bytes{0xD1, 4, 5}, ascii("n"), ascii("a\037b")}, Kept::Binary}};
    // clang-format on
    // Python's own reader finds the same "k" in both files, to the last bit.
    const QString same = "import plistlib,sys; k=[repr(plistlib.load(open(f,'rb'))['k'])"
                         " for f in sys.argv[1:]]; sys.exit(k[0]!=k[1])";
    for (const auto& [name, value, kept] : cases) {
        std::vector<Bytes> objects{Bytes{0xD1, 1, 2}, ascii("k")};
        objects.insert(objects.end(), value.begin(), value.end());
        const QByteArray file = list(objects, 1);
        QTemporaryDir folder;
        const QString path = folder.filePath("settings.plist");
        ASSERT_TRUE(put(path, file));
        const settings::WriteResult written = settings::write(path, 90000, false);
        ASSERT_TRUE(written.saved()) << name << ": " << written.problem.toStdString();
        EXPECT_EQ(settings::read(path).stored.frequency, 90000) << name;
        if (!written.keptAside.isEmpty()) {
            EXPECT_EQ(kept, Kept::Aside) << name;
            EXPECT_EQ(contents(written.keptAside), file) << name;
            continue;
        }
        EXPECT_NE(kept, Kept::Aside) << name;
        EXPECT_EQ(contents(path).startsWith("bplist00"), kept != Kept::Xml) << name;
        ASSERT_TRUE(put(folder.filePath("before"), file));
        EXPECT_EQ(QProcess::execute(TAVRO_PYTHON3, {"-c", same, folder.filePath("before"), path}),
                  0)
            << name;
    }
}

// An entry of the Stations array: {Name, Frequency, Stereo}, each value as XML, none for absent.
QByteArray entry(const char* inName, const char* inFrequency, const char* inStereo = nullptr) {
    const auto item = [](const char* inKey, const char* inValue) {
        return inValue ? "<key>" + QByteArray(inKey) + "</key>" + inValue : QByteArray();
    };
    return "<dict>" + item("Name", inName) + item("Frequency", inFrequency) +
           item("Stereo", inStereo) + "</dict>";
}

// A hand-edited list gives its well-formed stations in order; nothing else is taken for one.
// (Names written two ways, invisible characters, the step and the bound: usb-tavro's sessions.)
TEST(Stations, OnlyWellFormedEntriesAreStations) {
    const char* const paris = "<string>Paris</string>";
    const char* const f995 = "<integer>99500</integer>";
    const QByteArray malformed =
        "<string>Paris</string>" + entry(nullptr, f995) + entry("<integer>5</integer>", f995) +
        entry(paris, nullptr) + entry(paris, "<string>abc</string>") +
        entry(paris, "<integer>120000</integer>") + entry(paris, "<integer>76000</integer>") +
        entry("<string></string>", f995) + entry("<string>a&#x1b;b</string>", f995) +
        entry("<string> Paris</string>", f995);
    const QByteArray good = entry(paris, "<string>99500</string>", "<string>NO</string>");
    EXPECT_EQ(settings::stations(*Dictionary::fromData(
                  plistXml("<key>Stations</key><array>" + malformed + good + "</array>"))),
              (std::vector<settings::Station>{{"Paris", 99500, false}}));
    EXPECT_TRUE(
        settings::stations(*Dictionary::fromData(plistXml("<key>Stations</key><string>x</string>")))
            .empty());
}

} // namespace
