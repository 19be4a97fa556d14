// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "indexedpalette.h"

#include <cassert>
#include <cstring>
#include <limits>
#include <unordered_map>

namespace drawings {

namespace {

constexpr qsizetype kMaxColours = 256;

int Between(int from, int to, qsizetype step, qsizetype steps)
{
    // Rounded to the nearest integer; from + (to - from) * step / steps stays within 0..255.
    const auto scaled = static_cast<qsizetype>(to - from) * step * 2;
    const qsizetype rounded = (scaled + (scaled >= 0 ? steps : -steps)) / (steps * 2);
    return from + static_cast<int>(rounded);
}

QRgb Mix(QRgb from, QRgb to, qsizetype step, qsizetype steps)
{
    return qRgb(Between(qRed(from), qRed(to), step, steps), Between(qGreen(from), qGreen(to), step, steps),
                Between(qBlue(from), qBlue(to), step, steps));
}

int SquaredDistance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

uchar NearestIndex(QRgb colour, const QList<QRgb>& palette)
{
    qsizetype best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (qsizetype index = 0; index < palette.size(); ++index) {
        const int distance = SquaredDistance(colour, palette[index]);
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return static_cast<uchar>(best);
}

} // namespace

QList<QRgb> MixPalette(std::span<const QRgb> keys)
{
    const auto keyCount = static_cast<qsizetype>(keys.size());
    assert(keyCount >= 2 && keyCount <= kMaxColours);
    const qsizetype pairs = keyCount * (keyCount - 1) / 2;
    // Each ramp holds the colours strictly between its two ends.
    const qsizetype steps = (kMaxColours - keyCount) / pairs + 1;

    QList<QRgb> palette(keys.begin(), keys.end());
    for (qsizetype first = 0; first < keyCount; ++first)
        for (qsizetype second = first + 1; second < keyCount; ++second)
            for (qsizetype step = 1; step < steps; ++step)
                palette.append(
                    Mix(keys[static_cast<std::size_t>(first)], keys[static_cast<std::size_t>(second)], step, steps));
    return palette;
}

QImage ToIndexed(const QImage& picture, const QList<QRgb>& palette)
{
    assert(!palette.isEmpty() && palette.size() <= kMaxColours);
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    // Rows are padded to whole 32-bit words, and a file writer may copy the padding as it is: clear
    // it, or files of the same picture differ from run to run.
    std::memset(indexed.bits(), 0, static_cast<std::size_t>(indexed.sizeInBytes()));
    indexed.setColorTable(palette);
    indexed.setDotsPerMeterX(source.dotsPerMeterX());
    indexed.setDotsPerMeterY(source.dotsPerMeterY());

    std::unordered_map<QRgb, uchar> nearest;
    for (int y = 0; y < source.height(); ++y) {
        const auto* const from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* const to = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb colour = qRgb(qRed(from[x]), qGreen(from[x]), qBlue(from[x]));
            auto found = nearest.find(colour);
            if (found == nearest.end())
                found = nearest.emplace(colour, NearestIndex(colour, palette)).first;
            to[x] = found->second;
        }
    }
    return indexed;
}

} // namespace drawings
