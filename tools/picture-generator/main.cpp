// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// picture-generator FOLDER writes the ten square pictures into the folder, as 8-bit BMP files with
// a colour table, named as the board names them.
// picture-generator --icons FOLDER writes the application icon there instead: icon-16.png,
// icon-32.png, the scalable icon.svg, and icon.ico for the Windows program.
// The folder is made when missing. Exit status 0 when every file is written, 1 when one cannot be,
// 2 on a wrong command line.

#include "piecepictures.h"

#include "piece.h"
#include "square.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include <array>
#include <cstdio>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int kWriteFailedStatus = 1;
constexpr int kUsageStatus = 2;

constexpr std::array kShades{ board::Shade::Light, board::Shade::Dark };
constexpr std::array kCodes{ board::PieceCode::Empty, board::PieceCode::Knight, board::PieceCode::King,
                             board::PieceCode::Bishop, board::PieceCode::Rook };

constexpr std::array kIconSizes{ 16, 32 };
// The sizes Windows shows, up to 200 % scaling.
constexpr std::array kWindowsIconSizes{ 16, 24, 32, 48, 64, 256 };

// Writes the file through a temporary one, so a failed run leaves nothing half-written.
// Returns the reason when it fails.
std::optional<QString> WriteFile(const QString& path, const std::function<bool(QSaveFile&, QString&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QString reason;
    if (!write(file, reason))
        return reason;
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> WriteImage(const QImage& picture, const QString& path, const char* format)
{
    return WriteFile(path, [&](QSaveFile& file, QString& reason) {
        QImageWriter writer(&file, format);
        if (writer.write(picture))
            return true;
        reason = writer.errorString();
        return false;
    });
}

std::optional<QString> WriteBytes(const QByteArray& bytes, const QString& path)
{
    return WriteFile(path, [&](QSaveFile& file, QString& reason) {
        if (file.write(bytes) == bytes.size())
            return true;
        reason = file.errorString();
        return false;
    });
}

void PutLittleEndian(QByteArray& bytes, qsizetype at, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes[at + shift / 8] = static_cast<char>((value >> shift) & 0xff);
}

// An icon file with the drawing at each of the Windows sizes, each as PNG, which Windows reads
// at every size since Vista. (Qt's ICO writer leaves the padding of a bitmap's mask undefined, so
// its files differ from run to run.)
std::optional<QString> WriteWindowsIcon(const QString& path)
{
    constexpr qsizetype kHeaderBytes = 6;
    constexpr qsizetype kEntryBytes = 16;
    QByteArray header(kHeaderBytes, '\0');
    header[2] = 1; // an icon, not a cursor
    header[4] = static_cast<char>(kWindowsIconSizes.size());
    QByteArray directory;
    QByteArray images;
    for (const int size : kWindowsIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(drawings::DrawApplicationIcon(size)))
            return writer.errorString();
        QByteArray entry(kEntryBytes, '\0');
        entry[0] = entry[1] = static_cast<char>(size & 0xff); // 0 stands for 256
        entry[4] = 1;                                         // planes
        entry[6] = 32;                                        // bits a pixel
        PutLittleEndian(entry, 8, static_cast<quint32>(png.size()));
        PutLittleEndian(
            entry, 12,
            static_cast<quint32>(kHeaderBytes + kEntryBytes * std::ssize(kWindowsIconSizes) + images.size()));
        directory += entry;
        images += png;
    }
    return WriteBytes(header + directory + images, path);
}

// Each output file's name and what writes it there.
using Output = std::pair<QString, std::function<std::optional<QString>(const QString&)>>;

std::vector<Output> SquarePictures()
{
    std::vector<Output> outputs;
    for (const board::Shade shade : kShades) {
        for (const board::PieceCode code : kCodes) {
            const std::string_view name = board::PictureName(shade, code);
            outputs.emplace_back(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                                 [shade, code](const QString& path) {
                                     return WriteImage(drawings::DrawSquarePicture(shade, code), path, "bmp");
                                 });
        }
    }
    return outputs;
}

std::vector<Output> Icons()
{
    std::vector<Output> outputs;
    outputs.reserve(kIconSizes.size() + 2);
    for (const int size : kIconSizes)
        outputs.emplace_back(QStringLiteral("icon-%1.png").arg(size), [size](const QString& path) {
            return WriteImage(drawings::DrawApplicationIcon(size), path, "png");
        });
    outputs.emplace_back(QStringLiteral("icon.svg"),
                         [](const QString& path) { return WriteBytes(drawings::ApplicationIconSvg(), path); });
    outputs.emplace_back(QStringLiteral("icon.ico"), WriteWindowsIcon);
    return outputs;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool icons = argc == 3 && std::string_view(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        const char* const program = argc > 0 ? argv[0] : "picture-generator";
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n       %s --icons OUTPUT-FOLDER\n", program, program);
        return kUsageStatus;
    }
    const char* const folderName = argv[argc - 1];
    const QDir folder(QString::fromLocal8Bit(folderName));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "picture-generator: cannot make the folder %s\n", folderName);
        return kWriteFailedStatus;
    }

    for (const auto& [name, write] : icons ? Icons() : SquarePictures()) {
        const QString path = folder.filePath(name);
        if (const auto failure = write(path)) {
            std::fprintf(stderr, "picture-generator: cannot write %s: %s\n", qPrintable(QDir::toNativeSeparators(path)),
                         qPrintable(*failure));
            return kWriteFailedStatus;
        }
    }
    return 0;
}
