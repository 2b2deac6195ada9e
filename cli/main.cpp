// usb-tavro: tunes the USB FM transmitter from the command line, on the settings panel's device
// link and settings file.
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "device/linux/LinuxBackend.h"
#include "device/sim/SimulatedTransmitter.h"
#include "host/Printable.h"
#include "host/StandardDescriptors.h"
#include "host/Translations.h"
#include "settings/Settings.h"

#include <QCoreApplication>

#include <csignal>
#include <iostream>
#include <memory>

#include <unistd.h>

namespace {

// Output that did not reach its reader fails the program, with one line on standard error.
int finish(int inStatus) {
    const QString lost = cli::lostOutput();
    if (lost.isEmpty()) {
        return inStatus;
    }
    cli::writeProblem(std::cerr,
                      cli::Words::tr("could not write to standard output: %1").arg(lost));
    return inStatus == cli::sExitDone ? cli::sExitDevice : inStatus;
}

int runCommand(const cli::Invocation& inInvocation) {
    std::unique_ptr<device::Backend> backend;
    if (inInvocation.simulate) {
        auto simulated = std::make_unique<device::SimulatedTransmitter>();
        simulated->plug();
        backend = std::move(simulated);
    } else {
        backend = std::make_unique<device::LinuxBackend>();
    }
    cli::Context context{*backend, settings::prefPath(), device::programUdevRuleFiles(), std::cout,
                         std::cerr};
    return cli::run(inInvocation, context);
}

} // namespace

int main(int argc, char** argv) {
    if ((host::openClosedStandardDescriptors() & (1u << STDOUT_FILENO)) != 0) {
        cli::outputWasClosed();
    }
    // A reader that has gone (a closed pipe) must not end the program, least of all before tune
    // has saved: the failed write is reported instead.
    std::signal(SIGPIPE, SIG_IGN);

    // The Linux backend watches its udev socket from the event loop's thread; no window system is
    // involved.
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("usb-tavro");
    QCoreApplication::setApplicationVersion(TAVRO_VERSION);
    host::installTranslations();

    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const auto parsed = cli::parseArguments(arguments);
    if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
        cli::writeProblem(std::cerr,
                          cli::Words::tr("%1 (see usb-tavro --help)").arg(error->message));
        return cli::sExitUsage;
    }
    const auto& invocation = std::get<cli::Invocation>(parsed);
    switch (invocation.action) {
    case cli::Invocation::Action::Help:
        cli::writeText(std::cout, cli::helpText(host::printable(settings::prefPath())));
        return finish(cli::sExitDone);
    case cli::Invocation::Action::Version:
        cli::writeLine(std::cout, "usb-tavro " TAVRO_VERSION);
        return finish(cli::sExitDone);
    case cli::Invocation::Action::Run:
        break;
    }
    return finish(runCommand(invocation));
}
