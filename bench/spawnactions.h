// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <spawn.h>

namespace bench {

// What posix_spawn does in the child before it runs the program: descriptors
// opened, copied and the folder changed. Freed with the object.
class SpawnActions {
public:
    SpawnActions();
    ~SpawnActions();
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    // Standard output and standard error to /dev/null.
    void Silence();
    void Copy(int from, int to);
    void ChangeFolder(const char* folder);

    [[nodiscard]] const posix_spawn_file_actions_t* Get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_{};
};

} // namespace bench
