// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

class QString;
class QWidget;

namespace window {

// Gives widget its accessible name and, when the name changed, sees that the screen readers are
// told the new name itself, so that pressing a focused square speaks its new piece: where Qt's own
// notice of the change carries the object instead (AT-SPI before Qt 6.5, UI Automation, which Qt
// 6.4 tells of name changes of combo boxes only), a notice of ours carries the name.
void SetAccessibleName(QWidget* widget, const QString& name);

} // namespace window
