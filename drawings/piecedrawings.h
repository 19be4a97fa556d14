// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "piece.h"

#include <QRgb>

class QPainter;

namespace drawings {

inline constexpr QRgb kPieceFill = qRgb(250, 250, 240);
inline constexpr QRgb kPieceOutline = qRgb(24, 24, 24);

// The pieces are drawn in a kDesignSide x kDesignSide box with its corner at the origin.
inline constexpr double kDesignSide = 70.0;

// Draws the piece, filled with kPieceFill and outlined with kPieceOutline; nothing for Empty.
void DrawPiece(QPainter& painter, board::PieceCode code);

} // namespace drawings
