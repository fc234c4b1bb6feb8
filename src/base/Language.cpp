#include "base/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

namespace quillfen {

namespace {

// Where the build puts the compiled translations, quillfen_LANGUAGE.qm.
const QString kOwnFolder = QStringLiteral(":/i18n");

} // namespace

QString installTranslations(QCoreApplication& app)
{
    std::setlocale(LC_NUMERIC, "C");
    auto* own = new QTranslator(&app);
    if (!own->load(QLocale(), QStringLiteral("quillfen"), QStringLiteral("_"), kOwnFolder)
        || !QCoreApplication::installTranslator(own)) {
        delete own;
        return {};
    }
    // Qt's dialogs in the language of the program's own texts, not in a third one.
    const QString language = own->language();
    auto* qt = new QTranslator(&app);
    if (!qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(qt))
        delete qt;
    return language;
}

} // namespace quillfen
