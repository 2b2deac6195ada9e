// The pane on a troubled settings folder: read-only, full, or with something unreadable where
// the settings file belongs. Through the real controller on its real bundle, with a scripted
// transmitter: the old settings are never damaged, nothing crashes or hangs, and the pane keeps
// tuning the transmitter.
//
// The tests run as root, whom permission bits do not stop: a read-only folder is a read-only
// mount (in a mount namespace of the test's own), and permissions count once the capabilities
// that override them are dropped for the duration.
#include "device/fake/FakeDeviceServices.h"
#include "dial/xr_tunerCtl.h"
#include "host/PropertyList.h"
#include "pane/USB_TavroPref.h"
#include "settings/Settings.h"
#include "support/ScopedEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

using Report = std::vector<UInt8>;

Report report(SInt32 inFreqkHz, bool inStereo) {
    const auto word = static_cast<UInt16>(inFreqkHz / 100 + 0x4000 + (inStereo ? 0x0800 : 0));
    return {0xC0, static_cast<UInt8>(word >> 8), static_cast<UInt8>(word & 0xFF), 0x0C, 0, 0};
}

QByteArray contents(const QString& inPath) {
    QFile file(inPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray sOldSettings =
    "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Frequency</key><integer>101500"
    "</integer><key>Stereo</key><false/><key>Style</key><integer>0</integer><key>Note</key>"
    "<string>the user's own</string></dict></plist>";

// The capabilities that let root past permission bits, out of this thread's effective set
// while the object lives. Nothing to do for anyone else.
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride() {
        if (::geteuid() != 0 || !get(mSaved)) {
            return;
        }
        __user_cap_data_struct reduced[2] = {mSaved[0], mSaved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        mDropped = set(reduced);
    }
    ~WithoutPermissionOverride() {
        if (mDropped) {
            set(mSaved);
        }
    }
    WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
    WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

    // Whether permission bits now stop this thread.
    bool effective() const { return ::geteuid() != 0 || mDropped; }

private:
    static bool get(__user_cap_data_struct* outData) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capget, &header, outData) == 0;
    }
    static bool set(__user_cap_data_struct* inData) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capset, &header, inData) == 0;
    }

    __user_cap_data_struct mSaved[2]{};
    bool mDropped = false;
};

// A small tmpfs of its own on inFolder, in a mount namespace private to this test process, or
// the reason there is none.
class OwnMount {
public:
    explicit OwnMount(const QString& inFolder, const char* inOptions) : mFolder(inFolder) {
        if (::unshare(CLONE_NEWNS) != 0) {
            mError = std::string("unshare(CLONE_NEWNS): ") + std::strerror(errno);
            return;
        }
        // Nothing mounted here may reach the rest of the system.
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", qPrintable(mFolder), "tmpfs", 0, inOptions) != 0) {
            mError = std::string("mount: ") + std::strerror(errno);
            return;
        }
        mMounted = true;
    }
    ~OwnMount() {
        if (mMounted) {
            ::umount2(qPrintable(mFolder), MNT_DETACH);
        }
    }
    OwnMount(const OwnMount&) = delete;
    OwnMount& operator=(const OwnMount&) = delete;

    const std::string& error() const { return mError; }
    bool setReadOnly(bool inReadOnly) {
        return ::mount(nullptr, qPrintable(mFolder), nullptr,
                       MS_REMOUNT | (inReadOnly ? MS_RDONLY : 0), nullptr) == 0;
    }

private:
    QString mFolder;
    std::string mError;
    bool mMounted = false;
};

// A settings folder of the test's own, the controller on the build tree's bundle, and a
// transmitter plugged in.
class TroubledFolder : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(folder);
        device::FakeDeviceServices::Device transmitter;
        transmitter.name = "transmitter";
        fake.plug(transmitter);
    }

    void writeOldSettings() {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(sOldSettings), sOldSettings.size());
    }

    void start() {
        pane = std::make_unique<USB_TavroPref>(host::Bundle(TAVRO_BUNDLE_PATH), fake);
        ASSERT_NE(pane->loadMainView(), nullptr);
        pane->mainViewDidLoad();
    }

    xr_tunerCtl* dial() const { return pane->mainView()->findChild<xr_tunerCtl*>("mTunerCtl"); }

    // The dial and the controller still tune the transmitter.
    void expectTuning(SInt32 inFreqkHz) {
        fake.clearHIDCalls();
        dial()->setFrequency(inFreqkHz);
        pane->handleFreqWheel(dial());
        EXPECT_EQ(fake.reports(), std::vector<Report>{report(inFreqkHz, pane->stereo())});
    }

    QStringList entries() const {
        return QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir home;
    QString folder = home.filePath("config");
    QString path = folder + "/" + settings::sBundleIdentifier + ".plist";
    QString name = QString(settings::sBundleIdentifier) + ".plist";
    ScopedEnv xdg{"XDG_CONFIG_HOME", folder.toLocal8Bit()};
    device::FakeDeviceServices fake;
    std::unique_ptr<USB_TavroPref> pane;
};

