// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace window {

// A square of the board: a button that shows its picture at the picture's own
// size, centred, never scaled to the button. An arrow key is not Qt's move along the tab
// chain here: it is handed on as arrowPressed, for the board to move the focus by.
class SquareButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit SquareButton(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    [[nodiscard]] const QPixmap& Picture() const { return picture_; }

    [[nodiscard]] QSize sizeHint() const override;

signals:
    void arrowPressed(Qt::Key key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace window
