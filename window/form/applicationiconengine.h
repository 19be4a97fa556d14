// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QSize>

#include <map>

namespace window {

// The program's icon, drawn by drawings::DrawApplicationIcon at the size asked for and only when it
// is first asked for: start-up draws nothing, and the icon stays sharp at any size and screen
// scale. It offers 16 and 32, the sizes of the icon files installed beside the launcher.
class ApplicationIconEngine final : public QIconEngine {
public:
    ApplicationIconEngine() = default;

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    std::map<int, QPixmap> drawn_; // by side in pixels
};

} // namespace window