// Where the file cannot be written, the old one stays byte for byte, the pane works on, and
// once the trouble is over the next deselection saves.
enum class Trouble { ReadOnlyMount, FolderWithoutWritePermission, FullDisk, FullDiskHalfWay };

void PrintTo(Trouble inTrouble, std::ostream* outStream) {
    constexpr const char* sNames[] = {"ReadOnlyMount", "FolderWithoutWritePermission", "FullDisk",
                                      "FullDiskHalfWay"};
    *outStream << sNames[static_cast<int>(inTrouble)];
}

class UnwritableFolder : public TroubledFolder, public ::testing::WithParamInterface<Trouble> {
protected:
    void TearDown() override {
        if (mTroubled) {
            end();
        }
    }

    // Puts the old file in place and makes writing fail; the reason to skip, if any.
    std::optional<std::string> begin() {
        mTroubled = true;
        switch (GetParam()) {
        case Trouble::ReadOnlyMount:
            if (auto skip = mountWithOldSettings("size=1m")) {
                return skip;
            }
            if (!mount->setReadOnly(true)) {
                return "cannot remount read-only";
            }
            return std::nullopt;
        case Trouble::FolderWithoutWritePermission:
            writeOldSettings();
            ::chmod(qPrintable(folder), 0555);
            dropped.emplace();
            if (!dropped->effective()) {
                return "cannot drop the capability to override permissions";
            }
            return std::nullopt;
        case Trouble::FullDisk: { // filled to the last block, so the new file cannot get one
            if (auto skip = mountWithOldSettings("size=256k")) {
                return skip;
            }
            QFile filler(folder + "/filler");
            if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
                return "cannot create the filler";
            }
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size()) {
            }
            return std::nullopt;
        }
        case Trouble::FullDiskHalfWay: { // a size limit holds for root as well
            writeOldSettings();
            getrlimit(RLIMIT_FSIZE, &savedLimit);
            savedHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit tiny = savedLimit;
            tiny.rlim_cur = 100;
            setrlimit(RLIMIT_FSIZE, &tiny);
            return std::nullopt;
        }
        }
        return "unknown trouble";
    }

    void end() {
        mTroubled = false;
        switch (GetParam()) {
        case Trouble::ReadOnlyMount:
            mount->setReadOnly(false);
            break;
        case Trouble::FolderWithoutWritePermission:
            dropped.reset();
            ::chmod(qPrintable(folder), 0755);
            break;
        case Trouble::FullDisk:
            QFile::remove(folder + "/filler");
            break;
        case Trouble::FullDiskHalfWay:
            setrlimit(RLIMIT_FSIZE, &savedLimit);
            std::signal(SIGXFSZ, savedHandler);
            break;
        }
    }

    // A fresh tmpfs on the folder, the old file written onto it.
    std::optional<std::string> mountWithOldSettings(const char* inOptions) {
        mount.emplace(folder, inOptions);
        if (!mount->error().empty()) {
            return "no mount namespace here: " + mount->error();
        }
        writeOldSettings();
        return std::nullopt;
    }

    std::optional<OwnMount> mount;
    std::optional<WithoutPermissionOverride> dropped;
    rlimit savedLimit{};
    void (*savedHandler)(int) = nullptr;
    bool mTroubled = false;
};

TEST_P(UnwritableFolder, KeepsTheOldFileAndThePaneWorksOn) {
    if (const auto skip = begin()) {
        GTEST_SKIP() << *skip;
    }
    start();
    EXPECT_EQ(pane->frequency(), 101500);
    EXPECT_FALSE(pane->stereo());

    expectTuning(95000);
    pane->didUnselect();
    EXPECT_EQ(contents(path), sOldSettings);
    expectTuning(96000);
    pane->didUnselect();
    EXPECT_EQ(contents(path), sOldSettings);
    const QStringList during = entries();

    end();
    EXPECT_TRUE(during.contains(name));
    for (const QString& entry : during) {
        EXPECT_TRUE(entry == name || entry == "filler") << "left behind: " << entry.toStdString();
    }
    pane->didUnselect();
    const settings::Stored saved = settings::read(path).stored;
    EXPECT_EQ(saved.frequency, 96000);
    EXPECT_EQ(saved.stereo, false);
    EXPECT_EQ(host::Dictionary::dictionaryWithContentsOfFile(path)->stringValue("Note"),
              QString("the user's own"));
}

