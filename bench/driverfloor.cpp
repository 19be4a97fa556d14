// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The floor for board-driver's throughput: the same lines read from standard input in the same
// 64 KiB chunks, each split into its command and its number, and each answered on standard output
// through a buffer of the same size, but with no board behind them: every line gets the answer
// text of one click. What is left between the two is checking the line, planning and storing the
// click, and working out and writing the sum.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

constexpr std::size_t kChunk = std::size_t{ 1 } << 16;
constexpr std::string_view kAnswer = "vifu.bmp 0.0714285714285714\n";

// The line's first word and the number in its second, as any reader of the commands must find them.
std::pair<std::string_view, int> Split(std::string_view line)
{
    const std::size_t command = line.find_first_not_of(" \t\r");
    if (command == std::string_view::npos)
        return { {}, -1 };
    line.remove_prefix(command);
    const std::size_t blank = std::min(line.find_first_of(" \t\r"), line.size());
    int number = 0;
    for (const char c : line.substr(blank))
        if (c >= '0' && c <= '9')
            number = number * 10 + (c - '0');
    return { line.substr(0, blank), number };
}

bool WriteAll(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(STDOUT_FILENO, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

int main()
{
    std::array<char, kChunk> input{};
    std::array<char, kChunk> output{};
    std::size_t kept = 0;
    std::size_t filled = 0;
    while (true) {
        const ssize_t got = read(STDIN_FILENO, input.data() + kept, input.size() - kept);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        const char* line = input.data();
        const char* const end = input.data() + kept + static_cast<std::size_t>(got);
        for (const char* newline = nullptr;
             (newline = static_cast<const char*>(std::memchr(line, '\n', static_cast<std::size_t>(end - line))));
             line = newline + 1) {
            const auto [command, number] = Split(std::string_view(line, static_cast<std::size_t>(newline - line)));
            if (command.empty() || number < 0)
                continue;
            if (filled + kAnswer.size() > output.size()) {
                if (!WriteAll(output.data(), filled))
                    return 1;
                filled = 0;
            }
            std::memcpy(output.data() + filled, kAnswer.data(), kAnswer.size());
            filled += kAnswer.size();
        }
        kept = static_cast<std::size_t>(end - line);
        std::memmove(input.data(), line, kept);
    }
    return WriteAll(output.data(), filled) ? 0 : 1;
}
