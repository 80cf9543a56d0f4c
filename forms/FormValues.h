// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The values of a window description: the value element of a property
// decoded for the type the property has (strings, whole numbers, colours,
// numbers, true/false, enumeration keys), and the colour names, fonts,
// rectangles and counts that the loader reads itself. Nothing here knows the
// window or the control; a value that cannot be decoded says why, and the
// caller names where.
#include "Colors.h"
#include "UiTree.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

class QMetaProperty;

namespace vorn {

// A decoded value, or why the element holds none.
struct TFormValue
{
    QVariant Value;
    QString Error; // empty when Value holds the value
};

// `value` (the element inside a <property>) as a value of `prop`'s type.
TFormValue DecodeValue(const QMetaProperty& prop, const TUiNode& value);

// A colour given by name (clLime, clBtnFace, ...) or as a number (decimal,
// or hexadecimal with 0x); nothing for anything else.
std::optional<TColor> ColorFromText(const QString& text);

// "vorn::vornbase::fsLowered", "vornbase::fsLowered" and "fsLowered" name the
// same value.
QString WithoutScope(const QString& key);

// `font` changed by a <font> element; nothing when `value` is not one.
std::optional<QFont> FontFrom(const TUiNode& value, QFont font);

// The rectangle of a <rect> element; nothing when `value` is not one.
std::optional<QRect> RectFrom(const TUiNode& value);

// A <number> that is not negative (pixels, a tab position); nothing else.
std::optional<int> CountFrom(const TUiNode& value);

// <bool>true</bool> or <bool>false</bool>; nothing else.
std::optional<bool> BoolFrom(const TUiNode& value);

// A <string> of numbers apart by spaces, "1 2.5 -1e3"; an empty string is an
// empty list. Nothing for anything else.
std::optional<std::vector<double>> NumbersFrom(const TUiNode& value);

} // namespace vorn
