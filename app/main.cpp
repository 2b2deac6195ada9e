// usb-tavro-prefs: shows the USB_Tavro pane in a window, as the settings application would.
#include "app/DisplayCheck.h"
#include "app/HostWindow.h"
#include "app/QuitSignals.h"
#include "device/DeviceServices.h"
#include "device/linux/LinuxBackend.h"
#include "device/sim/SimulatedTransmitter.h"
#include "host/KeyRepeat.h"
#include "host/PreferencePane.h"
#include "host/Printable.h"
#include "host/Snapshot.h"
#include "host/StandardDescriptors.h"
#include "host/Translations.h"
#include "hosting/PaneLoader.h"
#include "hosting/SingleInstance.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSessionManager>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

constexpr int sExitUsage = 2;

struct Options {
    bool simulate = false;
    QString bundlePath;
    QString screenshotPath;
    double scale = 0.0; // 0: the screen's
};

struct Words {
    Q_DECLARE_TR_FUNCTIONS(usb_tavro_prefs)
};

// Lines may hold arguments, paths and names from the environment: escaped, they stay one line
// that a terminal only shows.
void printLine(FILE* inStream, const QString& inText) {
    std::fprintf(inStream, "%s\n", qUtf8Printable(host::printable(inText)));
}

// The argument that holds the unknown option inName as it was typed: "--name", "--name=value",
// or a cluster of short ones such as "-nx".
QString typedOption(const QStringList& inArguments, const QString& inName) {
    for (const QString& argument : inArguments.mid(1)) {
        if (argument == "--") {
            break;
        }
        const bool isLong = argument.startsWith("--");
        if ((isLong && argument.mid(2).section('=', 0, 0) == inName) ||
            (!isLong && argument.startsWith('-') && inName.size() == 1 &&
             argument.mid(1).contains(inName))) {
            return argument;
        }
    }
    return (inName.size() == 1 ? "-" : "--") + inName;
}

// A refused command line in the words the command-line tool uses: "unknown option --bogus",
// "--bundle needs a path".
QString usageError(const QCommandLineParser& inParser, const QStringList& inArguments,
                   const QList<QCommandLineOption>& inValued) {
    if (const QStringList unknown = inParser.unknownOptionNames(); !unknown.isEmpty()) {
        return Words::tr("unknown option %1").arg(typedOption(inArguments, unknown.constFirst()));
    }
    // The only other refusal: a valued option last, with nothing after it.
    for (const QCommandLineOption& option : inValued) {
        const QString name = option.names().constFirst();
        if (inArguments.constLast() == "--" + name) {
            return Words::tr("--%1 needs a %2").arg(name, option.valueName());
        }
    }
    QString error = inParser.errorText();
    error.chop(error.endsWith('.') ? 1 : 0);
    return error.isEmpty() ? error : error.front().toLower() + error.mid(1);
}

// Parses the arguments without a toolkit application, so that --help and usage errors work
// where no display is. Returns an exit code when the program should stop here.
std::optional<int> parseOptions(int argc, char** argv, Options& outOptions) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Words::tr("Settings for a USB FM transmitter: turn the dial to tune it, pick stereo or "
                  "mono.\nSettings are kept in %1.")
            .arg(host::printable(settings::prefPath())));
    const QCommandLineOption simulate(
        "simulate", Words::tr("Use a simulated transmitter instead of a real one. It starts "
                              "plugged in; the Device menu pulls it out and plugs it in again. "
                              "Every report it receives is printed on standard output."));
    const QCommandLineOption bundle("bundle",
                                    Words::tr("Load the pane from the bundle at <path> (default: "
                                              "beside the program, else the installed one)."),
                                    "path");
    const QCommandLineOption screenshot(
        "screenshot", Words::tr("Render the pane to <file> as PNG, without a display, and exit."),
        "file");
    const QCommandLineOption scale("scale",
                                   Words::tr("With --screenshot: <factor> pixels per point (1 to "
                                             "8; default: the screen's, as QT_SCALE_FACTOR sets "
                                             "it)."),
                                   "factor");
    parser.addOptions({simulate, bundle, screenshot, scale});
    const QCommandLineOption help({"h", "help"}, Words::tr("Show this help and exit."));
    const QCommandLineOption version({"v", "version"}, Words::tr("Show the version and exit."));
    parser.addOptions({help, version});

    if (!parser.parse(arguments)) {
        printLine(stderr, Words::tr("usb-tavro-prefs: %1 (see usb-tavro-prefs --help)")
                              .arg(usageError(parser, arguments, {bundle, screenshot, scale})));
        return sExitUsage;
    }
    if (parser.isSet(help)) {
        std::fputs(
            qUtf8Printable(parser.helpText().replace("<executable_name>", "usb-tavro-prefs")),
            stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        printLine(stdout, "usb-tavro-prefs " TAVRO_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printLine(stderr, Words::tr("usb-tavro-prefs: %1 (see usb-tavro-prefs --help)")
                              .arg(Words::tr("unexpected argument %1")
                                       .arg(parser.positionalArguments().constFirst())));
        return sExitUsage;
    }
    if (parser.isSet(scale)) {
        bool number = false;
        outOptions.scale = parser.value(scale).toDouble(&number);
        if (!number || !(outOptions.scale >= 1.0 && outOptions.scale <= 8.0)) {
            printLine(stderr,
                      Words::tr("usb-tavro-prefs: --scale takes a number from 1 to 8, not %1")
                          .arg(parser.value(scale)));
            return sExitUsage;
        }
        if (!parser.isSet(screenshot)) {
            printLine(stderr, Words::tr("usb-tavro-prefs: --scale applies to --screenshot only"));
            return sExitUsage;
        }
    }
    outOptions.simulate = parser.isSet(simulate);
    outOptions.bundlePath = parser.value(bundle);
    outOptions.screenshotPath = parser.value(screenshot);
    return std::nullopt;
}

// Qt ends the program with exit() from inside the event loop when it loses its display; an exit
// handler is the last chance to save what the user set. It is the one thing such a handler can
// reach, so it lives here.
void saveAtExit(HostWindow* inWindow) {
    static HostWindow* sWindow = nullptr;
    static const bool sRegistered = [] {
        return std::atexit([] {
                   if (sWindow != nullptr) {
                       sWindow->deselect();
                   }
               }) == 0;
    }();
    sWindow = sRegistered ? inWindow : nullptr;
}

} // namespace

