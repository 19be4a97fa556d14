// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "runningmark.h"

#include <windows.h>

namespace installation {

void HoldRunningMark()
{
    // Never closed: Windows closes the handle, and with it the mark, when the process ends however
    // it ends. A second copy of the program opens the same mutex, which is as good. Should the
    // call fail, the program runs all the same, only unseen by the installer.
    ::CreateMutexW(nullptr, FALSE, L"Global\\" TESSK_RUNNING_MARK);
}

} // namespace installation
