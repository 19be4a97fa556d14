// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "picturefolder.h"
#include "window/pictureloading/picturefile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTest>
#include <QtEndian>

#include <zlib.h>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <array>
#include <fstream>
#include <memory>
#include <vector>

namespace {

constexpr std::string_view kName = "vilo.bmp";
#ifndef Q_OS_WIN

constexpr uid_t kNobody = 65534;

// Loads in a child that has given up root, for the one row that root would read anyway.
std::optional<QString> LoadWithoutPrivileges()
{
    std::array<int, 2> pipe{};
    if (::pipe(pipe.data()) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(3);
        const auto result = window::LoadPicture(kName);
        const auto* error = std::get_if<window::PictureLoadError>(&result);
        const QByteArray reason = error ? error->reason.toUtf8() : QByteArray("loaded");
        const bool written = ::write(pipe[1], reason.constData(), static_cast<size_t>(reason.size())) == reason.size();
        ::_exit(written ? 0 : 4);
    }
    ::close(pipe[1]);
    QByteArray reason(4096, '\0');
    const ssize_t got = ::read(pipe[0], reason.data(), static_cast<size_t>(reason.size()));
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || got < 0)
        return std::nullopt;
    return QString::fromUtf8(reason.left(got));
}

#endif

QByteArray Encoded(const QImage& image, const char* format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(true); // JPEG's; the others have none
    writer.write(image);
    return buffer.data();
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
    // Made absolute before each test makes a folder of its own the current one.
    void initTestCase() { corpus_ = QFileInfo(QStringLiteral(LOADER_CORPUS)).absoluteFilePath(); }
    void init() { pictures_ = std::make_unique<PictureFolder>(); }
    void cleanup() { pictures_.reset(); }

    void loadsOrExplains_data();
    void loadsOrExplains();

private:
    QString corpus_;
    std::unique_ptr<PictureFolder> pictures_;
};

void tst_PictureFile::loadsOrExplains_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");   // empty: the picture loads
    QTest::addColumn<QByteArray>("bytes"); // the file's content, for the kind "bytes"
    struct Row {
        const char* name;
        const char* kind; // see PictureFolder::Plant; "corpus:F" is the fuzzing seed F, "name:N" loads N
        const char* reason;
    };
    constexpr std::array kRows{
        Row{ "good bitmap", "good bitmap", "" },
        Row{ "another format under the name", "png content", "" },
        Row{ "run-length bitmap", "corpus:small-rle8.bmp", "" },
        Row{ "4-bit run-length bitmap", "corpus:small-rle4.bmp", "" },
        Row{ "run-length bitmap skipping its last rows", "corpus:small-rle8-delta.bmp", "" },
        Row{ "PNG of the largest side", "corpus:large-512.png", "" },
        Row{ "missing", "missing", "no such file" },
        Row{ "stray file with another extension", "stray other extension", "no such file" },
        Row{ "empty", "empty", "empty" },
        Row{ "cut in the file header", "cut:9", "not a readable picture" },
        Row{ "cut in the info header", "cut:30", "cut short" },
        Row{ "last byte missing", "cut:-1", "cut short" },
        Row{ "random bytes", "random bytes", "not a picture" },
        Row{ "folder", "folder", "folder" },
        Row{ "header claims negative width", "negative width", "not a readable picture" },
        Row{ "PNG text claims 2 GiB", "corpus:hostile-png-text-claims-2gib.png", "claims 2147483647 bytes where 0" },
        Row{ "icon holding such a PNG", "corpus:hostile-ico-png-text-claims-2gib.ico", "cut short" },
        Row{ "PNG claims 4096 × 4096", "corpus:hostile-png-claims-4096.png", "claims 4096 × 4096" },
        Row{ "GIF screen around its image", "corpus:hostile-gif-screen-65535x256.gif", "claims 65535 × 256" },
        Row{ "run-length bitmap holding nothing", "corpus:hostile-bmp-rle8-512-only-end.bmp", "ends at row 1 of 512" },
        Row{ "4-bit run-length bitmap holding nothing", "corpus:hostile-bmp-rle4-512-only-end.bmp", "ends at row 1" },
        Row{ "run-length bitmap cut in half", "corpus:hostile-bmp-rle8-16-half.bmp", "ends at row 9 of 16" },
#ifdef Q_OS_WIN
        // A device's name in any folder, in any case, with any extension; a name merely like one is a file.
        Row{ "console", "name:CON", "name of a device" },
        Row{ "null device", "name:nul.bmp", "name of a device" },
        Row{ "port with a space", "name:LPT9 .bmp", "name of a device" },
        Row{ "like a device", "name:com10.bmp", "no such file" },
        Row{ "held open elsewhere", "held open", "another program has it open" },
#else
        Row{ "link to a good bitmap", "link to good bitmap", "" },
        Row{ "dangling link", "dangling link", "no such file" },
        Row{ "unreadable", "unreadable", "permission" },
        Row{ "named pipe", "named pipe", "named pipe" },
        Row{ "link to /dev/zero", "link to /dev/zero", "device" },
#endif
    };
    for (const Row& row : kRows)
        QTest::newRow(row.name) << QString::fromUtf8(row.kind) << QString::fromUtf8(row.reason) << QByteArray();

    // Each bound, with a file just inside it and one just past it.
    const auto edge = [](const char* name, const char* reason, const QByteArray& bytes) {
        QTest::newRow(name) << QStringLiteral("bytes") << QString::fromUtf8(reason) << bytes;
    };
    edge("bitmap of the largest side", "", Bitmap(512, 512));
    edge("bitmap a pixel too wide", "claims 513 × 512", Bitmap(513, 512));
    edge("bitmap a pixel too high", "claims 512 × 513", Bitmap(512, 513));
    const QByteArray bitmap = Bitmap(70, 70);
    edge("file of the largest size", "", bitmap + QByteArray((3 << 19) - bitmap.size(), '\0'));
    edge("file a byte too large", "larger than 1.5 MiB", bitmap + QByteArray((3 << 19) + 1 - bitmap.size(), '\0'));
    // Any amount of blank space may come between a netpbm picture's numbers.
    const QByteArray netpbm("P1 4 4 0 1 0 1 1 0 1 0 0 1 0 1 1 0 1 0");
    edge("netpbm of the largest size", "", netpbm + QByteArray((1 << 19) - netpbm.size(), ' '));
    edge("netpbm a byte too large", "larger than 512 KiB", netpbm + QByteArray((1 << 19) + 1 - netpbm.size(), ' '));
    edge("JPEG of the most scans", "", Jpeg(32));
    edge("JPEG a scan too many", "more than 32 scans", Jpeg(33));
    edge("PNG of the most parts", "", Png(4, 4, 0, false, 1022));
    edge("PNG a part too many", "more than 1024 parts", Png(4, 4, 0, false, 1023));
    edge("PNG notes unpacking to the most", "", Png(1, 1, 0, false, 1, { 1 << 19, 1 << 19 }));
    edge("PNG notes a byte too long", "notes unpack to more than 1 MiB",
         Png(1, 1, 0, false, 1, { 1 << 19, (1 << 19) + 1 }));
    // Pixel data may unpack to 64 bytes more than the rows need, twice the rows when interlaced.
    edge("PNG pixel data of the most", "", Png(16, 16, 16 * 17 + 64));
    edge("PNG pixel data a byte too long", "more than its 16 × 16 pixels", Png(16, 16, 16 * 17 + 65));
    edge("interlaced PNG pixel data of the most", "", Png(16, 16, 2 * 16 * 17 + 64, true));
    edge("interlaced PNG pixel data a byte too long", "more than its 16 × 16 pixels",
         Png(16, 16, 2 * 16 * 17 + 65, true));
}

