// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "picturelimits.h"

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace window {

// The bounds themselves are in picturelimits.h, which the web page shares.

// A width or height past the side bound, and the reason that names what the header claims.
[[nodiscard]] bool TooLargeSide(qint64 width, qint64 height);
[[nodiscard]] QString ClaimsTooMuch(qint64 width, qint64 height);

// Why a file's bytes are refused before any decoder sees them, by the format its first bytes
// name: a bitmap cut short or coded past its last row, a PNG part longer than the file or data
// that unpacks to more than the picture needs, a JPEG of too many scans, a GIF screen or an
// icon's PNG beyond the bounds. Nothing for bytes these checks let through.
[[nodiscard]] std::optional<QString> ReasonRefusedBeforeDecoding(QByteArrayView bytes);

} // namespace window
