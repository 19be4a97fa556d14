// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "supersampling.h"

#include <QPainter>

#include <array>
#include <cassert>

namespace drawings {

namespace {

constexpr int kSamplesPerPixel = kSupersampling * kSupersampling;

using ChannelSums = std::array<int, 4>;

void AddSample(ChannelSums& sums, QRgb sample)
{
    sums[0] += qRed(sample);
    sums[1] += qGreen(sample);
    sums[2] += qBlue(sample);
    sums[3] += qAlpha(sample);
}

int Average(int sum)
{
    return (sum + kSamplesPerPixel / 2) / kSamplesPerPixel;
}

} // namespace

QImage DrawSupersampled(int side, const std::function<void(QPainter&)>& draw)
{
    assert(side > 0);
    QImage fine(side * kSupersampling, side * kSupersampling, QImage::Format_ARGB32);
    fine.fill(Qt::transparent);
    {
        QPainter painter(&fine);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.scale(kSupersampling, kSupersampling);
        draw(painter);
    }

    QImage coarse(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        auto* const row = reinterpret_cast<QRgb*>(coarse.scanLine(y));
        for (int x = 0; x < side; ++x) {
            ChannelSums sums{};
            for (int fineY = y * kSupersampling; fineY < (y + 1) * kSupersampling; ++fineY) {
                const auto* const fineRow = reinterpret_cast<const QRgb*>(fine.constScanLine(fineY));
                for (int fineX = x * kSupersampling; fineX < (x + 1) * kSupersampling; ++fineX)
                    AddSample(sums, fineRow[fineX]);
            }
            row[x] = qRgba(Average(sums[0]), Average(sums[1]), Average(sums[2]), Average(sums[3]));
        }
    }
    return coarse;
}

} // namespace drawings
