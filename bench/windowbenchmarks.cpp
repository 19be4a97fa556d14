// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The window's handlers beside the floor: Qt alone reading and decoding the same
// picture files afresh, making pixmaps of them and giving them to the same squares,
// and showing the same sums in the same text box.

#include "benchmarks.h"
#include "pairedbenchmark.h"

#include "form1.h"
#include "picturefile.h"
#include "squarebutton.h"
#include "weightedsum.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QString>

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <variant>

namespace bench {
namespace {

QString NameOf(std::string_view file)
{
    return QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
}

// The least any program must do to show a picture file on a button: read the
// file, decode it (the format found from the content, as the program does),
// make a pixmap and give it to the button. No checks, and no cache: QPixmap's
// own loading would keep the picture in QPixmapCache. (QImageReader on the file
// name, which picks the decoder by the suffix, was no faster.)
bool ShowWithQtAlone(const QString& file, window::SquareButton& square)
{
    QFile picture(file);
    if (!picture.open(QIODevice::ReadOnly))
        return false;
    const QImage image = QImage::fromData(picture.readAll());
    square.SetPicture(QPixmap::fromImage(image));
    return !image.isNull();
}

// The clicks of the square cycle through these files, and Text1 through these sums.
constexpr board::Index kClickedSquare(0);
constexpr std::size_t kCycle = board::kPieceCodeCount;

struct Shown {
    QString file;
    QString sum;
};

std::array<Shown, kCycle> ClickedFiles()
{
    std::array<Shown, kCycle> shown;
    board::Board board;
    for (Shown& step : shown) {
        const board::ClickPlan plan = board.PlanClick(kClickedSquare);
        board.StoreCode(kClickedSquare, plan.next);
        step = { NameOf(plan.picture), QString::fromStdString(board::SumText(board)) };
    }
    return shown;
}

// A click's text in Text1, as the least a line edit needs to show it.
void ShowText(QLineEdit& text1, const QString& sum)
{
    text1.setText(sum);
    text1.setCursorPosition(0);
}

// Every picture must load, or the handlers would open a message box on each click.
bool PicturesLoad()
{
    for (const board::Shade shade : { board::Shade::Light, board::Shade::Dark })
        for (int code = 0; code < board::kPieceCodeCount; ++code)
            if (!std::holds_alternative<QImage>(
                    window::LoadPicture(board::PictureName(shade, static_cast<board::PieceCode>(code)))))
                return false;
    return true;
}

// Clicks and resets per sample: a few milliseconds of work each.
constexpr int kClicksPerSample = 80;
constexpr int kResetsPerSample = 2;
constexpr int kPairsPerRun = 25;
constexpr const char* kUnreadable = "Qt cannot read the picture";

Side Clicks(window::Form1& form)
{
    return [&form] {
        QCoreApplication::processEvents();
        return PerUnit(kClicksPerSample, [&form] { form.C_Click(kClickedSquare); });
    };
}

Side ClickFloors(window::Form1& form)
{
    return [&form, shown = ClickedFiles(), next = std::size_t{ 0 }]() mutable {
        window::SquareButton& square = *form.C(kClickedSquare);
        QCoreApplication::processEvents();
        return PerUnit(
            kClicksPerSample,
            [&] {
                const bool shownWell = ShowWithQtAlone(shown[next].file, square);
                ShowText(*form.Text1(), shown[next].sum);
                next = next + 1 == kCycle ? 0 : next + 1;
                return shownWell;
            },
            kUnreadable);
    };
}

Side Resets(window::Form1& form)
{
    return [&form] {
        QCoreApplication::processEvents();
        return PerUnit(kResetsPerSample, [&form] { form.Command2_Click(); });
    };
}

Side ResetFloors(window::Form1& form)
{
    std::array<QString, board::kSquareCount> files;
    for (const board::Index index : board::kAllSquares)
        files[static_cast<std::size_t>(index.Value())] = NameOf(board::Board::ResetSquare(index));
    return [&form, files, emptySum = QString::fromStdString(board::SumText(board::Board()))] {
        QCoreApplication::processEvents();
        return PerUnit(
            kResetsPerSample,
            [&] {
                bool shownWell = true;
                for (const board::Index index : board::kAllSquares)
                    shownWell =
                        ShowWithQtAlone(files[static_cast<std::size_t>(index.Value())], *form.C(index)) && shownWell;
                ShowText(*form.Text1(), emptySum);
                return shownWell;
            },
            kUnreadable);
    };
}

} // namespace

void RegisterWindowBenchmarks(window::Form1& form)
{
    if (!PicturesLoad()) {
        for (const char* name : { kClick, kReset })
            benchmark::RegisterBenchmark(name, [](benchmark::State& state) {
                state.SkipWithError("the pictures cannot be loaded from the current directory");
            });
        return;
    }
    for (const auto& [name, unit, measured, floor] :
         { std::tuple{ kClick, benchmark::kMicrosecond, Clicks(form), ClickFloors(form) },
           std::tuple{ kReset, benchmark::kMillisecond, Resets(form), ResetFloors(form) } })
        RegisterPair(name, kPairsPerRun, unit, measured, floor)->Repetitions(kRepetitions);
}

} // namespace bench
