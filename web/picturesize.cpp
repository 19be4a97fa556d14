// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "picturesize.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace web {
namespace {

using Bytes = std::span<const std::uint8_t>;

std::int64_t LittleEndian(Bytes bytes, std::size_t at, int width)
{
    std::int64_t value = 0;
    for (int byte = width - 1; byte >= 0; --byte)
        value = value << 8 | bytes[at + static_cast<std::size_t>(byte)];
    return value;
}

std::int64_t BigEndian(Bytes bytes, std::size_t at, int width)
{
    std::int64_t value = 0;
    for (int byte = 0; byte < width; ++byte)
        value = value << 8 | bytes[at + static_cast<std::size_t>(byte)];
    return value;
}

bool StartsWith(Bytes bytes, std::initializer_list<std::uint8_t> start)
{
    return bytes.size() >= start.size() && std::equal(start.begin(), start.end(), bytes.begin());
}

std::optional<ClaimedSize> BitmapSize(Bytes bytes)
{
    constexpr std::int64_t kCoreHeader = 12, kInfoHeader = 40;
    if (!StartsWith(bytes, { 'B', 'M' }) || bytes.size() < 26)
        return std::nullopt;
    const std::int64_t header = LittleEndian(bytes, 14, 4);
    if (header == kCoreHeader)
        return ClaimedSize{ LittleEndian(bytes, 18, 2), LittleEndian(bytes, 20, 2) };
    if (header < kInfoHeader)
        return std::nullopt;
    // Signed: a negative height is a picture stored from the top row down.
    const auto sideOf = [&](std::size_t at) {
        return std::abs(static_cast<std::int64_t>(
            static_cast<std::int32_t>(static_cast<std::uint32_t>(LittleEndian(bytes, at, 4)))));
    };
    return ClaimedSize{ sideOf(18), sideOf(22) };
}

bool IsPng(Bytes bytes)
{
    return StartsWith(bytes, { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n' });
}

// The IHDR chunk comes first: its width and height follow the signature, length and type.
std::optional<ClaimedSize> PngSize(Bytes bytes)
{
    if (!IsPng(bytes) || bytes.size() < 24)
        return std::nullopt;
    return ClaimedSize{ BigEndian(bytes, 16, 4), BigEndian(bytes, 20, 4) };
}

std::optional<ClaimedSize> GifSize(Bytes bytes)
{
    if (!(StartsWith(bytes, { 'G', 'I', 'F', '8', '7', 'a' }) || StartsWith(bytes, { 'G', 'I', 'F', '8', '9', 'a' })) ||
        bytes.size() < 10)
        return std::nullopt;
    return ClaimedSize{ LittleEndian(bytes, 6, 2), LittleEndian(bytes, 8, 2) };
}

// The first start-of-frame marker before the first scan names the size.
std::optional<ClaimedSize> JpegSize(Bytes bytes)
{
    if (!StartsWith(bytes, { 0xff, 0xd8 }))
        return std::nullopt;
    std::size_t at = 2;
    while (at + 4 <= bytes.size() && bytes[at] == 0xff) {
        const std::uint8_t marker = bytes[at + 1];
        if (marker == 0xff) { // a fill byte
            ++at;
            continue;
        }
        const bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame && at + 9 <= bytes.size())
            return ClaimedSize{ BigEndian(bytes, at + 7, 2), BigEndian(bytes, at + 5, 2) };
        if (marker == 0xda || marker == 0xd9 || frame)
            return std::nullopt;
        const bool alone = marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7);
        at += alone ? 2 : 2 + static_cast<std::size_t>(BigEndian(bytes, at + 2, 2));
    }
    return std::nullopt;
}

// An icon's directory gives each picture's side in a byte (0 for 256); a picture stored as a
// PNG file claims its own.
std::optional<ClaimedSize> IconSize(Bytes bytes)
{
    constexpr std::size_t kHeader = 6, kEntry = 16;
    if (bytes.size() < kHeader || LittleEndian(bytes, 0, 2) != 0 || LittleEndian(bytes, 2, 2) == 0 ||
        LittleEndian(bytes, 2, 2) > 2 || LittleEndian(bytes, 4, 2) == 0)
        return std::nullopt;
    const auto entries = static_cast<std::size_t>(LittleEndian(bytes, 4, 2));
    if (kHeader + entries * kEntry > bytes.size())
        return std::nullopt;
    ClaimedSize largest{ 0, 0 };
    for (std::size_t entry = 0; entry < entries; ++entry) {
        const std::size_t at = kHeader + entry * kEntry;
        const auto side = [](std::uint8_t byte) { return byte == 0 ? std::int64_t{ 256 } : std::int64_t{ byte }; };
        ClaimedSize size{ side(bytes[at]), side(bytes[at + 1]) };
        const auto offset = static_cast<std::size_t>(LittleEndian(bytes, at + 12, 4));
        if (offset < bytes.size())
            size = PngSize(bytes.subspan(offset)).value_or(size);
        largest = { std::max(largest.width, size.width), std::max(largest.height, size.height) };
    }
    return largest;
}

} // namespace

int JpegScans(std::span<const std::uint8_t> bytes)
{
    if (!StartsWith(bytes, { 0xff, 0xd8 }))
        return 0;
    int scans = 0;
    std::size_t at = 2;
    while (at + 1 < bytes.size()) {
        const std::uint8_t marker = bytes[at + 1];
        // Coded data, a coded 0xff, a fill byte or a restart: step over it alone.
        if (bytes[at] != 0xff || marker == 0 || marker == 0xff || marker == 0x01 ||
            (marker >= 0xd0 && marker <= 0xd8)) {
            ++at;
            continue;
        }
        if (marker == 0xd9 || at + 3 >= bytes.size())
            break;
        if (marker == 0xda)
            ++scans;
        at += 2 + static_cast<std::size_t>(BigEndian(bytes, at + 2, 2));
    }
    return scans;
}

std::optional<ClaimedSize> ClaimedPictureSize(std::span<const std::uint8_t> bytes)
{
    for (const auto reader : { BitmapSize, PngSize, GifSize, JpegSize, IconSize })
        if (std::optional<ClaimedSize> size = reader(bytes))
            return size;
    return std::nullopt;
}

} // namespace web
