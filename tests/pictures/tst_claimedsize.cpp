// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// What the page reads from a picture's header before a browser decodes it, against Qt's reading of
// the same bytes: every seed of the loader's fuzzing, the ten pictures, and a few cut or made here.

#include "picturebounds.h"
#include "picturebytes.h"
#include "picturesize.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QTest>

#include <array>
#include <span>

class tst_ClaimedSize : public QObject {
    Q_OBJECT

private slots:
    void agreesWithQt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray png;
        for (const char* folder : { LOADER_CORPUS, PICTURES_DIR })
            for (const QFileInfo& info : QDir(QString::fromUtf8(folder)).entryInfoList(QDir::Files)) {
                if (info.suffix() == "license")
                    continue;
                const QByteArray bytes = FileBytes(info.filePath());
                QTest::newRow(qPrintable(info.fileName())) << bytes;
                png = info.fileName() == "small.png" ? bytes : png;
            }
        // A side of 256 is written as 0 in an icon's directory.
        QTest::newRow("icon of 256") << Encoded(QImage(256, 256, QImage::Format_ARGB32), "ico");
        QByteArray inIcon("\0\0\1\0\1\0\x20\x20\0\0\1\0\x20\0", 14); // its directory says 32 × 32
        inIcon += QByteArray(1, char(png.size())) + QByteArray("\0\0\0\x16\0\0\0", 7) + png;
        QTest::newRow("icon holding a PNG") << inIcon;
        for (const char* format : { "JPEG", "PNG", "GIF" })
            QTest::newRow(format) << Encoded(QImage(24, 8, QImage::Format_RGB32), format);
        QTest::newRow("PNG cut in its header") << png.left(20);
        QTest::newRow("bitmap of an unknown header") << QByteArray("BM\0\0\0\0\0\0\0\0\x36\0\0\0\x14\0\0\0", 18);
        QTest::newRow("empty") << QByteArray();
    }

    // The size of the picture Qt decodes, the largest of an icon's; nothing for another format. Where
    // Qt decodes nothing (a file cut short or hostile), whatever is read must stay within the bytes.
    // As many scans as a JPEG has scan markers, and more than the bound where the window refuses it.
    void agreesWithQt()
    {
        QFETCH(QByteArray, bytes);
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        constexpr std::array<std::string_view, 6> kRead{ "bmp", "png", "gif", "jpeg", "ico", "cur" };
        const QByteArray format = reader.format();
        const bool read = std::find(kRead.begin(), kRead.end(), format.toStdString()) != kRead.end();
        // A file cut short Qt decodes to nothing, after reading as much as it claims (a note of 2 GiB).
        const QString refused = window::ReasonRefusedBeforeDecoding(bytes).value_or(QString());
        QSize largest;
        if (!refused.contains("cut short"))
            do
                largest = largest.expandedTo(reader.read().size());
            while (reader.jumpToNextImage());
        const std::span file(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size()));
        const std::optional<web::ClaimedSize> claimed = web::ClaimedPictureSize(file);
        const auto text = [](std::optional<web::ClaimedSize> size) {
            return size ? QStringLiteral("%1 x %2").arg(size->width).arg(size->height) : QStringLiteral("none");
        };
        if (read && !largest.isEmpty())
            QCOMPARE(text(claimed), text(web::ClaimedSize{ largest.width(), largest.height() }));
        else if (!read)
            QCOMPARE(text(claimed), text(std::nullopt));
        const int scans = web::JpegScans(file);
        QCOMPARE(scans, format == "jpeg" ? bytes.count("\xff\xda") : 0);
        QCOMPARE(scans > window::kMaxJpegScans, refused.contains("scans"));
    }
};

QTEST_MAIN(tst_ClaimedSize)
#include "tst_claimedsize.moc"
