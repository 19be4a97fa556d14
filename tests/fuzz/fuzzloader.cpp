// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Writes each input to the file under a picture's name and loads it as a click would.

#include "picturefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

namespace {

// Qt's decoders are not instrumented, so libFuzzer cannot see which way they went. Marking each
// outcome puts it on a branch of its own here, where libFuzzer sees it as new coverage.
volatile std::size_t markedBucket = 0;

template <std::size_t... Bucket>
void MarkBucket(std::size_t value, std::index_sequence<Bucket...> /*buckets*/)
{
    ((value == Bucket ? void(markedBucket = Bucket) : void()), ...);
}

void MarkOutcome(std::string_view text, std::size_t salt)
{
    std::size_t hash = salt;
    for (const char c : text)
        if (c < '0' || c > '9') // numbers vary without the outcome changing
            hash = hash * 31 + static_cast<unsigned char>(c);
    MarkBucket(hash % 256, std::make_index_sequence<256>{});
}

} // namespace

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
    std::ofstream(kName, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    MarkOutcome(QImageReader::imageFormat(QString::fromLatin1(kName)).toStdString(), 1);

    const auto result = window::LoadPicture(kName);
    if (const auto* error = std::get_if<window::PictureLoadError>(&result)) {
        MarkOutcome(error->reason.toStdString(), 2);
    } else {
        const auto& image = std::get<QImage>(result);
        MarkOutcome(std::to_string((image.format() * 16 + image.width() % 16) * 16 + image.height() % 16), 3);
    }
    return 0;
}
