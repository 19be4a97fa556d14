// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace window {
namespace {

// The program's own words are built into it, one file a language (see translations/).
const QString kOwnWords = QStringLiteral(":/i18n/tessk-research_");

// The name the installed translators go by, so that the next call finds and drops them.
const QString kTranslatorName = QStringLiteral("tessk-research/translator");

// The code of the first preferred language the program has words for, or empty for English.
QString ChosenLanguage(const QStringList& preferred)
{
    for (const QString& name : preferred) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English)
            return {};
        QString code = QLocale::languageToCode(language);
        if (QFile::exists(kOwnWords + code + QStringLiteral(".qm")))
            return code;
    }
    return {};
}

} // namespace

void InstallTranslations(const QStringList& preferred)
{
    // A translator leaves the application's list of translators as it is deleted.
    for (QTranslator* earlier : QCoreApplication::instance()->findChildren<QTranslator*>(kTranslatorName))
        delete earlier;
    const QString language = ChosenLanguage(preferred);
    if (language.isEmpty())
        return;
    const auto translator = [] {
        auto* made = new QTranslator(QCoreApplication::instance());
        made->setObjectName(kTranslatorName);
        return made;
    };
    QTranslator* const own = translator();
    if (own->load(kOwnWords + language))
        QCoreApplication::installTranslator(own);
    // Qt's own words come with Qt: where the system keeps them, or, where Qt comes with the
    // program (Windows), from the folder translations beside it.
    QTranslator* const qt = translator();
    for (const QString& folder :
         { QLibraryInfo::path(QLibraryInfo::TranslationsPath),
           QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")) })
        if (qt->load(QStringLiteral("qtbase_") + language, folder)) {
            QCoreApplication::installTranslator(qt);
            return;
        }
}

} // namespace window
