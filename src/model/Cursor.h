// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <Qt>

#include <optional>

// A stored cursor: a signed 16-bit identifier.
using TCursor = qint16;

constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crHandPoint = -21;

// The cursor's name ("Default", "Arrow", "HandPoint" ...); "Unknown" for a
// code outside the table.
QString CursorName(TCursor cursor);
// The code of a name (exact spelling); nothing for a name outside the table.
std::optional<TCursor> CursorFromName(const QString& name);
// The Qt shape that shows the cursor; nothing for Default (the parent's
// cursor applies) and for codes outside the table.
std::optional<Qt::CursorShape> CursorShape(TCursor cursor);
