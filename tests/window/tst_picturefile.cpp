// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "picturefolder.h"
#include "window/picturefile.h"

#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <memory>

namespace {

constexpr std::string_view kName = "vilo.bmp";
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

} // namespace

class tst_PictureFile : public QObject {
    Q_OBJECT

private slots:
    void init() { pictures_ = std::make_unique<PictureFolder>(); }
    void cleanup() { pictures_.reset(); }

    void loadsOrExplains_data();
    void loadsOrExplains();

private:
    std::unique_ptr<PictureFolder> pictures_;
};

void tst_PictureFile::loadsOrExplains_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // empty: the picture loads

    QTest::newRow("good bitmap") << "good bitmap"
                                 << "";
    QTest::newRow("link to a good bitmap") << "link to good bitmap"
                                           << "";
    QTest::newRow("another format under the name") << "png content"
                                                   << "";
    QTest::newRow("missing") << "missing"
                             << "no such file";
    QTest::newRow("stray file with another extension") << "stray other extension"
                                                       << "no such file";
    QTest::newRow("dangling link") << "dangling link"
                                   << "no such file";
    QTest::newRow("empty") << "empty"
                           << "empty";
    QTest::newRow("cut in the file header") << "cut:9"
                                            << "not a readable picture";
    QTest::newRow("cut in the info header") << "cut:30"
                                            << "cut short";
    QTest::newRow("cut in the palette") << "cut:60"
                                        << "cut short";
    QTest::newRow("cut in the pixels") << "cut:1500"
                                       << "cut short";
    QTest::newRow("last byte missing") << "cut:-1"
                                       << "cut short";
    QTest::newRow("random bytes") << "random bytes"
                                  << "not a picture";
    QTest::newRow("folder") << "folder"
                            << "folder";
    QTest::newRow("unreadable") << "unreadable"
                                << "permission";
    QTest::newRow("named pipe") << "named pipe"
                                << "named pipe";
    QTest::newRow("link to /dev/zero") << "link to /dev/zero"
                                       << "device";
    QTest::newRow("link to /dev/urandom") << "link to /dev/urandom"
                                          << "device";
    QTest::newRow("far too large") << "huge"
                                   << "larger than 16 MiB";
    QTest::newRow("header claims enormous size") << "enormous header"
                                                 << "claims 100000 × 100000";
    QTest::newRow("header claims negative width") << "negative width"
                                                  << "not a readable picture";
}

void tst_PictureFile::loadsOrExplains()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    if (kind.startsWith("cut:-"))
        kind = QStringLiteral("cut:%1").arg(QFileInfo(pictures_->Path(kName)).size() + kind.mid(4).toInt());
    pictures_->Remove(kName);
    if (kind != "missing")
        pictures_->Plant(kName, kind);

    if (kind == "unreadable" && ::geteuid() == 0) {
        const std::optional<QString> seen = LoadWithoutPrivileges();
        if (!seen)
            QSKIP("running as root and cannot drop to an unprivileged user, so every file is readable");
        QVERIFY2(seen->contains(reason), qPrintable(*seen));
        return;
    }

    const auto result = window::LoadPicture(kName);
    const auto* error = std::get_if<window::PictureLoadError>(&result);
    if (reason.isEmpty()) {
        QVERIFY2(!error, error ? qPrintable(error->Message()) : "");
        QCOMPARE(std::get<QImage>(result).size(), QSize(70, 70));
        QCOMPARE(std::get<QImage>(result).pixel(35, 35), PictureFolder::ColourOf(kName));
        return;
    }
    QVERIFY(error);
    QCOMPARE(error->file, QString::fromLatin1(kName.data()));
    QCOMPARE(error->folder, pictures_->Folder());
    QVERIFY2(error->reason.contains(reason), qPrintable(error->reason));
    QVERIFY(error->Message().contains(error->folder));
}

QTEST_GUILESS_MAIN(tst_PictureFile)
#include "tst_picturefile.moc"
