// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "filebytes.h"
#include "picturefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace window {
namespace {

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
    case ENOENT: return PictureLoadError::tr(texts::kNoSuchFile);
    case EACCES:
    case EPERM: return PictureLoadError::tr(texts::kPermissionDenied);
    case ELOOP: return PictureLoadError::tr("it is a loop of symbolic links");
    case ENAMETOOLONG: return PictureLoadError::tr("its path is too long");
    //: %1: the system's own words for what went wrong
    default: return PictureLoadError::tr("it cannot be read (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

std::optional<QString> ReasonNotARegularFile(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return PictureLoadError::tr("it is a folder, not a picture file");
    if (S_ISFIFO(mode))
        return PictureLoadError::tr("it is a named pipe, not a picture file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return PictureLoadError::tr("it is a device, not a picture file");
    if (S_ISSOCK(mode))
        return PictureLoadError::tr("it is a socket, not a picture file");
    return PictureLoadError::tr("it is not a regular file");
}

} // namespace

std::variant<QByteArray, QString> ReadFileBytes(std::string_view fileName, qint64 maxBytes)
{
    const QByteArray name(fileName.data(), static_cast<qsizetype>(fileName.size()));
    // Non-blocking, so that a named pipe under the name cannot stall the window;
    // every check then looks at the open file itself, never at the name again.
    const FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0)
        return ReasonForErrno(errno);
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0)
        return ReasonForErrno(errno);
    if (const std::optional<QString> notRegular = ReasonNotARegularFile(status.st_mode))
        return *notRegular;
    return ReadCapped(status.st_size, maxBytes, [&file](char* into, qint64 count) -> std::variant<qint64, QString> {
        while (true) {
            const ssize_t got = ::read(file.Get(), into, static_cast<std::size_t>(count));
            if (got >= 0)
                return static_cast<qint64>(got);
            if (errno != EINTR)
                return ReasonForErrno(errno);
        }
    });
}

} // namespace window
