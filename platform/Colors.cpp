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
    switch (c & 0xFFu) {
    case 0x08: return pal.color(QPalette::WindowText).rgb();
    case 0x0F: return pal.color(QPalette::Button).rgb();
    case 0x10: return pal.color(QPalette::Dark).rgb();
    case 0x14: return pal.color(QPalette::Light).rgb();
    default: return pal.color(QPalette::Window).rgb();
    }
}

} // namespace vorn
