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
/// Fixed colours.
///@{
constexpr TColor clBlack = 0x000000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clNavy = 0x800000;
///@}

/// \name System colours
/// 0xFF0000nn, nn the desktop's system colour index (numbered as Windows
/// numbers them, COLOR_SCROLLBAR 0 to COLOR_MENUBAR 30). Each is resolved
/// when drawn from one role of the control's palette, in the palette's
/// active group whatever the control's state (a disabled control draws its
/// own disabled look): the roles Qt's Windows theme fills from the same
/// system colours, and for the rest the role Qt's styles draw that part
/// with. The index 25 and any above 30 resolve as the palette's Window.
///@{
/// 0, the scroll bar's track: QPalette::Mid.
constexpr TColor clScrollBar = 0xFF000000;
/// 1, the desktop: QPalette::Window.
constexpr TColor clBackground = 0xFF000001;
/// 2, the active window's title bar: QPalette::Highlight.
constexpr TColor clActiveCaption = 0xFF000002;
/// 3, an inactive window's title bar: QPalette::Dark.
constexpr TColor clInactiveCaption = 0xFF000003;
/// 4, a menu's background: QPalette::Button.
constexpr TColor clMenu = 0xFF000004;
/// 5, the background of text to edit and of lists: QPalette::Base.
constexpr TColor clWindow = 0xFF000005;
/// 6, a window's thin frame: QPalette::Shadow.
constexpr TColor clWindowFrame = 0xFF000006;
/// 7, a menu's text: QPalette::ButtonText.
constexpr TColor clMenuText = 0xFF000007;
/// 8, text on a window: QPalette::WindowText.
constexpr TColor clWindowText = 0xFF000008;
/// 9, the active title bar's text: QPalette::HighlightedText.
constexpr TColor clCaptionText = 0xFF000009;
/// 10, the active window's sizing border: QPalette::Button.
constexpr TColor clActiveBorder = 0xFF00000A;
/// 11, an inactive window's sizing border: QPalette::Button.
constexpr TColor clInactiveBorder = 0xFF00000B;
/// 12, the background of a multiple-document area: QPalette::Dark.
constexpr TColor clAppWorkSpace = 0xFF00000C;
/// 13, selected items: QPalette::Highlight.
constexpr TColor clHighlight = 0xFF00000D;
/// 14, the text of selected items: QPalette::HighlightedText.
constexpr TColor clHighlightText = 0xFF00000E;
/// 15, the face of buttons and dialogs: QPalette::Button.
constexpr TColor clBtnFace = 0xFF00000F;
/// 16, the shadow edge of 3D elements: QPalette::Dark.
constexpr TColor clBtnShadow = 0xFF000010;
/// 17, greyed text: QPalette::PlaceholderText (a translucent one as it
/// shows over the palette's Window).
constexpr TColor clGrayText = 0xFF000011;
/// 18, text on buttons: QPalette::ButtonText.
constexpr TColor clBtnText = 0xFF000012;
/// 19, an inactive title bar's text: QPalette::Text.
constexpr TColor clInactiveCaptionText = 0xFF000013;
/// 20, the lit edge of 3D elements: QPalette::Light.
constexpr TColor clBtnHighlight = 0xFF000014;
/// 21, the dark shadow of 3D elements: QPalette::Shadow.
constexpr TColor cl3DDkShadow = 0xFF000015;
/// 22, the light edge of 3D elements below the lit one: QPalette::Midlight.
constexpr TColor cl3DLight = 0xFF000016;
/// 23, tooltip text: QPalette::ToolTipText.
constexpr TColor clInfoText = 0xFF000017;
/// 24, the tooltip's background: QPalette::ToolTipBase.
constexpr TColor clInfoBk = 0xFF000018;
/// 26, a hyperlink or hot-tracked item: QPalette::Link.
constexpr TColor clHotLight = 0xFF00001A;
/// 27, the far end of the active title bar's gradient: QPalette::Base.
constexpr TColor clGradientActiveCaption = 0xFF00001B;
/// 28, the far end of an inactive title bar's gradient: QPalette::Window.
constexpr TColor clGradientInactiveCaption = 0xFF00001C;
/// 29, a highlighted menu item: QPalette::Highlight.
constexpr TColor clMenuHighlight = 0xFF00001D;
/// 30, the menu bar's background: QPalette::Button.
constexpr TColor clMenuBar = 0xFF00001E;
///@}

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0xFF000000u; }


/// The colour as the screen shows it. System colours come from their role in
/// the palette's active group: a widget's own palette when it draws, the
/// application's without one; any other value is taken by its low three
/// bytes, so a stray top byte is ignored.
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
