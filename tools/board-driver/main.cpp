// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Drives the board logic from standard input, one command a line:
//   click N   prints the picture the click shows and the sum text after it
//   reset     empties the board and prints the sum text
//   sum       prints the sum text
// Empty lines and lines starting with '#' are skipped. Any other line stops the
// run with exit status 2 and a message naming its line number; nothing of it is done.

#include "board/board.h"
#include "board/weightedsum.h"
#include "command.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace {

using driver::BadLine;
using driver::Click;
using driver::Reset;
using driver::Sum;

// What read and write take as their count: on Windows the C runtime's unsigned int.
#ifdef _WIN32
using IoCount = unsigned int;
#else
using IoCount = std::size_t;
#endif

constexpr int kBadLineStatus = 2;
constexpr int kIoErrorStatus = 1;

// Standard output with a large buffer, written out before each wait for input
// (so a program talking to the driver line by line always sees its answers),
// after each line when the output is a terminal, and at the end.
class Output {
public:
    Output() : lineByLine_(isatty(STDOUT_FILENO) != 0) {}

    void Line(std::string_view first, std::string_view second = {})
    {
        if (buffer_.size() + first.size() + second.size() + 2 > kCapacity)
            Flush();
        buffer_.append(first);
        if (!second.empty()) {
            buffer_ += ' ';
            buffer_.append(second);
        }
        buffer_ += '\n';
        if (lineByLine_)
            Flush();
    }

    bool Flush()
    {
        std::string_view pending = buffer_;
        while (!pending.empty()) {
            const ssize_t written =
                write(STDOUT_FILENO, pending.data(), static_cast<IoCount>(std::min(pending.size(), kCapacity)));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                failed_ = true;
                break;
            }
            pending.remove_prefix(static_cast<std::size_t>(written));
        }
        buffer_.clear();
        return !failed_;
    }

    [[nodiscard]] bool Failed() const { return failed_; }

private:
    static constexpr std::size_t kCapacity = std::size_t{ 1 } << 16;
    std::string buffer_;
    bool lineByLine_;
    bool failed_ = false;
};

class Input {
public:
    explicit Input(Output& output) : output_(output) {}

    // The next line without its newline, or nothing at the end of input.
    std::optional<std::string_view> NextLine()
    {
        while (true) {
            const std::size_t newline = pending_.find('\n', start_);
            if (newline != std::string::npos) {
                const std::string_view line(pending_.data() + start_, newline - start_);
                start_ = newline + 1;
                return line;
            }
            if (atEnd_) {
                if (start_ == pending_.size())
                    return std::nullopt;
                const std::string_view last(pending_.data() + start_, pending_.size() - start_);
                start_ = pending_.size();
                return last;
            }
            Refill();
        }
    }

    [[nodiscard]] bool Failed() const { return failed_; }

private:
    void Refill()
    {
        pending_.erase(0, start_);
        start_ = 0;
        output_.Flush();
        const std::size_t kept = pending_.size();
        pending_.resize(kept + kChunk);
        ssize_t got = 0;
        do
            got = read(STDIN_FILENO, pending_.data() + kept, kChunk);
        while (got < 0 && errno == EINTR);
        if (got <= 0) {
            atEnd_ = true;
            failed_ = got < 0;
            got = 0;
        }
        pending_.resize(kept + static_cast<std::size_t>(got));
    }

    static constexpr std::size_t kChunk = std::size_t{ 1 } << 16;
    Output& output_;
    std::string pending_;
    std::size_t start_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};

} // namespace

int main()
{
    board::Board board;
    board::DecimalTextBuffer sumText;
    Output output;
    Input input(output);

    long lineNumber = 0;
    while (const std::optional<std::string_view> line = input.NextLine()) {
        ++lineNumber;
        const driver::Command command = driver::Parse(*line);
        if (const auto* bad = std::get_if<BadLine>(&command)) {
            output.Flush();
            std::fprintf(stderr, "board-driver: line %ld: %s\n", lineNumber, bad->reason.c_str());
            return kBadLineStatus;
        }
        if (const auto* click = std::get_if<Click>(&command)) {
            const board::ClickPlan plan = board.PlanClick(click->index);
            board.StoreCode(click->index, plan.next);
            output.Line(plan.picture, board::SumText(board, sumText));
        } else if (std::holds_alternative<Reset>(command)) {
            board = board::Board{};
            output.Line(board::SumText(board, sumText));
        } else if (std::holds_alternative<Sum>(command)) {
            output.Line(board::SumText(board, sumText));
        }
    }
    if (!output.Flush() || output.Failed()) {
        std::fprintf(stderr, "board-driver: cannot write standard output: %s\n", std::strerror(errno));
        return kIoErrorStatus;
    }
    if (input.Failed()) {
        std::fprintf(stderr, "board-driver: cannot read standard input: %s\n", std::strerror(errno));
        return kIoErrorStatus;
    }
    return 0;
}
