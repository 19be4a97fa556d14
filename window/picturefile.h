// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QString>

#include <string_view>
#include <variant>

namespace window {

// Why a picture file could not be shown, in words for the user.
struct PictureLoadError {
    QString file;
    QString folder;
    QString reason;

    [[nodiscard]] QString Message() const;
};

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

// Reads the picture afresh from exactly that file in the current directory (no
// cache, no other name tried) and decodes it by its content. Only a regular
// file is read; a pipe, device or folder under the name is refused without
// waiting on it. Only BMP, PNG, GIF, JPEG, ICO/CUR, PBM/PGM/PPM, XBM and XPM
// are read, and each is checked against the bounds above before and after decoding.
[[nodiscard]] std::variant<QImage, PictureLoadError> LoadPicture(std::string_view fileName);

} // namespace window
