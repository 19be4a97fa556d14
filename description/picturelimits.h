// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace window {

// The bounds that keep every load within a few milliseconds and a few MiB, whatever the file
// holds. A picture is 70 × 70 for a square of 73 pixels; a side of 512 leaves room for pictures
// drawn for a screen scaled several times over. The largest file fits such a picture stored
// without compression (a 32-bit bitmap of 512 × 512 is 1 MiB).
inline constexpr std::int64_t kMaxPictureFileBytes = std::int64_t{ 3 } << 19; // 1.5 MiB
inline constexpr int kMaxPictureSide = 512;
// Netpbm, XBM and XPM are parsed a character at a time, and any amount of blank space or
// comment may come between the numbers: for them the largest file is a third of the above.
inline constexpr std::int64_t kMaxTextPictureFileBytes = std::int64_t{ 1 } << 19; // 512 KiB
// A progressive JPEG is written in about ten scans; each scan costs a pass over the whole picture.
inline constexpr int kMaxJpegScans = 32;
// A PNG's pixel data comes in a few hundred chunks at most; each chunk costs the decoder a round.
inline constexpr int kMaxPngChunks = 1024;

} // namespace window
