// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The generator against the committed pictures and icons. QTEST_MAIN makes a QGuiApplication here
// while the generator runs without one, so the comparison also shows that it changes nothing.

#include "picturebytes.h"
#include "piecepictures.h"

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Contents(const QString& folder, const QString& name)
{
    return FileBytes(QDir(folder).filePath(name));
}

} // namespace

class tst_PiecePictures : public QObject {
    Q_OBJECT

private slots:
    // Each committed picture is the generator's, 8 bits a pixel, the square's size, on its shade's colour.
    void generatorWritesTheCommittedFiles()
    {
        const QTemporaryDir folder;
        QCOMPARE(QProcess::execute(QStringLiteral(PICTURE_GENERATOR_PATH), { folder.path() }), 0);
        for (const board::Shade shade : { board::Shade::Light, board::Shade::Dark }) {
            for (int code = 0; code < board::kPieceCodeCount; ++code) {
                const QString name =
                    QString::fromLatin1(board::PictureName(shade, static_cast<board::PieceCode>(code)));
                QVERIFY2(Contents(folder.path(), name) == Contents(PICTURES_DIR, name), qPrintable(name));
                const QImage picture(QDir(PICTURES_DIR).filePath(name));
                QCOMPARE(picture.format(), QImage::Format_Indexed8);
                QCOMPARE(picture.size(), QSize(drawings::kPictureSide, drawings::kPictureSide));
                QCOMPARE(picture.pixel(0, drawings::kPictureSide - 1), drawings::ShadeColour(shade));
            }
        }
        QCOMPARE(QProcess::execute(QStringLiteral(PICTURE_GENERATOR_PATH), { "--icons", folder.path() }), 0);
        const auto argb = [](const QString& path) { return QImage(path).convertToFormat(QImage::Format_ARGB32); };
        for (const QString name : { "icon-16.png", "icon-32.png" })
            QCOMPARE(argb(QDir(folder.path()).filePath(name)), argb(QDir(ICONS_DIR).filePath(name)));
        for (const QString name : { "icon.svg", "icon.ico" })
            QVERIFY2(Contents(folder.path(), name) == Contents(ICONS_DIR, name), qPrintable(name));
        // Windows picks the icon's size from the file's directory; each entry must lead to its own picture.
        QImageReader ico(QDir(ICONS_DIR).filePath("icon.ico"));
        for (const int side : { 16, 24, 32, 48, 64, 256 }) {
            QCOMPARE(ico.read().size(), QSize(side, side));
            ico.jumpToNextImage();
        }
    }
};

QTEST_MAIN(tst_PiecePictures)
#include "tst_piecepictures.moc"
