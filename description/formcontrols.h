// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "square.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace window {

// Places and sizes are kept in twips, 1/1440 inch; 15 twips make one device-independent pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int Pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// A control's place and size in pixels. It turns into any rectangle type made from left, top,
// width and height (QRect in the window), so the window passes it straight to setGeometry.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;

    template <typename Rect>
    constexpr operator Rect() const // NOLINT(google-explicit-constructor): the window's one use
    {
        return Rect(left, top, width, height);
    }
};

enum class ControlName : std::uint8_t { C, Command2, Text1, Command1 };

struct ControlDescription {
    ControlName name;
    int index; // the square's number for C; 0 otherwise
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    std::string_view caption;

    [[nodiscard]] constexpr PixelRect Geometry() const
    {
        return { Pixels(left), Pixels(top), Pixels(width), Pixels(height) };
    }
};

inline constexpr std::string_view kForm1Caption = "tessk-research";
inline constexpr int kForm1ClientWidth = 8640;
inline constexpr int kForm1ClientHeight = 9225;

inline constexpr int kSquarePitch = 1080;
inline constexpr int kSquareSide = 1095; // a pixel more than the pitch: neighbours overlap by one pixel
inline constexpr int kControlCount = board::kSquareCount + 3;

constexpr ControlDescription SquareDescription(int index, int tabIndex)
{
    return { ControlName::C,
             index,
             index % board::kBoardSide * kSquarePitch,
             index / board::kBoardSide * kSquarePitch,
             kSquareSide,
             kSquareSide,
             tabIndex,
             {} };
}

// Form1's controls in stacking order: where two overlap, the earlier lies above.
// "calculate >>" comes last and so lies hidden under the squares, reachable by Tab only.
inline constexpr std::array<ControlDescription, kControlCount> kForm1Controls = [] {
    std::array<ControlDescription, kControlCount> controls{};
    std::size_t row = 0;
    for (int index = board::kSquareCount - 1; index >= 1; --index)
        controls[row++] = SquareDescription(index, index + 3);
    controls[row++] = { ControlName::Command2, 0, 480, 8760, 1215, 495, 3, "reset" };
    controls[row++] = { ControlName::Text1, 0, 3600, 8640, 2055, 615, 1, {} };
    controls[row++] = SquareDescription(0, 0);
    controls[row++] = { ControlName::Command1, 0, 480, 4080, 1575, 615, 2, "calculate >>" };
    return controls;
}();

static_assert(
    [] {
        for (const ControlDescription& control : kForm1Controls)
            for (const int twips : { control.left, control.top, control.width, control.height })
                if (twips % kTwipsPerPixel != 0)
                    return false;
        return kForm1ClientWidth % kTwipsPerPixel == 0 && kForm1ClientHeight % kTwipsPerPixel == 0;
    }(),
    "every place and size falls on a whole pixel");

static_assert(
    [] {
        std::array<bool, kControlCount> taken{};
        for (const ControlDescription& control : kForm1Controls) {
            if (control.tabIndex < 0 || control.tabIndex >= kControlCount ||
                taken[static_cast<std::size_t>(control.tabIndex)])
                return false;
            taken[static_cast<std::size_t>(control.tabIndex)] = true;
        }
        return true;
    }(),
    "each control has a tab index of its own");

// Point sizes of the fonts; the face itself is the platform's own.
inline constexpr double kSquareFontPoints = 12.0;
inline constexpr double kText1FontPoints = 13.5;

} // namespace window
