// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "board.h"
#include "picturefile.h"

#include <QWidget>

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;

namespace window {

class SquareButton;
struct ControlDescription;

// Where Form1 takes the picture that a file name names: LoadPicture, which reads the file afresh
// from the current folder, or, for a test, a table in memory. Asked afresh for each picture a click
// or a reset is to show, nothing kept between.
using PictureSource = std::function<std::variant<QImage, PictureLoadError>(std::string_view fileName)>;

// The program's one window: the 8 x 8 board of squares, the sum in Text1,
// "reset" (Command2) and the hidden "calculate >>" (Command1). Its Board is the
// one record of what stands on each square; no widget is asked. The arrow keys move the focus
// from square to square on the 8 x 8 grid.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(PictureSource pictures = LoadPicture, QWidget* parent = nullptr);

    void C_Click(board::Index index);
    void Command1_Click();
    void Command2_Click();

    [[nodiscard]] const board::Board& Board() const { return board_; }
    [[nodiscard]] SquareButton* C(board::Index index) const;
    [[nodiscard]] QLineEdit* Text1() const { return text1_; }
    [[nodiscard]] QPushButton* Command1() const { return command1_; }
    [[nodiscard]] QPushButton* Command2() const { return command2_; }

private:
    struct SquareLook;
    SquareButton* createSquare(const ControlDescription& description, const SquareLook& look);
    QPushButton* createButton(const ControlDescription& description, void (Form1::*handler)());
    QLineEdit* createTextBox(const ControlDescription& description);
    void setTabOrder();

    // Shows the named file on a square; false, with the failure reported, when it cannot be loaded.
    bool showPicture(board::Index index, std::string_view fileName);
    void storeCode(board::Index index, board::PieceCode code);
    void reportFailure(const PictureLoadError& error);

    PictureSource pictures_;
    board::Board board_;
    std::array<SquareButton*, board::kSquareCount> squares_{};
    QLineEdit* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

} // namespace window
