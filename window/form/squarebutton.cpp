// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "squarebutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

namespace window {

SquareButton::SquareButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void SquareButton::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

QSize SquareButton::sizeHint() const
{
    return picture_.deviceIndependentSize().toSize();
}

void SquareButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: emit arrowPressed(static_cast<Qt::Key>(event->key())); break;
    default: QAbstractButton::keyPressEvent(event); break;
    }
}

void SquareButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QStyleOptionButton panel;
    panel.initFrom(this);
    panel.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &panel, &painter, this);

    const QSize pictureSize = picture_.deviceIndependentSize().toSize();
    QPoint corner = rect().center() - QPoint(pictureSize.width() / 2, pictureSize.height() / 2);
    if (isDown())
        corner += QPoint(1, 1);
    painter.drawPixmap(corner, picture_);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace window
