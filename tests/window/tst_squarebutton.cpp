// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "squarebutton.h"

#include <QSignalSpy>
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

    // An arrow key goes to the board as arrowPressed, not along the tab chain; Space presses.
    void handsOnTheArrowKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("arrows");
        QTest::addColumn<int>("clicks");
        for (const auto& [name, key] : { std::pair{ "left", Qt::Key_Left }, std::pair{ "right", Qt::Key_Right },
                                         std::pair{ "up", Qt::Key_Up }, std::pair{ "down", Qt::Key_Down } })
            QTest::newRow(name) << int(key) << 1 << 0;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << 1;
    }

    void handsOnTheArrowKeys()
    {
        QFETCH(int, key);
        QFETCH(int, arrows);
        QFETCH(int, clicks);
        QWidget parent;
        auto* square = new window::SquareButton(&parent);
        auto* next = new window::SquareButton(&parent);
        parent.show();
        square->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&parent));
        QSignalSpy arrowed(square, &window::SquareButton::arrowPressed);
        QSignalSpy clicked(square, &window::SquareButton::clicked);
        QTest::keyClick(square, static_cast<Qt::Key>(key));
        QCOMPARE(arrowed.size(), arrows);
        if (arrows > 0)
            QCOMPARE(arrowed.first().first().value<Qt::Key>(), static_cast<Qt::Key>(key));
        QCOMPARE(clicked.size(), clicks);
        QVERIFY(!next->hasFocus());
    }
};

QTEST_MAIN(tst_SquareButton)
#include "tst_squarebutton.moc"
