// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "squarebutton.h"

#include <QTest>

class tst_SquareButton : public QObject {
    Q_OBJECT

private slots:
    // The picture at its own size (in device-independent pixels), centred, one pixel lower right
    // while the button is down; its corner given in the button's pixels.
    void drawsThePictureAtItsOwnSize_data()
    {
        QTest::addColumn<int>("side"); // the picture's, in its own pixels
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QPoint>("corner");
        QTest::newRow("centred") << 70 << 1.0 << false << QPoint(1, 1);
        QTest::newRow("down") << 70 << 1.0 << true << QPoint(2, 2);
        QTest::newRow("smaller, centred") << 20 << 1.0 << false << QPoint(26, 26);
        QTest::newRow("drawn for a screen scaled twice") << 140 << 2.0 << false << QPoint(1, 1);
    }

    void drawsThePictureAtItsOwnSize()
    {
        QFETCH(int, side);
        QFETCH(qreal, ratio);
        QFETCH(bool, down);
        QFETCH(QPoint, corner);
        QPixmap picture(side, side);
        picture.fill(Qt::magenta);
        picture.setDevicePixelRatio(ratio);
        window::SquareButton button;
        button.resize(73, 73);
        button.SetPicture(picture);
        button.setDown(down);
        QCOMPARE(button.sizeHint(), QSize(side, side) / ratio);
        const QImage shot = button.grab().toImage();
        const QRect drawn(corner, QSize(side, side) / ratio);
        for (const QPoint inside : { drawn.topLeft(), drawn.bottomRight() })
            QCOMPARE(QColor(shot.pixel(inside)), QColor(Qt::magenta));
        for (const QPoint outside : { drawn.topLeft() - QPoint(1, 1), drawn.bottomRight() + QPoint(1, 1) })
            QVERIFY(QColor(shot.pixel(outside)) != QColor(Qt::magenta));
    }
};

QTEST_MAIN(tst_SquareButton)
#include "tst_squarebutton.moc"
