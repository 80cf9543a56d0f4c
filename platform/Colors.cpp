// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace vorn {

QRgb ResolveColor(TColor c)
{
    return ResolveColor(c, QGuiApplication::palette());
}

QRgb ResolveColor(TColor c, const QPalette& pal)
{
    if (!IsSystemColor(c))
        return RgbFromColor(c & 0xFFFFFFu);
    // The active group whatever the palette's current one: a disabled
    // widget's palette answers from its disabled group, but a system colour
    // is one colour, and the controls draw their own disabled look.
    const auto color = [&pal](QPalette::ColorRole role) { return pal.color(QPalette::Active, role).rgb(); };
    switch (c & 0xFFu) {
    case 0x08: return color(QPalette::WindowText);
    case 0x0F: return color(QPalette::Button);
    case 0x10: return color(QPalette::Dark);
    case 0x14: return color(QPalette::Light);
    default: return color(QPalette::Window);
    }
}

} // namespace vorn