int main(int argc, char** argv) {
    // Else the X connection could take a closed one's number and get what is printed.
    host::openClosedStandardDescriptors();
    QuitSignals::block();
    QuitSignals quitSignals;
    // A closed standard output (the simulator's reports piped into head) must not end the panel.
    std::signal(SIGPIPE, SIG_IGN);

    Options options;
    {
        // The command line is read, and refused, in the person's language before the toolkit
        // starts, which needs a display.
        const QCoreApplication words(argc, argv);
        host::installTranslations();
        if (const auto exitCode = parseOptions(argc, argv, options)) {
            return *exitCode;
        }
        if (!options.screenshotPath.isEmpty()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
        } else if (const QString problem = displayProblem(); !problem.isEmpty()) {
            printLine(stderr, Words::tr("usb-tavro-prefs: cannot open a window: %1 (--screenshot "
                                        "works without one)")
                                  .arg(problem));
            return sExitUsage;
        }
    }
    const bool screenshot = !options.screenshotPath.isEmpty();

    // Before the toolkit, which would wait for a silent session bus without end.
    const QDeadlineTimer busDeadline(SingleInstance::sAnswerWithin);
    const QString busHidden =
        screenshot ? QString() : SingleInstance::hideSilentSessionBus(busDeadline);
    QVariantMap platformData = SingleInstance::platformData();

    QApplication app(argc, argv);
    host::installTranslations();
    QApplication::setApplicationName("usb-tavro-prefs");
    QApplication::setApplicationVersion(TAVRO_VERSION);
    QGuiApplication::setDesktopFileName(settings::sBundleIdentifier);
    // The dial repeats a held arrow at its own pace, whatever the X server's repeat settings.
    host::requestDetectableAutoRepeat();

    std::optional<SingleInstance> instance;
    if (!screenshot) {
        instance.emplace(busHidden, std::move(platformData), busDeadline);
    }
    switch (instance ? instance->claim() : SingleInstance::Start::Run) {
    case SingleInstance::Start::Run:
        break;
    case SingleInstance::Start::CameForward:
        return 0;
    case SingleInstance::Start::Held:
        return 1;
    }

    std::unique_ptr<device::Backend> backend;
    device::SimulatedTransmitter* simulator = nullptr;
    if (options.simulate) {
        auto simulated = std::make_unique<device::SimulatedTransmitter>();
        simulated->plug();
        simulator = simulated.get();
        backend = std::move(simulated);
    } else {
        backend = std::make_unique<device::LinuxBackend>();
    }
    device::DeviceServices services(*backend);

    PaneLoader loader;
    // Beside the program in a build tree.
    const QString bundlePath =
        options.bundlePath.isEmpty()
            ? PaneLoader::findBundle(QCoreApplication::applicationDirPath(),
                                     {"USB_Tavro.prefPane", TAVRO_INSTALLED_BUNDLE_RELPATH})
            : options.bundlePath;
    std::unique_ptr<host::PreferencePane> pane = loader.load(bundlePath, services);
    if (pane == nullptr) {
        printLine(stderr, Words::tr("usb-tavro-prefs: %1").arg(loader.errorString()));
        return 1;
    }
    if (simulator != nullptr) {
        // The simulated transmitter's menu, for the status line's "Plug in the transmitter."
        pane->setProperty(
            "plugInHint",
            Words::tr("Or the simulated one: Device, Plug In Simulated Transmitter."));
    }
    pane->mainViewDidLoad();
    HostWindow window(*pane, simulator);

    if (screenshot) {
        const double scale = options.scale > 0.0 ? options.scale : window.devicePixelRatioF();
        if (const QString problem = host::writeSnapshot(window, options.screenshotPath, scale);
            !problem.isEmpty()) {
            printLine(stderr, Words::tr("usb-tavro-prefs: cannot write %1: %2")
                                  .arg(options.screenshotPath, problem));
            return 1;
        }
        return 0;
    }

    // Every normal way out saves the settings: closing the window, Quit, a terminating signal,
    // the end of the session, the loss of the display.
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &app, &QApplication::quit);
    QObject::connect(&app, &QApplication::aboutToQuit, &window, &HostWindow::deselect);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.commitSettings(); });
    quitSignals.handleInEventLoop();
    instance->setWindow(&window);
    saveAtExit(&window);

    window.present();
    const int status = QApplication::exec();
    saveAtExit(nullptr);
    // The settings the user set could not be saved: a script starting the panel learns of it.
    return status != 0 ? status : (pane->settingsSaved() ? 0 : 1);
}
