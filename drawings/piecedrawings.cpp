// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "piecedrawings.h"

#include <QBrush>
#include <QColor>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <array>
#include <initializer_list>

namespace drawings {

namespace {

constexpr double kOutlineWidth = 1.8;

// Fills a closed part of the piece and outlines it; later parts cover earlier ones.
void Part(QPainter& painter, const QPainterPath& path)
{
    painter.setBrush(QColor(kPieceFill));
    painter.drawPath(path);
}

// An open line drawn with the outline pen, for the details inside a part.
void Line(QPainter& painter, const QPainterPath& path)
{
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// A small spot filled with the outline colour.
void Dot(QPainter& painter, QPointF centre, double radiusX, double radiusY)
{
    painter.setBrush(QColor(kPieceOutline));
    painter.drawEllipse(centre, radiusX, radiusY);
}

QPainterPath Polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

QPainterPath RoundedBox(double left, double top, double right, double bottom, double radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(left, top), QPointF(right, bottom)), radius, radius);
    return path;
}

// The plinth every piece stands on.
void Plinth(QPainter& painter)
{
    Part(painter, RoundedBox(13.0, 56.0, 57.0, 63.5, 2.5));
}

void DrawNothing(QPainter& /*painter*/) {}

void DrawKnight(QPainter& painter)
{
    QPainterPath head;
    head.moveTo(20.0, 56.5);                          // chest, at the plinth
    head.cubicTo(19.0, 49.0, 22.0, 43.5, 29.0, 39.0); // up the chest to the throat
    head.cubicTo(26.0, 39.5, 21.0, 41.0, 17.5, 41.5); // under the jaw
    head.cubicTo(13.0, 42.5, 9.5, 40.5, 9.5, 37.0);   // chin and mouth
    head.cubicTo(9.5, 33.5, 11.0, 31.0, 14.0, 28.0);  // muzzle
    head.lineTo(24.0, 15.0);                          // along the face
    head.cubicTo(25.0, 13.0, 27.0, 11.5, 29.0, 11.0); // forehead
    head.lineTo(32.0, 4.5);                           // ear
    head.lineTo(36.5, 10.0);
    head.cubicTo(47.0, 11.0, 56.5, 20.0, 57.0, 34.0); // crest of the neck
    head.cubicTo(57.5, 44.0, 56.0, 51.0, 54.0, 56.5); // back of the neck
    head.closeSubpath();
    Part(painter, head);

    // The mane runs along the crest, a little inside it.
    QPainterPath mane;
    mane.moveTo(37.0, 14.5);
    mane.cubicTo(45.0, 17.0, 51.5, 25.0, 52.0, 35.0);
    mane.cubicTo(52.5, 43.0, 51.5, 50.0, 50.0, 56.0);
    Line(painter, mane);

    QPainterPath mouth;
    mouth.moveTo(10.5, 38.5);
    mouth.lineTo(14.0, 38.5);
    Line(painter, mouth);

    QPainterPath cheek;
    cheek.moveTo(19.0, 32.5);
    cheek.cubicTo(23.0, 30.0, 28.0, 32.0, 29.0, 38.0);
    Line(painter, cheek);

    Dot(painter, QPointF(13.5, 35.0), 1.0, 1.0); // nostril
    Dot(painter, QPointF(26.0, 20.0), 1.6, 2.0); // eye

    Plinth(painter);
}

void DrawKing(QPainter& painter)
{
    Part(painter, Polygon({ { 32.5, 3.0 },
                            { 37.5, 3.0 },
                            { 37.5, 7.0 },
                            { 42.0, 7.0 },
                            { 42.0, 12.0 },
                            { 37.5, 12.0 },
                            { 37.5, 19.0 },
                            { 32.5, 19.0 },
                            { 32.5, 12.0 },
                            { 28.0, 12.0 },
                            { 28.0, 7.0 },
                            { 32.5, 7.0 } }));
    QPainterPath dome;
    dome.addEllipse(QPointF(35.0, 28.0), 7.0, 9.5);
    Part(painter, dome);

    QPainterPath crown;
    crown.moveTo(19.0, 50.0);
    crown.cubicTo(13.0, 43.0, 7.0, 35.0, 12.0, 28.5); // left lobe
    crown.cubicTo(17.0, 22.0, 28.0, 24.0, 35.0, 35.0);
    crown.cubicTo(42.0, 24.0, 53.0, 22.0, 58.0, 28.5); // right lobe
    crown.cubicTo(63.0, 35.0, 57.0, 43.0, 51.0, 50.0);
    crown.closeSubpath();
    Part(painter, crown);

    QPainterPath band;
    band.moveTo(19.0, 44.0);
    band.cubicTo(29.0, 41.0, 41.0, 41.0, 51.0, 44.0);
    Line(painter, band);

    Part(painter, RoundedBox(18.0, 50.0, 52.0, 56.0, 2.0));
    Plinth(painter);
}

void DrawBishop(QPainter& painter)
{
    QPainterPath foot;
    foot.moveTo(18.0, 56.5);
    foot.cubicTo(25.0, 55.0, 28.5, 52.0, 29.0, 48.0);
    foot.lineTo(41.0, 48.0);
    foot.cubicTo(41.5, 52.0, 45.0, 55.0, 52.0, 56.5);
    foot.closeSubpath();
    Part(painter, foot);

    QPainterPath ball;
    ball.addEllipse(QPointF(35.0, 8.5), 4.5, 4.5);
    Part(painter, ball);

    QPainterPath mitre;
    mitre.moveTo(35.0, 13.0);
    mitre.cubicTo(43.0, 19.0, 52.0, 27.0, 50.0, 36.0);
    mitre.cubicTo(49.0, 41.0, 45.0, 44.0, 43.0, 44.0);
    mitre.lineTo(27.0, 44.0);
    mitre.cubicTo(25.0, 44.0, 21.0, 41.0, 20.0, 36.0);
    mitre.cubicTo(18.0, 27.0, 27.0, 19.0, 35.0, 13.0);
    mitre.closeSubpath();
    Part(painter, mitre);

    QPainterPath slit;
    slit.moveTo(45.0, 23.0);
    slit.lineTo(36.0, 32.5);
    Line(painter, slit);

    Part(painter, RoundedBox(23.0, 43.5, 47.0, 48.5, 2.0));
    Plinth(painter);
}

void DrawRook(QPainter& painter)
{
    Part(painter, Polygon({ { 21.0, 50.0 }, { 23.0, 26.0 }, { 47.0, 26.0 }, { 49.0, 50.0 } }));
    Part(painter, Polygon({ { 17.0, 26.5 },
                            { 17.0, 9.0 },
                            { 25.0, 9.0 },
                            { 25.0, 14.0 },
                            { 31.0, 14.0 },
                            { 31.0, 9.0 },
                            { 39.0, 9.0 },
                            { 39.0, 14.0 },
                            { 45.0, 14.0 },
                            { 45.0, 9.0 },
                            { 53.0, 9.0 },
                            { 53.0, 26.5 } }));
    QPainterPath ledge;
    ledge.moveTo(17.0, 21.0);
    ledge.lineTo(53.0, 21.0);
    Line(painter, ledge);
    Part(painter, RoundedBox(17.0, 50.0, 53.0, 56.0, 1.5));
    Plinth(painter);
}

using DrawFunction = void (*)(QPainter&);
constexpr std::array<DrawFunction, board::kPieceCodeCount> kDrawings{ DrawNothing, DrawKnight, DrawKing, DrawBishop,
                                                                      DrawRook };

} // namespace

void DrawPiece(QPainter& painter, board::PieceCode code)
{
    painter.save();
    const QPen outline(QColor(kPieceOutline), kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(outline);
    kDrawings[board::Slot(code)](painter);
    painter.restore();
}

} // namespace drawings
