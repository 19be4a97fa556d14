// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "piece.h"
#include "square.h"

#include <array>
#include <string_view>

namespace board {

// What a click on a square would do: the code it moves to and the picture that shows it.
struct ClickPlan {
    PieceCode next;
    std::string_view picture;

    friend constexpr bool operator==(const ClickPlan&, const ClickPlan&) = default;
};

// The 64 squares' codes. Planning never changes the board: the caller shows the
// planned picture first and stores the code only once the picture is in place.
class Board {
public:
    [[nodiscard]] constexpr PieceCode CodeAt(Index index) const { return codes_[Position(index)]; }

    constexpr void StoreCode(Index index, PieceCode code)
    {
        assert(IsValidCode(code));
        codes_[Position(index)] = code;
    }

    [[nodiscard]] constexpr ClickPlan PlanClick(Index index) const
    {
        const PieceCode next = NextCode(CodeAt(index));
        return { next, PictureName(ShadeOf(index), next) };
    }

    [[nodiscard]] static constexpr std::string_view ResetSquare(Index index)
    {
        return PictureName(ShadeOf(index), PieceCode::Empty);
    }

    friend constexpr bool operator==(const Board&, const Board&) = default;

private:
    static constexpr std::size_t Position(Index index) { return static_cast<std::size_t>(index.Value()); }

    std::array<PieceCode, kSquareCount> codes_{};
};

} // namespace board
