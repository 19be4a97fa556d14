// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

namespace window {

// Makes the running application speak the first of the user's preferred languages
// (QLocale::system().uiLanguages()) that it has words for, with Qt's own words (the OK of a report)
// in the same language. English is the language the texts are written in: it is chosen when it
// comes first, and when no preferred language has words. Call once, before any window is made.
void InstallTranslations();

} // namespace window
