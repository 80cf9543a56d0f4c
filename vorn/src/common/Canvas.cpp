// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Canvas.h"

#include "CanvasFill_p.h"
#include "CanvasShape_p.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace vorn {

namespace {

constexpr int DotsPerMeter96Dpi = 3780;

// floor(v * r): the first device pixel of logical pixel v.
int64_t DeviceOf(int64_t v, qreal r)
{
    if (r == 1.0)
        return v;
    const double d = std::floor(double(v) * r);
    return int64_t(std::clamp(d, -double(INT64_MAX / 2), double(INT64_MAX / 2)));
}

// The smallest number of logical pixels whose blocks cover `dev` device
// pixels: n for dev = floor(n * r).
int LogicalExtent(int dev, qreal r)
{
    if (r == 1.0 || dev <= 0)
        return dev;
    int64_t n = int64_t(std::ceil(dev / r));
    while (n > 0 && DeviceOf(n - 1, r) >= dev)
        --n;
    while (DeviceOf(n, r) < dev)
        ++n;
    return int(std::min<int64_t>(n, INT_MAX));
}

// n pixels from p on set to rgb: a long run by the vectorised loop, a short
// one (a dot, a frame line's end) directly.
inline void FillRun(QRgb* p, int n, QRgb rgb)
{
    if (n > 16) {
        FillPixels(p, n, rgb);
        return;
    }
    for (int i = 0; i < n; ++i)
        p[i] = rgb;
}

// Device columns [From, To) of a row, clipped to the image's width once.
struct TSpan
{
    int From, To;
    TSpan(int x0, int x1, int width) : From(std::max(x0, 0)), To(std::min(x1, width)) {}
    void Fill(QRgb* row, QRgb rgb) const { FillRun(row + From, To - From, rgb); }
};

// ResolveColor with the plain colours, by far the most common, inline.
inline QRgb Resolve(TColor c, const QPalette& palette)
{
    return IsSystemColor(c) ? ResolveColor(c, palette) : RgbFromColor(c);
}

void CopyRow(QRgb* to, const QRgb* from, int n, TCopyMode mode)
{
    if (mode == cmSrcAnd)
        for (int i = 0; i < n; ++i)
            to[i] = (to[i] & from[i]) | 0xFF000000u;
    else
        std::copy(from, from + n, to);
}

} // namespace

namespace {

// An image of w x h logical pixels at `ratio`, floor(w*ratio) x
// floor(h*ratio) device pixels at 96 pixels per inch, filled with `fill`.
qreal UsableRatio(qreal ratio)
{
    return ratio > 0 ? ratio : 1.0;
}

// The device pixels of n logical pixels at `ratio`.
int DeviceExtent(int n, qreal ratio)
{
    return int(std::clamp<int64_t>(DeviceOf(std::max(n, 0), ratio), 0, INT_MAX));
}

QImage NewImage(int w, int h, qreal ratio, QImage::Format format, uint fill)
{
    ratio = UsableRatio(ratio);
    QImage img(DeviceExtent(w, ratio), DeviceExtent(h, ratio), format);
    img.setDotsPerMeterX(DotsPerMeter96Dpi);
    img.setDotsPerMeterY(DotsPerMeter96Dpi);
    img.setDevicePixelRatio(ratio);
    img.fill(fill);
    return img;
}

} // namespace

QImage NewBitmap(int w, int h, qreal ratio)
{
    return NewImage(w, h, ratio, QImage::Format_RGB32, 0xFFFFFFFFu);
}

namespace {

bool IsImageShape(const QImage& image, int w, int h, qreal ratio, QImage::Format format)
{
    ratio = UsableRatio(ratio);
    return image.format() == format && image.devicePixelRatio() == ratio && image.width() == DeviceExtent(w, ratio) &&
           image.height() == DeviceExtent(h, ratio) && image.dotsPerMeterX() == DotsPerMeter96Dpi &&
           image.dotsPerMeterY() == DotsPerMeter96Dpi;
}

} // namespace

bool IsBitmapShape(const QImage& image, int w, int h, qreal ratio)
{
    return IsImageShape(image, w, h, ratio, QImage::Format_RGB32);
}

