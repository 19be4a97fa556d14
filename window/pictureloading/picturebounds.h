// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace window {

// The bounds that keep every load within a few milliseconds and a few MiB, whatever the file
// holds. A picture is 70 × 70 for a square of 73 pixels; a side of 512 leaves room for pictures
// drawn for a screen scaled several times over. The largest file fits such a picture stored
// without compression (a 32-bit bitmap of 512 × 512 is 1 MiB).
inline constexpr qint64 kMaxPictureFileBytes = qint64{ 3 } << 19; // 1.5 MiB
inline constexpr int kMaxPictureSide = 512;
// Netpbm, XBM and XPM are parsed a character at a time, and any amount of blank space or
// comment may come between the numbers: for them the largest file is a third of the above.
inline constexpr qint64 kMaxTextPictureFileBytes = qint64{ 1 } << 19; // 512 KiB
// A progressive JPEG is written in about ten scans; each scan costs a pass over the whole picture.
inline constexpr int kMaxJpegScans = 32;
// A PNG's pixel data comes in a few hundred chunks at most; each chunk costs the decoder a round.
inline constexpr int kMaxPngChunks = 1024;

// A width or height past the side bound, and the reason that names what the header claims.
[[nodiscard]] bool TooLargeSide(qint64 width, qint64 height);
[[nodiscard]] QString ClaimsTooMuch(qint64 width, qint64 height);

// Why a file's bytes are refused before any decoder sees them, by the format its first bytes
// name: a bitmap cut short or coded past its last row, a PNG part longer than the file or data
// that unpacks to more than the picture needs, a JPEG of too many scans, a GIF screen or an
// icon's PNG beyond the bounds. Nothing for bytes these checks let through.
[[nodiscard]] std::optional<QString> ReasonRefusedBeforeDecoding(QByteArrayView bytes);

} // namespace window
