// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <span>

namespace drawings {

// A palette of at most 256 colours for pictures painted with a few key colours and smoothed
// edges: the key colours themselves in the order given, then for every pair of them an even
// ramp of the colours between. Key colour i keeps index i.
[[nodiscard]] QList<QRgb> MixPalette(std::span<const QRgb> keys);

// Maps every pixel to the palette colour nearest to it (squared distance in red, green and
// blue; the lowest index on a tie), without dithering. The result is QImage::Format_Indexed8
// with the given colour table, so a colour of the palette comes through exactly.
[[nodiscard]] QImage ToIndexed(const QImage& picture, const QList<QRgb>& palette);

} // namespace drawings