bool IsLayerShape(const QImage& image, int w, int h, qreal ratio)
{
    return IsImageShape(image, w, h, ratio, QImage::Format_ARGB32_Premultiplied);
}

QImage NewLayer(int w, int h, qreal ratio)
{
    return NewImage(w, h, ratio, QImage::Format_ARGB32_Premultiplied, 0);
}

QSize LogicalSize(const QImage& image)
{
    const qreal r = image.devicePixelRatio();
    if (r == 1.0)
        return image.size();
    return QSize(LogicalExtent(image.width(), r), LogicalExtent(image.height(), r));
}

TCanvas::TView TCanvas::TView::Of(const QImage& image, uchar* bits)
{
    TView v;
    v.Bits = bits;
    v.Stride = image.bytesPerLine();
    v.DevW = image.width();
    v.DevH = image.height();
    v.Ratio = image.devicePixelRatio();
    v.Unit = v.Ratio == 1.0;
    const QSize logical = LogicalSize(image);
    v.W = logical.width();
    v.H = logical.height();
    v.Limit = int64_t(std::max(v.DevW, v.DevH)) + 1;
    v.Format = image.format();
    v.DpmX = image.dotsPerMeterX();
    v.DpmY = image.dotsPerMeterY();
    return v;
}

int64_t TCanvas::TView::Scaled(int64_t v) const
{
    return DeviceOf(v, Ratio);
}

bool TCanvas::TView::SameRows(const TView& o) const
{
    return Bits == o.Bits && Stride == o.Stride && DevW == o.DevW && DevH == o.DevH && Ratio == o.Ratio &&
           Format == o.Format && DpmX == o.DpmX && DpmY == o.DpmY;
}

TCanvas::TCanvas(QImage& image) : TCanvas(image, QGuiApplication::palette()) {}

TCanvas::TCanvas(QImage& image, const QPalette& palette) : FImage(image), FPalette(palette)
{
    Attach();
}

void TCanvas::SetPalette(const QPalette& p)
{
    // Every colour, the text pen's too, is resolved when it is drawn.
    FPalette = p;
}

TCanvas::~TCanvas()
{
    EndText();
}

// The rows are taken again when the image is no longer the one they were
// taken from: replaced, converted, re-scaled, written by someone else (all
// change its cache key) or shared with a copy (then it is detached first).
void TCanvas::Sync()
{
    if (FImage.cacheKey() != FKey || !FImage.isDetached())
        Attach();
}

void TCanvas::Detach()
{
    EndText();
    FView = TView();
    FKey = 0;
}

void TCanvas::Attach()
{
    // A premultiplied ARGB image is kept as it is: a control can then draw
    // over a transparent layer; whatever is drawn is opaque.
    if (FImage.format() != QImage::Format_RGB32 && FImage.format() != QImage::Format_ARGB32_Premultiplied)
        FImage = FImage.convertToFormat(QImage::Format_RGB32);
    const TView v = TView::Of(FImage, FImage.bits());
    if (!v.SameRows(FView))
        EndText();
    FView = v;
    FKey = FImage.cacheKey();
}

void TCanvas::SetBrushColor(TColor c)
{
    FBrushColor = c;
    FBrushStyle = bsSolid;
}

void TCanvas::SetFont(const QFont& f)
{
    FFont = f;
    FMetrics.reset();
    FPainterFontSet = false;
}

void TCanvas::FillDevice(int x0, int y0, int x1, int y1, QRgb rgb)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, FView.DevW);
    y1 = std::min(y1, FView.DevH);
    if (x0 >= x1)
        return;
    for (int y = y0; y < y1; ++y)
        FillRun(FView.Row(y) + x0, x1 - x0, rgb);
}

void TCanvas::Fill(int64_t l, int64_t t, int64_t r, int64_t b, QRgb rgb)
{
    FillDevice(FView.Dev(l), FView.Dev(t), FView.Dev(r), FView.Dev(b), rgb);
}

