// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The rotated label's core: its writers and their repaint rules, its natural
// size and its painting, without a widget.
#include "RotLabCore_p.h"

#include "FloatCheck_p.h"
#include "Saturate_p.h"
#include "vornbase_p.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace vorn {

namespace {

// The caption turned by `degrees` counter-clockwise about the top-left corner
// of its cell, in the canvas font and the canvas's font colour at each call,
// without a background; one painter serves every call. The painter works on
// the image's rows at ratio 1, so that, as the canvas draws its own text, the
// cell's corner goes to the first device pixel of its logical block and the
// glyphs are scaled by the image's ratio, rendered at device resolution.
class TTurnedText
{
public:
    TTurnedText(TCanvas& cv, const QString& s, int degrees)
        : FCanvas(cv), FText(s), FDegrees(degrees), FRatio(cv.Image().devicePixelRatio())
    {
        QImage& image = cv.Image();
        FTarget = QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format());
        FTarget.setDotsPerMeterX(image.dotsPerMeterX());
        FTarget.setDotsPerMeterY(image.dotsPerMeterY());
        FPainter.begin(&FTarget);
        FPainter.setFont(cv.Font());
        FAscent = FPainter.fontMetrics().ascent();
    }

    void Draw(int x, int y)
    {
        FPainter.setPen(QColor::fromRgb(ResolveColor(FCanvas.FontColor(), FCanvas.Palette())));
        const qreal r = FRatio;
        FPainter.setTransform(QTransform(r, 0, 0, r, std::floor(x * r), std::floor(y * r)));
        FPainter.rotate(-FDegrees);
        FPainter.drawText(0, FAscent, FText);
    }

private:
    TCanvas& FCanvas;
    const QString& FText;
    const int FDegrees;
    const qreal FRatio;
    QImage FTarget;
    QPainter FPainter;
    int FAscent = 0;
};

// Pixels the frame takes on each side: one ring, or the two of a bevel.
int FrameWidth(TFrameStyle fs)
{
    switch (fs) {
    case fsNone: return 0;
    case fsSimple: return 1;
    default: return 2;
    }
}

} // namespace

QPoint RotLabTextOrigin(TAlignment Alignment, int TextAngle, int PosX, int PosY, int w2, int h2)
{
    const long double r = static_cast<long double>(TextAngle) / 180.0L * std::numbers::pi_v<long double>;
    long double d = 0;
    if (Alignment == taCenter)
        d = w2;
    else if (Alignment == taRightJustify)
        d = 2.0L * w2;
    const long double s = std::sin(r), c = std::cos(r);
    const int64_t dx = Round(-d * c - h2 * s);
    const int64_t dy = Round(d * s - h2 * c);
    return QPoint(ClampToInt(PosX + dx), ClampToInt(PosY + dy));
}

void TRotLabCore::Repaint()
{
    if (FTransparent)
        FHost.PaintLater();
    else
        FHost.Paint();
}

void TRotLabCore::SetAlignment(TAlignment Value)
{
    if (StoreAndRepaint(FAlignment, Value))
        FHost.SizeHintChanged();
}

void TRotLabCore::SetAntiAlias(bool Value)
{
    StoreAndRepaint(FAntiAlias, Value);
}

void TRotLabCore::SetAutoCenter(bool Value)
{
    // Not the common writer: switching on re-centres before the repaint.
    if (Value == FAutoCenter)
        return;
    FAutoCenter = Value;
    if (Value)
        AdjustAutoCenter();
    Repaint();
    FHost.SizeHintChanged();
}

// Caption and Color belong to the label as a framework control, whose
// writers invalidate it: the paint follows from the event loop, opaque or not.
bool TRotLabCore::SetCaption(const QString& Value)
{
    if (Value == FCaption)
        return false;
    FCaption = Value;
    FHost.PaintLater();
    FHost.SizeHintChanged();
    return true;
}

void TRotLabCore::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    FHost.PaintLater();
}

void TRotLabCore::SetFrameStyle(TFrameStyle Value)
{
    if (StoreAndRepaint(FFrameStyle, Value))
        FHost.SizeHintChanged();
}

// Not the common writer: under AutoCenter a different value is dropped for
// the centre, and the label still repaints.
void TRotLabCore::SetTextPosX(int Value)
{
    if (Value == FTextPosX)
        return;
    if (FAutoCenter)
        AdjustAutoCenter();
    else
        FTextPosX = Value;
    Repaint();
    FHost.SizeHintChanged();
}

void TRotLabCore::SetTextPosY(int Value)
{
    if (Value == FTextPosY)
        return;
    if (FAutoCenter)
        AdjustAutoCenter();
    else
        FTextPosY = Value;
    Repaint();
    FHost.SizeHintChanged();
}

void TRotLabCore::SetTextAngle(int Value)
{
    if (StoreAndRepaint(FTextAngle, Value))
        FHost.SizeHintChanged();
}

