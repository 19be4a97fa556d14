// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

class QString;
class QWidget;

namespace window {

// Gives widget its accessible name and, when the name changed, tells the screen readers the new
// name itself. Qt's own notice of the change carries the object where the name belongs, which a
// screen reader does not speak; ours carries the name, so pressing a focused square speaks its new piece.
void SetAccessibleName(QWidget* widget, const QString& name);

} // namespace window
