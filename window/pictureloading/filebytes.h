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
// reason in words why it cannot be. Nothing but a regular file is read: a pipe, a device or a
// folder under the name is refused without being waited on, and on Windows so is a file whose
// content is kept elsewhere (cloud storage, an offline file) and would first be fetched. A file
// past maxBytes is refused without being read to its end. Each platform has its own way.
//
// What can still make the read wait is the file system itself, and the window waits with it, since
// the read runs in the window's thread. A file on a network share (SMB, NFS) is opened and read
// over the network: as long as the server takes to answer, and when it does not, until the client
// gives up (SMB's time-outs are tens of seconds; a "hard" NFS mount waits without end). On Windows,
// opening a file on which another program holds an opportunistic lock (an oplock or lease:
// Explorer's preview, an indexer, a virus scanner, or a client of the share the file lies on)
// first breaks that lock and waits until the holder has given it up, on a share up to the server's
// time-out of about 35 seconds. The read then ends as any other: the picture, or the reason it
// cannot be shown (for a share that stopped answering, that it cannot be reached).
[[nodiscard]] std::variant<QByteArray, QString> ReadFileBytes(std::string_view fileName, qint64 maxBytes);

// Fills `into` with up to `count` bytes of an open file: how many, 0 at its end, or why it cannot.
using ReadSome = std::function<std::variant<qint64, QString>(char* into, qint64 count)>;

// The reading that every platform shares: a file measured at expectedSize bytes, read through
// readSome to its end and refused past maxBytes. A file that grew since it was measured is read
// to its new end, within the same bound.
[[nodiscard]] std::variant<QByteArray, QString> ReadCapped(qint64 expectedSize, qint64 maxBytes,
                                                           const ReadSome& readSome);

} // namespace window
