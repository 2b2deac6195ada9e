// The settings file: where it lives, what it holds, and that a write replaces it whole or not at
// all, whatever the disk does, keeping what it cannot read.
#include "host/PropertyList.h"
#include "settings/Settings.h"
#include "support/ScopedEnv.h"
#include "support/TroubledFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& inPath) {
    QFile file(inPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& inPath, const QByteArray& inText) {
    QFile file(inPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(inText);
}

QByteArray plist(const QByteArray& inBody) {
    return "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>" + inBody + "</dict></plist>";
}

struct PathCase {
    const char* xdgConfigHome;
    const char* home;
    QString folder;
};

// XDG_CONFIG_HOME when absolute, else $HOME/.config, else the user database's home: never the
// current folder, never the root.
TEST(Settings, PathFollowsTheXdgRulesAndTheUserDatabase) {
    const QString own = QFile::decodeName(getpwuid(getuid())->pw_dir) + "/.config";
    const PathCase cases[] = {{"/srv/conf", "/home/u", "/srv/conf"},
                              {"relative/conf", "/home/u", "/home/u/.config"},
                              {"", "/home/u/", "/home/u/.config"},
                              {nullptr, nullptr, own},
                              {nullptr, "relative", own}};
    for (const PathCase& c : cases) {
        ScopedEnv xdg("XDG_CONFIG_HOME", c.xdgConfigHome);
        ScopedEnv home("HOME", c.home);
        EXPECT_EQ(settings::prefPath(), c.folder + "/" + settings::sBundleIdentifier + ".plist")
            << (c.xdgConfigHome ? c.xdgConfigHome : "unset") << " " << (c.home ? c.home : "unset");
    }
}

class SettingsFile : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path = folder.filePath("fresh/account/settings.plist");
};

TEST_F(SettingsFile, ReadsItsKeysAndWritesTwoKeepingEveryOther) {
    EXPECT_EQ(settings::read(path).state, settings::FileState::Missing);
    ASSERT_TRUE(settings::write(path, 98000, false).saved()); // the folder is made
    auto dict = host::Dictionary::dictionaryWithContentsOfFile(path);
    ASSERT_TRUE(dict);
    EXPECT_EQ(dict->toXML(), host::Dictionary::fromData(plist("<key>Frequency</key><integer>"
                                                              "98000</integer><key>Stereo</key>"
                                                              "<false/>"))
                                 ->toXML());

    put(path, plist("<key>Style</key><integer>1</integer><key>Note</key><string>mine</string>"
                    "<key>ApplyOnPlug</key><false/>"));
    settings::Contents read = settings::read(path);
    EXPECT_EQ(read.state, settings::FileState::Read);
    EXPECT_EQ(read.stored.style, 1);
    EXPECT_EQ(read.stored.applyOnPlug, false);
    EXPECT_FALSE(read.stored.frequency || read.stored.stereo);
    ASSERT_TRUE(settings::write(path, 76500, true).saved());
    dict = host::Dictionary::dictionaryWithContentsOfFile(path);
    EXPECT_EQ(dict->stringValue("Note"), QString("mine"));
    read = settings::read(path);
    EXPECT_EQ(read.stored.style, 1);
    EXPECT_EQ(read.stored.frequency, 76500);
    EXPECT_EQ(read.stored.stereo, true);
}

// A file that cannot be read is never written over: it is kept beside the new one, each time
// under a name of its own.
TEST_F(SettingsFile, WriteKeepsAnUnreadableFileAside) {
    QDir().mkpath(QFileInfo(path).path());
    for (const QByteArray damaged : {"<plist><dict><key>Style</key>", "garbage"}) {
        put(path, damaged);
        EXPECT_EQ(settings::read(path).state, settings::FileState::Unreadable);
        const settings::WriteResult written = settings::write(path, 88100, true);
        ASSERT_TRUE(written.saved());
        EXPECT_EQ(contents(written.keptAside), damaged);
    }
    EXPECT_EQ(contents(path + ".unreadable"), "<plist><dict><key>Style</key>");
    EXPECT_EQ(contents(path + ".unreadable.2"), "garbage");
}

// The new file takes the old one's place whole: whoever holds the old one still reads it all.
TEST_F(SettingsFile, WriteReplacesTheFileWhole) {
    ASSERT_TRUE(settings::write(path, 90000, true).saved());
    const QByteArray old = contents(path);
    ASSERT_EQ(::link(qPrintable(path), qPrintable(folder.filePath("held"))), 0);
    ASSERT_TRUE(settings::write(path, 100000, false).saved());
    EXPECT_EQ(contents(folder.filePath("held")), old);
    EXPECT_EQ(settings::read(path).stored.frequency, 100000);
}

// On a full or read-only disk the write says why it failed, and the old file stays as it was.
TEST(SettingsOnATroubledDisk, WriteFailsSayingWhyAndKeepsTheOldFile) {
    const QByteArray old = plist("<key>Frequency</key><integer>101500</integer>");
    for (const auto& [trouble, why] : {std::pair{TroubledFolder::Full, "No space left on device"},
                                       std::pair{TroubledFolder::ReadOnly, "Read-only"}}) {
        const TroubledFolder disk(trouble, "settings.plist", old);
        if (!disk.problem().empty()) {
            GTEST_SKIP() << disk.problem();
        }
        const settings::WriteResult written =
            settings::write(disk.path("settings.plist"), 88100, false);
        EXPECT_FALSE(written.saved());
        EXPECT_TRUE(written.problem.contains(why)) << written.problem.toStdString();
        EXPECT_EQ(contents(disk.path("settings.plist")), old);
    }
}

} // namespace
