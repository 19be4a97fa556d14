// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "square.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <string_view>

namespace board {

enum class PieceCode : std::int16_t { Empty = 0, Knight = 1, King = 2, Bishop = 3, Rook = 4 };

inline constexpr int kPieceCodeCount = 5;

constexpr bool IsValidCode(PieceCode code)
{
    const auto value = static_cast<int>(code);
    return value >= 0 && value < kPieceCodeCount;
}

constexpr std::size_t Slot(PieceCode code)
{
    assert(IsValidCode(code));
    return static_cast<std::size_t>(code);
}

// A click moves a square one step along empty, knight, king, bishop, rook and back to empty.
constexpr PieceCode NextCode(PieceCode code)
{
    constexpr std::array<PieceCode, kPieceCodeCount> next{ PieceCode::Knight, PieceCode::King, PieceCode::Bishop,
                                                           PieceCode::Rook, PieceCode::Empty };
    return next[Slot(code)];
}

// The file that shows a piece on a shade: a whole literal per pair, nothing joined at run time.
constexpr std::string_view PictureName(Shade shade, PieceCode code)
{
    using Names = std::array<std::string_view, kPieceCodeCount>;
    constexpr Names light{ "vi.bmp", "vilo.bmp", "viki.bmp", "vifu.bmp", "viba.bmp" };
    constexpr Names dark{ "so.bmp", "solo.bmp", "soki.bmp", "sofu.bmp", "soba.bmp" };
    return (shade == Shade::Light ? light : dark)[Slot(code)];
}

} // namespace board
