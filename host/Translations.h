#pragma once

#include <QString>
#include <QStringList>

namespace host {

// The languages a person reads, first choice first, as desktop programs take them: the list in
// LANGUAGE, unless messages are in the C locale, else the messages locale (LC_ALL, LC_MESSAGES,
// LANG). Empty for the C locale: the texts as written.
QStringList messageLanguages();

// Installs into the running application the translation of the project's texts for the person's
// language ("usb-tavro_de.qm"), found beside the program (a build tree), where the installation
// puts it relative to the program, or where it was installed; and Qt's own (its dialogs'
// buttons). Nothing for English or the C locale. The translators live as long as the
// application.
void installTranslations();

} // namespace host
