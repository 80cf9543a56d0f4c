// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the dot-matrix label without a
// widget. The core holds the label's state (text, dot geometry, colours,
// frame, scrolling), its character matrix, the rules by which a change
// repaints, resizes or re-centres it, its natural size and its painting; its
// host (the widget TRasterLab, a test or a fuzz target) shows the picture and
// runs the scroll timer.
#include "Canvas.h"
#include "Colors.h"
#include "ControlHost_p.h"
#include "vornbase.h"
#include "vornbase_p.h"

#include <QExplicitlySharedDataPointer>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QSharedData>
#include <QString>

#include <cstdint>

namespace vorn {

namespace rasterlab {

/// Width of a new label in pixels.
constexpr int defLabelWidth = 400;

} // namespace rasterlab

/// A character matrix that labels share (internal).
struct TRDSharedMatrix : QSharedData
{
    TRDCharMatrix Matrix;
};

/// What the dot-matrix label asks of its host beside TControlHost: the scroll
/// timer, whether it sits in a form designer, and the wrap-around event. The
/// defaults answer for a host with no timer and no listeners.
class TRasterLabScrollHost
{
public:
    virtual ~TRasterLabScrollHost() = default;

    /// Starts (or restarts) the scroll timer with `ms` between ticks; a host
    /// that cannot throws the label's error. Each tick calls ScrollStep().
    virtual void StartScrollTimer(int /*ms*/) {}
    virtual void StopScrollTimer() {}
    /// In a form designer the label never scrolls.
    virtual bool Designing() const { return false; }
    /// The scrolling text wrapped around (OnScrollLoopRestart).
    virtual void ScrollLoopRestarted() {}
};

class TRasterLabCore : private TSchemeLines
{
public:
    /// Starts without a matrix: the host calls FollowFont() (or
    /// SetCharMatrix()) before anything else.
    TRasterLabCore(TControlHost& host, TRasterLabScrollHost& scroll) : FHost(host), FScroll(scroll) {}
    TRasterLabCore(const TRasterLabCore&) = delete;
    TRasterLabCore& operator=(const TRasterLabCore&) = delete;

    /// A matrix from the built-in font (no font, or one named "default" in any
    /// case) or from rendering every character of Font in FontColor.
    static TRDCharMatrix CreateBitFont(const QFont* Font, TColor FontColor);

    const TRDCharMatrix& CharMatrix() const { return FCMat->Matrix; }
    /// Stores the matrix and repaints, neither resizing nor re-centring.
    void SetCharMatrix(const TRDCharMatrix& Value);
    /// The matrix to the host's font in the host palette's window text: the
    /// built-in font for "default", else the font rendered (shared by every
    /// label of that font and colour). Nothing else follows.
    void FollowFont();
    /// The host's font or palette changed: a new matrix, then height and
    /// centring follow it, a paint and a new natural size.
    void FontChanged();

    bool AutoHeight() const { return FAutoHeight; }
    bool AutoCenter() const { return FAutoCenter; }
    TColor ColorLabBakG() const { return FColorLabBakG; }
    TColor ColorDotOn() const { return FColorDotOn; }
    TColor ColorDotOff() const { return FColorDotOff; }
    TColorScheme ColorScheme() const { return FColorScheme; }
    int DotSpacing() const { return FDotSpacing; }
    int DotSize() const { return FDotSize; }
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    int PosX() const { return FXPos; }
    int PosY() const { return FYPos; }
    bool Proportional() const { return FProportional; }
    TRDScrollMode ScrollMode() const { return FScrollMode; }
    int ScrollInterval() const { return FScrollIv; }
    int ScrollIncrement() const { return FScrollInc; }
    bool ScrollLoop() const { return FScrollLoop; }
    TRDBlockMode CharBlockMode() const { return FCharBlockMode; }
    const QString& Text() const { return FLabText; }
    /// The scroll offsets from PosX and PosY.
    int ScrollPosX() const { return FScrollPosX; }
    int ScrollPosY() const { return FScrollPosY; }
    /// The text's length in pixels as the last paint left it (the wrap-around
    /// distance).
    int TextBitLength() const { return FTextBitLength; }

    void SetAutoHeight(bool Value);
    void SetAutoCenter(bool Value);
    void SetColorLabBakG(TColor Value);
    void SetColorDotOn(TColor Value);
    void SetColorDotOff(TColor Value);
    void SetColorScheme(TColorScheme Value);
    void SetDotSpacing(int Value);
    void SetDotSize(int Value);
    void SetFrameStyle(TFrameStyle Value);
    void SetXPos(int Value);
    void SetYPos(int Value);
    void SetProportional(bool Value);
    void SetScrollMode(TRDScrollMode Value);
    void SetScrollIv(int Value);
    void SetScrollInc(int Value);
    void SetScrollLoop(bool Value);
    void SetCharBlockMode(TRDBlockMode Value);
    /// Whether the text changed (the host tells its listeners).
    bool SetLabText(const QString& Value);
    /// Takes frame, text, background, lit-dot colour and frame colours from
    /// `src`, paints and tells the layout; whether the text changed.
    bool CopyFrom(const TRasterLabCore& src);

