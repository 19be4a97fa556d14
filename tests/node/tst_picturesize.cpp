// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// What the page reads from a picture's header before a browser decodes it.

#include "picturesize.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

using web::ClaimedSize;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The bytes of text (its zeros too), then of each number in so many bytes, little-endian (width > 0)
// or big-endian (width < 0).
template <std::size_t N>
Bytes Of(const char (&text)[N], std::initializer_list<std::pair<std::int64_t, int>> numbers = {})
{
    Bytes bytes(text, text + N - 1);
    for (const auto& [value, width] : numbers)
        for (int byte = 0; byte < std::abs(width); ++byte)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * (width > 0 ? byte : -width - 1 - byte))));
    return bytes;
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Bytes kPngSignature = Of("\x89PNG\r\n\x1a\n");
const Bytes kJpegFrame = Of("\xff\xd8\xff\xe0", { { 4, -2 } }) + Of("JF") + Of("\xff\xc2", { { 11, -2 } }) +
                         Of("\x08", { { 600, -2 }, { 70, -2 } }) + Of("\x01\x01\x11\x00");
const Bytes kJpegScan = Of("\xff\xda", { { 8, -2 } }) + Of("\x01\x01\x00\x00\x3f\x00\x12\xff\x00\x34\xff\xd0\x56");

struct Row {
    const char* what;
    Bytes bytes;
    std::optional<ClaimedSize> size;
    int scans;
};

TEST(ClaimedPictureSize, ReadsTheHeadersTheWindowReads)
{
    Bytes manyScans = kJpegFrame;
    for (int scan = 0; scan < 40; ++scan)
        manyScans = manyScans + kJpegScan;
    const std::vector<Row> rows{
        { "core bitmap",
          Of("BM", { { 0, 4 }, { 0, 4 }, { 26, 4 }, { 12, 4 }, { 70, 2 }, { 71, 2 }, { 1, 2 }, { 24, 2 } }),
          ClaimedSize{ 70, 71 }, 0 },
        { "bitmap stored top down",
          Of("BM", { { 0, 4 }, { 0, 4 }, { 54, 4 }, { 40, 4 }, { 513, 4 }, { -70, 4 }, { 0, 4 } }),
          ClaimedSize{ 513, 70 }, 0 },
        { "bitmap of an unknown header", Of("BM", { { 0, 4 }, { 0, 4 }, { 54, 4 }, { 20, 4 }, { 0, 8 } }), std::nullopt,
          0 },
        { "PNG", kPngSignature + Of("", { { 13, -4 } }) + Of("IHDR", { { 4096, -4 }, { 70, -4 } }),
          ClaimedSize{ 4096, 70 }, 0 },
        { "PNG cut short", kPngSignature + Of("", { { 13, -4 } }) + Of("IHDR"), std::nullopt, 0 },
        { "GIF", Of("GIF89a", { { 640, 2 }, { 70, 2 } }), ClaimedSize{ 640, 70 }, 0 },
        { "progressive JPEG", kJpegFrame + kJpegScan + kJpegScan + Of("\xff\xd9"), ClaimedSize{ 70, 600 }, 2 },
        { "JPEG of 40 scans", manyScans, ClaimedSize{ 70, 600 }, 40 },
        { "JPEG without a frame", Of("\xff\xd8") + kJpegScan, std::nullopt, 1 },
        { "icon of 256", Of("", { { 0, 2 }, { 1, 2 }, { 1, 2 } }) + Of("\x00\x20", { { 0, 6 }, { 0, 4 }, { 200, 4 } }),
          ClaimedSize{ 256, 32 }, 0 },
        { "icon holding a PNG",
          Of("", { { 0, 2 }, { 1, 2 }, { 1, 2 } }) + Of("\x10\x10", { { 0, 6 }, { 33, 4 }, { 22, 4 } }) +
              kPngSignature + Of("", { { 13, -4 } }) + Of("IHDR", { { 16, -4 }, { 9000, -4 } }),
          ClaimedSize{ 16, 9000 }, 0 },
        { "WebP", Of("RIFF", { { 30, 4 } }) + Of("WEBPVP8 ", { { 0, 8 }, { 0, 8 } }), std::nullopt, 0 },
        { "empty", {}, std::nullopt, 0 },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(web::ClaimedPictureSize(row.bytes), row.size) << row.what;
        EXPECT_EQ(web::JpegScans(row.bytes), row.scans) << row.what;
    }
}

} // namespace
