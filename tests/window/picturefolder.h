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

#include <memory>
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

    // As the report writes it.
    [[nodiscard]] QString Folder() const { return QDir::toNativeSeparators(folder_.path()); }

private:
    QString previous_;
    QTemporaryDir folder_;
};

// The fixture of the window's tests: a fresh picture folder as the current directory and a Form1
// over it, made before each test function and gone after it.
class FormTest : public QObject {
    Q_OBJECT

protected slots:
    void init()
    {
        pictures = std::make_unique<PictureFolder>();
        form = std::make_unique<window::Form1>();
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

    std::unique_ptr<PictureFolder> pictures;
    std::unique_ptr<window::Form1> form;
};
