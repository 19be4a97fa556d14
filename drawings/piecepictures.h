// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "piece.h"
#include "square.h"
#include "squarepictures.h"

#include <QByteArray>
#include <QImage>
#include <QRgb>

namespace drawings {

[[nodiscard]] QRgb ShadeColour(board::Shade shade);

// The square's picture: the shade's colour with the piece drawn on it, kPictureSide pixels on a
// side, in QImage::Format_Indexed8. Index 0 holds the shade's colour and every background pixel
// uses it. The same shade and piece give the same bytes on every run.
[[nodiscard]] QImage DrawSquarePicture(board::Shade shade, board::PieceCode code);

// The program's icon, size x size in QImage::Format_ARGB32: four squares of the two shades with a
// rook on them. Drawn for 16 and 32; other sizes work too.
[[nodiscard]] QImage DrawApplicationIcon(int size);

// The same icon as a scalable SVG document, for desktops that show it larger than 32 pixels.
[[nodiscard]] QByteArray ApplicationIconSvg();

} // namespace drawings
