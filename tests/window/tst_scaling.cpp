// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Form1 on a screen scaled 2x: the test runs with QT_SCALE_FACTOR=2 in its environment, and a grab
// of the window must show the same layout at twice the size in device pixels.

#include "picturefolder.h"
#include "window/form1.h"
#include "window/squarebutton.h"

#include <QTest>

#include <memory>

using board::Index;

namespace {

constexpr int kScale = 2;

QRect Doubled(const QRect& rect)
{
    return { rect.topLeft() * kScale, rect.size() * kScale };
}

} // namespace

class tst_Scaling : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowIsTwiceAsLarge();
    void picturesLieAtDoubledPlaces_data();
    void picturesLieAtDoubledPlaces();

private:
    std::unique_ptr<PictureFolder> pictures_;
    std::unique_ptr<window::Form1> form_;
    QImage shot_;
};

void tst_Scaling::initTestCase()
{
    QVERIFY2(qgetenv("QT_SCALE_FACTOR") == "2", "run this test with QT_SCALE_FACTOR=2 in the environment");
}

void tst_Scaling::init()
{
    pictures_ = std::make_unique<PictureFolder>();
    form_ = std::make_unique<window::Form1>();
    // Three squares show three different files, so each picture can be told from its neighbours.
    for (const int square : { 0, 1, 8, 8, 63 })
        form_->C_Click(Index(square));
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    shot_ = form_->grab().toImage();
}

void tst_Scaling::cleanup()
{
    form_.reset();
    pictures_.reset();
}

void tst_Scaling::windowIsTwiceAsLarge()
{
    QCOMPARE(form_->devicePixelRatio(), qreal(kScale));
    QCOMPARE(form_->size(), QSize(576, 615)); // the layout itself is unchanged
    QCOMPARE(shot_.size(), QSize(1152, 1230));
    QCOMPARE(shot_.devicePixelRatio(), qreal(kScale));
}

void tst_Scaling::picturesLieAtDoubledPlaces_data()
{
    QTest::addColumn<int>("square");
    QTest::addColumn<QString>("file");
    QTest::newRow("square 0") << 0 << "vilo.bmp";
    QTest::newRow("square 1") << 1 << "solo.bmp";
    QTest::newRow("square 8") << 8 << "soki.bmp";
    QTest::newRow("square 63") << 63 << "vilo.bmp";
}

void tst_Scaling::picturesLieAtDoubledPlaces()
{
    QFETCH(int, square);
    QFETCH(QString, file);
    const QRgb colour = PictureFolder::ColourOf(file.toStdString());
    // The 70 x 70 picture lies one pixel in from the square's corner: 140 x 140 device pixels here.
    const QRect picture = Doubled(QRect(form_->C(Index(square))->geometry().topLeft() + QPoint(1, 1), QSize(70, 70)));
    for (const QPoint inside :
         { picture.topLeft(), picture.topRight(), picture.bottomLeft(), picture.bottomRight(), picture.center() })
        QCOMPARE(shot_.pixel(inside), colour);
    for (const QPoint outside : { picture.topLeft() - QPoint(1, 1), picture.bottomRight() + QPoint(1, 1) })
        QVERIFY2(shot_.pixel(outside) != colour, qPrintable(QStringLiteral("%1,%2").arg(outside.x()).arg(outside.y())));
}

QTEST_MAIN(tst_Scaling)
#include "tst_scaling.moc"
