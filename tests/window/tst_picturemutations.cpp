// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "window/picturefile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <random>

namespace {

constexpr int kMutationsPerPicture = 400;
constexpr std::string_view kName = "vilo.bmp";

// The header fields of a bitmap worth pushing to their extremes: offset and width in bytes.
struct HeaderField {
    int offset;
    int width;
};
constexpr std::array<HeaderField, 12> kHeaderFields{ { { 2, 4 },
                                                       { 10, 4 },
                                                       { 14, 4 },
                                                       { 18, 4 },
                                                       { 22, 4 },
                                                       { 26, 2 },
                                                       { 28, 2 },
                                                       { 30, 4 },
                                                       { 34, 4 },
                                                       { 46, 4 },
                                                       { 50, 4 },
                                                       { 54, 4 } } };
constexpr std::array<quint32, 6> kExtremes{ 0, 1, 0x7fffffff, 0x80000000, 0xffffffff, 0x10000 };

enum class Mutation { FlipBits, Truncate, Splice, HeaderExtreme };
constexpr std::array kMutations{ Mutation::FlipBits, Mutation::Truncate, Mutation::Splice, Mutation::HeaderExtreme };

QByteArray Mutate(const QByteArray& original, const QByteArray& other, Mutation mutation, std::mt19937& random)
{
    QByteArray bytes = original;
    const auto anywhere = [&](qsizetype size) { return std::uniform_int_distribution<qsizetype>(0, size - 1)(random); };
    switch (mutation) {
    case Mutation::FlipBits:
        for (int flips = 1 + static_cast<int>(anywhere(8)); flips > 0; --flips) {
            // Most flips land in the header, where they matter most.
            const qsizetype at =
                anywhere(2) == 0 ? anywhere(std::min<qsizetype>(bytes.size(), 1078)) : anywhere(bytes.size());
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << anywhere(8)));
        }
        break;
    case Mutation::Truncate: bytes.truncate(anywhere(bytes.size())); break;
    case Mutation::Splice: {
        const qsizetype cut = anywhere(bytes.size());
        bytes = bytes.left(cut) + other.mid(anywhere(other.size()));
        break;
    }
    case Mutation::HeaderExtreme: {
        const HeaderField field = kHeaderFields[static_cast<std::size_t>(anywhere(kHeaderFields.size()))];
        const quint32 value = kExtremes[static_cast<std::size_t>(anywhere(kExtremes.size()))];
        for (int byte = 0; byte < field.width; ++byte)
            bytes[field.offset + byte] = static_cast<char>((value >> (8 * byte)) & 0xff);
        break;
    }
    }
    return bytes;
}

} // namespace

class tst_PictureMutations : public QObject {
    Q_OBJECT

private slots:
    void mutatedPicturesLoadOrExplain_data();
    void mutatedPicturesLoadOrExplain();
};

void tst_PictureMutations::mutatedPicturesLoadOrExplain_data()
{
    QTest::addColumn<QString>("picture");
    for (const QString& file : QDir(QStringLiteral(PICTURES_DIR)).entryList({ QStringLiteral("*.bmp") }, QDir::Files))
        QTest::newRow(qPrintable(file)) << file;
}

// Every copy either loads as a picture of a sane size or is refused with a
// reason; a crash, hang or leak ends the run under the sanitizers.
void tst_PictureMutations::mutatedPicturesLoadOrExplain()
{
    QFETCH(QString, picture);
    const QDir source(QStringLiteral(PICTURES_DIR));
    QFile original(source.filePath(picture)), other(source.filePath(QStringLiteral("soki.bmp")));
    QVERIFY(original.open(QIODevice::ReadOnly) && other.open(QIODevice::ReadOnly));
    const QByteArray originalBytes = original.readAll(), otherBytes = other.readAll();

    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    std::mt19937 random(static_cast<std::mt19937::result_type>(qHash(picture)));
    int loaded = 0;
    for (int copy = 0; copy < kMutationsPerPicture; ++copy) {
        const Mutation mutation = kMutations[static_cast<std::size_t>(copy) % kMutations.size()];
        QFile file(QString::fromLatin1(kName.data()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(Mutate(originalBytes, otherBytes, mutation, random));
        file.close();

        const auto result = window::LoadPicture(kName);
        if (const auto* error = std::get_if<window::PictureLoadError>(&result)) {
            QVERIFY2(!error->reason.isEmpty() && error->Message().contains(QLatin1String("vilo.bmp")),
                     qPrintable(error->Message()));
        } else {
            const auto& image = std::get<QImage>(result);
            QVERIFY(!image.isNull());
            QVERIFY(image.width() <= window::kMaxPictureSide && image.height() <= window::kMaxPictureSide);
            ++loaded;
        }
    }
    QDir::setCurrent(previous);
    qInfo("%d of %d mutated copies loaded", loaded, kMutationsPerPicture);
}

QTEST_GUILESS_MAIN(tst_PictureMutations)
#include "tst_picturemutations.moc"
