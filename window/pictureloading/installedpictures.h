// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace window {

// A hint for a failed picture: when the program is installed with its pictures beside it (the
// installed pictures folder as seen from the program's own folder) and `folder`, where `file` was
// looked for, is another folder that lacks it, the sentence that says where the pictures are
// and how to start the program there: a shell command, or on Windows its shortcut or a double
// click. Empty otherwise: in a build folder, or when the current folder is the installed one. The
// program itself still reads only from its current folder.
[[nodiscard]] QString InstalledPicturesHint(const QString& file, const QString& folder);

} // namespace window