// Row by row: the ring's top and bottom rows are pen spans, every other row
// is a pen block, the brush span between (solid brush only) and a pen block.
void TCanvas::Rectangle(int l, int t, int r, int b)
{
    if (r < l)
        std::swap(l, r);
    if (b < t)
        std::swap(t, b);
    if (r - l < 1 || b - t < 1)
        return;
    Sync();
    const TView& v = FView;
    const QRgb pen = Resolve(FPenColor, FPalette);
    const bool solid = FBrushStyle == bsSolid;
    const QRgb brush = solid ? Resolve(FBrushColor, FPalette) : 0;
    const int x0 = v.Dev(l), x1 = v.Dev(int64_t(l) + 1), x2 = v.Dev(int64_t(r) - 1), x3 = v.Dev(r);
    const int y0 = v.Dev(t), y1 = v.Dev(int64_t(t) + 1), y2 = v.Dev(int64_t(b) - 1), y3 = v.Dev(b);
    const TSpan ring(x0, x3, v.DevW), left(x0, x1, v.DevW), inside(x1, x2, v.DevW), right(x2, x3, v.DevW);
    const int last = std::min(y3, v.DevH);
    for (int y = std::max(y0, 0); y < last; ++y) {
        QRgb* row = v.Row(y);
        if (y < y1 || y >= y2) {
            ring.Fill(row, pen);
            continue;
        }
        if (solid)
            inside.Fill(row, brush);
        left.Fill(row, pen);
        right.Fill(row, pen);
    }
}

void TCanvas::FillRect(int l, int t, int r, int b)
{
    Sync();
    Fill(l, t, r, b, Resolve(FBrushColor, FPalette));
}

void TCanvas::MoveTo(int x, int y)
{
    FPenPos = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    Sync();
    const QRgb pen = Resolve(FPenColor, FPalette);
    const int64_t x0 = FPenPos.x(), y0 = FPenPos.y();
    // Straight lines are one span; the end pixel is left out.
    if (x0 == x)
        y0 <= y ? Fill(x, y0, x + int64_t(1), y, pen) : Fill(x, y + int64_t(1), x + int64_t(1), y0 + 1, pen);
    else if (y0 == y)
        x0 < x ? Fill(x0, y, x, y + int64_t(1), pen) : Fill(x + int64_t(1), y, x0 + 1, y + int64_t(1), pen);
    else
        LineRuns(x, y, pen);
    FPenPos = QPoint(x, y);
}

// Bresenham from the pen position, the end pixel left out; the pixels of one
// row are contiguous and are written as one span.
void TCanvas::LineRuns(int x, int y, QRgb pen)
{
    int x0 = FPenPos.x(), y0 = FPenPos.y();
    const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    int runFrom = x0;
    while (x0 != x || y0 != y) {
        const int e2 = 2 * err;
        int nx = x0, ny = y0;
        if (e2 >= dy) {
            err += dy;
            nx += sx;
        }
        if (e2 <= dx) {
            err += dx;
            ny += sy;
        }
        if (ny != y0 || (nx == x && ny == y)) {
            Fill(std::min(runFrom, x0), y0, int64_t(std::max(runFrom, x0)) + 1, int64_t(y0) + 1, pen);
            runFrom = nx;
        }
        x0 = nx;
        y0 = ny;
    }
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (FImage.cacheKey() == FKey) {
        if (x < 0 || y < 0 || x >= FView.W || y >= FView.H)
            return clBlack;
        const int dx = FView.Dev(x), dy = FView.Dev(y);
        return dx < FView.DevW && dy < FView.DevH ? ColorFromRgb(FView.Row(dy)[dx]) : clBlack;
    }
    // The image changed since the canvas's last call: it is read as it is
    // now, without taking its rows.
    const TView v = TView::Of(FImage, nullptr);
    if (x < 0 || y < 0 || x >= v.W || y >= v.H)
        return clBlack;
    const int dx = v.Dev(x), dy = v.Dev(y);
    return dx < v.DevW && dy < v.DevH ? ColorFromRgb(FImage.pixel(dx, dy)) : clBlack;
}

void TCanvas::SetPixel(int x, int y, TColor c)
{
    Sync();
    const QRgb rgb = Resolve(c, FPalette);
    if (!FView.Unit)
        Fill(x, y, x + int64_t(1), y + int64_t(1), rgb);
    else if (x >= 0 && y >= 0 && x < FView.DevW && y < FView.DevH)
        FView.Row(y)[x] = rgb;
}

