// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

#include <functional>

class QPainter;

namespace drawings {

// Edges are smoothed by drawing at kSupersampling times the size without antialiasing and then
// averaging each block of kSupersampling x kSupersampling samples with integer arithmetic. Solid
// aliased fills give the same samples on every processor, which Qt's antialiased blending does
// not promise, so the averaged picture is the same everywhere.
inline constexpr int kSupersampling = 8;

// Calls draw with a painter whose coordinates run from 0 to side in both directions and returns
// the averaged side x side picture in QImage::Format_ARGB32. The drawing should cover the whole
// picture with opaque colours: the channels are averaged as they are, without alpha weighting.
[[nodiscard]] QImage DrawSupersampled(int side, const std::function<void(QPainter&)>& draw);

} // namespace drawings
