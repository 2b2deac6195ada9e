// usb-tavro: tunes the USB FM transmitter from the command line, on the settings panel's device
// link and settings file.
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "device/linux/LinuxDeviceServices.h"
#include "device/sim/SimulatedTransmitter.h"
#include "settings/Settings.h"

#include <QCoreApplication>

#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const auto parsed = cli::parseArguments(arguments);
    if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
        cli::writeProblem(std::cerr, error->message);
        cli::writeLine(std::cerr, "Try 'usb-tavro --help'.");
        return cli::sExitUsage;
    }
    const auto& invocation = std::get<cli::Invocation>(parsed);
    if (invocation.action == cli::Invocation::Action::Help) {
        std::cout << cli::helpText(settings::prefPath()).toStdString();
        return cli::sExitDone;
    }
    if (invocation.action == cli::Invocation::Action::Version) {
        cli::writeLine(std::cout, "usb-tavro " TAVRO_VERSION);
        return cli::sExitDone;
    }

    // The Linux device services watch their udev socket from the event loop's thread; no window
    // system is involved.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("usb-tavro");
    QCoreApplication::setApplicationVersion(TAVRO_VERSION);

    std::unique_ptr<device::DeviceServices> services;
    if (invocation.simulate) {
        auto simulated = std::make_unique<device::SimulatedTransmitter>();
        simulated->plug();
        services = std::move(simulated);
    } else {
        services = std::make_unique<device::LinuxDeviceServices>();
    }
    cli::Context context{*services, settings::prefPath(), cli::programUdevRuleFiles(), std::cout,
                         std::cerr};
    return cli::run(invocation, context);
}