void tst_PictureFile::loadsOrExplains()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QFETCH(QByteArray, bytes);
    if (kind.startsWith("cut:-"))
        kind = QStringLiteral("cut:%1").arg(QFileInfo(pictures_->Path(kName)).size() + kind.mid(4).toInt());
    const std::string name = kind.startsWith("name:") ? kind.mid(5).toStdString() : std::string(kName);
    pictures_->Remove(kName);
    if (kind.startsWith("corpus:"))
        QVERIFY(QFile::copy(corpus_ + QLatin1Char('/') + kind.mid(7), pictures_->Path(kName)));
    else if (kind == "bytes")
        std::ofstream(pictures_->Path(kName).toStdString(), std::ios::binary) << bytes.toStdString();
    else if (kind != "missing" && !kind.startsWith("name:"))
        pictures_->Plant(kName, kind == "held open" ? QStringLiteral("good bitmap") : kind);

#ifdef Q_OS_WIN
    // As another program holds it: open, and shared with no one.
    const std::unique_ptr<void, decltype(&::CloseHandle)> held(
        kind == "held open" ? ::CreateFileW(pictures_->Path(kName).toStdWString().c_str(), GENERIC_READ, 0, nullptr,
                                            OPEN_EXISTING, 0, nullptr)
                            : nullptr,
        &::CloseHandle);
#else
    if (kind == "unreadable" && ::geteuid() == 0) {
        const std::optional<QString> seen = LoadWithoutPrivileges();
        if (!seen)
            QSKIP("running as root and cannot drop to an unprivileged user, so every file is readable");
        QVERIFY2(seen->contains(reason), qPrintable(*seen));
        return;
    }
#endif

    const auto result = window::LoadPicture(name);
    const auto* error = std::get_if<window::PictureLoadError>(&result);
    if (reason.isEmpty()) {
        QVERIFY2(!error, error ? qPrintable(error->Message()) : "");
        if (kind.startsWith("corpus:") || kind == "bytes")
            return;
        QCOMPARE(std::get<QImage>(result).size(), QSize(70, 70));
        QCOMPARE(std::get<QImage>(result).pixel(35, 35), PictureFolder::ColourOf(kName));
        return;
    }
    QVERIFY(error);
    QCOMPARE(error->file, QString::fromStdString(name));
    QCOMPARE(error->folder, pictures_->Folder());
    QVERIFY2(error->reason.contains(reason), qPrintable(error->reason));
    QVERIFY(error->Message().contains(error->folder));
}

QTEST_GUILESS_MAIN(tst_PictureFile)
#include "tst_picturefile.moc"
