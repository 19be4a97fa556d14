// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "filebytes.h"
#include "picturebytes.h"
#include "picturefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <zlib.h>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <fstream>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr const char* kName = "vilo.bmp";

// A seed of the loader's fuzzing corpus.
QByteArray Corpus(const char* name)
{
    return FileBytes(QStringLiteral(LOADER_CORPUS "/") + QLatin1String(name));
}

QByteArray Bitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    return Encoded(image, "BMP");
}

// A progressive JPEG whose last scan is repeated until it has that many scans.
QByteArray Jpeg(int scans)
{
    QByteArray bytes = Encoded(QImage::fromData(Bitmap(16, 16)), "JPEG");
    const QByteArray lastScan = bytes.sliced(bytes.lastIndexOf("\xff\xda")).chopped(2);
    for (auto scan = bytes.count("\xff\xda"); scan < scans; ++scan)
        bytes.insert(bytes.size() - 2, lastScan);
    return bytes;
}

QByteArray BigEndian32(qint64 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(static_cast<quint32>(value), bytes.data());
    return bytes;
}

// An 8-bit grey PNG whose pixel data unpacks to `unpacked` bytes (0: what the picture needs), in
// `parts` chunks, all but the last empty, after zTXt notes unpacking to the sizes given.
QByteArray Png(int width, int height, qint64 unpacked = 0, bool interlaced = false, int parts = 1,
               const std::vector<int>& notes = {})
{
    QByteArray bytes("\x89PNG\r\n\x1a\n");
    const auto chunk = [&bytes](const char* type, const QByteArray& data) {
        const QByteArray body = type + data;
        bytes += BigEndian32(data.size()) + body +
                 BigEndian32(static_cast<qint64>(
                     crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
    };
    chunk("IHDR", BigEndian32(width) + BigEndian32(height) + QByteArray("\x08\0\0\0", 4) + char(interlaced));
    for (const int note : notes) // zlib data alone: without qCompress's length in front
        chunk("zTXt", QByteArray("Comment\0\0", 9) + qCompress(QByteArray(note, 'a')).sliced(4));
    for (int part = 1; part < parts; ++part)
        chunk("IDAT", {});
    chunk("IDAT", qCompress(QByteArray(unpacked > 0 ? unpacked : qint64{ height } * (1 + width), '\0')).sliced(4));
    chunk("IEND", {});
    return bytes;
}

} // namespace

class tst_PictureFile : public QObject {
    Q_OBJECT

private slots:
    // Each row in a fresh current directory, which is left before it goes.
    void init() { QVERIFY(QDir::setCurrent(folder_.emplace().path())); }
    void cleanup()
    {
        QDir::setCurrent(QDir::tempPath());
        folder_.reset();
    }

    void loadsOrExplains_data();
    void loadsOrExplains();
    void readsAFileThatChangesWhileRead_data();
    void readsAFileThatChangesWhileRead();

private:
    std::optional<QTemporaryDir> folder_;
};

void tst_PictureFile::loadsOrExplains_data()
{
    QTest::addColumn<QString>("kind");     // what lies under the name: see loadsOrExplains
    QTest::addColumn<QString>("reason");   // empty: the picture loads
    QTest::addColumn<QByteArray>("bytes"); // the file's content
    const auto row = [](const char* name, const char* reason, const QByteArray& bytes, const char* kind = "file") {
        QTest::newRow(name) << QString::fromUtf8(kind) << QString::fromUtf8(reason) << bytes;
    };
    const QByteArray good = Bitmap(70, 70);
    const QByteArray png = Encoded(QImage::fromData(good), "PNG");
    QByteArray noise(3000, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);

    row("good bitmap", "", good);
    row("another format under the name", "", png);
    row("run-length bitmap", "", Corpus("small-rle8.bmp"));
    row("4-bit run-length bitmap", "", Corpus("small-rle4.bmp"));
    row("run-length bitmap skipping its last rows", "", Corpus("small-rle8-delta.bmp"));
    row("PNG of the largest side", "", Corpus("large-512.png"));
    row("missing", "no such file", {}, "none");
    row("stray file with another extension", "no such file", png, "beside");
    row("empty", "empty", {});
    row("cut in the file header", "not a readable picture", good.left(9));
    // A file cut short still gives its whole size (902 bytes) in its file header; where that size is
    // made to match the cut, the info header's size and the pixels' are what refuse it.
    const auto sizedToMatch = [](QByteArray bytes) {
        qToLittleEndian(static_cast<quint32>(bytes.size()), bytes.data() + 2);
        return bytes;
    };
    row("cut in the info header", "promises 902 bytes, the file holds 30", good.left(30));
    row("cut in the info header, sized to match", "promises 54 bytes, the file holds 30", sizedToMatch(good.left(30)));
    row("last byte missing, sized to match", "promises 902 bytes, the file holds 901", sizedToMatch(good.chopped(1)));
    row("random bytes", "not a picture", noise);
    row("folder", "folder", {}, "folder");
    row("PNG text claims 2 GiB", "claims 2147483647 bytes where 0", Corpus("hostile-png-text-claims-2gib.png"));
    row("icon holding such a PNG", "cut short", Corpus("hostile-ico-png-text-claims-2gib.ico"));
    row("PNG claims 4096 × 4096", "claims 4096 × 4096", Corpus("hostile-png-claims-4096.png"));
    row("GIF screen around its image", "claims 65535 × 256", Corpus("hostile-gif-screen-65535x256.gif"));
    row("run-length bitmap holding nothing", "ends at row 1 of 512", Corpus("hostile-bmp-rle8-512-only-end.bmp"));
    row("4-bit run-length bitmap holding nothing", "ends at row 1", Corpus("hostile-bmp-rle4-512-only-end.bmp"));
    row("run-length bitmap cut in half", "ends at row 9 of 16", Corpus("hostile-bmp-rle8-16-half.bmp"));
#ifdef Q_OS_WIN
    // A device's name in any folder, in any case, with any extension; a name merely like one is a file.
    row("console", "name of a device", {}, "name:CON");
    row("null device", "name of a device", {}, "name:nul.bmp");
    row("port with a space", "name of a device", {}, "name:LPT9 .bmp");
    row("like a device", "no such file", {}, "name:com10.bmp");
    row("held open elsewhere", "another program has it open", good, "held open");
#else
    row("link to a good bitmap", "", good, "link:target.bmp");
    row("dangling link", "no such file", {}, "link:gone.bmp");
    row("unreadable", "permission", good, "unreadable");
    row("named pipe", "named pipe", {}, "pipe");
    row("link to /dev/zero", "device", {}, "link:/dev/zero");
#endif

    // Each bound, with a file just inside it and one just past it.
    row("bitmap of the largest side", "", Bitmap(512, 512));
    row("bitmap a pixel too wide", "claims 513 × 512", Bitmap(513, 512));
    row("bitmap a pixel too high", "claims 512 × 513", Bitmap(512, 513));
    row("file of the largest size", "", good + QByteArray((3 << 19) - good.size(), '\0'));
    row("file a byte too large", "larger than 1.5 MiB", good + QByteArray((3 << 19) + 1 - good.size(), '\0'));
    // Any amount of blank space may come between a netpbm picture's numbers.
    const QByteArray netpbm("P1 4 4 0 1 0 1 1 0 1 0 0 1 0 1 1 0 1 0");
    row("netpbm of the largest size", "", netpbm + QByteArray((1 << 19) - netpbm.size(), ' '));
    row("netpbm a byte too large", "larger than 512 KiB", netpbm + QByteArray((1 << 19) + 1 - netpbm.size(), ' '));
    row("JPEG of the most scans", "", Jpeg(32));
    row("JPEG a scan too many", "more than 32 scans", Jpeg(33));
    row("PNG a part too many", "more than 1024 parts", Png(4, 4, 0, false, 1023));
    row("PNG notes a byte too long", "notes unpack to more than 1 MiB",
        Png(1, 1, 0, false, 1, { 1 << 19, (1 << 19) + 1 }));
    // Pixel data may unpack to 64 bytes more than the rows need, twice the rows when interlaced.
    row("PNG pixel data a byte too long", "more than its 16 × 16 pixels", Png(16, 16, 16 * 17 + 65));
    row("interlaced PNG pixel data of the most", "", Png(16, 16, 2 * 16 * 17 + 64, true));
    row("interlaced PNG pixel data a byte too long", "more than its 16 × 16 pixels",
        Png(16, 16, 2 * 16 * 17 + 65, true));
}

// The picture folder, the current one, holds under the name: for "file" the bytes; for "unreadable"
// the bytes, readable by no one; for "held open" the bytes, held open as another program holds a
// file; for "none" nothing; for "beside" nothing, but the bytes under the name plus ".png"; for
// "folder" a folder; for "link:T" a link to T, which holds the bytes when there are any; for "pipe"
// a named pipe. For "name:N" the test loads N instead.
void tst_PictureFile::loadsOrExplains()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QFETCH(QByteArray, bytes);
    const auto write = [&bytes](const QString& name) {
        std::ofstream(name.toStdString(), std::ios::binary) << bytes.toStdString();
    };
    const QString name = kind.startsWith("name:") ? kind.mid(5) : QString::fromLatin1(kName);
    if (kind == "file" || kind == "unreadable" || kind == "held open")
        write(QString::fromLatin1(kName));
    else if (kind == "beside")
        write(name + ".png");
    else if (kind == "folder")
        QVERIFY(QDir::current().mkdir(name));
    else if (kind.startsWith("link:") && !bytes.isEmpty())
        write(kind.mid(5));
    if (kind.startsWith("link:"))
        QVERIFY(QFile::link(kind.mid(5), name));

#ifdef Q_OS_WIN
    // As another program holds it: open, and shared with no one.
    const std::unique_ptr<void, decltype(&::CloseHandle)> held(
        kind == "held open" ? ::CreateFileW(L"vilo.bmp", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr,
        &::CloseHandle);
#else
    if (kind == "pipe")
        QCOMPARE(::mkfifo(kName, 0644), 0);
    if (kind == "unreadable")
        QVERIFY(QFile::setPermissions(name, {}));
    if (kind == "unreadable" && ::geteuid() == 0)
        QSKIP("root reads every file: ctest runs this row once more as nobody (tst_picturefile_unreadable)");
#endif

    const auto result = window::LoadPicture(name.toStdString());
    const auto* error = std::get_if<window::PictureLoadError>(&result);
    if (reason.isEmpty()) {
        QVERIFY2(!error, error ? qPrintable(error->Message()) : "");
        QCOMPARE(std::get<QImage>(result).size(), QImage::fromData(bytes).size());
        // The same file shows the same picture every time: no pixel is left as memory held it.
        QCOMPARE(std::get<QImage>(window::LoadPicture(name.toStdString())), std::get<QImage>(result));
        return;
    }
    QVERIFY(error);
    QCOMPARE(error->file, name);
    QCOMPARE(error->folder, QDir::toNativeSeparators(folder_->path())); // as the report writes it
    QVERIFY2(error->reason.contains(reason), qPrintable(error->reason));
    QVERIFY(error->Message().contains(error->folder));
}

void tst_PictureFile::readsAFileThatChangesWhileRead_data()
{
    QTest::addColumn<qint64>("measured");
    QTest::addColumn<qint64>("finalSize");
    QTest::newRow("grows within the cap") << qint64{ 100 } << qint64{ 900 };
    QTest::newRow("grows to the cap") << qint64{ 100 } << qint64{ 1000 };
    QTest::newRow("grows one byte past the cap") << qint64{ 100 } << qint64{ 1001 };
    QTest::newRow("shrinks") << qint64{ 900 } << qint64{ 100 };
}

// Another program writes to the file while it is read: after every read, of at most 64 bytes, it
// has grown or shrunk by up to 200 bytes towards its final size. Nothing read is dropped, a file
// that grew is read to its new end, and one that grows past the cap of 1000 bytes is refused.
void tst_PictureFile::readsAFileThatChangesWhileRead()
{
    QFETCH(qint64, measured);
    QFETCH(qint64, finalSize);
    qint64 size = measured, position = 0;
    const auto readSome = [&](char* into, qint64 count) -> std::variant<qint64, QString> {
        const qint64 got = std::clamp<qint64>(size - position, 0, std::min<qint64>(count, 64));
        for (qint64 i = 0; i < got; ++i)
            into[i] = static_cast<char>((position + i) % 251);
        position += got;
        size += std::clamp<qint64>(finalSize - size, -200, 200);
        return got;
    };
    const auto result = window::ReadCapped(measured, 1000, readSome);
    const auto* bytes = std::get_if<QByteArray>(&result);
    QVERIFY2((bytes == nullptr) == (finalSize > 1000), bytes ? "" : qPrintable(std::get<QString>(result)));
    if (!bytes) {
        QVERIFY2(std::get<QString>(result).contains("larger than"), qPrintable(std::get<QString>(result)));
        return;
    }
    QCOMPARE(bytes->size(), position);
    if (finalSize > measured)
        QCOMPARE(bytes->size(), finalSize);
    for (qint64 i = 0; i < bytes->size(); ++i)
        QCOMPARE(bytes->at(i), static_cast<char>(i % 251));
}

QTEST_GUILESS_MAIN(tst_PictureFile)
#include "tst_picturefile.moc"