    /// Stops or restarts the scroll timer by the mode, the interval and
    /// whether scrolling is allowed (not in a form designer).
    void UpdateTimer();
    /// The host entered or left a form designer: scrolling stops there and
    /// runs by its mode again outside.
    void DesigningChanged();
    /// One scroll step: the offsets move by the increment in the mode's
    /// direction, wrap around (ScrollLoopRestarted) when the text has left
    /// the display, and the label paints.
    void ScrollStep();

    /// What every paint leaves, also one that composes nothing: the text's
    /// length in pixels, which scrolling wraps by.
    void NoteTextLength();
    /// The whole picture at device pixel ratio `ratio`, of the host's size:
    /// the kept fill and raster, the lit dots and the frame. A null picture
    /// when the host has no area.
    QImage Compose(qreal ratio);

    /// Draws the on-dots of character c with its first drawn column at PosX
    /// and row 0 at PosY; returns the glyph's width in pixels.
    int PaintChar(TCanvas& cv, const TRDCharMatrix& CMat, int PosX, int PosY, QChar c, int DotSize, int DotSpacing,
                  TColor ColorFg, TColor ColorFgIA, TColor ColorBg, bool FixedWidth) const;
    /// Draws txt from PosX, each character followed by one blank dot column,
    /// wiping the blank columns in ColorBg in rdbmOn over the host's height;
    /// TextBitLength receives the pixel length drawn + 1.
    void PaintString(TCanvas& cv, const TRDCharMatrix& CMat, int PosX, int PosY, const QString& txt, int DotSize,
                     int DotSpacing, TColor ColorFg, TColor ColorFgIA, TColor ColorBg, TRDBlockMode CharBlocks,
                     bool Proportional, int& TextBitLength) const;
    /// The pixel length of txt with the current matrix and dot settings.
    int CalcTextBitLength(const QString& txt) const;

    /// The natural size and the least size (see TRasterLab::sizeHint()).
    QSize SizeHint() const;
    QSize MinimumSizeHint() const;

private:
    void AdjustAutoHeight();
    void AdjustAutoCenter();
    int FrameAllowance() const;
    TColor FontColor() const;
    /// Paints and tells the layout: what a change of the text's place or
    /// extent does.
    void PaintAndRelayout();

    /// The fill and the dimmed raster beneath the text, and what they were
    /// composed for: composed again only when one of these changes.
    struct TRasterKey
    {
        int W = -1, H = -1;
        qreal Ratio = 0;
        QRgb Fill = 0, Lines = 0; ///< Lines: the raster's colour, 0 without one
        bool Framed = false;
        int DotSize = 0, DotSpacing = 0, OffsetX = 0, OffsetY = 0;
        bool operator==(const TRasterKey&) const = default;
    };
    TRasterKey RasterKey(int W, int H, qreal Ratio, int64_t X0, int64_t Y0, const QPalette& pal) const;
    QImage Raster(int W, int H, qreal Ratio, int64_t X0, int64_t Y0, const QPalette& pal);

    void PaintFill(TCanvas& cv, int W, int H) const;
    void PaintRaster(TCanvas& cv, int W, int H, int64_t X0, int64_t Y0) const;
    void PaintFrame(TCanvas& cv, int W, int H) const;

    TControlHost& FHost;
    TRasterLabScrollHost& FScroll;
    // The matrix, shared with the other labels of the same font and colour
    // or made for this label by SetCharMatrix; never changed once made.
    QExplicitlySharedDataPointer<TRDSharedMatrix> FCMat;
    TFrameStyle FFrameStyle = fsLowered;
    TRDScrollMode FScrollMode = rdsmOff;
    int FScrollPosX = 0;
    int FScrollPosY = 0;
    bool FScrollLoop = true;
    bool FScrTimerEnabled = false;
    bool FAutoCenter = false;
    int FTextBitLength = 0;
    int FScrollIv = 100;
    int FScrollInc = 1;
    QString FLabText = QStringLiteral("Text");
    TColor FColorLabBakG = clBlack;
    TColor FColorDotOn = clLime;
    TColor FColorDotOff = 0x404040;
    bool FAutoHeight = false;
    TRDBlockMode FCharBlockMode = rdbmOn;
    bool FProportional = true;
    int FDotSize = 3;
    int FDotSpacing = 1;
    int FXPos = 1;
    int FYPos = 1;
};

} // namespace vorn
