// The command line of usb-tavro: its arguments, the frequencies it takes and the bands it checks
// them against, and a help text that matches what the parser takes.
#include "cli/Arguments.h"
#include "cli/Band.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <optional>

namespace {

using cli::Command;
using cli::Fit;
using cli::Frequency;
using cli::Invocation;
using cli::UsageError;
using Action = Invocation::Action;

// ---- Arguments

struct AcceptedCase {
    QStringList arguments;
    Action action;
    Command command;
    bool simulate;
    std::optional<bool> stereo;
};

void PrintTo(const AcceptedCase& inCase, std::ostream* outStream) {
    *outStream << inCase.arguments.join(' ').toStdString();
}

class AcceptedArguments : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedArguments, GiveTheirInvocation) {
    const AcceptedCase& c = GetParam();
    const auto parsed = cli::parseArguments(c.arguments);
    ASSERT_TRUE(std::holds_alternative<Invocation>(parsed))
        << std::get<UsageError>(parsed).message.toStdString();
    const auto& invocation = std::get<Invocation>(parsed);
    EXPECT_EQ(invocation.action, c.action);
    if (c.action == Action::Run) {
        EXPECT_EQ(invocation.command, c.command);
        EXPECT_EQ(invocation.simulate, c.simulate);
        EXPECT_EQ(invocation.stereo, c.stereo);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AcceptedArguments,
    ::testing::Values(
        AcceptedCase{{"status"}, Action::Run, Command::Status, false, std::nullopt},
        AcceptedCase{{"--simulate", "list"}, Action::Run, Command::List, true, std::nullopt},
        // Options may follow the command and its argument.
        AcceptedCase{{"list", "--simulate"}, Action::Run, Command::List, true, std::nullopt},
        AcceptedCase{{"tune", "88.1"}, Action::Run, Command::Tune, false, std::nullopt},
        AcceptedCase{{"tune", "88.1", "--mono"}, Action::Run, Command::Tune, false, false},
        AcceptedCase{{"--stereo", "tune", "88100"}, Action::Run, Command::Tune, false, true},
        AcceptedCase{{"tune", "--", "88.1"}, Action::Run, Command::Tune, false, std::nullopt},
        // Help and version win over a command, even one that would be refused.
        AcceptedCase{{"--help", "tune"}, Action::Help, Command::Status, false, std::nullopt},
        AcceptedCase{
            {"status", "--mono", "-h"}, Action::Help, Command::Status, false, std::nullopt},
        AcceptedCase{
            {"tune", "x", "--version"}, Action::Version, Command::Status, false, std::nullopt},
        AcceptedCase{{"-v"}, Action::Version, Command::Status, false, std::nullopt}));

TEST(TuneArgument, CarriesTheFrequencyAsTypedAndAsRead) {
    const auto parsed = cli::parseArguments({"tune", "100300"});
    ASSERT_TRUE(std::holds_alternative<Invocation>(parsed));
    const auto& invocation = std::get<Invocation>(parsed);
    EXPECT_EQ(invocation.frequencyText, "100300");
    EXPECT_EQ(invocation.frequency.hertz, 100300000);
}

struct RefusedCase {
    QStringList arguments;
    QString message;
};

void PrintTo(const RefusedCase& inCase, std::ostream* outStream) {
    *outStream << "'" << inCase.arguments.join(' ').toStdString() << "'";
}

class RefusedArguments : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedArguments, SayWhatIsWrong) {
    const auto parsed = cli::parseArguments(GetParam().arguments);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
    EXPECT_EQ(std::get<UsageError>(parsed).message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Usage, RefusedArguments,
    ::testing::Values(
        RefusedCase{{}, "no command given"}, RefusedCase{{"--simulate"}, "no command given"},
        RefusedCase{{"play"}, "unknown command play"}, RefusedCase{{"-"}, "unknown command -"},
        RefusedCase{{"tune"}, "tune needs a frequency"},
        RefusedCase{{"tune", "88.1", "90.1"}, "unexpected argument 90.1"},
        RefusedCase{{"status", "now"}, "unexpected argument now"},
        RefusedCase{{"status", "--mono"}, "--mono applies to tune only"},
        RefusedCase{{"list", "--stereo"}, "--stereo applies to tune only"},
        RefusedCase{{"tune", "88.1", "--mono", "--stereo"},
                    "--mono and --stereo exclude each other"},
        // An unknown option is refused even beside --help, so a typo is never taken silently.
        RefusedCase{{"--help", "--bogus"}, "unknown option --bogus"},
        RefusedCase{{"--simulate=1", "status"}, "unknown option --simulate=1"},
        RefusedCase{{"tune", "-88.1"}, "unknown option -88.1"},
        RefusedCase{{"tune", "--", "-88.1"}, "-88.1 is not a frequency"},
        RefusedCase{{"tune", "fm"}, "fm is not a frequency"},
        RefusedCase{{"tune", "88,1"},
                    "88,1 is not a frequency (write decimals with a point: 88.1)"}));

// Every option the help text names is one the parser takes, and every option the parser takes is
// in the help text.
TEST(HelpText, NamesExactlyTheOptionsTheParserTakes) {
    const QString help = cli::helpText("/home/u/.config/x.plist");
    QStringList named;
    for (const auto& match : QRegularExpression(R"((?<![\w-])(--?[a-z]+))").globalMatch(help)) {
        named << match.captured(1);
    }
    named.removeDuplicates();
    for (const QString& option : named) {
        const auto parsed = cli::parseArguments({"tune", "88.1", option});
        const auto* error = std::get_if<UsageError>(&parsed);
        EXPECT_TRUE(error == nullptr || !error->message.startsWith("unknown option"))
            << option.toStdString();
    }
    for (const char* option :
         {"--mono", "--stereo", "--simulate", "-h", "--help", "-v", "--version"}) {
        EXPECT_TRUE(named.contains(option)) << option;
    }
    for (const char* command : {"status", "tune FREQ", "list"}) {
        EXPECT_TRUE(help.contains(QString("  ") + command)) << command;
    }
    EXPECT_TRUE(help.contains("/home/u/.config/x.plist"));
}

// ---- Frequencies

struct FrequencyCase {
    QString text;
    std::int64_t hertz;
    bool exact;
    Frequency::Unit unit;
};

void PrintTo(const FrequencyCase& inCase, std::ostream* outStream) {
    *outStream << "'" << inCase.text.toStdString() << "'";
}

class ReadFrequency : public ::testing::TestWithParam<FrequencyCase> {};

TEST_P(ReadFrequency, ToItsExactValue) {
    const FrequencyCase& c = GetParam();
    const std::optional<Frequency> frequency = cli::parseFrequency(c.text);
    ASSERT_TRUE(frequency.has_value());
    EXPECT_EQ(frequency->hertz, c.hertz);
    EXPECT_EQ(frequency->exact, c.exact);
    EXPECT_EQ(frequency->unit, c.unit);
}

constexpr auto MHz = Frequency::Unit::MHz;
constexpr auto kHz = Frequency::Unit::kHz;

INSTANTIATE_TEST_SUITE_P(
    Values, ReadFrequency,
    ::testing::Values(
        FrequencyCase{"88.1", 88100000, true, MHz}, FrequencyCase{"88", 88000000, true, MHz},
        FrequencyCase{"88.10", 88100000, true, MHz}, FrequencyCase{"088.1", 88100000, true, MHz},
        // The boundary between the units.
        FrequencyCase{"999.9", 999900000, true, MHz}, FrequencyCase{"1000", 1000000, true, kHz},
        FrequencyCase{"88100", 88100000, true, kHz}, FrequencyCase{"88100.5", 88100500, true, kHz},
        // A typed unit wins over the rule.
        FrequencyCase{"88.1MHz", 88100000, true, MHz},
        FrequencyCase{"88.1 mhz", 88100000, true, MHz},
        FrequencyCase{"88100kHz", 88100000, true, kHz}, FrequencyCase{"100 KHZ", 100000, true, kHz},
        FrequencyCase{"1000MHz", 1000000000, true, MHz},
        // Below one hertz: kept as "not exact", never rounded onto the grid.
        FrequencyCase{"88.1000001", 88100000, false, MHz},
        FrequencyCase{"88.1000000", 88100000, true, MHz},
        FrequencyCase{"88100.0001", 88100000, false, kHz},
        FrequencyCase{"999999999", 999999999000, true, kHz}));

class MalformedFrequency : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedFrequency, IsNoFrequency) {
    EXPECT_EQ(cli::parseFrequency(QString::fromUtf8(GetParam())), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Texts, MalformedFrequency,
                         ::testing::Values("", ".5", "88.", "88..1", "88.1.2", "1e5", "0x58",
                                           "+88.1", " 88.1", "88.1 ", "88.1  MHz", "MHz", "88,1",
                                           "88.1Hz", "88.1GHz", "1234567890",
                                           "\u0668\u0668.\u0661" /* Arabic-Indic 88.1 */));

TEST(FrequencyText, HasTheDecimalsItNeedsAndAtLeastOne) {
    EXPECT_EQ(cli::formatMHz(88100000), "88.1");
    EXPECT_EQ(cli::formatMHz(88000000), "88.0");
    EXPECT_EQ(cli::formatMHz(88150000), "88.15");
    EXPECT_EQ(cli::formatMHz(1), "0.000001");
    EXPECT_EQ(cli::formatMHz(0), "0.0");
    EXPECT_EQ(cli::formatMHz(-5000), "-0.005");
    EXPECT_EQ(cli::formatMHzFromKHz(107900), "107.9");
    // Any SInt32 from a hand-edited settings file.
    EXPECT_EQ(cli::formatMHzFromKHz(INT32_MIN), "-2147483.648");
}

// ---- Bands

struct FitCase {
    SInt32 style;
    const char* text;
    Fit fit;
};

void PrintTo(const FitCase& inCase, std::ostream* outStream) {
    *outStream << "style " << inCase.style << " " << inCase.text;
}

class BandFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(BandFit, IsWhatTheDialWouldShow) {
    const FitCase& c = GetParam();
    EXPECT_EQ(cli::fitFrequency(*cli::parseFrequency(c.text), cli::bandForStyle(c.style)), c.fit);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, BandFit,
    ::testing::Values(FitCase{0, "88.1", Fit::Fits}, FitCase{0, "107.9", Fit::Fits},
                      FitCase{0, "88.0", Fit::OutsideBand}, FitCase{0, "108", Fit::OutsideBand},
                      FitCase{0, "76.1", Fit::OutsideBand}, FitCase{0, "88.15", Fit::OffGrid},
                      FitCase{0, "88150", Fit::OffGrid}, FitCase{0, "88.1000001", Fit::OffGrid},
                      // A hair above the top end is outside, not merely off the grid.
                      FitCase{0, "107.9000001", Fit::OutsideBand},
                      FitCase{0, "88.0999999", Fit::OutsideBand}, FitCase{1, "76.1", Fit::Fits},
                      FitCase{1, "89.9", Fit::Fits}, FitCase{1, "88.1", Fit::Fits},
                      FitCase{1, "76.0", Fit::OutsideBand}, FitCase{1, "90.0", Fit::OutsideBand},
                      FitCase{1, "107.9", Fit::OutsideBand},
                      // Unknown styles: the band a new dial starts with.
                      FitCase{7, "76.1", Fit::OutsideBand}, FitCase{7, "107.9", Fit::Fits},
                      FitCase{-1, "88.1", Fit::Fits}, FitCase{2, "89.9", Fit::Fits},
                      FitCase{2, "76.5", Fit::OutsideBand}));

} // namespace
