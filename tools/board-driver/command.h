// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "square.h"

#include <string>
#include <string_view>
#include <variant>

namespace driver {

struct Click {
    board::Index index;
};
struct Reset {};
struct Sum {};
struct Skip {};
struct BadLine {
    std::string reason;
};
using Command = std::variant<Click, Reset, Sum, Skip, BadLine>;

// One line of the driver's input (without its newline) as a command.
[[nodiscard]] Command Parse(std::string_view line);

} // namespace driver