void TRotLabCore::SetTransparent(bool Value)
{
    // Not the common writer: the repaint follows the new value, at once when
    // now opaque and later when now transparent.
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Repaint();
}

void TRotLabCore::CopyFrom(const TRotLabCore& src)
{
    FAutoCenter = src.FAutoCenter;
    FFrameStyle = src.FFrameStyle;
    FTextAngle = src.FTextAngle;
    FTextPosX = src.FTextPosX;
    FTextPosY = src.FTextPosY;
    FAntiAlias = src.FAntiAlias;
    FHost.PaintLater();
    FHost.SizeHintChanged();
}

void TRotLabCore::AdjustAutoCenter()
{
    const QSize size = FHost.Size();
    FTextPosX = size.width() / 2;
    FTextPosY = size.height() / 2;
}

bool TRotLabCore::FollowSize(bool placed)
{
    if (!placed || !FAutoCenter)
        return false;
    AdjustAutoCenter();
    return true;
}

void TRotLabCore::DrawFrameAround(QSize size)
{
    DrawFrame(FCanvas, FFrameStyle, 0, 0, size.width() - 1, size.height() - 1, clWhite, clSilver, clGray, clBlack,
              clBlack);
}

void TRotLabCore::DrawText(QRect&, unsigned Flags)
{
    if ((Flags & DrawTextMeasureOnly) || FBitmap.isNull())
        return;
    const QString text = FCaption;

    // The control's font with the chosen glyph quality; everything else of
    // it (family, size, weight, style) is kept.
    QFont f = FHost.Font();
    f.setStyleHint(QFont::AnyStyle, FAntiAlias ? QFont::PreferAntialias : QFont::PreferDefault);
    // Set only when it changed, so that the canvas keeps its font metrics.
    if (FCanvas.Font() != f)
        FCanvas.SetFont(f);
    FCanvas.SetBrushStyle(bsClear);
    if (text.isEmpty())
        return;

    // Measured along the text's own baseline, so the angle does not change them.
    const int w2 = FCanvas.TextWidth(text) / 2;
    const int h2 = FCanvas.TextHeight(text) / 2;
    const QPoint o = RotLabTextOrigin(FAlignment, FTextAngle, FTextPosX, FTextPosY, w2, h2);
    // The painter turns by whole degrees; one turn more or less is the same
    // direction, and reducing keeps huge angles exact.
    const int degrees = FTextAngle % 360;

    // Disabled, by itself or by a disabled parent as every Qt widget is, in
    // the engraved look of the system's highlight and shadow colours.
    const TColor color = ColorFromRgb(FHost.Palette().color(QPalette::Active, QPalette::WindowText).rgb());
    TTurnedText turned(FCanvas, text, degrees);
    DrawCaptionLook(
        FCanvas, FHost.Enabled(), color, o.x(), o.y(),
        [&](int x, int y) { turned.Draw(x, y); },
        {.Light = clBtnHighlight, .Shadow = clBtnShadow});
}

QSize TRotLabCore::SizeHint() const
{
    const QFontMetrics fm = MeasuringMetrics(FHost.Font());
    const int tw = fm.horizontalAdvance(FCaption), th = fm.height();
    // The cell's top-left corner relative to the reference point, as drawn.
    const QPoint o = RotLabTextOrigin(FAlignment, FTextAngle, 0, 0, tw / 2, th / 2);
    const double r = (FTextAngle % 360) / 180.0 * std::numbers::pi;
    const double c = std::cos(r), s = std::sin(r);
    // The cell's corners turned counter-clockwise about the origin; the box
    // round them, whole pixels outward and one more for the edges that
    // turned glyphs smooth over.
    double left = 0, right = 0, top = 0, bottom = 0;
    for (const auto& [u, v] : {std::pair{0, 0}, {tw, 0}, {0, th}, {tw, th}}) {
        const double x = u * c + v * s, y = v * c - u * s;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    const int x0 = o.x() + int(std::floor(left)) - 1, x1 = o.x() + int(std::ceil(right)) + 1;
    const int y0 = o.y() + int(std::floor(top)) - 1, y1 = o.y() + int(std::ceil(bottom)) + 1;
    const int fw = FrameWidth(FFrameStyle);
    // Centred, each half holds the farther side; otherwise the text reaches
    // from the fixed reference point.
    // Held to the largest size a widget takes (QWIDGETSIZE_MAX).
    static constexpr int64_t maxSize = (1 << 24) - 1;
    auto size = [](int64_t w, int64_t h) {
        return QSize(int(std::clamp<int64_t>(w, 0, maxSize)), int(std::clamp<int64_t>(h, 0, maxSize)));
    };
    if (FAutoCenter)
        return size(2 * (int64_t(std::max(-x0, x1)) + fw), 2 * (int64_t(std::max(-y0, y1)) + fw));
    return size(std::max<int64_t>(int64_t(FTextPosX) + x1 + fw, 2 * fw),
                std::max<int64_t>(int64_t(FTextPosY) + y1 + fw, 2 * fw));
}

} // namespace vorn
