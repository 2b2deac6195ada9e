#include "device/UdevRule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace device {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Failure)
};

} // namespace

UdevRuleFiles programUdevRuleFiles() {
    UdevRuleFiles files;
    files.fileName = TAVRO_UDEV_RULE_NAME;
    // systemd-udevd's search path; /lib is still a folder of its own on unmerged systems.
    files.systemFolders = {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/local/lib/udev/rules.d",
                           "/usr/lib/udev/rules.d", "/lib/udev/rules.d"};
    // Relative to the program, so that it holds for whatever prefix it was installed under.
    files.installedCopy = QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(TAVRO_INSTALLED_UDEV_RULE));
    return files;
}

QString ruleInPlace(const UdevRuleFiles& inFiles) {
    for (const QString& folder : inFiles.systemFolders) {
        const QString rule = QDir(folder).filePath(inFiles.fileName);
        if (QFileInfo::exists(rule)) {
            return rule;
        }
    }
    return {};
}

QString installedRule(const UdevRuleFiles& inFiles) {
    return !inFiles.installedCopy.isEmpty() && QFileInfo::exists(inFiles.installedCopy)
               ? inFiles.installedCopy
               : QString();
}

QString udevRuleAdvice(const UdevRuleFiles& inFiles) {
    if (const QString rule = ruleInPlace(inFiles); !rule.isEmpty()) {
        return Words::tr("the udev rule %1 is in place, but it gives access only to the user "
                         "logged in at the seat and only to a transmitter plugged in after it "
                         "was installed: unplug the transmitter and plug it in again")
            .arg(rule);
    }
    const QString reload = "sudo udevadm control --reload-rules";
    if (const QString installed = installedRule(inFiles); !installed.isEmpty()) {
        return Words::tr("install the udev rule with '%1', run '%2', then unplug the transmitter "
                         "and plug it in again")
            .arg("sudo cp " + installed + " /etc/udev/rules.d/", reload);
    }
    return Words::tr("install the udev rule %1 (in packaging/ of the source) in %2, run '%3', then "
                     "unplug the transmitter and plug it in again")
        .arg(inFiles.fileName, "/etc/udev/rules.d", reload);
}

} // namespace device
