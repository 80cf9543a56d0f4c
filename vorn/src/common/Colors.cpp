// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace vorn {

namespace {

// The palette role of each system colour index 0 .. 30, as documented
// beside the constants; index 25 has no system colour and resolves as the
// indices beyond the table do.
constexpr std::array<QPalette::ColorRole, 31> SystemRoles = {
    QPalette::Mid,             // 0 clScrollBar
    QPalette::Window,          // 1 clBackground
    QPalette::Highlight,       // 2 clActiveCaption
    QPalette::Dark,            // 3 clInactiveCaption
    QPalette::Button,          // 4 clMenu
    QPalette::Base,            // 5 clWindow
    QPalette::Shadow,          // 6 clWindowFrame
    QPalette::ButtonText,      // 7 clMenuText
    QPalette::WindowText,      // 8 clWindowText
    QPalette::HighlightedText, // 9 clCaptionText
    QPalette::Button,          // 10 clActiveBorder
    QPalette::Button,          // 11 clInactiveBorder
    QPalette::Dark,            // 12 clAppWorkSpace
    QPalette::Highlight,       // 13 clHighlight
    QPalette::HighlightedText, // 14 clHighlightText
    QPalette::Button,          // 15 clBtnFace
    QPalette::Dark,            // 16 clBtnShadow
    QPalette::PlaceholderText, // 17 clGrayText
    QPalette::ButtonText,      // 18 clBtnText
    QPalette::Text,            // 19 clInactiveCaptionText
    QPalette::Light,           // 20 clBtnHighlight
    QPalette::Shadow,          // 21 cl3DDkShadow
    QPalette::Midlight,        // 22 cl3DLight
    QPalette::ToolTipText,     // 23 clInfoText
    QPalette::ToolTipBase,     // 24 clInfoBk
    QPalette::Window,          // 25 (none)
    QPalette::Link,            // 26 clHotLight
    QPalette::Base,            // 27 clGradientActiveCaption
    QPalette::Window,          // 28 clGradientInactiveCaption
    QPalette::Highlight,       // 29 clMenuHighlight
    QPalette::Button,          // 30 clMenuBar
};

// c over the opaque ground, channel by channel (a translucent palette
// colour, such as Qt's placeholder text, as it shows).
QRgb Over(QColor c, QRgb ground)
{
    const int a = c.alpha();
    const auto mix = [a](int top, int under) { return (top * a + under * (255 - a) + 127) / 255; };
    return qRgb(mix(c.red(), qRed(ground)), mix(c.green(), qGreen(ground)), mix(c.blue(), qBlue(ground)));
}

} // namespace

QRgb ResolveColor(TColor c)
{
    return ResolveColor(c, QGuiApplication::palette());
}

QRgb ResolveColor(TColor c, const QPalette& pal)
{
    if (!IsSystemColor(c))
        return RgbFromColor(c & 0xFFFFFFu);
    const unsigned index = c & 0xFFu;
    const QPalette::ColorRole role = index < SystemRoles.size() ? SystemRoles[index] : QPalette::Window;
    // The active group whatever the palette's current one: a disabled
    // widget's palette answers from its disabled group, but a system colour
    // is one colour, and the controls draw their own disabled look.
    const QColor color = pal.color(QPalette::Active, role);
    if (color.alpha() == 255 || role == QPalette::Window)
        return color.rgb();
    return Over(color, pal.color(QPalette::Active, QPalette::Window).rgb());
}

} // namespace vorn
