#include "host/PropertyList.h"
#include "settings/Settings.h"
#include "support/BinaryPlist.h"
#include "support/ScopedEnv.h"
#include "support/StreamCapture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <plist/plist.h>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

void writeText(const QString& inPath, const QByteArray& inText) {
    QFile file(inPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(inText);
}

QByteArray readAll(const QString& inPath) {
    QFile file(inPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray plist(const char* inBody) {
    return QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>") + inBody +
           "</dict></plist>";
}

TEST(SettingsPath, FollowsXdgConfigHomeOnlyWhenAbsolute) {
    QTemporaryDir home;
    ScopedEnv homeEnv("HOME", home.path().toLocal8Bit());
    const QString name = QString(settings::sBundleIdentifier) + ".plist";
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/srv/conf");
        EXPECT_EQ(settings::prefPath(), "/srv/conf/" + name);
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/conf");
        EXPECT_EQ(settings::prefPath(), home.path() + "/.config/" + name);
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "");
        EXPECT_EQ(settings::prefPath(), home.path() + "/.config/" + name);
    }
}

class SettingsFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("settings.plist");
};

TEST_F(SettingsFile, MissingFileHoldsNothing) {
    const settings::Stored stored = settings::read(path).stored;
    EXPECT_FALSE(stored.frequency);
    EXPECT_FALSE(stored.style);
    EXPECT_FALSE(stored.stereo);
}

TEST_F(SettingsFile, ReadsEachKeyOnItsOwnAndClampsTo32Bits) {
    writeText(path, plist("<key>Style</key><integer>1</integer>"));
    settings::Stored stored = settings::read(path).stored;
    EXPECT_EQ(stored.style, 1);
    EXPECT_FALSE(stored.frequency);
    EXPECT_FALSE(stored.stereo);

    writeText(path, plist("<key>Frequency</key><integer>99999999999</integer>"
                          "<key>Style</key><integer>-99999999999</integer>"
                          "<key>Stereo</key><string>NO</string>"));
    stored = settings::read(path).stored;
    EXPECT_EQ(stored.frequency, std::numeric_limits<SInt32>::max());
    EXPECT_EQ(stored.style, std::numeric_limits<SInt32>::min());
    EXPECT_EQ(stored.stereo, false);
}

TEST_F(SettingsFile, WriteKeepsEveryOtherKeyAndCreatesTheFolder) {
    const QString nested = dir.filePath("fresh/account/settings.plist");
    ASSERT_TRUE(settings::write(nested, 98000, false).saved());
    auto dict = host::Dictionary::dictionaryWithContentsOfFile(nested);
    ASSERT_TRUE(dict);
    EXPECT_EQ(dict->longValue("Frequency"), 98000);
    EXPECT_EQ(dict->boolValue("Stereo"), false);
    EXPECT_FALSE(dict->hasKey("Style"));

    writeText(path, plist("<key>Style</key><integer>1</integer>"
                          "<key>Other</key><string>kept</string>"));
    ASSERT_TRUE(settings::write(path, 76500, true).saved());
    dict = host::Dictionary::dictionaryWithContentsOfFile(path);
    ASSERT_TRUE(dict);
    EXPECT_EQ(dict->longValue("Style"), 1);
    EXPECT_EQ(dict->stringValue("Other"), QString("kept"));
    EXPECT_EQ(dict->longValue("Frequency"), 76500);
    EXPECT_EQ(dict->boolValue("Stereo"), true);
    EXPECT_TRUE(readAll(path).startsWith("<?xml"));
}

TEST_F(SettingsFile, BinaryFileIsReadAndItsKeysSurviveAWrite) {
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "Frequency", plist_new_uint(101100));
    plist_dict_set_item(root, "Style", plist_new_uint(0));
    plist_dict_set_item(root, "Stereo", plist_new_bool(0));
    writeText(path, binaryPlist(root));

    const settings::Stored stored = settings::read(path).stored;
    EXPECT_EQ(stored.frequency, 101100);
    EXPECT_EQ(stored.style, 0);
    EXPECT_EQ(stored.stereo, false);
    ASSERT_TRUE(settings::write(path, 101200, false).saved());
    EXPECT_EQ(settings::read(path).stored.style, 0);
    EXPECT_EQ(settings::read(path).stored.frequency, 101200);
}

// A damaged file is not silently replaced: it is kept beside the new one, each time under a
// name of its own, with a line in the log.
TEST_F(SettingsFile, UnreadableFileIsKeptBesideTheNewOne) {
    for (const char* damaged : {"<plist><dict><key>Style</key><integer>1", "garbage"}) {
        writeText(path, damaged);
        StreamCapture err(2);
        ASSERT_TRUE(settings::write(path, 88100, true).saved());
        EXPECT_NE(err.text().find("could not be read"), std::string::npos);
    }
    EXPECT_EQ(readAll(path + ".unreadable"), "<plist><dict><key>Style</key><integer>1");
    EXPECT_EQ(readAll(path + ".unreadable.2"), "garbage");
    EXPECT_EQ(settings::read(path).stored.frequency, 88100);
}

// A disk that fills up half-way through the write: the file size limit stands in for it, and
// holds for root as well.
TEST_F(SettingsFile, FailedWriteLeavesTheOldFileWhole) {
    writeText(path, plist("<key>Frequency</key><integer>90000</integer>"));
    const QByteArray before = readAll(path);

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool written = settings::write(path, 100000, true).saved();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"settings.plist"});
}

} // namespace
