#pragma once

#include "board/piece.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <string_view>

// A fresh current directory holding the ten picture files, each filled with a
// colour of its own, so a test can tell from a pixel which file a square shows.
class PictureFolder {
public:
    PictureFolder() : previous_(QDir::currentPath())
    {
        for (const board::Shade shade : { board::Shade::Light, board::Shade::Dark })
            for (int code = 0; code < board::kPieceCodeCount; ++code)
                Write(board::PictureName(shade, static_cast<board::PieceCode>(code)));
        QDir::setCurrent(folder_.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous_); }
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    static QRgb ColourOf(std::string_view name)
    {
        for (const board::Shade shade : { board::Shade::Light, board::Shade::Dark })
            for (int code = 0; code < board::kPieceCodeCount; ++code)
                if (board::PictureName(shade, static_cast<board::PieceCode>(code)) == name)
                    return qRgb(20 + 40 * code, shade == board::Shade::Light ? 50 : 200, 90);
        return qRgb(0, 0, 0);
    }

    [[nodiscard]] QString Path(std::string_view name) const
    {
        return folder_.filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }

    void Write(std::string_view name) const
    {
        QImage image(70, 70, QImage::Format_Indexed8);
        image.setColorTable({ ColourOf(name) });
        image.fill(0);
        image.save(Path(name), "BMP");
    }

    void Remove(std::string_view name) const { QFile::remove(Path(name)); }

    [[nodiscard]] QString Folder() const { return folder_.path(); }

private:
    QString previous_;
    QTemporaryDir folder_;
};
