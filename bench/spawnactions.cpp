// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "spawnactions.h"

#include <fcntl.h>
#include <unistd.h>

namespace bench {

SpawnActions::SpawnActions()
{
    posix_spawn_file_actions_init(&actions_);
}

SpawnActions::~SpawnActions()
{
    posix_spawn_file_actions_destroy(&actions_);
}

void SpawnActions::Silence()
{
    posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
}

void SpawnActions::Copy(int from, int to)
{
    posix_spawn_file_actions_adddup2(&actions_, from, to);
}

void SpawnActions::ChangeFolder(const char* folder)
{
    posix_spawn_file_actions_addchdir_np(&actions_, folder);
}

} // namespace bench
