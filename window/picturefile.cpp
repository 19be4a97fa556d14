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

// A picture is a few kilobytes; this keeps a hostile header from making the decoder allocate much.
constexpr int kDecoderAllocationLimitMiB = 64;

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
    return QStringLiteral("it is larger than %1 MiB, far more than any picture").arg(kMaxPictureFileBytes >> 20);
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

quint32 LittleEndian(const QByteArray& bytes, qsizetype offset, int width)
{
    quint32 value = 0;
    for (int byte = width - 1; byte >= 0; --byte)
        value = value << 8 | static_cast<quint8>(bytes[offset + byte]);
    return value;
}

QString ClaimsTooMuch(qint64 width, qint64 height)
{
    return QStringLiteral("its header claims %1 × %2 pixels, more than any picture here").arg(width).arg(height);
}

// Checks a bitmap's header against the file before the decoder sees it. The
// decoder fills in whatever pixels a cut-short file lacks; such a file is
// refused here instead of being shown half drawn.
std::optional<QString> ReasonBitmapRefused(const QByteArray& bytes)
{
    constexpr qsizetype kFileHeader = 14;
    constexpr qsizetype kCoreHeader = 12;
    constexpr qsizetype kInfoHeader = 40;
    if (!bytes.startsWith("BM") || bytes.size() < kFileHeader + 4)
        return std::nullopt;
    const auto cutShort = [&](qint64 promised) -> std::optional<QString> {
        if (promised <= bytes.size())
            return std::nullopt;
        return QStringLiteral("it is cut short: its header promises %1 bytes, the file holds %2")
            .arg(promised)
            .arg(bytes.size());
    };
    if (auto reason = cutShort(LittleEndian(bytes, 2, 4)))
        return reason;

    const qint64 pixelsStart = LittleEndian(bytes, 10, 4);
    const qint64 headerSize = LittleEndian(bytes, kFileHeader, 4);
    qint64 width = 0, height = 0, bitsPerPixel = 0, compression = 0;
    if (headerSize == kCoreHeader && bytes.size() >= kFileHeader + kCoreHeader) {
        width = LittleEndian(bytes, 18, 2);
        height = LittleEndian(bytes, 20, 2);
        bitsPerPixel = LittleEndian(bytes, 24, 2);
    } else if (headerSize >= kInfoHeader && bytes.size() >= kFileHeader + kInfoHeader) {
        width = static_cast<qint32>(LittleEndian(bytes, 18, 4));
        height = static_cast<qint32>(LittleEndian(bytes, 22, 4));
        bitsPerPixel = LittleEndian(bytes, 28, 2);
        compression = LittleEndian(bytes, 30, 4);
    } else {
        return cutShort(kFileHeader + std::max<qint64>(headerSize, kCoreHeader));
    }
    if (std::abs(width) > kMaxPictureSide || std::abs(height) > kMaxPictureSide)
        return ClaimsTooMuch(width, height);
    // Only rows stored as they are have a size known from the header (not run-length coded ones).
    constexpr std::array kUncompressed{ 0, 3, 6 };
    if (std::find(kUncompressed.begin(), kUncompressed.end(), compression) == kUncompressed.end() || width <= 0 ||
        bitsPerPixel == 0 || bitsPerPixel > 32)
        return std::nullopt;
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return cutShort(pixelsStart + rowBytes * std::abs(height));
}

std::variant<QImage, QString> Decode(QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("the file is empty");
    if (std::optional<QString> refused = ReasonBitmapRefused(bytes))
        return *refused;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    if (!reader.canRead())
        return QStringLiteral("it is not a picture in a format this program reads");
    const QSize claimed = reader.size();
    if (claimed.isValid() && (claimed.width() > kMaxPictureSide || claimed.height() > kMaxPictureSide))
        return ClaimsTooMuch(claimed.width(), claimed.height());
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return QStringLiteral("it is not a readable picture (%1)").arg(reader.errorString());
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