INSTANTIATE_TEST_SUITE_P(Trouble, UnwritableFolder,
                         ::testing::Values(Trouble::ReadOnlyMount,
                                           Trouble::FolderWithoutWritePermission, Trouble::FullDisk,
                                           Trouble::FullDiskHalfWay),
                         [](const auto& inInfo) {
                             std::ostringstream name;
                             PrintTo(inInfo.param, &name);
                             return name.str();
                         });

// Something that cannot be read where the settings file belongs: the pane starts at its
// defaults without waiting, works on, and at deselection keeps what was there under a name of
// its own and saves a fresh file.
struct Unreadable {
    const char* name;
    // Puts it in place; gives a reason to skip, or nothing.
    std::optional<std::string> (*make)(const QString& inPath);
    // What was there, checked once it has been moved aside.
    void (*expectKept)(const QString& inAside);
};

void PrintTo(const Unreadable& inCase, std::ostream* outStream) {
    *outStream << inCase.name;
}

class UnreadableFile : public TroubledFolder, public ::testing::WithParamInterface<Unreadable> {};

TEST_P(UnreadableFile, StartsAtTheDefaultsAndKeepsItAside) {
    if (const auto skip = GetParam().make(path)) {
        GTEST_SKIP() << *skip;
    }
    {
        WithoutPermissionOverride dropped;
        // A pipe with no writer, or a device with nothing to say, would hold the read for ever:
        // it runs on a thread of its own here only so that such a hang fails the test instead
        // of stopping it.
        auto started = std::async(std::launch::async, [this] {
            return host::Dictionary::dictionaryWithContentsOfFile(path).has_value();
        });
        if (started.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "reading the settings file blocked";
            // A stuck reader cannot be let go of in every case: leave without waiting for it.
            std::fflush(nullptr);
            std::_Exit(1);
        }
        EXPECT_FALSE(started.get());

        start();
        EXPECT_EQ(pane->frequency(), 88100);
        EXPECT_TRUE(pane->stereo());
        expectTuning(95000);
        pane->didUnselect();
    }
    const settings::Stored saved = settings::read(path).stored;
    EXPECT_EQ(saved.frequency, 95000);
    EXPECT_EQ(saved.stereo, true);
    EXPECT_EQ(entries(), (QStringList{name, name + ".unreadable"}));
    GetParam().expectKept(path + ".unreadable");
}

INSTANTIATE_TEST_SUITE_P(
    InPlaceOfTheFile, UnreadableFile,
    ::testing::Values(
        Unreadable{"FileWithoutReadPermission",
                   [](const QString& inPath) -> std::optional<std::string> {
                       QFile file(inPath);
                       file.open(QIODevice::WriteOnly);
                       file.write(sOldSettings);
                       file.close();
                       ::chmod(qPrintable(inPath), 0200);
                       if (!WithoutPermissionOverride().effective()) {
                           return std::string("cannot drop the capability to override");
                       }
                       return std::nullopt;
                   },
                   [](const QString& inAside) {
                       EXPECT_EQ(contents(inAside), sOldSettings);
                   }},
        Unreadable{"Folder",
                   [](const QString& inPath) -> std::optional<std::string> {
                       QDir().mkpath(inPath);
                       QFile file(inPath + "/inside");
                       file.open(QIODevice::WriteOnly);
                       file.write("kept");
                       return std::nullopt;
                   },
                   [](const QString& inAside) {
                       EXPECT_EQ(contents(inAside + "/inside"), "kept");
                   }},
        Unreadable{"PipeWithoutWriter",
                   [](const QString& inPath) -> std::optional<std::string> {
                       if (::mkfifo(qPrintable(inPath), 0600) != 0) {
                           return std::string("mkfifo: ") + std::strerror(errno);
                       }
                       return std::nullopt;
                   },
                   [](const QString& inAside) {
                       struct stat kept {};
                       ASSERT_EQ(::lstat(qPrintable(inAside), &kept), 0);
                       EXPECT_TRUE(S_ISFIFO(kept.st_mode));
                   }},
        // A new terminal's master side, which has nothing to read until its other side writes.
        Unreadable{"SilentDevice",
                   [](const QString& inPath) -> std::optional<std::string> {
                       if (!QFile::link("/dev/ptmx", inPath)) {
                           return std::string("cannot link to /dev/ptmx");
                       }
                       return std::nullopt;
                   },
                   [](const QString& inAside) {
                       EXPECT_EQ(QFileInfo(inAside).symLinkTarget(), "/dev/ptmx");
                   }}),
    [](const auto& inInfo) { return std::string(inInfo.param.name); });

} // namespace
