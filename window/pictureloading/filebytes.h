// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string_view>
#include <variant>

namespace window {

// The whole content of the regular file of that name in the current folder, read at once, or the
// reason in words why it cannot be. Nothing but a regular file is read, and nothing can make the
// read wait: a pipe, a device or a folder under the name is refused without being waited on. A file
// past maxBytes is refused without being read to its end. Each platform has its own way.
[[nodiscard]] std::variant<QByteArray, QString> ReadFileBytes(std::string_view fileName, qint64 maxBytes);

// Fills `into` with up to `count` bytes of an open file: how many, 0 at its end, or why it cannot.
using ReadSome = std::function<std::variant<qint64, QString>(char* into, qint64 count)>;

// The reading that every platform shares: a file measured at expectedSize bytes, read through
// readSome to its end and refused past maxBytes. A file that grew since it was measured is read
// to its new end, within the same bound.
[[nodiscard]] std::variant<QByteArray, QString> ReadCapped(qint64 expectedSize, qint64 maxBytes,
                                                           const ReadSome& readSome);

} // namespace window
