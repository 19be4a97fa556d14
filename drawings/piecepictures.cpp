// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "piecepictures.h"

#include "indexedpalette.h"
#include "piecedrawings.h"
#include "squarepictures.h"
#include "supersampling.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPoint>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <array>

namespace drawings {

namespace {

// 72 dots per inch. Set on every picture so that nothing of the machine's screen reaches the files.
constexpr int kDotsPerMeter = 2835;

// The icon is drawn on a kIconGrid x kIconGrid grid, so that at 16 pixels every edge of the rook
// falls on a pixel's edge: four squares of the two shades, and the rook's outline over them.
constexpr int kIconGrid = 16;

struct IconSquare {
    int left;
    int top;
    board::Shade shade;
};

constexpr std::array<IconSquare, 4> kIconSquares{ IconSquare{ 0, 0, board::Shade::Light },
                                                  IconSquare{ 8, 0, board::Shade::Dark },
                                                  IconSquare{ 0, 8, board::Shade::Dark },
                                                  IconSquare{ 8, 8, board::Shade::Light } };

constexpr std::array<QPoint, 20> kIconRook{ QPoint(4, 2),   QPoint(6, 2),   QPoint(6, 4),   QPoint(7, 4),
                                            QPoint(7, 2),   QPoint(9, 2),   QPoint(9, 4),   QPoint(10, 4),
                                            QPoint(10, 2),  QPoint(12, 2),  QPoint(12, 6),  QPoint(11, 6),
                                            QPoint(11, 11), QPoint(13, 11), QPoint(13, 14), QPoint(3, 14),
                                            QPoint(3, 11),  QPoint(5, 11),  QPoint(5, 6),   QPoint(4, 6) };

} // namespace

QRgb ShadeColour(board::Shade shade)
{
    const Rgb colour = ShadeRgb(shade);
    return qRgb(colour.red, colour.green, colour.blue);
}

QImage DrawSquarePicture(board::Shade shade, board::PieceCode code)
{
    const QRgb background = ShadeColour(shade);
    QImage picture = DrawSupersampled(kPictureSide, [&](QPainter& painter) {
        painter.fillRect(QRectF(0.0, 0.0, kPictureSide, kPictureSide), QColor(background));
        painter.scale(kPictureSide / kDesignSide, kPictureSide / kDesignSide);
        DrawPiece(painter, code);
    });
    picture.setDotsPerMeterX(kDotsPerMeter);
    picture.setDotsPerMeterY(kDotsPerMeter);

    const std::array<QRgb, 3> keys{ background, kPieceFill, kPieceOutline };
    return ToIndexed(picture, MixPalette(keys));
}

QImage DrawApplicationIcon(int size)
{
    QImage icon = DrawSupersampled(size, [&](QPainter& painter) {
        painter.scale(size / static_cast<double>(kIconGrid), size / static_cast<double>(kIconGrid));
        for (const IconSquare& square : kIconSquares)
            painter.fillRect(QRectF(square.left, square.top, kIconGrid / 2.0, kIconGrid / 2.0),
                             QColor(ShadeColour(square.shade)));

        QPolygonF outline;
        for (const QPoint corner : kIconRook)
            outline << QPointF(corner);
        QPainterPath rook;
        rook.addPolygon(outline);
        rook.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(kPieceOutline));
        painter.drawPath(rook);
    });
    icon.setDotsPerMeterX(kDotsPerMeter);
    icon.setDotsPerMeterY(kDotsPerMeter);
    return icon;
}

QByteArray ApplicationIconSvg()
{
    QStringList lines{ QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>)"),
                       QStringLiteral(
                           R"(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%1" viewBox="0 0 %1 %1">)")
                           .arg(kIconGrid) };
    for (const IconSquare& square : kIconSquares)
        lines << QStringLiteral(R"(  <rect x="%1" y="%2" width="%3" height="%3" fill="%4"/>)")
                     .arg(square.left)
                     .arg(square.top)
                     .arg(kIconGrid / 2)
                     .arg(QColor(ShadeColour(square.shade)).name());
    QStringList points;
    for (const QPoint corner : kIconRook)
        points << QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y());
    lines << QStringLiteral(R"(  <polygon points="%1" fill="%2"/>)")
                 .arg(points.join(QLatin1Char(' ')), QColor(kPieceOutline).name())
          << QStringLiteral("</svg>") << QString();
    return lines.join(QLatin1Char('\n')).toUtf8();
}

} // namespace drawings
