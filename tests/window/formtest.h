// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "form1.h"
#include "piece.h"
#include "squarebutton.h"

#include <QTest>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Calls f with each of the ten pictures' names, and with a picture filled with a colour of its own,
// so a test can tell from a pixel which file a square shows.
template <typename F>
void ForEachPicture(F f)
{
    for (const board::Shade shade : { board::Shade::Light, board::Shade::Dark })
        for (int code = 0; code < board::kPieceCodeCount; ++code) {
            QImage image(70, 70, QImage::Format_Indexed8);
            image.setColorTable({ qRgb(20 + 40 * code, shade == board::Shade::Light ? 50 : 200, 90) });
            image.fill(0);
            f(board::PictureName(shade, static_cast<board::PieceCode>(code)), image);
        }
}

inline QRgb ColourOf(std::string_view name)
{
    QRgb colour = 0;
    ForEachPicture(
        [&](std::string_view each, const QImage& image) { colour = each == name ? image.pixel(0, 0) : colour; });
    return colour;
}

// The ten pictures in memory, as Form1's picture source; a name taken out fails as a missing file
// does, in the folder kFolder. Every name asked for is kept, in order.
class PictureTable {
public:
    static constexpr const char* kFolder = "/pictures";

    PictureTable()
    {
        ForEachPicture([this](std::string_view name, const QImage& image) { pictures_.emplace(name, image); });
    }

    void Remove(std::string_view name) { pictures_.erase(std::string(name)); }

    [[nodiscard]] window::PictureSource Source()
    {
        return [this](std::string_view name) -> std::variant<QImage, window::PictureLoadError> {
            asked.emplace_back(name);
            if (const auto found = pictures_.find(name); found != pictures_.end())
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
