// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace web {

struct ClaimedSize {
    std::int64_t width;
    std::int64_t height;

    friend constexpr bool operator==(const ClaimedSize&, const ClaimedSize&) = default;
};

// The size a picture file's header claims, read before any decoder sees the file, for the formats
// both the window and a browser read: BMP, PNG, GIF, JPEG and ICO/CUR (the largest of an icon's
// pictures). Nothing for bytes of any other format, or a header too short to say.
[[nodiscard]] std::optional<ClaimedSize> ClaimedPictureSize(std::span<const std::uint8_t> bytes);

// How many scans a JPEG file is coded in (0 for any other file): a progressive picture costs the
// decoder a pass over the whole picture for each scan, and nothing stops a file from repeating one.
[[nodiscard]] int JpegScans(std::span<const std::uint8_t> bytes);

} // namespace web
