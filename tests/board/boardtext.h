// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "board/board.h"

#include <cassert>
#include <string_view>

// A board written as a string, one character a square from square 0 on:
// '.' empty, 'N' knight, 'K' king, 'B' bishop, 'R' rook; spaces are ignored,
// so rows can be written apart. Squares not reached stay empty.
inline board::Board BoardFromText(std::string_view text)
{
    constexpr std::string_view kLetters = ".NKBR";
    board::Board result;
    int square = 0;
    for (const char letter : text) {
        if (letter == ' ')
            continue;
        const std::size_t code = kLetters.find(letter);
        assert(code != std::string_view::npos && square < board::kSquareCount);
        result.StoreCode(board::Index(square++), static_cast<board::PieceCode>(code));
    }
    return result;
}