const QFontMetrics& TCanvas::Metrics() const
{
    const int dpi = FImage.logicalDpiY();
    if (!FMetrics || dpi != FMetricsDpi) {
        FMetrics.emplace(FFont, &FImage);
        FMetricsDpi = dpi;
    }
    return *FMetrics;
}

int TCanvas::TextWidth(const QString& s) const
{
    return Metrics().horizontalAdvance(s);
}

int TCanvas::TextHeight(const QString& s) const
{
    Q_UNUSED(s);
    return Metrics().height();
}

namespace {

// The last text target a canvas let go of. A canvas over the same rows (a
// picture used again from one paint to the next) takes it back, and with it
// the paint engine Qt made for it, instead of a new one each paint. It is
// only a view: the rows are the canvas's own.
QImage& SpareTextTarget()
{
    static QImage spare;
    return spare;
}

} // namespace

void TCanvas::EndText()
{
    FPainter.reset();
    if (!FTextTarget.isNull())
        SpareTextTarget() = std::move(FTextTarget);
    FTextTarget = QImage();
}

// The painter draws on an image over the canvas's own rows, at device
// resolution; Qt's raster engine writes into those rows at once, so text and
// the canvas's direct writes can follow each other in any order.
QPainter& TCanvas::TextPainter()
{
    if (!FPainter) {
        QImage& spare = SpareTextTarget();
        if (!spare.isNull() && spare.constBits() == FView.Bits && spare.width() == FView.DevW &&
            spare.height() == FView.DevH && spare.bytesPerLine() == FView.Stride && spare.format() == FView.Format &&
            spare.dotsPerMeterX() == FView.DpmX && spare.dotsPerMeterY() == FView.DpmY) {
            FTextTarget = std::exchange(spare, QImage());
        } else {
            FTextTarget = QImage(FView.Bits, FView.DevW, FView.DevH, FView.Stride, FView.Format);
            FTextTarget.setDotsPerMeterX(FView.DpmX);
            FTextTarget.setDotsPerMeterY(FView.DpmY);
        }
        FPainter = std::make_unique<QPainter>(&FTextTarget);
        FPainterFontSet = false;
        FPainterPen = Resolve(FFontColor, FPalette);
        FPainter->setPen(QColor::fromRgb(FPainterPen));
    }
    if (!FPainterFontSet) {
        FPainter->setFont(FFont);
        FPainterFontSet = true;
    }
    const QRgb pen = Resolve(FFontColor, FPalette);
    if (pen != FPainterPen) {
        FPainterPen = pen;
        FPainter->setPen(QColor::fromRgb(pen));
    }
    return *FPainter;
}

// `clip` is in device pixels. At ratio r the glyphs are drawn scaled by r
// from the cell's device corner, so they are rendered at device resolution.
void TCanvas::DrawText(int x, int y, const QString& s, const QRect* clip)
{
    if (FView.DevW <= 0 || FView.DevH <= 0)
        return;
    QPainter& p = TextPainter();
    const int ascent = Metrics().ascent();
    if (!FView.Unit)
        p.resetTransform();
    if (clip)
        p.setClipRect(*clip);
    else
        p.setClipping(false);
    if (FView.Unit) {
        p.drawText(QPointF(x, y + ascent), s);
        return;
    }
    const qreal r = FView.Ratio;
    p.setTransform(QTransform(r, 0, 0, r, qreal(DeviceOf(x, r)), qreal(DeviceOf(y, r))));
    p.drawText(QPointF(0, ascent), s);
}

void TCanvas::TextOut(int x, int y, const QString& s)
{
    if (s.isEmpty())
        return;
    Sync();
    if (FBrushStyle == bsSolid)
        Fill(x, y, x + int64_t(TextWidth(s)), y + int64_t(TextHeight(s)), Resolve(FBrushColor, FPalette));
    DrawText(x, y, s, nullptr);
}

