// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "picturefolder.h"
#include "window/pictureloading/picturefile.h"

#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <array>
#include <fstream>
#include <memory>

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
    QTest::addColumn<QString>("reason"); // empty: the picture loads
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
        Row{ "cut in the palette", "cut:60", "cut short" },
        Row{ "cut in the pixels", "cut:1500", "cut short" },
        Row{ "last byte missing", "cut:-1", "cut short" },
        Row{ "random bytes", "random bytes", "not a picture" },
        Row{ "folder", "folder", "folder" },
        Row{ "far too large", "huge", "larger than 1.5 MiB" },
        Row{ "header claims enormous size", "enormous header", "claims 100000 × 100000" },
        Row{ "header claims negative width", "negative width", "not a readable picture" },
        Row{ "PNG text claims 2 GiB", "corpus:hostile-png-text-claims-2gib.png", "claims 2147483647 bytes where 0" },
        Row{ "icon holding such a PNG", "corpus:hostile-ico-png-text-claims-2gib.ico", "cut short" },
        Row{ "PNG text unpacking to 64 MiB", "corpus:hostile-png-ztxt-bomb.png", "notes unpack to more than 1 MiB" },
        Row{ "PNG pixels unpacking to 64 MiB", "corpus:hostile-png-idat-bomb.png", "more than its 1 × 1 pixels" },
        Row{ "PNG claims 4096 × 4096", "corpus:hostile-png-claims-4096.png", "claims 4096 × 4096" },
        Row{ "JPEG repeating a scan", "corpus:hostile-jpeg-2048-scan-repeated.jpeg", "more than 32 scans" },
        Row{ "GIF screen around its image", "corpus:hostile-gif-screen-65535x256.gif", "claims 65535 × 256" },
        Row{ "run-length bitmap claims 4096 × 4096", "corpus:hostile-bmp-rle8-4096-only-end.bmp", "4096 × 4096" },
        Row{ "run-length bitmap holding nothing", "corpus:hostile-bmp-rle8-512-only-end.bmp", "ends at row 1 of 512" },
        Row{ "4-bit run-length bitmap holding nothing", "corpus:hostile-bmp-rle4-512-only-end.bmp", "ends at row 1" },
        Row{ "run-length bitmap cut in half", "corpus:hostile-bmp-rle8-16-half.bmp", "ends at row 9 of 16" },
        Row{ "netpbm padded past 512 KiB", "padded netpbm", "larger than 512 KiB" },
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
        Row{ "link to /dev/urandom", "link to /dev/urandom", "device" },
#endif
    };
    for (const Row& row : kRows)
        QTest::newRow(row.name) << QString::fromUtf8(row.kind) << QString::fromUtf8(row.reason);
}

void tst_PictureFile::loadsOrExplains()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    if (kind.startsWith("cut:-"))
        kind = QStringLiteral("cut:%1").arg(QFileInfo(pictures_->Path(kName)).size() + kind.mid(4).toInt());
    const std::string name = kind.startsWith("name:") ? kind.mid(5).toStdString() : std::string(kName);
    pictures_->Remove(kName);
    if (kind.startsWith("corpus:"))
        QVERIFY(QFile::copy(corpus_ + QLatin1Char('/') + kind.mid(7), pictures_->Path(kName)));
    else if (kind == "padded netpbm") // any amount of blank space may come between the numbers
        std::ofstream(pictures_->Path(kName).toStdString())
            << "P1 4 4" + std::string(600 << 10, ' ') + "0 1 0 1 1 0 1 0 0 1 0 1 1 0 1 0";
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
        if (kind.startsWith("corpus:"))
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
