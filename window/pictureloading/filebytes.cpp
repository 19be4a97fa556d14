// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "filebytes.h"

namespace window {

QString TooLargeFile(qint64 maxBytes)
{
    return QStringLiteral("it is larger than %1 MiB, far more than any picture")
        .arg(static_cast<double>(maxBytes) / (1 << 20));
}

} // namespace window
