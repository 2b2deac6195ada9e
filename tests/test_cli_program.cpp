// The usb-tavro program as a user runs it: help, version, usage errors and the simulated
// transmitter, with their exit statuses. Nothing here reaches real hardware.
#include "settings/Settings.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

class CliProgram : public ::testing::Test {
protected:
    Outcome run(const QStringList& inArguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(TAVRO_CLI_PROGRAM, inArguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return {process.exitCode(), process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }
    QString settingsPath() const {
        return config.filePath(QString(settings::sBundleIdentifier) + ".plist");
    }

    QTemporaryDir config;
};

TEST_F(CliProgram, HelpAndVersionSucceedOnStandardOutput) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, StartsWith("Usage: usb-tavro"));
    EXPECT_THAT(help.out, HasSubstr("Settings file: " + settingsPath().toStdString()));
    EXPECT_EQ(help.err, "");

    const Outcome version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "usb-tavro " TAVRO_VERSION "\n");
}

TEST_F(CliProgram, UsageErrorsExitWithTwoAndPointToHelp) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"tune"}, QStringList{"tune", "fm"}, QStringList{"--bogus"},
          QStringList{"list", "--mono"}}) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_THAT(outcome.err, ::testing::MatchesRegex("usb-tavro: [^\n]+\nTry 'usb-tavro "
                                                         "--help'.\n"));
        EXPECT_EQ(outcome.out, "");
    }
}

TEST_F(CliProgram, SimulatedTransmitterIsTunedAndPrintsTheReport) {
    const Outcome tuned = run({"--simulate", "tune", "88.1"});
    EXPECT_EQ(tuned.exitCode, 0) << tuned.err;
    EXPECT_EQ(tuned.out, "report: C0 4B 71 0C 00 00  88.1 MHz stereo power 1\n"
                         "Tuned to 88.1 MHz, stereo.\n");
    EXPECT_EQ(settings::read(settingsPath()).stored.frequency, 88100);

    const Outcome status = run({"--simulate", "status"});
    EXPECT_EQ(status.exitCode, 0);
    EXPECT_THAT(status.out, StartsWith("Transmitter:     connected, hardware version 0100\n"
                                       "Saved frequency: 88.1 MHz\n"));
}

} // namespace
