// The character matrix: building it from a font, drawing characters and
// strings from it, and measuring a text.
#include "RasterLab.h"

#include "Saturate.h"

#include <algorithm>

namespace {

// Codes beyond the matrix draw as the space.
int CodeOf(QChar c)
{
    return c.unicode() > 255 ? 32 : c.unicode();
}

bool IsDefaultFont(const QFont* Font)
{
    return !Font || Font->family().toLower() == QLatin1String("default");
}

TRDCharMatrix BuiltInFont()
{
    TRDCharMatrix m; // every row of every code starts cleared
    m.FontHeight = Font_12x7_Courier_Height;
    m.FontWidth = Font_12x7_Courier_Width;
    for (int c = 32; c <= 255; ++c) {
        const uint8_t* e = BitData_Font_12x7_Courier[c - 32];
        m.LeftMostBit[c] = e[0];
        m.RightMostBit[c] = e[1];
        for (int row = 0; row < Font_12x7_Courier_Height; ++row)
            m.BitData[c][row] = e[2 + row];
    }
    return m;
}

// Every character rendered alone at the top-left of a white 65 x 65 bitmap;
// any pixel of the top-left 32 x 32 that is not pure white is a dot.
TRDCharMatrix RenderedFont(const QFont& Font, TColor FontColor)
{
    TRDCharMatrix m;
    QImage bmp = NewBitmap(65, 65);
    TCanvas cv(bmp);
    cv.SetFont(Font);
    cv.SetFontColor(FontColor);
    for (int c = 32; c <= 255; ++c) {
        cv.SetPenColor(clWhite);
        cv.SetBrushColor(clWhite);
        cv.Rectangle(0, 0, 100, 100);
        cv.SetPenColor(clBlack);
        cv.TextOut(0, 0, QString(QChar(c)));
        int rmbit = 0, lmbit = 31;
        for (int j = 0; j < 32; ++j) {
            uint32_t mask = 0;
            for (int i = 0; i < 32; ++i) {
                mask >>= 1;
                if (cv.Pixel(i, j) != clWhite) {
                    mask |= 0x80000000u;
                    rmbit = std::max(rmbit, i);
                    lmbit = std::min(lmbit, i);
                }
            }
            m.BitData[c][j] = mask;
            if (mask != 0 && j + 1 > m.FontHeight)
                m.FontHeight = j + 1;
        }
        m.LeftMostBit[c] = uint8_t(lmbit);
        m.RightMostBit[c] = uint8_t(rmbit);
        m.FontWidth = std::max(m.FontWidth, rmbit - lmbit + 1);
    }
    // The space is as wide as half the widest glyph, whatever the font draws.
    m.LeftMostBit[32] = 0;
    m.RightMostBit[32] = uint8_t(m.FontWidth / 2);
    return m;
}

} // namespace

TRDCharMatrix TRasterLab::CreateBitFont(const QFont* Font, TColor FontColor)
{
    return IsDefaultFont(Font) ? BuiltInFont() : RenderedFont(*Font, FontColor);
}

int TRasterLab::PaintChar(TCanvas& cv, const TRDCharMatrix& CMat, int PosX, int PosY, QChar c, int DotSize,
                          int DotSpacing, TColor ColorFg, TColor /*ColorFgIA*/, TColor /*ColorBg*/, bool FixedWidth)
{
    // Only the on-dots are drawn: the off-dots are the raster beneath.
    const int code = CodeOf(c);
    int64_t lmb = CMat.LeftMostBit[code], rmb = CMat.RightMostBit[code];
    if (FixedWidth) {
        lmb = 0;
        rmb = int64_t(CMat.FontWidth) - 1;
    }
    const int64_t pitch = int64_t(DotSize) + DotSpacing;
    const int rows = std::clamp(CMat.FontHeight, 0, 32);
    for (int i = 0; i < rows; ++i) {
        uint32_t bits = lmb < 32 ? CMat.BitData[code][i] >> lmb : 0;
        const int y = ClampCoord(PosY + i * pitch);
        for (int64_t j = lmb; j <= rmb && bits != 0; ++j, bits >>= 1) {
            if (!(bits & 1))
                continue;
            const int x = ClampCoord(PosX + (j - lmb) * pitch);
            if (DotSize == 1) {
                cv.SetPixel(x, y, ColorFg);
            } else {
                cv.SetPenColor(ColorFg);
                cv.SetBrushColor(ColorFg);
                cv.Rectangle(x, y, x + DotSize, y + DotSize);
            }
        }
    }
    // A glyph without dots (its right bound left of its left bound) takes no
    // columns, so that it never pulls the following characters back.
    if (rmb < lmb)
        return 0;
    return ClampToInt((rmb - lmb + 1) * pitch);
}

void TRasterLab::PaintString(TCanvas& cv, const TRDCharMatrix& CMat, int PosX, int PosY, const QString& txt,
                             int DotSize, int DotSpacing, TColor ColorFg, TColor ColorFgIA, TColor ColorBg,
                             TRDBlockMode CharBlocks, bool Proportional, int& TextBitLength)
{
    int64_t P = PosX;
    const int64_t pitch = int64_t(DotSize) + DotSpacing;
    // In character blocks the blank dot column before P is background from
    // the top to the bottom of the control (pitch - 1 pixel columns).
    auto WipeColumn = [&] {
        if (CharBlocks != rdbmOn)
            return;
        cv.SetPenColor(ColorBg);
        cv.SetBrushColor(ColorBg);
        cv.Rectangle(ClampCoord(P - pitch), 0, ClampCoord(P - 1), height());
    };
    WipeColumn();
    for (const QChar ch : txt) {
        const int w = PaintChar(cv, CMat, ClampCoord(P), PosY, ch, DotSize, DotSpacing, ColorFg, ColorFgIA, ColorBg,
                                !Proportional);
        P += Proportional ? w + pitch : int64_t(CMat.FontWidth) * pitch + pitch;
        WipeColumn();
    }
    TextBitLength = ClampToInt(P - PosX + 1);
}

int TRasterLab::CalcTextBitLength(const QString& txt) const
{
    const int64_t pitch = int64_t(FDotSize) + FDotSpacing;
    int64_t len = 0;
    for (const QChar ch : txt) {
        const int code = CodeOf(ch);
        const int64_t cols = FProportional
                                 ? std::max<int64_t>(int64_t(FCMat.RightMostBit[code]) - FCMat.LeftMostBit[code] + 1, 0)
                                 : int64_t(FCMat.FontWidth);
        len += (cols + 1) * pitch;
    }
    return ClampToInt(len);
}
