// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the rotated label without a
// widget. The core holds the label's state, the rules by which a change
// repaints it, its natural size and its painting; its host (the widget
// TRotLab, or a test) shows the picture.
#include "Canvas.h"
#include "Colors.h"
#include "ControlHost_p.h"
#include "vornbase.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <utility>

namespace vorn {

/// The top-left corner of the text cell for a text whose half width is w2 and
/// half height h2, turned by TextAngle degrees counter-clockwise, so that the
/// point halfway down the text at the alignment's distance from its start
/// (0, w2 or 2 * w2) lies on (PosX, PosY). The whole offset is rounded once,
/// to the nearest integer with halves to even.
VORN_TESTS_EXPORT QPoint RotLabTextOrigin(TAlignment Alignment, int TextAngle, int PosX, int PosY, int w2, int h2);

class TRotLabCore
{
public:
    /// The text step's flag for measuring only (TRotLab::DT_CALCRECT).
    static constexpr unsigned DrawTextMeasureOnly = 0x0400;

    explicit TRotLabCore(TControlHost& host) : FHost(host) {}
    TRotLabCore(const TRotLabCore&) = delete;
    TRotLabCore& operator=(const TRotLabCore&) = delete;

    TAlignment Alignment() const { return FAlignment; }
    bool AntiAlias() const { return FAntiAlias; }
    bool AutoCenter() const { return FAutoCenter; }
    const QString& Caption() const { return FCaption; }
    TColor Color() const { return FColor; }
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    int PosX() const { return FTextPosX; }
    int PosY() const { return FTextPosY; }
    int TextAngle() const { return FTextAngle; }
    bool Transparent() const { return FTransparent; }

    void SetAlignment(TAlignment Value);
    void SetAntiAlias(bool Value);
    void SetAutoCenter(bool Value);
    /// Whether the caption changed (the host tells its listeners).
    bool SetCaption(const QString& Value);
    void SetColor(TColor Value);
    void SetFrameStyle(TFrameStyle Value);
    void SetTextPosX(int Value);
    void SetTextPosY(int Value);
    void SetTextAngle(int Value);
    void SetTransparent(bool Value);
    /// Takes centring, frame, angle, position and anti-aliasing from `src`.
    void CopyFrom(const TRotLabCore& src);

    /// The reference point to the centre of the host's size, without repainting.
    void AdjustAutoCenter();
    /// Re-centres the reference point when AutoCenter is on and the label
    /// sits in a parent (`placed`); whether it did.
    bool FollowSize(bool placed);
    /// Paints at once when opaque; a transparent label paints later, as a
    /// see-through control waits for its parent's background.
    void Repaint();

    /// The natural size: the turned text's bounding box inside the frame,
    /// about the centre under AutoCenter, else from PosX and PosY.
    QSize SizeHint() const;

    /// Composes the whole picture on `picture` (of the host's size at its
    /// ratio, cleared when transparent): the background unless transparent,
    /// then `text` (the text step, given the whole rectangle), then the frame.
    template <class TextStep>
    QImage Compose(QImage picture, TextStep&& text)
    {
        FBitmap = std::move(picture);
        FCanvas.SetPalette(FHost.Palette());
        if (!FBitmap.isNull()) {
            const QSize size = FHost.Size();
            if (!FTransparent) {
                FCanvas.SetBrushColor(FColor);
                FCanvas.FillRect(0, 0, size.width(), size.height());
            }
            QRect r(QPoint(0, 0), size);
            text(r);
            DrawFrameAround(size);
        }
        FCanvas.Detach();
        return std::exchange(FBitmap, QImage());
    }
    /// The text step: draws the turned caption on the picture being composed,
    /// or only measures (TRotLab::DT_CALCRECT), which draws nothing.
    void DrawText(QRect& Rect, unsigned Flags);
    /// The canvas Compose draws on.
    TCanvas& Canvas() { return FCanvas; }

private:
    void DrawFrameAround(QSize size);
    /// The common writer: stores a changed value and repaints (Repaint);
    /// whether it changed.
    template <class T>
    bool StoreAndRepaint(T& field, const T& value)
    {
        if (field == value)
            return false;
        field = value;
        Repaint();
        return true;
    }

    TControlHost& FHost;
    int FTextAngle = 0;
    int FTextPosX = 10;
    int FTextPosY = 10;
    bool FAntiAlias = true;
    bool FAutoCenter = true;
    bool FTransparent = true;
    TAlignment FAlignment = taCenter;
    TFrameStyle FFrameStyle = fsLowered;
    QString FCaption;
    TColor FColor = clBtnFace;
    /// The picture being composed, and the canvas on it.
    QImage FBitmap;
    TCanvas FCanvas{FBitmap};
};

} // namespace vorn
