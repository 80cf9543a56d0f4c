// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The character matrix: building it from a font, drawing characters and
// strings from it, and measuring a text.
#include "RasterLabCore_font_p.h"
#include "RasterLabCore_p.h"

#include "Saturate_p.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <bit>

namespace vorn {

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

// The sampled cell: the top-left 32 x 32 pixels of a character drawn alone
// on a bitmap of 65 x 65. The bitmap is larger than the cell on purpose: the
// rasterizer covers large glyphs next to a device edge differently than
// inside, so the cell's right and bottom edges must not be the bitmap's.
constexpr int CellSize = 32, BitmapSize = 65;

// One cell read back through its rows into row masks (bit i is column i),
// growing the matrix's height and width to hold it. Any pixel that is not
// pure white is a dot.
void ReadCell(const uchar* bits, qsizetype stride, int c, TRDCharMatrix& m)
{
    int rmbit = 0, lmbit = CellSize - 1;
    for (int j = 0; j < CellSize; ++j) {
        const auto* row = reinterpret_cast<const QRgb*>(bits + j * stride);
        uint32_t mask = 0;
        for (int i = 0; i < CellSize; ++i)
            if ((row[i] & 0x00FFFFFFu) != 0x00FFFFFFu)
                mask |= 1u << i;
        if (mask != 0) {
            lmbit = std::min(lmbit, std::countr_zero(mask));
            rmbit = std::max(rmbit, 31 - std::countl_zero(mask));
            m.FontHeight = std::max(m.FontHeight, j + 1);
        }
        m.BitData[c][j] = mask;
    }
    m.LeftMostBit[c] = uint8_t(lmbit);
    m.RightMostBit[c] = uint8_t(rmbit);
    m.FontWidth = std::max(m.FontWidth, rmbit - lmbit + 1);
}

// Every character rendered alone with its cell's top-left corner at the
// top-left of a white bitmap and sampled there. One painter draws all the
// characters; the cell is cleared and read through the bitmap's rows between
// them (the raster engine writes into those rows at once). What a glyph
// leaves outside the cell is never read. Always at ratio 1: the matrix is
// data, not a picture.
TRDCharMatrix RenderedFont(const QFont& Font, TColor FontColor)
{
    TRDCharMatrix m;
    QImage cell = NewBitmap(BitmapSize, BitmapSize);
    uchar* bits = cell.bits();
    const qsizetype stride = cell.bytesPerLine();
    const int ascent = QFontMetrics(Font, &cell).ascent();
    QPainter p(&cell);
    p.setFont(Font);
    p.setPen(QColor::fromRgb(ResolveColor(FontColor)));
    for (int c = 32; c <= 255; ++c) {
        for (int j = 0; j < CellSize; ++j) {
            auto* row = reinterpret_cast<QRgb*>(bits + j * stride);
            std::fill(row, row + CellSize, 0xFFFFFFFFu);
        }
        p.drawText(QPointF(0, ascent), QString(QChar(c)));
        ReadCell(bits, stride, c, m);
    }
    // The space is as wide as half the widest glyph, whatever the font draws.
    m.LeftMostBit[32] = 0;
    m.RightMostBit[32] = uint8_t(m.FontWidth / 2);
    return m;
}

} // namespace

TRDCharMatrix TRasterLabCore::CreateBitFont(const QFont* Font, TColor FontColor)
{
    return IsDefaultFont(Font) ? BuiltInFont() : RenderedFont(*Font, FontColor);
}

int TRasterLabCore::PaintChar(TCanvas& cv, const TRDCharMatrix& CMat, int PosX, int PosY, QChar c, int DotSize,
                              int DotSpacing, TColor ColorFg, TColor /*ColorFgIA*/, TColor /*ColorBg*/,
                              bool FixedWidth) const
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
    // Each on-dot is a DotSize x DotSize block (one pixel for DotSize 1).
    cv.SetBrushColor(ColorFg);
    for (int i = 0; i < rows; ++i) {
        uint32_t bits = lmb < 32 ? CMat.BitData[code][i] >> lmb : 0;
        const int y = ClampCoord(PosY + i * pitch);
        for (int64_t j = lmb; j <= rmb && bits != 0; ++j, bits >>= 1) {
            if (!(bits & 1))
                continue;
            const int x = ClampCoord(PosX + (j - lmb) * pitch);
            cv.FillRect(x, y, x + DotSize, y + DotSize);
        }
    }
    // A glyph without dots (its right bound left of its left bound) takes no
    // columns, so that it never pulls the following characters back.
    if (rmb < lmb)
        return 0;
    return ClampToInt((rmb - lmb + 1) * pitch);
}

void TRasterLabCore::PaintString(TCanvas& cv, const TRDCharMatrix& CMat, int PosX, int PosY, const QString& txt,
                                 int DotSize, int DotSpacing, TColor ColorFg, TColor ColorFgIA, TColor ColorBg,
                                 TRDBlockMode CharBlocks, bool Proportional, int& TextBitLength) const
{
    int64_t P = PosX;
    const int64_t pitch = int64_t(DotSize) + DotSpacing;
    // In character blocks the blank dot column before P is background from
    // the top to the bottom of the control (pitch - 1 pixel columns).
    const int bottom = FHost.Size().height();
    auto WipeColumn = [&] {
        if (CharBlocks != rdbmOn)
            return;
        cv.SetBrushColor(ColorBg);
        cv.FillRect(ClampCoord(P - pitch), 0, ClampCoord(P - 1), bottom);
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

int TRasterLabCore::CalcTextBitLength(const QString& txt) const
{
    const int64_t pitch = int64_t(FDotSize) + FDotSpacing;
    int64_t len = 0;
    const TRDCharMatrix& m = FCMat->Matrix;
    for (const QChar ch : txt) {
        const int code = CodeOf(ch);
        const int64_t cols = FProportional
                                 ? std::max<int64_t>(int64_t(m.RightMostBit[code]) - m.LeftMostBit[code] + 1, 0)
                                 : int64_t(m.FontWidth);
        len += (cols + 1) * pitch;
    }
    return ClampToInt(len);
}

} // namespace vorn
