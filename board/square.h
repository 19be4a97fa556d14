// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <utility>

namespace board {

inline constexpr int kSquareCount = 64;
inline constexpr int kBoardSide = 8;

// A square's number: 8 * row + column, row 0 at the top, column 0 at the left.
// Only values 0..63 can be held; a wrong one is refused at compile time in a
// constant expression and aborts a build with assertions at run time.
class Index {
public:
    constexpr explicit Index(int value) : value_(value) { assert(IsValid(value)); }

    static constexpr std::optional<Index> Checked(int value)
    {
        if (!IsValid(value))
            return std::nullopt;
        return Index(value);
    }

    [[nodiscard]] constexpr int Value() const { return value_; }
    [[nodiscard]] constexpr int Row() const { return value_ / kBoardSide; }
    [[nodiscard]] constexpr int Column() const { return value_ % kBoardSide; }

    friend constexpr bool operator==(Index, Index) = default;

private:
    static constexpr bool IsValid(int value) { return value >= 0 && value < kSquareCount; }

    int value_;
};

template <std::size_t... Numbers>
constexpr std::array<Index, sizeof...(Numbers)> SquaresInOrder(std::index_sequence<Numbers...> /*numbers*/)
{
    return { Index(static_cast<int>(Numbers))... };
}

// Every square in ascending order, for loops that must visit 0..63 in turn.
inline constexpr std::array<Index, kSquareCount> kAllSquares = SquaresInOrder(std::make_index_sequence<kSquareCount>{});

// The square rows down and columns right of index (negative: up, left), or none past the board's edge.
constexpr std::optional<Index> Neighbour(Index index, int rows, int columns)
{
    const int row = index.Row() + rows;
    const int column = index.Column() + columns;
    if (row < 0 || row >= kBoardSide || column < 0 || column >= kBoardSide)
        return std::nullopt;
    return Index(row * kBoardSide + column);
}

enum class Shade : std::uint8_t { Light, Dark };

// The row plus the square's number; its parity gives the shade, so each row
// starts on the shade the row above ended with.
constexpr int ParityNumber(Index index)
{
    return index.Row() + index.Value();
}

constexpr Shade ShadeOf(Index index)
{
    return ParityNumber(index) % 2 == 0 ? Shade::Light : Shade::Dark;
}

} // namespace board
