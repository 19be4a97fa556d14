// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The drawings against the committed pictures/ files, and the generator that writes them.
// QTEST_MAIN makes a QGuiApplication here while the generator runs without one, so the byte
// comparison also shows that the application object changes nothing in the files.

#include "drawings/piecepictures.h"

#include "board/piece.h"
#include "board/square.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <span>
#include <string_view>

using board::PieceCode;
using board::Shade;

namespace {

constexpr std::array kShades{ Shade::Light, Shade::Dark };
constexpr std::array kPieces{ PieceCode::Knight, PieceCode::King, PieceCode::Bishop, PieceCode::Rook };
constexpr std::array kCodes{ PieceCode::Empty, PieceCode::Knight, PieceCode::King, PieceCode::Bishop, PieceCode::Rook };

// A piece covers a good part of its square but leaves a margin of background round it.
constexpr int kFewestPiecePixels = 1000;
constexpr int kMostPiecePixels = 3500;
// Two different pieces on one shade differ in at least this many pixels.
constexpr int kFewestPixelsBetweenPieces = 500;

QString NameOf(Shade shade, PieceCode code)
{
    const std::string_view name = board::PictureName(shade, code);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString CommittedPath(const QString& name)
{
    return QDir(QStringLiteral(PICTURES_DIR)).filePath(name);
}

QString CommittedIconPath(const QString& name)
{
    return QDir(QStringLiteral(ICONS_DIR)).filePath(name);
}

QImage Argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

int DifferingPixels(const QImage& first, const QImage& second)
{
    const QImage a = first.convertToFormat(QImage::Format_ARGB32);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

void AddRows(std::span<const PieceCode> codes)
{
    QTest::addColumn<Shade>("shade");
    QTest::addColumn<PieceCode>("code");
    for (const Shade shade : kShades)
        for (const PieceCode code : codes)
            QTest::newRow(qPrintable(NameOf(shade, code))) << shade << code;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_PiecePictures : public QObject {
    Q_OBJECT

private slots:
    // The committed files are 8-bit pictures of the right size on the shade's colour; that
    // they are what the drawings make is held by the generator's byte comparison below.
    void committedFileIsAPlainPaletteBitmap_data() { AddRows(kCodes); }
    void committedFileIsAPlainPaletteBitmap()
    {
        QFETCH(Shade, shade);
        QFETCH(PieceCode, code);
        const QImage committed(CommittedPath(NameOf(shade, code)));
        QVERIFY2(!committed.isNull(), "the committed file cannot be read");
        QCOMPARE(committed.format(), QImage::Format_Indexed8);
        QCOMPARE(committed.size(), QSize(drawings::kPictureSide, drawings::kPictureSide));
        const int last = drawings::kPictureSide - 1;
        for (const QPoint corner : { QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last) })
            QCOMPARE(committed.pixel(corner), drawings::ShadeColour(shade));
    }

    void pieceIsVisible_data() { AddRows(kPieces); }
    void pieceIsVisible()
    {
        QFETCH(Shade, shade);
        QFETCH(PieceCode, code);
        const int covered = DifferingPixels(drawings::DrawSquarePicture(shade, code),
                                            drawings::DrawSquarePicture(shade, PieceCode::Empty));
        QVERIFY2(covered >= kFewestPiecePixels && covered <= kMostPiecePixels, qPrintable(QString::number(covered)));
    }

    void piecesDifferFromEachOther_data()
    {
        QTest::addColumn<Shade>("shade");
        QTest::newRow("light") << Shade::Light;
        QTest::newRow("dark") << Shade::Dark;
    }
    void piecesDifferFromEachOther()
    {
        QFETCH(Shade, shade);
        for (std::size_t first = 0; first < kPieces.size(); ++first) {
            for (std::size_t second = first + 1; second < kPieces.size(); ++second) {
                const int differing = DifferingPixels(drawings::DrawSquarePicture(shade, kPieces[first]),
                                                      drawings::DrawSquarePicture(shade, kPieces[second]));
                QVERIFY2(differing >= kFewestPixelsBetweenPieces,
                         qPrintable(NameOf(shade, kPieces[first]) + " and " + NameOf(shade, kPieces[second])));
            }
        }
    }

    void iconHasTheFourSquares_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
    }
    void iconHasTheFourSquares()
    {
        QFETCH(int, size);
        const QImage icon = drawings::DrawApplicationIcon(size);
        QCOMPARE(icon.size(), QSize(size, size));
        const QRgb light = drawings::ShadeColour(Shade::Light);
        const QRgb dark = drawings::ShadeColour(Shade::Dark);
        QCOMPARE(icon.pixel(0, 0), light);
        QCOMPARE(icon.pixel(size - 1, 0), dark);
        QCOMPARE(icon.pixel(0, size - 1), dark);
        QCOMPARE(icon.pixel(size - 1, size - 1), light);
        QVERIFY(icon.pixel(size / 2, size / 2) != light && icon.pixel(size / 2, size / 2) != dark);
    }

    void generatorWritesTheCommittedBytes()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString output = folder.filePath(QStringLiteral("pictures"));
        QCOMPARE(QProcess::execute(QStringLiteral(PICTURE_GENERATOR_PATH), { output }), 0);
        for (const Shade shade : kShades) {
            for (const PieceCode code : kCodes) {
                const QString name = NameOf(shade, code);
                const QByteArray written = Contents(QDir(output).filePath(name));
                QVERIFY2(!written.isEmpty(), qPrintable(name));
                QVERIFY2(written == Contents(CommittedPath(name)), qPrintable(name));
            }
        }
    }

    void iconMatchesCommittedFiles_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
    }
    void iconMatchesCommittedFiles()
    {
        QFETCH(int, size);
        const QString name = QStringLiteral("icon-%1.png").arg(size);
        const QImage committed(CommittedIconPath(name));
        QVERIFY2(!committed.isNull(), qPrintable(name));

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QCOMPARE(QProcess::execute(QStringLiteral(PICTURE_GENERATOR_PATH), { "--icons", folder.path() }), 0);
        QCOMPARE(Argb(QImage(QDir(folder.path()).filePath(name))), Argb(committed));
        QCOMPARE(Contents(QDir(folder.path()).filePath("icon.svg")), Contents(CommittedIconPath("icon.svg")));
    }

    void generatorNamesTheFileItCannotWrite()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString blocked = NameOf(Shade::Dark, PieceCode::Bishop);
        QVERIFY(QDir(folder.path()).mkdir(blocked));

        QProcess generator;
        generator.start(QStringLiteral(PICTURE_GENERATOR_PATH), { folder.path() });
        QVERIFY(generator.waitForFinished());
        QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
        QCOMPARE(generator.exitCode(), 1);
        const QString message = QString::fromLocal8Bit(generator.readAllStandardError());
        QVERIFY2(message.contains(blocked), qPrintable(message));
    }
};

QTEST_MAIN(tst_PiecePictures)
#include "tst_piecepictures.moc"
