// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Colours as the controls store them: 0x00BBGGRR (low byte red), or
/// 0xFF0000nn for the desktop's system colour nn, resolved only when drawn.
#include <vorn/vorn_export.h>

#include <QRgb>
#include <cstdint>

class QPalette;

namespace vorn {

/// A colour as the controls store it: 0x00BBGGRR, or 0xFF0000nn for the
/// system colour nn, taken from the control's palette when it is drawn.
using TColor = uint32_t;

/// \name Colours
/// Fixed colours, and system colours resolved through the palette
/// (clWindowText, clBtnFace, clBtnShadow, clBtnHighlight).
///@{
constexpr TColor clBlack = 0x000000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clNavy = 0x800000;

constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clBtnHighlight = 0xFF000014;
///@}

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0xFF000000u; }


/// The colour as the screen shows it. System colours come from the palette's
/// active group (button face, dark, light, window text), whatever the
/// widget's state: a widget's own palette when it
/// draws, the application's without one; any other value is taken by its low
/// three bytes, so a stray top byte is ignored.
VORN_EXPORT QRgb ResolveColor(TColor c, const QPalette& palette);
VORN_EXPORT QRgb ResolveColor(TColor c);

/// The stored form of a pixel read back from a picture.
constexpr TColor ColorFromRgb(QRgb rgb)
{
    return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}
constexpr QRgb RgbFromColor(TColor c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

} // namespace vorn
