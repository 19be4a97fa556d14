// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "board.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace web {

// Why a picture could not be shown on the page. The first ones are the window's own reasons; the
// last ones are a web server's, which the window never meets.
enum class Reason : std::uint8_t {
    NoSuchFile,
    PermissionDenied,
    Empty,
    TooLargeFile,
    NotAFormat,
    ClaimsTooMuch,
    NotReadable,
    DecodesTooLarge,
    TooManyScans,
    ServerAnswered,
    Unreachable,
    NoAnswer,
};
inline constexpr int kReasonCount = 12;

// The reason of that name ("NoSuchFile", as above), for the page, which names them so.
[[nodiscard]] std::optional<Reason> ReasonNamed(std::string_view name);

// Takes the first of the user's languages (BCP 47 tags, one a line, most preferred first) that the
// program speaks, by its primary subtag; English when there is none. Returns the language's code.
std::string_view ChooseLanguage(std::string_view tags);
void SetDecimalSeparator(std::string_view separator);

// The texts of the page in the language chosen.
[[nodiscard]] std::string SquareName(board::Index index, board::PieceCode code);
[[nodiscard]] std::string SumBoxName();
[[nodiscard]] std::string OkText();
[[nodiscard]] std::string LocalSumText(const board::Board& board);
// The report of a picture that cannot be shown. first and second are the numbers the reason names
// (a side's pixels, an HTTP status, seconds), detail its words from elsewhere (the browser's
// message of a decoder's failure, a status's text).
[[nodiscard]] std::string FailureMessage(std::string_view file, std::string_view folder, Reason reason,
                                         std::int64_t first, std::int64_t second, std::string_view detail);

} // namespace web
