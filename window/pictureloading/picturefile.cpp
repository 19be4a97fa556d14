// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "picturefile.h"

#include "filebytes.h"
#include "installedpictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace window {
namespace {

// The largest picture in its widest pixel format (64 bits a pixel) is 2 MiB; this keeps a header
// that lies about the size from making a decoder allocate much more.
constexpr int kDecoderAllocationLimitMiB = 4;

// The formats read, by the names Qt's decoders give them; any other decoder installed is not used.
constexpr std::array<std::string_view, 13> kReadFormats{ "bmp", "png", "gif", "jpeg", "jpg", "ico", "cur",
                                                         "pbm", "pgm", "ppm", "xbm",  "xpm", "dib" };

std::variant<QImage, QString> Decode(QByteArray& bytes)
{
    if (bytes.isEmpty())
        return PictureLoadError::tr(texts::kEmptyFile);
    if (std::optional<QString> refused = ReasonRefusedBeforeDecoding(bytes))
        return *refused;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    const QByteArray format = reader.canRead() ? reader.format() : QByteArray();
    if (std::find(kReadFormats.begin(), kReadFormats.end(), format.toStdString()) == kReadFormats.end())
        return PictureLoadError::tr(texts::kNotAFormat);
    constexpr std::array<std::string_view, 5> kParsedAsText{ "pbm", "pgm", "ppm", "xbm", "xpm" };
    if (bytes.size() > kMaxTextPictureFileBytes &&
        std::find(kParsedAsText.begin(), kParsedAsText.end(), format.toStdString()) != kParsedAsText.end())
        return PictureLoadError::tr("it is larger than %1 KiB, far more than any picture in this format")
            .arg(kMaxTextPictureFileBytes >> 10);
    const QSize claimed = reader.size();
    if (claimed.isValid() && TooLargeSide(claimed.width(), claimed.height()))
        return ClaimsTooMuch(claimed.width(), claimed.height());
    // Qt's decoder of run-length bitmaps writes only the pixels the data codes, and a jump or an
    // early end of a row leaves the rest as the memory held them. Given a picture of the right size
    // and kind to fill, it fills that one: the pixels skipped keep the colour of index 0, and the
    // same file always shows the same picture.
    QImage image;
    if (format == "bmp" && claimed.isValid()) {
        image = QImage(claimed, QImage::Format_Indexed8);
        image.fill(0);
    }
    if (!reader.read(&image) || image.isNull())
        return PictureLoadError::tr(texts::kNotReadable).arg(reader.errorString());
    // What is decoded may be larger than what the header said (a GIF's screen around its image).
    if (TooLargeSide(image.width(), image.height()))
        return PictureLoadError::tr(texts::kDecodesTooLarge).arg(image.width()).arg(image.height());
    return image;
}

} // namespace

QString PictureLoadError::Message() const
{
    const QString message = tr(texts::kCannotShow).arg(file, folder, reason);
    const QString hint = InstalledPicturesHint(file, folder);
    return hint.isEmpty() ? message : message + QLatin1Char(' ') + hint;
}

std::variant<QImage, PictureLoadError> LoadPicture(std::string_view fileName)
{
    QImageReader::setAllocationLimit(kDecoderAllocationLimitMiB);
    const QByteArray name(fileName.data(), static_cast<qsizetype>(fileName.size()));
    const auto failure = [&](QString reason) {
        return PictureLoadError{ QString::fromUtf8(name), QDir::toNativeSeparators(QDir::currentPath()),
                                 std::move(reason) };
    };

    std::variant<QByteArray, QString> bytes = ReadFileBytes(fileName, kMaxPictureFileBytes);
    if (auto* reason = std::get_if<QString>(&bytes))
        return failure(std::move(*reason));
    std::variant<QImage, QString> image = Decode(std::get<QByteArray>(bytes));
    if (auto* reason = std::get_if<QString>(&image))
        return failure(std::move(*reason));
    return std::get<QImage>(std::move(image));
}

} // namespace window
