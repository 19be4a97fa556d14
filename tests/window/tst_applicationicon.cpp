// The window's icon against the icon files installed for the launcher: the same pixels at 16 and
// 32, and on a screen scaled 2x the sharp 32 drawing rather than the 16 one blown up.

#include "window/applicationiconengine.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QTest>

class tst_ApplicationIcon : public QObject {
    Q_OBJECT

private slots:
    void iconMatchesInstalledFile_data();
    void iconMatchesInstalledFile();
};

void tst_ApplicationIcon::iconMatchesInstalledFile_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QString>("file");
    QTest::newRow("16") << 16 << 1.0 << "icon-16.png";
    QTest::newRow("32") << 32 << 1.0 << "icon-32.png";
    QTest::newRow("16 on a 2x screen") << 16 << 2.0 << "icon-32.png";
}

void tst_ApplicationIcon::iconMatchesInstalledFile()
{
    QFETCH(int, side);
    QFETCH(qreal, scale);
    QFETCH(QString, file);
    const QImage installed(QDir(QStringLiteral(ICONS_DIR)).filePath(file));
    QVERIFY2(!installed.isNull(), qPrintable(file));

    const QIcon icon(new window::ApplicationIconEngine);
    const QPixmap shown = icon.pixmap(QSize(side, side), scale);
    QCOMPARE(shown.devicePixelRatio(), scale);
    QImage pixels = shown.toImage().convertToFormat(QImage::Format_ARGB32);
    pixels.setDevicePixelRatio(1.0);
    QCOMPARE(pixels, installed.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(tst_ApplicationIcon)
#include "tst_applicationicon.moc"
