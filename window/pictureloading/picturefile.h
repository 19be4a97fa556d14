// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "formtexts.h"
#include "picturebounds.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <string_view>
#include <variant>

namespace window {

// Why a picture file could not be shown, in words for the user. Every sentence of the picture
// loader is translated as one of this struct's: PictureLoadError::tr.
struct PictureLoadError {
    QString file;
    QString folder; // written as the platform writes paths: C:\Users\… on Windows
    QString reason;

    [[nodiscard]] QString Message() const;

    Q_DECLARE_TR_FUNCTIONS(PictureLoadError)
};

// Reads the picture afresh from exactly that file in the current directory (no
// cache, no other name tried) and decodes it by its content. Only a regular
// file is read; a pipe, device or folder under the name is refused without
// waiting on it. Only BMP, PNG, GIF, JPEG, ICO/CUR, PBM/PGM/PPM, XBM and XPM
// are read, and each is checked against the bounds of picturebounds.h before and after decoding.
[[nodiscard]] std::variant<QImage, PictureLoadError> LoadPicture(std::string_view fileName);

} // namespace window
