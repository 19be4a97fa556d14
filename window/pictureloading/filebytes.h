// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>
#include <variant>

namespace window {

// The whole content of the regular file of that name in the current folder, read at once, or the
// reason in words why it cannot be. Nothing but a regular file is read, and nothing can make the
// read wait: a pipe, a device or a folder under the name is refused without being waited on. A file
// past maxBytes is refused without being read to its end. Each platform has its own way.
[[nodiscard]] std::variant<QByteArray, QString> ReadFileBytes(std::string_view fileName, qint64 maxBytes);

// The reason for a file past maxBytes.
[[nodiscard]] QString TooLargeFile(qint64 maxBytes);

} // namespace window
