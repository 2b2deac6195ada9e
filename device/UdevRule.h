#pragma once

#include <QString>
#include <QStringList>

namespace device {

// Where the udev rule that gives the user at the seat access to the transmitter may be.
struct UdevRuleFiles {
    QString fileName;
    QStringList systemFolders; // the folders udev reads rules from
    QString installedCopy;     // where this program's installation put it, if anywhere
};

// For this program: udev's folders, and the rule's place relative to the installed program.
UdevRuleFiles programUdevRuleFiles();

// The rule where udev reads it, or nothing.
QString ruleInPlace(const UdevRuleFiles& inFiles);

// The installation's copy of the rule, to be copied into place, or nothing when there is none.
QString installedRule(const UdevRuleFiles& inFiles);

// What a user who may not write to the transmitter should do, in one sentence: the rule is in
// place but gives access only at the seat; or how to install it from its installed copy; or
// where it comes from.
QString udevRuleAdvice(const UdevRuleFiles& inFiles);

} // namespace device
