#include "vornbase.h"

QString ClassNameOf(const QObject* o)
{
    return o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("nil");
}

void ThrowCannotAssign(const QString& from, const QString& to)
{
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(from, to));
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
