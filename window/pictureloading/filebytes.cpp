// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "filebytes.h"

#include "picturefile.h"

namespace window {

QString TooLargeFile(qint64 maxBytes)
{
    return PictureLoadError::tr("it is larger than %L1 MiB, far more than any picture")
        .arg(static_cast<double>(maxBytes) / (1 << 20));
}

} // namespace window
