// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "board/piece.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <sys/stat.h>

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

    // Puts something other than a good picture under the name; the kinds are
    // the rows of the loader's test. "cut:N" keeps the first N bytes of the good file.
    void Plant(std::string_view name, const QString& kind) const
    {
        const QString path = Path(name);
        Write(name);
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QByteArray good = file.readAll();
        file.close();
        Remove(name);
        const auto writeBytes = [&](const QByteArray& bytes) {
            QFile out(path);
            out.open(QIODevice::WriteOnly);
            out.write(bytes);
        };
        const auto patch32 = [&](qsizetype offset, qint32 value) {
            for (int byte = 0; byte < 4; ++byte)
                good[offset + byte] = static_cast<char>((static_cast<quint32>(value) >> (8 * byte)) & 0xff);
        };
        if (kind == "good bitmap") {
            writeBytes(good);
        } else if (kind == "empty") {
            writeBytes({});
        } else if (kind.startsWith("cut:")) {
            writeBytes(good.left(kind.mid(4).toInt()));
        } else if (kind == "random bytes") {
            QByteArray noise(3000, '\0');
            for (qsizetype i = 0; i < noise.size(); ++i)
                noise[i] = static_cast<char>((i * 7919 + 13) % 251);
            writeBytes(noise);
        } else if (kind == "folder") {
            QDir(folder_.path()).mkdir(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        } else if (kind == "dangling link") {
            QFile::link(folder_.filePath("gone.bmp"), path);
        } else if (kind == "link to good bitmap") {
            writeBytes(good);
            QFile::rename(path, folder_.filePath("target.bmp"));
            QFile::link(folder_.filePath("target.bmp"), path);
        } else if (kind.startsWith("link to /dev/")) {
            QFile::link(kind.mid(8), path);
        } else if (kind == "named pipe") {
            ::mkfifo(QFile::encodeName(path).constData(), 0644);
        } else if (kind == "huge") {
            QFile out(path);
            out.open(QIODevice::WriteOnly);
            out.resize(qint64{ 17 } << 20); // sparse: costs no disk
        } else if (kind == "enormous header") {
            patch32(18, 100000);
            patch32(22, 100000);
            writeBytes(good);
        } else if (kind == "negative width") {
            patch32(18, -70);
            writeBytes(good);
        } else if (kind == "png content") {
            QImage image(70, 70, QImage::Format_RGB32);
            image.fill(ColourOf(name));
            image.save(path, "PNG");
        } else if (kind == "stray other extension") {
            QImage image(70, 70, QImage::Format_RGB32);
            image.fill(ColourOf(name));
            image.save(path + ".png", "PNG");
        } else if (kind == "unreadable") {
            writeBytes(good);
            QFile::setPermissions(path, {});
        }
    }

    [[nodiscard]] QString Folder() const { return folder_.path(); }

private:
    QString previous_;
    QTemporaryDir folder_;
};
