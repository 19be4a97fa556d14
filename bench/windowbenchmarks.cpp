// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The window's handlers beside the floor: Qt alone reading and decoding the same
// picture files afresh, making pixmaps of them and giving them to the same squares,
// and showing the same sums in the same text box.

#include "benchmarks.h"

#include "board/weightedsum.h"
#include "window/form/form1.h"
#include "window/form/squarebutton.h"
#include "window/pictureloading/picturefile.h"

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
#include <utility>
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

void Click(benchmark::State& state, window::Form1* form)
{
    QCoreApplication::processEvents();
    for (auto _ : state)
        form->C_Click(kClickedSquare);
}

void ClickFloor(benchmark::State& state, window::Form1* form)
{
    const std::array<Shown, kCycle> shown = ClickedFiles();
    window::SquareButton& square = *form->C(kClickedSquare);
    QCoreApplication::processEvents();
    std::size_t next = 0;
    for (auto _ : state) {
        if (!ShowWithQtAlone(shown[next].file, square)) {
            state.SkipWithError("Qt cannot read the picture");
            break;
        }
        ShowText(*form->Text1(), shown[next].sum);
        next = next + 1 == kCycle ? 0 : next + 1;
    }
}

void Reset(benchmark::State& state, window::Form1* form)
{
    QCoreApplication::processEvents();
    for (auto _ : state)
        form->Command2_Click();
}

void ResetFloor(benchmark::State& state, window::Form1* form)
{
    std::array<QString, board::kSquareCount> files;
    for (const board::Index index : board::kAllSquares)
        files[static_cast<std::size_t>(index.Value())] = NameOf(board::Board::ResetSquare(index));
    QCoreApplication::processEvents();
    const QString emptySum = QString::fromStdString(board::SumText(board::Board()));
    for (auto _ : state) {
        for (const board::Index index : board::kAllSquares)
            ShowWithQtAlone(files[static_cast<std::size_t>(index.Value())], *form->C(index));
        ShowText(*form->Text1(), emptySum);
    }
}

void Unready(benchmark::State& state, window::Form1* /*form*/)
{
    state.SkipWithError("the pictures cannot be loaded from the current directory");
}

} // namespace

void RegisterWindowBenchmarks(window::Form1& form)
{
    using Benchmark = void (*)(benchmark::State&, window::Form1*);
    const bool ready = PicturesLoad();
    for (const auto& [name, run] : { std::pair<const char*, Benchmark>{ kClick, Click },
                                     { kClickFloor, ClickFloor },
                                     { kReset, Reset },
                                     { kResetFloor, ResetFloor } })
        benchmark::RegisterBenchmark(name, ready ? run : Unready, &form)
            ->Repetitions(kRepetitions)
            ->MinTime(0.2)
            ->Unit(benchmark::kMicrosecond);
}

} // namespace bench
