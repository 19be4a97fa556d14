// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace window {

// Where an install puts the pictures, seen from the folder that holds the installed program.
[[nodiscard]] QString InstalledPicturesFolder(const QString& programFolder);

// A hint for a failed picture: when the installed pictures folder of the program in programFolder
// holds `file` and `folder`, where it was looked for, is another folder, the sentence that says
// where the pictures are and how to start the program there: a shell command, or on Windows its
// shortcut or a double click. Empty otherwise: in a build folder, or when the current folder is
// the installed one. The program itself still reads only from its current folder.
[[nodiscard]] QString InstalledPicturesHint(const QString& file, const QString& folder, const QString& programFolder);
// The same for the running program; empty without a QCoreApplication.
[[nodiscard]] QString InstalledPicturesHint(const QString& file, const QString& folder);

} // namespace window
