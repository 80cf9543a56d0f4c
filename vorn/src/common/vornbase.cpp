// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "vornbase_p.h"

namespace vorn {

QString ClassNameOf(const QObject* o)
{
    if (!o)
        return QStringLiteral("nil");
    // The library's own classes are named without their namespace, as the
    // window descriptions name them.
    QString name = QString::fromLatin1(o->metaObject()->className());
    if (name.startsWith(QLatin1String("vorn::")))
        name.remove(0, 6);
    return name;
}

void ThrowCannotAssign(const QString& from, const QString& to)
{
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(from, to));
}

QFontMetrics MeasuringMetrics(const QFont& font)
{
    static const QImage probe = NewBitmap(1, 1);
    return QFontMetrics(font, &probe);
}

void DrawRectangle(TCanvas& cv, int Left, int Top, int Right, int Bottom)
{
    cv.MoveTo(Left, Top);
    cv.LineTo(Left, Bottom);
    cv.LineTo(Right, Bottom);
    cv.LineTo(Right, Top);
    cv.LineTo(Left, Top);
}

void DrawFrame(TCanvas& cv, TFrameStyle fs, int Left, int Top, int Right, int Bottom, TColor White, TColor Silver,
               TColor Gray, TColor Black, TColor SimpleFCol)
{
    const int L = Left, T = Top, R = Right, B = Bottom;

    // The two-ring bevel: outer ring on the edge, inner ring one pixel in.
    auto DrawFrameParts = [&](TColor OutTopLeft, TColor OutBottomRight, TColor InTopLeft, TColor InBottomRight) {
        cv.SetPenColor(OutTopLeft);
        cv.MoveTo(L, B);
        cv.LineTo(L, T);
        cv.LineTo(R + 1, T);
        cv.MoveTo(R, T + 1);
        cv.SetPenColor(OutBottomRight);
        cv.LineTo(R, B);
        cv.LineTo(L - 1, B);
        cv.SetPenColor(InTopLeft);
        cv.MoveTo(L + 1, B - 1);
        cv.LineTo(L + 1, T + 1);
        cv.LineTo(R, T + 1);
        cv.MoveTo(R - 1, T + 2);
        cv.SetPenColor(InBottomRight);
        cv.LineTo(R - 1, B - 1);
        cv.LineTo(L, B - 1);
    };

    switch (fs) {
    case fsNone: break;
    case fsSimple:
        cv.SetPenColor(SimpleFCol);
        DrawRectangle(cv, L, T, R, B);
        break;
    case fsLowered: DrawFrameParts(Gray, White, Black, Silver); break;
    case fsRaised: DrawFrameParts(White, Black, Silver, Gray); break;
    case fsEmbossed: DrawFrameParts(White, Gray, Gray, White); break;
    case fsEngraved: DrawFrameParts(Gray, White, White, Gray); break;
    default: break;
    }
}

void DrawBevel(TCanvas& cv, TFrameStyle fs, const TFrameLines& lines, int l, int t, int r, int b)
{
    TColor inner, outer;
    switch (fs) {
    case fsLowered: inner = lines.Black, outer = lines.White; break;
    case fsRaised: inner = lines.White, outer = lines.Black; break;
    case fsEmbossed: inner = outer = lines.Gray; break;
    case fsEngraved: inner = outer = lines.White; break;
    default: return;
    }
    cv.SetPenColor(inner);
    cv.MoveTo(l + 1, b - 1);
    cv.LineTo(l + 1, t + 1);
    cv.LineTo(r, t + 1);
    cv.SetPenColor(outer);
    cv.MoveTo(l + 1, b + 1);
    cv.LineTo(r + 1, b + 1);
    cv.LineTo(r + 1, t);
}

void TValueBox::Draw(TCanvas& cv, TFrameStyle fs, const TFrameLines& lines, TColor fill) const
{
    const int right = Left + Width + 2;
    cv.SetPenColor(fs == fsNone ? fill : lines.Ring(fs));
    cv.SetBrushColor(fill);
    if (fs == fsNone || fs == fsSimple) {
        cv.Rectangle(Left, 0, right, Height);
        return;
    }
    cv.Rectangle(Left, 0, right, Height - 1);
    DrawBevel(cv, fs, lines, Left, 0, right - 1, Height - 2);
}

QRect TValueBox::Inside(TFrameStyle fs) const
{
    // The ring of Draw: columns Left .. Left + Width + 1, rows 0 .. bottom.
    const int bottom = (fs == fsNone || fs == fsSimple ? Height : Height - 1) - 1;
    if (Width < 1 || bottom < 2)
        return {};
    return QRect(QPoint(Left + 1, 1), QPoint(Left + Width, bottom - 1));
}

int TValueBox::TextX(TAlignment al, int tw) const
{
    switch (al) {
    case taLeftJustify: return Left + 4;
    case taRightJustify: return Left + Width - 2 - tw;
    case taCenter:
    default: return Left + 2 + (Width - tw) / 2;
    }
}

void TValueBox::DrawText(TCanvas& cv, TAlignment al, int y, const QString& s, int tw) const
{
    DrawTextAt(cv, TextX(al, tw), y, s);
}

void TValueBox::DrawTextAt(TCanvas& cv, int x, int y, const QString& s) const
{
    cv.TextRect(Left + 3, 2, Left + Width - 1, Height - 3, x, y, s);
}

int TValueBox::Zone(int X) const
{
    if (X <= Left)
        return 0;
    if (X <= Left + Width)
        return 1;
    return 2;
}

void DrawCaption(TCanvas& cv, bool Enabled, TColor Color, int x, int y, const QString& s, const TEngravedLook& Look)
{
    DrawCaptionLook(cv, Enabled, Color, x, y, [&](int px, int py) { cv.TextOut(px, py, s); }, Look);
}

bool TSchemeLines::StoreColorScheme(TColorScheme Value)
{
    if (Value == FColorScheme)
        return false;
    FColorScheme = Value;
    if (Value == csSystem) {
        FColGrayLine = clBtnShadow;
        FColWhiteLine = clBtnHighlight;
    } else {
        FColGrayLine = clGray;
        FColWhiteLine = clWhite;
    }
    return true;
}

void TSchemeLines::CopySchemeLines(const TSchemeLines& Source)
{
    FColBlackLine = Source.FColBlackLine;
    FColGrayLine = Source.FColGrayLine;
    FColWhiteLine = Source.FColWhiteLine;
    FColorScheme = Source.FColorScheme;
}

} // namespace vorn