void TCanvas::TextRect(int l, int t, int r, int b, int x, int y, const QString& s)
{
    Sync();
    if (FBrushStyle == bsSolid)
        Fill(l, t, r, b, Resolve(FBrushColor, FPalette));
    if (s.isEmpty())
        return;
    const int dl = FView.Dev(l), dt = FView.Dev(t);
    const QRect clip = FView.Unit ? QRect(l, t, std::max(r - l, 0), std::max(b - t, 0))
                                  : QRect(dl, dt, std::max(FView.Dev(r) - dl, 0), std::max(FView.Dev(b) - dt, 0));
    DrawText(x, y, s, &clip);
}

void TCanvas::InvertRect(int l, int t, int r, int b)
{
    Sync();
    const int x0 = std::max(FView.Dev(l), 0), x1 = std::min(FView.Dev(r), FView.DevW);
    const int y0 = std::max(FView.Dev(t), 0), y1 = std::min(FView.Dev(b), FView.DevH);
    for (int y = y0; y < y1; ++y) {
        QRgb* line = FView.Row(y);
        for (int x = x0; x < x1; ++x)
            line[x] = 0xFF000000u | (~line[x] & 0x00FFFFFFu);
    }
}

void TCanvas::Draw(int x, int y, const QImage& bitmap, TCopyMode mode)
{
    const QImage src = bitmap.format() == QImage::Format_RGB32 ? bitmap
                                                               : bitmap.convertToFormat(QImage::Format_RGB32);
    // After taking the source: a bitmap sharing the canvas's image leaves
    // the canvas detached from it.
    Sync();
    if (src.devicePixelRatio() != FView.Ratio) {
        DrawBlocks(x, y, src, mode);
        return;
    }
    const int64_t ox = DeviceOf(x, FView.Ratio), oy = DeviceOf(y, FView.Ratio);
    const int x0 = int(std::max<int64_t>(ox, 0)), x1 = int(std::min<int64_t>(ox + src.width(), FView.DevW));
    const int y0 = int(std::max<int64_t>(oy, 0)), y1 = int(std::min<int64_t>(oy + src.height(), FView.DevH));
    for (int row = y0; row < y1 && x0 < x1; ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(int(row - oy))) + (x0 - ox);
        CopyRow(FView.Row(row) + x0, from, x1 - x0, mode);
    }
}

namespace {

// For the device pixels [first, first + from.size()) of a destination at
// ratio `to` that logical pixels at .. at+count-1 cover: the device pixel of
// the source (ratio `ratio`, `devCount` pixels) each one is taken from, the
// top-left one of the source pixel's block.
int MapBlocks(int64_t at, int count, qreal to, int toCount, qreal ratio, int devCount, std::vector<int>& from)
{
    from.clear();
    const int first = int(std::clamp<int64_t>(DeviceOf(at, to), 0, toCount));
    for (int i = 0; i < count; ++i) {
        const int64_t lo = std::max<int64_t>(DeviceOf(at + i, to), 0);
        const int64_t hi = std::min<int64_t>(DeviceOf(at + i + 1, to), toCount);
        const int source = int(std::min<int64_t>(DeviceOf(i, ratio), devCount - 1));
        for (int64_t d = lo; d < hi; ++d)
            from.push_back(source);
    }
    return first;
}

} // namespace

void TCanvas::DrawBlocks(int x, int y, const QImage& src, TCopyMode mode)
{
    const QSize logical = LogicalSize(src);
    const qreal r = src.devicePixelRatio();
    std::vector<int> cols, rows;
    const int x0 = MapBlocks(x, logical.width(), FView.Ratio, FView.DevW, r, src.width(), cols);
    const int y0 = MapBlocks(y, logical.height(), FView.Ratio, FView.DevH, r, src.height(), rows);
    for (size_t j = 0; j < rows.size(); ++j) {
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(rows[j]));
        QRgb* to = FView.Row(y0 + int(j)) + x0;
        if (mode == cmSrcAnd)
            for (size_t i = 0; i < cols.size(); ++i)
                to[i] = (to[i] & from[cols[i]]) | 0xFF000000u;
        else
            for (size_t i = 0; i < cols.size(); ++i)
                to[i] = from[cols[i]];
    }
}

} // namespace vorn
