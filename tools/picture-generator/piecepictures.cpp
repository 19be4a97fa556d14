#include "piecepictures.h"

#include "indexedpalette.h"
#include "piecedrawings.h"
#include "supersampling.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>

#include <array>

namespace pictures {

namespace {

// 72 dots per inch. Set on every picture so that nothing of the machine's screen reaches the files.
constexpr int kDotsPerMeter = 2835;

constexpr std::array<QRgb, 2> kShadeColours{ qRgb(192, 192, 128), qRgb(128, 160, 128) };

std::size_t ShadeSlot(board::Shade shade)
{
    return static_cast<std::size_t>(shade);
}

} // namespace

QRgb ShadeColour(board::Shade shade)
{
    return kShadeColours[ShadeSlot(shade)];
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
        // Drawn on a 16 x 16 grid, so that at 16 pixels every edge of the rook falls on a pixel's edge.
        painter.scale(size / 16.0, size / 16.0);
        const QColor light(ShadeColour(board::Shade::Light));
        const QColor dark(ShadeColour(board::Shade::Dark));
        painter.fillRect(QRectF(0.0, 0.0, 8.0, 8.0), light);
        painter.fillRect(QRectF(8.0, 0.0, 8.0, 8.0), dark);
        painter.fillRect(QRectF(0.0, 8.0, 8.0, 8.0), dark);
        painter.fillRect(QRectF(8.0, 8.0, 8.0, 8.0), light);

        QPainterPath rook;
        rook.addPolygon(QPolygonF({ { 4.0, 2.0 },  { 6.0, 2.0 },  { 6.0, 4.0 },   { 7.0, 4.0 },   { 7.0, 2.0 },
                                    { 9.0, 2.0 },  { 9.0, 4.0 },  { 10.0, 4.0 },  { 10.0, 2.0 },  { 12.0, 2.0 },
                                    { 12.0, 6.0 }, { 11.0, 6.0 }, { 11.0, 11.0 }, { 13.0, 11.0 }, { 13.0, 14.0 },
                                    { 3.0, 14.0 }, { 3.0, 11.0 }, { 5.0, 11.0 },  { 5.0, 6.0 },   { 4.0, 6.0 } }));
        rook.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(kPieceOutline));
        painter.drawPath(rook);
    });
    icon.setDotsPerMeterX(kDotsPerMeter);
    icon.setDotsPerMeterY(kDotsPerMeter);
    return icon;
}

} // namespace pictures
