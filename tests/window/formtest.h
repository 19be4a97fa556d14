// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "form1.h"
#include "piece.h"
#include "squarebutton.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Each of the ten pictures filled with a colour of its own, so a test can tell from a pixel which
// file a square shows.
inline QImage TestPicture(std::string_view name)
{
    QRgb colour = qRgb(0, 0, 0);
    for (const board::Shade shade : { board::Shade::Light, board::Shade::Dark })
        for (int code = 0; code < board::kPieceCodeCount; ++code)
            if (board::PictureName(shade, static_cast<board::PieceCode>(code)) == name)
                colour = qRgb(20 + 40 * code, shade == board::Shade::Light ? 50 : 200, 90);
    QImage image(70, 70, QImage::Format_Indexed8);
    image.setColorTable({ colour });
    image.fill(0);
    return image;
}

inline QRgb ColourOf(std::string_view name)
{
    return TestPicture(name).pixel(0, 0);
}

// A fresh current directory holding the ten picture files.
class PictureFolder {
public:
    PictureFolder() : previous_(QDir::currentPath())
    {
        for (const board::Shade shade : { board::Shade::Light, board::Shade::Dark })
            for (int code = 0; code < board::kPieceCodeCount; ++code) {
                const std::string_view name = board::PictureName(shade, static_cast<board::PieceCode>(code));
                TestPicture(name).save(Path(name), "BMP");
            }
        QDir::setCurrent(folder_.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous_); }

    [[nodiscard]] QString Path(std::string_view name) const
    {
        return folder_.filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    void Remove(std::string_view name) const { QFile::remove(Path(name)); }
    // As the report writes it.
    [[nodiscard]] QString Folder() const { return QDir::toNativeSeparators(folder_.path()); }

private:
    QString previous_;
    QTemporaryDir folder_;
};

// The ten pictures in memory, as Form1's picture source; a name taken out fails as a missing file
// does, in the folder kFolder. Every name asked for is kept, in order.
class PictureTable {
public:
    static constexpr const char* kFolder = "/pictures";

    PictureTable()
    {
        for (const board::Shade shade : { board::Shade::Light, board::Shade::Dark })
            for (int code = 0; code < board::kPieceCodeCount; ++code) {
                const std::string_view name = board::PictureName(shade, static_cast<board::PieceCode>(code));
                pictures_.emplace(name, TestPicture(name));
            }
    }

    void Remove(std::string_view name) { pictures_.erase(std::string(name)); }

    [[nodiscard]] window::PictureSource Source()
    {
        return [this](std::string_view name) -> std::variant<QImage, window::PictureLoadError> {
            asked.emplace_back(name);
            if (const auto found = pictures_.find(std::string(name)); found != pictures_.end())
                return found->second;
            return window::PictureLoadError{ QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                                             QString::fromLatin1(kFolder),
                                             window::PictureLoadError::tr("there is no such file") };
        };
    }

    std::vector<std::string> asked;

private:
    std::map<std::string, QImage, std::less<>> pictures_;
};

// The fixture of the window's tests: the pictures in memory and a Form1 over them, made before
// each test function and gone after it.
class FormTest : public QObject {
    Q_OBJECT

protected slots:
    void init()
    {
        pictures = std::make_unique<PictureTable>();
        form = std::make_unique<window::Form1>(pictures->Source());
    }
    void cleanup()
    {
        form.reset();
        pictures.reset();
    }

protected:
    // The centre pixel of the picture a square holds.
    [[nodiscard]] QRgb Shown(int square) const
    {
        return form->C(board::Index(square))->Picture().toImage().pixel(35, 35);
    }
    // A pixel of a grab, in the window's own coordinates at any scale.
    static QRgb Grabbed(const QImage& shot, QPoint point) { return shot.pixel(point * shot.devicePixelRatio()); }
    void ShowForm() const
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    std::unique_ptr<PictureTable> pictures;
    std::unique_ptr<window::Form1> form;
};
