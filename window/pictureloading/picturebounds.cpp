// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "picturebounds.h"

#include "picturefile.h"

#include <QByteArray>

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace window {

bool TooLargeSide(qint64 width, qint64 height)
{
    return std::abs(width) > kMaxPictureSide || std::abs(height) > kMaxPictureSide;
}

QString ClaimsTooMuch(qint64 width, qint64 height)
{
    return PictureLoadError::tr(texts::kClaimsTooMuch).arg(width).arg(height);
}

namespace {

quint32 LittleEndian(QByteArrayView bytes, qsizetype offset, int width)
{
    quint32 value = 0;
    for (int byte = width - 1; byte >= 0; --byte)
        value = value << 8 | static_cast<quint8>(bytes[offset + byte]);
    return value;
}

quint32 BigEndian(QByteArrayView bytes, qsizetype offset, int width)
{
    quint32 value = 0;
    for (int byte = 0; byte < width; ++byte)
        value = value << 8 | static_cast<quint8>(bytes[offset + byte]);
    return value;
}

QString CutShortChunk(qint64 claimed, qint64 left)
{
    return PictureLoadError::tr("it is cut short: a part of it claims %1 bytes where %2 remain").arg(claimed).arg(left);
}

// Walks a run-length coded bitmap's data and tells whether it reaches the picture's last row.
// Coded runs and pixels stored as they are count along the row; "end of row" and "move by"
// step down; "end of bitmap" stops. A jump over the rest is a deliberate skip, not a cut.
std::optional<QString> ReasonRunLengthRefused(QByteArrayView data, qint64 width, qint64 height, bool fourBits)
{
    qint64 x = 0, y = 0;
    qsizetype at = 0;
    bool ended = false;
    while (!ended && y < height && at + 1 < data.size()) {
        const auto count = static_cast<quint8>(data[at]);
        const auto code = static_cast<quint8>(data[at + 1]);
        at += 2;
        if (count > 0) {
            x += count;
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            ended = true;
        } else if (code == 2) {
            if (at + 1 >= data.size())
                break;
            x += static_cast<quint8>(data[at]);
            y += static_cast<quint8>(data[at + 1]);
            at += 2;
        } else {
            const qsizetype stored = fourBits ? (code + 1) / 2 : code;
            at += (stored + 1) / 2 * 2;
            x += code;
        }
    }
    if (y >= height || (y == height - 1 && (ended || x >= width)))
        return std::nullopt;
    return PictureLoadError::tr("it is cut short: its run-length data ends at row %1 of %2").arg(y + 1).arg(height);
}

// Checks a bitmap's header against the file before the decoder sees it. The
// decoder fills in whatever pixels a cut-short file lacks; such a file is
// refused here instead of being shown half drawn.
std::optional<QString> ReasonBitmapRefused(QByteArrayView bytes)
{
    constexpr qsizetype kFileHeader = 14;
    constexpr qsizetype kCoreHeader = 12;
    constexpr qsizetype kInfoHeader = 40;
    if (!bytes.startsWith("BM") || bytes.size() < kFileHeader + 4)
        return std::nullopt;
    const auto cutShort = [&](qint64 promised) -> std::optional<QString> {
        if (promised <= bytes.size())
            return std::nullopt;
        return PictureLoadError::tr("it is cut short: its header promises %1 bytes, the file holds %2")
            .arg(promised)
            .arg(bytes.size());
    };
    if (auto reason = cutShort(LittleEndian(bytes, 2, 4)))
        return reason;

    const qint64 pixelsStart = LittleEndian(bytes, 10, 4);
    const qint64 headerSize = LittleEndian(bytes, kFileHeader, 4);
    qint64 width = 0, height = 0, bitsPerPixel = 0, compression = 0;
    if (headerSize == kCoreHeader && bytes.size() >= kFileHeader + kCoreHeader) {
        width = LittleEndian(bytes, 18, 2);
        height = LittleEndian(bytes, 20, 2);
        bitsPerPixel = LittleEndian(bytes, 24, 2);
    } else if (headerSize >= kInfoHeader && bytes.size() >= kFileHeader + kInfoHeader) {
        width = static_cast<qint32>(LittleEndian(bytes, 18, 4));
        height = static_cast<qint32>(LittleEndian(bytes, 22, 4));
        bitsPerPixel = LittleEndian(bytes, 28, 2);
        compression = LittleEndian(bytes, 30, 4);
    } else {
        return cutShort(kFileHeader + std::max<qint64>(headerSize, kCoreHeader));
    }
    if (TooLargeSide(width, height))
        return ClaimsTooMuch(width, height);
    constexpr qint64 kRunLength8 = 1, kRunLength4 = 2;
    if ((compression == kRunLength8 || compression == kRunLength4) && pixelsStart < bytes.size())
        return ReasonRunLengthRefused(bytes.sliced(pixelsStart), std::abs(width), std::abs(height),
                                      compression == kRunLength4);
    // Only rows stored as they are have a size known from the header.
    constexpr std::array kUncompressed{ 0, 3, 6 };
    if (std::find(kUncompressed.begin(), kUncompressed.end(), compression) == kUncompressed.end() || width <= 0 ||
        bitsPerPixel == 0 || bitsPerPixel > 32)
        return std::nullopt;
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return cutShort(pixelsStart + rowBytes * std::abs(height));
}

// How many bytes zlib data unpacks to, counted up to just past the limit: the decoder would
// unpack all of it, however much that is, whether it needs it or not.
qint64 UnpackedSize(const std::vector<QByteArrayView>& parts, qint64 limit)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return 0;
    std::array<Bytef, 16384> scratch{};
    qint64 unpacked = 0;
    int status = Z_OK;
    for (const QByteArrayView part : parts) {
        // The cast drops a const that zlib's interface lacks; it never writes to its input.
        stream.next_in = const_cast<Bytef*>(reinterpret_cast<const Bytef*>(part.data())); // NOLINT
        stream.avail_in = static_cast<uInt>(part.size());
        while (status == Z_OK && stream.avail_in > 0 && unpacked <= limit) {
            stream.next_out = scratch.data();
            stream.avail_out = static_cast<uInt>(scratch.size());
            status = inflate(&stream, Z_NO_FLUSH);
            unpacked += static_cast<qint64>(scratch.size() - stream.avail_out);
        }
    }
    inflateEnd(&stream);
    return unpacked;
}

// The packed part of a text note or colour profile chunk, after its keyword and its fields.
std::optional<QByteArrayView> PackedNote(QByteArrayView type, QByteArrayView data)
{
    qsizetype at = data.indexOf('\0');
    if (at < 0)
        return std::nullopt;
    if (type == "iTXt") {
        if (at + 3 > data.size() || data[at + 1] == 0) // not packed
            return std::nullopt;
        at = data.indexOf('\0', at + 3); // the end of the language tag
        if (at >= 0)
            at = data.indexOf('\0', at + 1); // the end of the translated keyword
        return at < 0 ? std::nullopt : std::optional(data.sliced(at + 1));
    }
    return at + 2 > data.size() ? std::nullopt : std::optional(data.sliced(at + 2));
}

// Walks a PNG's chunks before the decoder sees them: the decoder takes a chunk's length on trust
// and makes room for all of it before finding the file too short, and it unpacks pixel data and
// notes in full even when they hold far more than the picture.
std::optional<QString> ReasonPngRefused(QByteArrayView bytes)
{
    constexpr QByteArrayView kSignature("\x89PNG\r\n\x1a\n");
    constexpr qsizetype kChunkFrame = 12; // length, type and checksum
    constexpr qint64 kMaxNotes = qint64{ 1 } << 20;
    if (!bytes.startsWith(kSignature))
        return std::nullopt;
    qint64 width = 0, height = 0, pixelBits = 0;
    bool interlaced = false;
    std::vector<QByteArrayView> pixelData;
    qint64 notes = 0;
    int chunks = 0;
    for (qsizetype at = kSignature.size(); at + 8 <= bytes.size();) {
        if (++chunks > kMaxPngChunks)
            return PictureLoadError::tr("it is split into more than %1 parts, far more than any picture")
                .arg(kMaxPngChunks);
        const qint64 length = BigEndian(bytes, at, 4);
        const QByteArrayView type = bytes.sliced(at + 4, 4);
        if (length > bytes.size() - at - kChunkFrame)
            return CutShortChunk(length, std::max<qint64>(bytes.size() - at - kChunkFrame, 0));
        const QByteArrayView data = bytes.sliced(at + 8, length);
        at += kChunkFrame + length;
        if (type == "IHDR" && length >= 13) {
            width = BigEndian(data, 0, 4);
            height = BigEndian(data, 4, 4);
            if (TooLargeSide(width, height))
                return ClaimsTooMuch(width, height);
            constexpr std::array<int, 7> kChannels{ 1, 0, 3, 1, 2, 0, 4 }; // by colour type
            const auto colourType = static_cast<quint8>(data[9]);
            pixelBits =
                qint64{ static_cast<quint8>(data[8]) } * (colourType < kChannels.size() ? kChannels[colourType] : 4);
            interlaced = data[12] != 0;
        } else if (type == "IDAT") {
            pixelData.push_back(data);
        } else if (type == "zTXt" || type == "iTXt" || type == "iCCP") {
            if (const std::optional<QByteArrayView> packed = PackedNote(type, data))
                notes += UnpackedSize({ *packed }, kMaxNotes - notes);
            if (notes > kMaxNotes)
                return PictureLoadError::tr("its notes unpack to more than %1 MiB").arg(kMaxNotes >> 20);
        } else if (type == "IEND") {
            break;
        }
    }
    // Interlacing stores the picture in seven passes, each row with its own filter byte.
    const qint64 needed = height * (1 + (width * pixelBits + 7) / 8) * (interlaced ? 2 : 1) + 64;
    if (!pixelData.empty() && UnpackedSize(pixelData, needed) > needed)
        return PictureLoadError::tr("its pixel data unpacks to more than its %1 × %2 pixels need")
            .arg(width)
            .arg(height);
    return std::nullopt;
}

// Counts a JPEG's scans before the decoder sees them: a progressive picture is decoded once for
// every scan, and nothing stops a file from repeating one thousands of times.
std::optional<QString> ReasonJpegRefused(QByteArrayView bytes)
{
    if (!bytes.startsWith("\xff\xd8"))
        return std::nullopt;
    constexpr quint8 kStartOfScan = 0xda, kStart = 0xd8, kEnd = 0xd9, kTem = 0x01;
    constexpr quint8 kFirstRestart = 0xd0, kLastRestart = 0xd7;
    int scans = 0;
    qsizetype at = 2;
    while (at + 1 < bytes.size()) {
        if (static_cast<quint8>(bytes[at]) != 0xff) {
            ++at; // coded data of a scan
            continue;
        }
        const auto marker = static_cast<quint8>(bytes[at + 1]);
        // A fill byte, a coded 0xff, a restart inside a scan, or a marker without a length (TEM,
        // SOI): step over it alone, so that bytes after it are never skipped as its length.
        if (marker == 0xff || marker == 0 || marker == kTem || marker == kStart ||
            (marker >= kFirstRestart && marker <= kLastRestart)) {
            ++at;
            continue;
        }
        if (marker == kEnd || at + 3 >= bytes.size())
            break;
        if (marker == kStartOfScan && ++scans > kMaxJpegScans)
            return PictureLoadError::tr(texts::kTooManyScans).arg(kMaxJpegScans);
        at += 2 + BigEndian(bytes, at + 2, 2);
    }
    return std::nullopt;
}

// A GIF's screen, not its first image, is the size of the picture the decoder returns.
std::optional<QString> ReasonGifRefused(QByteArrayView bytes)
{
    if (!(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")) || bytes.size() < 10)
        return std::nullopt;
    const qint64 width = LittleEndian(bytes, 6, 2);
    const qint64 height = LittleEndian(bytes, 8, 2);
    if (TooLargeSide(width, height))
        return ClaimsTooMuch(width, height);
    return std::nullopt;
}

// An icon holds bitmaps or whole PNG files; the PNGs get the same checks as one on its own.
std::optional<QString> ReasonIconRefused(QByteArrayView bytes)
{
    constexpr qsizetype kHeader = 6, kEntry = 16;
    if (bytes.size() < kHeader || LittleEndian(bytes, 0, 2) != 0 || LittleEndian(bytes, 2, 2) == 0 ||
        LittleEndian(bytes, 2, 2) > 2)
        return std::nullopt;
    const qsizetype entries = LittleEndian(bytes, 4, 2);
    for (qsizetype entry = 0; entry < entries && kHeader + (entry + 1) * kEntry <= bytes.size(); ++entry) {
        const qsizetype at = kHeader + entry * kEntry;
        const qint64 size = LittleEndian(bytes, at + 8, 4);
        const qint64 offset = LittleEndian(bytes, at + 12, 4);
        if (offset >= bytes.size())
            continue;
        if (std::optional<QString> refused =
                ReasonPngRefused(bytes.sliced(offset, std::min<qint64>(size, bytes.size() - offset))))
            return refused;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> ReasonRefusedBeforeDecoding(QByteArrayView bytes)
{
    for (const auto check :
         { ReasonBitmapRefused, ReasonPngRefused, ReasonJpegRefused, ReasonGifRefused, ReasonIconRefused })
        if (std::optional<QString> refused = check(bytes))
            return refused;
    return std::nullopt;
}

} // namespace window
