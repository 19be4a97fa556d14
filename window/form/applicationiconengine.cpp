// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "applicationiconengine.h"

#include "piecepictures.h"

#include <QPainter>
#include <QRect>

#include <algorithm>

namespace window {

void ApplicationIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
    QPixmap icon = pixmap(rect.size() * scale, mode, state);
    icon.setDevicePixelRatio(scale);
    painter->drawPixmap(rect.topLeft(), icon);
}

QPixmap ApplicationIconEngine::pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/)
{
    // The drawing is square: a wider or taller request gets the largest square that fits.
    const int side = std::min(size.width(), size.height());
    if (side <= 0)
        return {};
    auto [drawn, isNew] = drawn_.try_emplace(side);
    if (isNew)
        drawn->second = QPixmap::fromImage(drawings::DrawApplicationIcon(side));
    return drawn->second;
}

QList<QSize> ApplicationIconEngine::availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/)
{
    return { QSize(16, 16), QSize(32, 32) };
}

QString ApplicationIconEngine::key() const
{
    return QStringLiteral("tessk-research-application-icon");
}

QIconEngine* ApplicationIconEngine::clone() const
{
    return new ApplicationIconEngine(*this);
}

} // namespace window
