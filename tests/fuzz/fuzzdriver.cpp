// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Parses each line of the input as board-driver would.

#include "command.h"
#include "outcome.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const driver::Command command = driver::Parse(rest.substr(0, end));
        const auto* bad = std::get_if<driver::BadLine>(&command);
        MarkOutcome(bad ? bad->reason : std::string(1, static_cast<char>('a' + command.index())));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return 0;
}
