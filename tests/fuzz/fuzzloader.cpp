// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Writes each input to the file under a picture's name and loads it as a click would.

#include "outcome.h"
#include "window/picturefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}); // decoders' complaints
    std::string folder = "/tmp/fuzz-loader-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr || ::chdir(folder.c_str()) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr const char* kName = "vilo.bmp";
    const int file = ::open(kName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0 || ::write(file, data, size) != static_cast<ssize_t>(size) || ::close(file) != 0)
        std::abort();
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    MarkOutcome(QImageReader::imageFormat(&buffer).toStdString(), 1);

    const auto result = window::LoadPicture(kName);
    if (const auto* error = std::get_if<window::PictureLoadError>(&result)) {
        MarkOutcome(error->reason.toStdString(), 2);
    } else {
        const QImage& image = std::get<QImage>(result);
        MarkOutcome(std::to_string(image.format()) + ' ' + std::to_string(image.width() % 16), 3);
        MarkOutcome(std::to_string(image.height() % 16), 4);
    }
    return 0;
}
