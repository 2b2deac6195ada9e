#include "host/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace host {

namespace {

constexpr char sName[] = "usb-tavro";

// The C library's order: LC_ALL, then the category's own, then LANG.
QString messagesLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const QString value = qEnvironmentVariable(variable); !value.isEmpty()) {
            return value;
        }
    }
    return {};
}

// Loads the first translation of inName for inLanguages found in inFolders into a translator the
// application owns; false when there is none.
bool install(const QString& inName, const QStringList& inLanguages, const QStringList& inFolders) {
    for (const QString& language : inLanguages) {
        for (const QString& folder : inFolders) {
            auto* translator = new QTranslator(QCoreApplication::instance());
            translator->setObjectName(inName);
            if (translator->load(QLocale(language), inName, "_", folder)) {
                QCoreApplication::installTranslator(translator);
                return true;
            }
            delete translator;
        }
        // English is the texts as written: a later language is no better choice.
        if (QLocale(language).language() == QLocale::English) {
            return false;
        }
    }
    return false;
}

} // namespace

QStringList messageLanguages() {
    const QString locale = messagesLocale().section('.', 0, 0).section('@', 0, 0);
    if (locale.isEmpty() || locale == "C" || locale == "POSIX") {
        return {};
    }
    QStringList languages;
    for (const QString& language :
         qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts)) {
        languages << language.section('.', 0, 0).section('@', 0, 0);
    }
    return languages.isEmpty() ? QStringList{locale} : languages;
}

void installTranslations() {
    const QStringList languages = messageLanguages();
    // Once an application: a plug-in (the System Settings module) may be made again and again.
    if (QCoreApplication::instance() == nullptr || languages.isEmpty() ||
        QCoreApplication::instance()->findChild<QTranslator*>(sName) != nullptr) {
        return;
    }
    const QString program = QCoreApplication::applicationDirPath();
    const QStringList folders{program + "/translations",
                              program + "/../" TAVRO_DATA_RELPATH "/translations",
                              TAVRO_DATA_DIR "/translations"};
    if (!install(sName, languages, folders)) {
        return;
    }
    install("qtbase", languages, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
}

} // namespace host
