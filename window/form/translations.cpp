// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace window {
namespace {

// The program's own words are built into it, one file a language (see translations/).
const QString kOwnWords = QStringLiteral(":/i18n/tessk-research_");

// The code of the first preferred language the program has words for, or empty for English.
QString ChosenLanguage()
{
    for (const QString& preferred : QLocale::system().uiLanguages()) {
        const QLocale::Language language = QLocale(preferred).language();
        if (language == QLocale::English)
            return {};
        QString code = QLocale::languageToCode(language);
        if (QFile::exists(kOwnWords + code + QStringLiteral(".qm")))
            return code;
    }
    return {};
}

} // namespace

void InstallTranslations()
{
    const QString language = ChosenLanguage();
    if (language.isEmpty())
        return;
    auto* own = new QTranslator(QCoreApplication::instance());
    if (own->load(kOwnWords + language))
        QCoreApplication::installTranslator(own);
    // Qt's own words come with Qt: where the system keeps them, or, where Qt comes with the
    // program (Windows), from the folder translations beside it.
    auto* qt = new QTranslator(QCoreApplication::instance());
    for (const QString& folder :
         { QLibraryInfo::path(QLibraryInfo::TranslationsPath),
           QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")) })
        if (qt->load(QStringLiteral("qtbase_") + language, folder)) {
            QCoreApplication::installTranslator(qt);
            return;
        }
}

} // namespace window
