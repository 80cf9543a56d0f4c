#include "Canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int DotsPerMeter96Dpi = 3780;
}

QImage NewBitmap(int w, int h)
{
    QImage img(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
    img.setDotsPerMeterX(DotsPerMeter96Dpi);
    img.setDotsPerMeterY(DotsPerMeter96Dpi);
    img.fill(Qt::white);
    return img;
}

TCanvas::TCanvas(QImage& image) : FImage(image)
{
    // A premultiplied ARGB image is kept as it is: a control can then draw
    // over a transparent layer; whatever is drawn is opaque.
    if (FImage.format() != QImage::Format_RGB32 && FImage.format() != QImage::Format_ARGB32_Premultiplied)
        FImage = FImage.convertToFormat(QImage::Format_RGB32);
}

void TCanvas::SetBrushColor(TColor c)
{
    FBrushColor = c;
    FBrushStyle = bsSolid;
}

void TCanvas::Plot(int x, int y, QRgb rgb)
{
    if (x >= 0 && y >= 0 && x < FImage.width() && y < FImage.height())
        reinterpret_cast<QRgb*>(FImage.scanLine(y))[x] = rgb;
}

void TCanvas::Fill(int l, int t, int r, int b, QRgb rgb)
{
    l = std::max(l, 0);
    t = std::max(t, 0);
    r = std::min(r, FImage.width());
    b = std::min(b, FImage.height());
    for (int y = t; y < b; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(FImage.scanLine(y));
        std::fill(line + l, line + std::max(l, r), rgb);
    }
}

void TCanvas::Rectangle(int l, int t, int r, int b)
{
    if (r < l)
        std::swap(l, r);
    if (b < t)
        std::swap(t, b);
    if (r - l < 1 || b - t < 1)
        return;
    if (FBrushStyle == bsSolid)
        Fill(l + 1, t + 1, r - 1, b - 1, ResolveColor(FBrushColor));
    const QRgb pen = ResolveColor(FPenColor);
    Fill(l, t, r, t + 1, pen);
    Fill(l, b - 1, r, b, pen);
    Fill(l, t, l + 1, b, pen);
    Fill(r - 1, t, r, b, pen);
}

void TCanvas::FillRect(int l, int t, int r, int b)
{
    Fill(l, t, r, b, ResolveColor(FBrushColor));
}

void TCanvas::MoveTo(int x, int y)
{
    FPenPos = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    // Bresenham from the pen position; the end pixel is left out.
    const QRgb pen = ResolveColor(FPenColor);
    int x0 = FPenPos.x(), y0 = FPenPos.y();
    const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        Plot(x0, y0, pen);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    FPenPos = QPoint(x, y);
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= FImage.width() || y >= FImage.height())
        return clBlack;
    return ColorFromRgb(FImage.pixel(x, y));
}

void TCanvas::SetPixel(int x, int y, TColor c)
{
    Plot(x, y, ResolveColor(c));
}

int TCanvas::TextWidth(const QString& s) const
{
    return QFontMetrics(FFont, &FImage).horizontalAdvance(s);
}

int TCanvas::TextHeight(const QString& s) const
{
    Q_UNUSED(s);
    return QFontMetrics(FFont, &FImage).height();
}

void TCanvas::DrawText(int x, int y, const QString& s, const QRect* clip)
{
    QPainter p(&FImage);
    if (clip)
        p.setClipRect(*clip);
    p.setFont(FFont);
    p.setPen(QColor::fromRgb(ResolveColor(FFontColor)));
    const QFontMetrics fm(FFont, &FImage);
    p.drawText(x, y + fm.ascent(), s);
}

void TCanvas::TextOut(int x, int y, const QString& s)
{
    if (FBrushStyle == bsSolid)
        Fill(x, y, x + TextWidth(s), y + TextHeight(s), ResolveColor(FBrushColor));
    DrawText(x, y, s, nullptr);
}

void TCanvas::TextRect(int l, int t, int r, int b, int x, int y, const QString& s)
{
    if (FBrushStyle == bsSolid)
        Fill(l, t, r, b, ResolveColor(FBrushColor));
    const QRect clip(l, t, std::max(r - l, 0), std::max(b - t, 0));
    DrawText(x, y, s, &clip);
}

void TCanvas::InvertRect(int l, int t, int r, int b)
{
    l = std::max(l, 0);
    t = std::max(t, 0);
    r = std::min(r, FImage.width());
    b = std::min(b, FImage.height());
    for (int y = t; y < b; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(FImage.scanLine(y));
        for (int x = l; x < r; ++x)
            line[x] = 0xFF000000u | (~line[x] & 0x00FFFFFFu);
    }
}

void TCanvas::Draw(int x, int y, const QImage& bitmap, TCopyMode mode)
{
    const QImage src = bitmap.format() == QImage::Format_RGB32 ? bitmap
                                                               : bitmap.convertToFormat(QImage::Format_RGB32);
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + src.width(), FImage.width());
    const int y1 = std::min(y + src.height(), FImage.height());
    for (int row = y0; row < y1; ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(row - y)) - x;
        QRgb* to = reinterpret_cast<QRgb*>(FImage.scanLine(row));
        for (int col = x0; col < x1; ++col)
            to[col] = mode == cmSrcAnd ? (to[col] & from[col]) | 0xFF000000u : from[col];
    }
}
