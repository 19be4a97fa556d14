// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "square.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace drawings {

// A picture is this many pixels on a side, for a square of 73.
inline constexpr int kPictureSide = 70;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The background of every picture of a shade, and the whole of the first picture a square shows.
constexpr Rgb ShadeRgb(board::Shade shade)
{
    constexpr std::array<Rgb, 2> kShadeColours{ Rgb{ 192, 192, 128 }, Rgb{ 128, 160, 128 } };
    return kShadeColours[static_cast<std::size_t>(shade)];
}

} // namespace drawings
