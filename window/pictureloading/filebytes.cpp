// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "filebytes.h"

#include "picturefile.h"

#include <algorithm>

namespace window {
namespace {

QString TooLargeFile(qint64 maxBytes)
{
    return PictureLoadError::tr(texts::kTooLargeFile).arg(static_cast<double>(maxBytes) / (1 << 20));
}

} // namespace

std::variant<QByteArray, QString> ReadCapped(qint64 expectedSize, qint64 maxBytes, const ReadSome& readSome)
{
    if (expectedSize > maxBytes)
        return TooLargeFile(maxBytes);
    QByteArray bytes;
    // One byte more than expected shows a file that grew since it was measured.
    bytes.resize(expectedSize + 1);
    qint64 filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (bytes.size() > maxBytes)
                return TooLargeFile(maxBytes);
            bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
        }
        std::variant<qint64, QString> got = readSome(bytes.data() + filled, bytes.size() - filled);
        if (auto* reason = std::get_if<QString>(&got))
            return std::move(*reason);
        if (std::get<qint64>(got) == 0)
            break;
        filled += std::get<qint64>(got);
    }
    bytes.truncate(filled);
    return bytes;
}

} // namespace window
