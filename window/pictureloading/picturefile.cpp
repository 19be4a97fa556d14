// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "picturefile.h"

#include "installedpictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace window {
namespace {

// The largest picture in its widest pixel format (64 bits a pixel) is 2 MiB; this keeps a header
// that lies about the size from making a decoder allocate much more.
constexpr int kDecoderAllocationLimitMiB = 4;

// The formats read, by the names Qt's decoders give them; any other decoder installed is not used.
constexpr std::array<std::string_view, 13> kReadFormats{ "bmp", "png", "gif", "jpeg", "jpg", "ico", "cur",
                                                         "pbm", "pgm", "ppm", "xbm",  "xpm", "dib" };

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    [[nodiscard]] int Get() const { return descriptor_; }

private:
    int descriptor_;
};

QString ReasonForErrno(int error)
{
    switch (error) {
    case ENOENT: return QStringLiteral("there is no such file");
    case EACCES:
    case EPERM: return QStringLiteral("permission to read it is denied");
    case ELOOP: return QStringLiteral("it is a loop of symbolic links");
    case ENAMETOOLONG: return QStringLiteral("its path is too long");
    default: return QStringLiteral("it cannot be read (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

std::optional<QString> ReasonNotARegularFile(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a picture file");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe, not a picture file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a picture file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a picture file");
    return QStringLiteral("it is not a regular file");
}

QString TooLarge()
{
    return QStringLiteral("it is larger than %1 MiB, far more than any picture")
        .arg(static_cast<double>(kMaxPictureFileBytes) / (1 << 20));
}

// Reads the whole regular file behind the descriptor, refusing it past the cap.
std::variant<QByteArray, QString> ReadAll(int descriptor, qint64 expectedSize)
{
    if (expectedSize > kMaxPictureFileBytes)
        return TooLarge();
    QByteArray bytes;
    // One byte more than expected shows a file that grew since it was measured.
    bytes.resize(expectedSize + 1);
    qint64 filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (bytes.size() > kMaxPictureFileBytes)
                return TooLarge();
            bytes.resize(std::min(bytes.size() * 2, kMaxPictureFileBytes + 1));
        }
        const ssize_t got = ::read(descriptor, bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return ReasonForErrno(errno);
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

std::variant<QImage, QString> Decode(QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("the file is empty");
    if (std::optional<QString> refused = ReasonRefusedBeforeDecoding(bytes))
        return *refused;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    const QByteArray format = reader.canRead() ? reader.format() : QByteArray();
    if (std::find(kReadFormats.begin(), kReadFormats.end(), format.toStdString()) == kReadFormats.end())
        return QStringLiteral("it is not a picture in a format this program reads");
    constexpr std::array<std::string_view, 5> kParsedAsText{ "pbm", "pgm", "ppm", "xbm", "xpm" };
    if (bytes.size() > kMaxTextPictureFileBytes &&
        std::find(kParsedAsText.begin(), kParsedAsText.end(), format.toStdString()) != kParsedAsText.end())
        return QStringLiteral("it is larger than %1 KiB, far more than any picture in this format")
            .arg(kMaxTextPictureFileBytes >> 10);
    const QSize claimed = reader.size();
    if (claimed.isValid() && TooLargeSide(claimed.width(), claimed.height()))
        return ClaimsTooMuch(claimed.width(), claimed.height());
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return QStringLiteral("it is not a readable picture (%1)").arg(reader.errorString());
    // What is decoded may be larger than what the header said (a GIF's screen around its image).
    if (TooLargeSide(image.width(), image.height()))
        return QStringLiteral("it decodes to %1 × %2 pixels, more than any picture here")
            .arg(image.width())
            .arg(image.height());
    return image;
}

} // namespace

QString PictureLoadError::Message() const
{
    return QStringLiteral("Cannot show the picture \"%1\" from the folder \"%2\": %3.").arg(file, folder, reason) +
           InstalledPicturesHint(file, folder);
}

std::variant<QImage, PictureLoadError> LoadPicture(std::string_view fileName)
{
    QImageReader::setAllocationLimit(kDecoderAllocationLimitMiB);
    const QByteArray name(fileName.data(), static_cast<qsizetype>(fileName.size()));
    const auto failure = [&](QString reason) {
        return PictureLoadError{ QString::fromUtf8(name), QDir::currentPath(), std::move(reason) };
    };

    // Non-blocking, so that a named pipe under the name cannot stall the window;
    // every check then looks at the open file itself, never at the name again.
    const FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0)
        return failure(ReasonForErrno(errno));
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0)
        return failure(ReasonForErrno(errno));
    if (const std::optional<QString> notRegular = ReasonNotARegularFile(status.st_mode))
        return failure(*notRegular);

    std::variant<QByteArray, QString> bytes = ReadAll(file.Get(), status.st_size);
    if (auto* reason = std::get_if<QString>(&bytes))
        return failure(std::move(*reason));
    std::variant<QImage, QString> image = Decode(std::get<QByteArray>(bytes));
    if (auto* reason = std::get_if<QString>(&image))
        return failure(std::move(*reason));
    return std::get<QImage>(std::move(image));
}

} // namespace window
