#include "picturefile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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
        const ssize_t got =
            ::read(descriptor, bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
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
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    if (!reader.canRead())
        return QStringLiteral("it is not a picture in a format this program reads");
    const QSize claimed = reader.size();
    if (claimed.isValid() && (claimed.width() > kMaxPictureSide || claimed.height() > kMaxPictureSide))
        return QStringLiteral("its header claims %1 × %2 pixels, more than any picture here")
            .arg(claimed.width())
            .arg(claimed.height());
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return QStringLiteral("it is not a readable picture (%1)").arg(reader.errorString());
    return image;
}

} // namespace

QString PictureLoadError::Message() const
{
    return QStringLiteral("Cannot show the picture \"%1\" from the folder \"%2\": %3.").arg(file, folder, reason);
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
