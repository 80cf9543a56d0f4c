// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A drawing surface on a QImage with the conventions the controls are drawn
/// by:
///  - a rectangle (l, t, r, b) covers columns l .. r-1 and rows t .. b-1, its
///    ring in the pen colour and its inside in the brush colour (only the ring
///    with a clear brush);
///  - a line covers its start pixel and not its end pixel;
///  - text at (x, y) puts the top-left corner of its cell there, on an opaque
///    background in the brush colour unless the brush is clear;
///  - setting a brush colour makes a clear brush solid again.
/// Shapes and pixels are written directly into the image's rows, so every
/// pixel is exact; text goes through QPainter with the canvas font.
///
/// Coordinates are logical pixels. The image may hold more device pixels per
/// logical pixel (its devicePixelRatio r): logical pixel (x, y) then covers
/// the block of device pixels floor(x*r) .. floor((x+1)*r)-1 in each
/// direction. Shapes, pixels, inverts and copies work on these blocks, text is
/// drawn at device resolution; reading a pixel reads its block's top-left
/// device pixel. Text widths and heights are measured at the image's logical
/// dots per inch, so they do not depend on r. At r = 1 a block is one pixel.
#include "Colors.h"

#include <vorn/vorn_export.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPalette>
#include <QString>

#include <algorithm>
#include <memory>
#include <optional>

class QPainter;

namespace vorn {

/// How the brush fills shapes and the background of text.
enum TBrushStyle : uint8_t {
    bsSolid, ///< filled in the brush colour
    bsClear, ///< not filled: only the ring of a shape, text on what is there
};

/// Raster operations of Draw.
enum TCopyMode : uint32_t {
    cmSrcCopy = 0xCC0020, ///< the source replaces the destination
    cmSrcAnd = 0x8800C6,  ///< the per-channel AND of source and destination
};

/// A new off-screen bitmap of w x h logical pixels, white, at 96 pixels per
/// inch, composed at device pixel ratio `ratio`: floor(w*ratio) x
/// floor(h*ratio) device pixels.
VORN_EXPORT QImage NewBitmap(int w, int h, qreal ratio = 1.0);
/// A transparent layer sized as NewBitmap sizes a bitmap: premultiplied ARGB,
/// which the canvas keeps, cleared once.
VORN_EXPORT QImage NewLayer(int w, int h, qreal ratio = 1.0);

/// The logical size of an image: the smallest w x h whose blocks cover all its
/// device pixels (w x h itself for an image made by NewBitmap(w, h, r)).
VORN_EXPORT QSize LogicalSize(const QImage& image);

/// The drawing surface a control composes its picture on (see the notes of
/// this file): pen, brush and font, shapes, text and copies.
class VORN_EXPORT TCanvas
{
public:
    /// Draws on `image`, converted to 32-bit RGB unless it is premultiplied
    /// ARGB (a transparent layer), which is kept. The image is detached once
    /// here; if it is replaced, shared or converted later, the canvas takes
    /// its rows again at its next call.
    explicit TCanvas(QImage& image);
    /// The same, resolving system colours from `palette` (a control passes its
    /// widget's own).
    TCanvas(QImage& image, const QPalette& palette);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    QImage& Image() { return FImage; }
    /// The logical size.
    int Width() const { return LogicalSize(FImage).width(); }
    int Height() const { return LogicalSize(FImage).height(); }

    TColor PenColor() const { return FPenColor; }
    void SetPenColor(TColor c) { FPenColor = c; }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor c);
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle s) { FBrushStyle = s; }
    const QFont& Font() const { return FFont; }
    void SetFont(const QFont& f);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor c) { FFontColor = c; }
    /// The palette system colours are resolved from: the application's
    /// unless set (a control sets its widget's own).
    const QPalette& Palette() const { return FPalette; }
    void SetPalette(const QPalette& p);

    void Rectangle(int l, int t, int r, int b);
    /// Fills (l, t, r, b) with the brush colour, no ring.
    void FillRect(int l, int t, int r, int b);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return FPenPos; }

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

    void TextOut(int x, int y, const QString& s);
    /// Text at (x, y) clipped to (l, t, r, b); the rectangle is filled with the
    /// brush colour first unless the brush is clear.
    void TextRect(int l, int t, int r, int b, int x, int y, const QString& s);
    int TextWidth(const QString& s) const;
    int TextHeight(const QString& s) const;

    /// Every pixel of (l, t, r, b) replaced by its bitwise complement.
    void InvertRect(int l, int t, int r, int b);
    /// The bitmap drawn with its top-left corner at (x, y). A bitmap at the
    /// canvas's ratio is copied device pixel for device pixel; one at another
    /// ratio is copied block by block, each logical pixel from its block's
    /// top-left device pixel.
    void Draw(int x, int y, const QImage& bitmap, TCopyMode mode = cmSrcCopy);

    /// Ends drawing text and lets go of the image's rows, so that the image
    /// may be released; the next drawing call takes the rows again.
    void Detach();

private:
    /// The image's rows as the canvas writes them, with the ratio mapping.
    struct TView
    {
        uchar* Bits = nullptr;
        qsizetype Stride = 0;
        int DevW = 0, DevH = 0; ///< device pixels
        int W = 0, H = 0;       ///< logical pixels
        int64_t Limit = 1;      ///< one beyond the device pixels in both directions
        qreal Ratio = 1.0;
        bool Unit = true; ///< ratio 1: a block is one pixel
        QImage::Format Format = QImage::Format_Invalid;
        int DpmX = 0, DpmY = 0;

        static TView Of(const QImage& image, uchar* bits);
        /// The first device row or column of logical v's block, kept within
        /// one pixel of the image so that it cannot overflow.
        int Dev(int64_t v) const { return int(std::clamp<int64_t>(Unit ? v : Scaled(v), -1, Limit)); }
        int64_t Scaled(int64_t v) const;
        QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(Bits + y * Stride); }
        bool SameRows(const TView& o) const;
    };

    void Sync();
    void Attach();
    void EndText();
    QPainter& TextPainter();
    const QFontMetrics& Metrics() const;

    void FillDevice(int x0, int y0, int x1, int y1, QRgb rgb);
    void Fill(int64_t l, int64_t t, int64_t r, int64_t b, QRgb rgb);
    void LineRuns(int x, int y, QRgb pen);
    void DrawText(int x, int y, const QString& s, const QRect* clip);
    void DrawBlocks(int x, int y, const QImage& src, TCopyMode mode);

    QImage& FImage;
    TView FView;
    qint64 FKey = 0; ///< the image's cache key when its rows were taken

    TColor FPenColor = clBlack;
    TColor FBrushColor = clWhite;
    TBrushStyle FBrushStyle = bsSolid;
    QFont FFont;
    TColor FFontColor = clBlack;
    QPalette FPalette;
    QPoint FPenPos;

    /// Text: measured with metrics kept until the font or the image's dots
    /// per inch change; drawn by one painter, opened at the first text, on an
    /// image that shares the canvas's rows (so it never detaches or outlives
    /// the caller's image data).
    mutable std::optional<QFontMetrics> FMetrics;
    mutable int FMetricsDpi = 0;
    QImage FTextTarget;
    std::unique_ptr<QPainter> FPainter;
    bool FPainterFontSet = false;
    QRgb FPainterPen = 0;
};

} // namespace vorn
