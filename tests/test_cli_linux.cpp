// usb-tavro on the Linux device services: real libudev against umockdev's mock sysfs, hidraw
// nodes whose written bytes are read back; in this process, and the program itself.
#include "cli/Commands.h"
#include "device/linux/LinuxDeviceServices.h"
#include "settings/Settings.h"
#include "support/MockSysfs.h"
#include "support/StreamCapture.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// umockdev's preload library comes before the sanitizer runtime; that order is intended here.
extern "C" __attribute__((used)) const char* __asan_default_options() {
    return "verify_asan_link_order=0";
}

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

// Takes from this thread the capabilities that let root open any file, so that a node's mode
// keeps it out as it would keep out a user without the udev rule.
class WithoutFileOverride {
public:
    WithoutFileOverride() {
        mHeader.version = _LINUX_CAPABILITY_VERSION_3;
        mHeader.pid = 0;
        ::syscall(SYS_capget, &mHeader, mSaved);
        __user_cap_data_struct reduced[2] = {mSaved[0], mSaved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        ::syscall(SYS_capset, &mHeader, reduced);
    }
    ~WithoutFileOverride() { ::syscall(SYS_capset, &mHeader, mSaved); }
    WithoutFileOverride(const WithoutFileOverride&) = delete;
    WithoutFileOverride& operator=(const WithoutFileOverride&) = delete;

private:
    __user_cap_header_struct mHeader{};
    __user_cap_data_struct mSaved[2]{};
};

// The file behind a mock node, as the preload library maps it.
std::string mockNodeFile(unsigned inIndex) {
    return std::string(qgetenv("UMOCKDEV_DIR").constData()) + MockSysfs::node(inIndex);
}

std::vector<std::string> lines(const std::string& inText) {
    std::vector<std::string> lines;
    std::istringstream text(inText);
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line);
    }
    return lines;
}

class CliOnLinux : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(MockSysfs::isActive()) << "run under umockdev-wrapper"; }

    int run(const std::function<int(cli::Context&)>& inCommand) {
        device::LinuxDeviceServices services;
        cli::Context context{services, settingsPath, {"70-usb-tavro.rules", {}, {}}, out, err};
        return inCommand(context);
    }
    int tune(const char* inText, std::optional<bool> inStereo = std::nullopt) {
        return run([&](cli::Context& ioContext) {
            return cli::tune(ioContext, inText, *cli::parseFrequency(inText), inStereo);
        });
    }

    MockSysfs sysfs;
    QTemporaryDir folder;
    QString settingsPath = folder.filePath("settings.plist");
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliOnLinux, TuneWritesTheReportToTheNodeAndSavesIt) {
    sysfs.add({.index = 0});

    EXPECT_EQ(tune("88.1"), cli::sExitDone);

    EXPECT_THAT(sysfs.written(0), ElementsAre(0x00, 0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00));
    EXPECT_EQ(settings::read(settingsPath).stored.frequency, 88100);
    EXPECT_EQ(err.str(), "");
}

TEST_F(CliOnLinux, NodeWithoutPermissionNamesItAndTheUdevRuleAndIsNotWritten) {
    sysfs.add({.index = 0});
    ASSERT_EQ(::chmod(mockNodeFile(0).c_str(), 0), 0);
    StreamCapture log(STDERR_FILENO);
    int status = -1;
    {
        WithoutFileOverride asAUser;
        status = tune("88.1", false);
    }

    EXPECT_EQ(status, cli::sExitDevice);
    ASSERT_EQ(lines(err.str()).size(), 1u);
    EXPECT_THAT(err.str(), StartsWith("usb-tavro: no permission to write to the transmitter at "
                                      "/dev/hidraw0: install the udev rule 70-usb-tavro.rules"));
    EXPECT_EQ(log.text(), "");
    EXPECT_THAT(sysfs.written(0), IsEmpty());
    EXPECT_EQ(settings::read(settingsPath).stored.stereo, false);
}

TEST_F(CliOnLinux, ListShowsNodesAndVersionsAndWhichCannotBeWritten) {
    sysfs.add({.index = 2, .bcdDevice = "0102"});
    sysfs.add({.index = 5, .idVendor = "046d"});
    sysfs.add({.index = 7, .bcdDevice = "0210"});
    ASSERT_EQ(::chmod(mockNodeFile(7).c_str(), 0), 0);
    int status = -1;
    {
        WithoutFileOverride asAUser;
        status = run(cli::list);
    }

    EXPECT_EQ(status, cli::sExitDone); // one of them can be used
    EXPECT_THAT(lines(out.str()),
                ::testing::UnorderedElementsAre(
                    "/dev/hidraw2  hardware version 0102",
                    "/dev/hidraw7  hardware version 0210  (no permission to write to it)"));
    EXPECT_THAT(err.str(), StartsWith("usb-tavro: no permission to write to the transmitter at "
                                      "/dev/hidraw7"));
}

// The program itself: its child process inherits the mock sysfs.
class CliProgramOnLinux : public CliOnLinux {
protected:
    struct Outcome {
        int exitCode;
        std::string out;
        std::string err;
    };

    Outcome program(const QStringList& inArguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", folder.path());
        env.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(TAVRO_CLI_PROGRAM, inArguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }

    QString programSettings() const {
        return folder.filePath(QString(settings::sBundleIdentifier) + ".plist");
    }
};

TEST_F(CliProgramOnLinux, TunesTheTransmitterAndThePanesReaderFindsTheSettings) {
    sysfs.add({.index = 0, .bcdDevice = "0304"});

    const Outcome tuned = program({"tune", "107.9", "--mono"});
    EXPECT_EQ(tuned.exitCode, cli::sExitDone) << tuned.err;
    EXPECT_EQ(tuned.out, "Tuned to 107.9 MHz, mono.\n");
    EXPECT_THAT(sysfs.written(0), ElementsAre(0x00, 0xC0, 0x44, 0x37, 0x0C, 0x00, 0x00));
    const settings::Stored stored = settings::read(programSettings()).stored;
    EXPECT_EQ(stored.frequency, 107900);
    EXPECT_EQ(stored.stereo, false);

    const Outcome status = program({"status"});
    EXPECT_EQ(status.exitCode, cli::sExitDone) << status.err;
    EXPECT_THAT(status.out, StartsWith("Transmitter:     connected at /dev/hidraw0, hardware "
                                       "version 0304\nSaved frequency: 107.9 MHz\n"));
}

TEST_F(CliProgramOnLinux, WithoutTransmitterEachCommandFailsWithOneLine) {
    for (const QStringList& arguments :
         {QStringList{"status"}, QStringList{"list"}, QStringList{"tune", "88.1"}}) {
        const Outcome outcome = program(arguments);
        EXPECT_EQ(outcome.exitCode, cli::sExitDevice) << arguments.join(' ').toStdString();
        EXPECT_THAT(lines(outcome.err), ElementsAre(StartsWith("usb-tavro: no transmitter found")))
            << arguments.join(' ').toStdString();
    }
}

} // namespace
