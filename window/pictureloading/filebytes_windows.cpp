// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "filebytes.h"
#include "picturefile.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace window {
namespace {

// Marks of a file whose content is elsewhere (older SDK headers lack the two newer ones).
constexpr DWORD kRecallOnOpen = 0x00040000;
constexpr DWORD kRecallOnDataAccess = 0x00400000;
constexpr DWORD kKeptElsewhere = FILE_ATTRIBUTE_OFFLINE | kRecallOnOpen | kRecallOnDataAccess;
constexpr DWORD kCloudProviderNotRunning = 362;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    [[nodiscard]] HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

QString OfflineFile()
{
    return PictureLoadError::tr("its content is not on this computer but in cloud storage or on a server, and fetching "
                                "it would make the window wait; keep it on this device first");
}

QString SystemText(DWORD error)
{
    std::array<wchar_t, 512> text{};
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                          text.data(), static_cast<DWORD>(text.size()), nullptr);
    return QString::fromWCharArray(text.data(), static_cast<qsizetype>(length)).trimmed();
}

QString ReasonForError(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return PictureLoadError::tr(texts::kNoSuchFile);
    case ERROR_ACCESS_DENIED: return PictureLoadError::tr(texts::kPermissionDenied);
    case ERROR_SHARING_VIOLATION:
        return PictureLoadError::tr("another program has it open and lets no other program read it; close it there");
    case ERROR_LOCK_VIOLATION:
        return PictureLoadError::tr("another program has locked it against reading; close it there");
    case ERROR_CANT_RESOLVE_FILENAME: return PictureLoadError::tr("it is a loop of symbolic links");
    case ERROR_FILENAME_EXCED_RANGE: return PictureLoadError::tr("its path is too long");
    case ERROR_NOT_READY: return PictureLoadError::tr("the drive that holds it is not ready");
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_NETNAME_DELETED:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_NETWORK_UNREACHABLE:
    case ERROR_HOST_UNREACHABLE:
    case ERROR_SEM_TIMEOUT: return PictureLoadError::tr("the network share that holds it cannot be reached");
    case ERROR_FILE_OFFLINE:
    case kCloudProviderNotRunning: return OfflineFile();
    //: %1: the system's own words for what went wrong
    default: return PictureLoadError::tr("it cannot be read (%1)").arg(SystemText(error));
    }
}

// Windows opens a device, not a file, for these names in every folder, with or without an
// extension ("nul.bmp", "COM1 .txt"): the part before the first dot, without trailing spaces,
// in any case. Such a name is refused before anything is opened, since opening some devices waits.
bool IsDeviceName(std::string_view fileName)
{
    std::string base(fileName.substr(0, fileName.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    std::transform(base.begin(), base.end(), base.begin(),
                   [](char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); });
    constexpr std::array<std::string_view, 6> kNames{ "CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$" };
    if (std::find(kNames.begin(), kNames.end(), base) != kNames.end())
        return true;
    // COM0 to COM9 and LPT0 to LPT9, the superscript digits ¹ ² ³ (in UTF-8) included.
    const std::string_view port(base);
    const std::string_view number = port.size() > 3 ? port.substr(3) : std::string_view();
    return (port.starts_with("COM") || port.starts_with("LPT")) &&
           ((number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\u00b9" || number == "\u00b2" ||
            number == "\u00b3");
}

// Opens the name for reading, sharing it with every other reader and writer. Neither the open nor
// anything after it brings back content kept elsewhere; with `linkItself` a link or other reparse
// point is opened as itself, else what it leads to. A folder opens too, to be told apart.
HANDLE Open(const std::wstring& name, bool linkItself)
{
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_NO_RECALL | FILE_FLAG_SEQUENTIAL_SCAN |
                        (linkItself ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    return ::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, flags, nullptr);
}

// Why the open file is not one to read, looking at the file itself, never at the name again.
std::optional<QString> ReasonNotADiskFile(HANDLE file, FILE_ATTRIBUTE_TAG_INFO& info)
{
    switch (::GetFileType(file)) {
    case FILE_TYPE_DISK: break;
    case FILE_TYPE_CHAR: return PictureLoadError::tr("it is a device, not a picture file");
    case FILE_TYPE_PIPE: return PictureLoadError::tr("it is a pipe, not a picture file");
    default: return PictureLoadError::tr("it is not a file on a disk");
    }
    if (!::GetFileInformationByHandleEx(file, FileAttributeTagInfo, &info, sizeof info))
        return ReasonForError(::GetLastError());
    if ((info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return PictureLoadError::tr("it is a folder, not a picture file");
    if ((info.FileAttributes & kKeptElsewhere) != 0)
        return OfflineFile();
    return std::nullopt;
}

} // namespace

std::variant<QByteArray, QString> ReadFileBytes(std::string_view fileName, qint64 maxBytes)
{
    if (IsDeviceName(fileName))
        return PictureLoadError::tr("it is the name of a device, not of a picture file");
    const std::wstring name =
        QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())).toStdWString();
    // First the name's own entry, whatever it is: a file kept offline is refused before anything
    // asks for its content. A link, or a file that a file system filter serves, is then opened
    // again through the filter, and what that gives is checked once more.
    FILE_ATTRIBUTE_TAG_INFO info{};
    std::optional<FileHandle> file;
    for (const bool linkItself : { true, false }) {
        file.emplace(Open(name, linkItself));
        if (file->Get() == INVALID_HANDLE_VALUE)
            return ReasonForError(::GetLastError());
        if (const std::optional<QString> notADiskFile = ReasonNotADiskFile(file->Get(), info))
            return *notADiskFile;
        if ((info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
            break;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file->Get(), &size))
        return ReasonForError(::GetLastError());
    return ReadCapped(size.QuadPart, maxBytes, [&file](char* into, qint64 count) -> std::variant<qint64, QString> {
        DWORD got = 0;
        if (!::ReadFile(file->Get(), into, static_cast<DWORD>(count), &got, nullptr))
            return ReasonForError(::GetLastError());
        return static_cast<qint64>(got);
    });
}

} // namespace window
