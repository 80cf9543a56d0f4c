#pragma once
// A drawing surface on a QImage with the conventions the controls are drawn
// by:
//  - a rectangle (l, t, r, b) covers columns l .. r-1 and rows t .. b-1, its
//    ring in the pen colour and its inside in the brush colour (only the ring
//    with a clear brush);
//  - a line covers its start pixel and not its end pixel;
//  - text at (x, y) puts the top-left corner of its cell there, on an opaque
//    background in the brush colour unless the brush is clear;
//  - setting a brush colour makes a clear brush solid again.
// Shapes and pixels are written directly, so every pixel is exact; text goes
// through QPainter with the canvas font.
#include "Colors.h"

#include <QFont>
#include <QImage>
#include <QString>

enum TBrushStyle : uint8_t { bsSolid, bsClear };

// Raster operations of Draw: plain copy, or the per-channel AND of source and
// destination.
enum TCopyMode : uint32_t { cmSrcCopy = 0xCC0020, cmSrcAnd = 0x8800C6 };

// A new off-screen bitmap of w x h pixels, white, at 96 pixels per inch.
QImage NewBitmap(int w, int h);

class TCanvas
{
public:
    // Draws on `image`, converted to 32-bit RGB unless it is premultiplied
    // ARGB (a transparent layer), which is kept.
    explicit TCanvas(QImage& image);

    QImage& Image() { return FImage; }
    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }

    TColor PenColor() const { return FPenColor; }
    void SetPenColor(TColor c) { FPenColor = c; }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor c);
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle s) { FBrushStyle = s; }
    const QFont& Font() const { return FFont; }
    void SetFont(const QFont& f) { FFont = f; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor c) { FFontColor = c; }

    void Rectangle(int l, int t, int r, int b);
    // Fills (l, t, r, b) with the brush colour, no ring.
    void FillRect(int l, int t, int r, int b);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return FPenPos; }

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

    void TextOut(int x, int y, const QString& s);
    // Text at (x, y) clipped to (l, t, r, b); the rectangle is filled with the
    // brush colour first unless the brush is clear.
    void TextRect(int l, int t, int r, int b, int x, int y, const QString& s);
    int TextWidth(const QString& s) const;
    int TextHeight(const QString& s) const;

    // Every pixel of (l, t, r, b) replaced by its bitwise complement.
    void InvertRect(int l, int t, int r, int b);
    // The bitmap drawn with its top-left corner at (x, y).
    void Draw(int x, int y, const QImage& bitmap, TCopyMode mode = cmSrcCopy);

private:
    void Plot(int x, int y, QRgb rgb);
    void Fill(int l, int t, int r, int b, QRgb rgb);
    void DrawText(int x, int y, const QString& s, const QRect* clip);

    QImage& FImage;
    TColor FPenColor = clBlack;
    TColor FBrushColor = clWhite;
    TBrushStyle FBrushStyle = bsSolid;
    QFont FFont;
    TColor FFontColor = clBlack;
    QPoint FPenPos;
};
