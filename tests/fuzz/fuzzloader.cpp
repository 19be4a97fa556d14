// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Writes each input to the file under a picture's name and loads it as a click would.

#include "outcome.h"
#include "window/picturefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) // NOLINT(readability-non-const-parameter): libFuzzer's own
{
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}); // decoders' complaints
    static const QTemporaryDir folder;
    return QDir::setCurrent(folder.path()) ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr const char* kName = "vilo.bmp";
    QFile file(QString::fromLatin1(kName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        return -1;
    file.close();
    MarkOutcome(QImageReader::imageFormat(file.fileName()).toStdString(), 1);

    const auto result = window::LoadPicture(kName);
    if (const auto* error = std::get_if<window::PictureLoadError>(&result)) {
        MarkOutcome(error->reason.toStdString(), 2);
    } else {
        const auto& image = std::get<QImage>(result);
        MarkOutcome(std::to_string(image.format()) + ' ' + std::to_string(image.width() % 16) + ' ' +
                        std::to_string(image.height() % 16),
                    3);
    }
    return 0;
}
