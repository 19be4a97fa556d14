// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace window {

// A square of the board: a button that shows its picture at the picture's own
// size, centred, never scaled to the button.
class SquareButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit SquareButton(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    [[nodiscard]] const QPixmap& Picture() const { return picture_; }

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace window
