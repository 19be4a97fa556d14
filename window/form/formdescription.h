// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "formcontrols.h"

#include <QSize>

namespace window {

inline constexpr QSize kForm1ClientSize{ Pixels(kForm1ClientWidth), Pixels(kForm1ClientHeight) };

} // namespace window
