// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLocale>
#include <QStringList>

namespace window {

// Makes the running application speak the first of the preferred languages (as
// QLocale::system().uiLanguages() gives them: "de-DE", "fr", ...) that it has words for, with Qt's
// own words (the OK of a report) in the same language. English is the language the texts are
// written in: it is chosen when it comes first, and when no preferred language has words. The
// words of an earlier call are dropped. Call before the windows that show them are made.
void InstallTranslations(const QStringList& preferred = QLocale::system().uiLanguages());

} // namespace window
