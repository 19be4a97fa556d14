// Writes the ten square pictures into the folder given as the only argument, as 8-bit BMP files
// with a colour table, named as the board names them. The folder is made when missing.
// Exit status 0 when every file is written, 1 when one cannot be, 2 on a wrong command line.

#include "piecepictures.h"

#include "board/piece.h"
#include "board/square.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include <array>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

constexpr int kWriteFailedStatus = 1;
constexpr int kUsageStatus = 2;

constexpr std::array kShades{ board::Shade::Light, board::Shade::Dark };
constexpr std::array kCodes{ board::PieceCode::Empty, board::PieceCode::Knight, board::PieceCode::King,
                             board::PieceCode::Bishop, board::PieceCode::Rook };

// Writes the picture through a temporary file, so a failed run leaves no half-written picture.
// Returns the reason when it fails.
std::optional<QString> WriteBmp(const QImage& picture, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, "bmp");
    if (!writer.write(picture))
        return writer.errorString();
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argc > 0 ? argv[0] : "picture-generator");
        return kUsageStatus;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "picture-generator: cannot make the folder %s\n", argv[1]);
        return kWriteFailedStatus;
    }

    for (const board::Shade shade : kShades) {
        for (const board::PieceCode code : kCodes) {
            const std::string_view name = board::PictureName(shade, code);
            const QString path = folder.filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
            if (const auto failure = WriteBmp(pictures::DrawSquarePicture(shade, code), path)) {
                std::fprintf(stderr, "picture-generator: cannot write %s: %s\n",
                             qPrintable(QDir::toNativeSeparators(path)), qPrintable(*failure));
                return kWriteFailedStatus;
            }
        }
    }
    return 0;
}
