// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

namespace installation {

// Marks this process as a running tessk-research until it ends: a named mutex, which the installer
// and the uninstaller look for before they touch the program's files (a file of a running program
// can be neither replaced nor removed). Its name is in every session's view, so that another
// user's running copy counts too.
void HoldRunningMark();

} // namespace installation
