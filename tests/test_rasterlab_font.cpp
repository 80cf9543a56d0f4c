// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The character matrix: the built-in font, rendered fonts, and drawing and
// measuring characters and strings from a matrix.
#include "Probes.h"
#include "RasterLab.h"
#include "TestSupport.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <utility>
#include <vector>

using namespace vorn;

namespace {

constexpr TColor Fg = 0x00FF00, Bg = 0x123456;

QFont PixelFont(const QString& family, int px)
{
    QFont f(family);
    f.setPixelSize(px);
    return f;
}

struct Telling
{
    int code;
    int left, right;
    std::vector<uint32_t> rows;
};

class TellingGlyphs : public ::testing::TestWithParam<Telling>
{};

TEST_P(TellingGlyphs, HaveExactlyTheirBoundsAndRows)
{
    const Telling t = GetParam();
    const TRDCharMatrix m = TRasterLab::CreateBitFont(nullptr);
    EXPECT_EQ(m.LeftMostBit[t.code], t.left);
    EXPECT_EQ(m.RightMostBit[t.code], t.right);
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(m.BitData[t.code][row], row < 12 ? t.rows[row] : 0u) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(
    BuiltIn, TellingGlyphs,
    ::testing::Values(Telling{32, 0, 6, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                      Telling{33, 3, 3, {0x00, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x00, 0x08, 0x00, 0x00}},
                      Telling{65, 0, 6, {0x00, 0x08, 0x08, 0x14, 0x14, 0x22, 0x3E, 0x22, 0x22, 0x77, 0x00, 0x00}},
                      Telling{103, 0, 6, {0x00, 0x00, 0x00, 0x00, 0x7E, 0x21, 0x21, 0x21, 0x3E, 0x20, 0x20, 0x1E}},
                      Telling{108, 0, 6, {0x00, 0x0C, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x3E, 0x00, 0x00}},
                      Telling{124, 3, 3, {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}},
                      Telling{169, 0, 6, {0x00, 0x1C, 0x22, 0x59, 0x45, 0x45, 0x59, 0x22, 0x1C, 0x00, 0x00, 0x00}}));

TEST(BuiltInFont, IsChosenByTheNameDefaultInAnyCase)
{
    const TRDCharMatrix none = TRasterLab::CreateBitFont(nullptr);
    EXPECT_EQ(none.FontWidth, 7);
    EXPECT_EQ(none.FontHeight, 12);
    for (const char* name : {"default", "Default", "DEFAULT"}) {
        const QFont f(QString::fromLatin1(name), 30);
        const TRDCharMatrix m = TRasterLab::CreateBitFont(&f, clBlack);
        EXPECT_EQ(m.FontWidth, 7) << name;
        EXPECT_EQ(m.FontHeight, 12) << name;
        EXPECT_EQ(std::memcmp(m.BitData, none.BitData, sizeof m.BitData), 0) << name;
    }
}

// The layout rules every entry keeps: seven columns, twelve rows, bounds that
// are the columns used (or fixed where the code range says so), descenders
// only where they belong, bars over the overbarred letters.
TEST(BuiltInFont, EveryEntryKeepsTheLayoutOfItsRange)
{
    const TRDCharMatrix m = TRasterLab::CreateBitFont(nullptr);
    const QString descenders = QStringLiteral("gjpqy()[]{}|,;_Q");
    for (int c = 0; c < 32; ++c)
        for (int row = 0; row < 32; ++row)
            EXPECT_EQ(m.BitData[c][row], 0u) << c;
    for (int c = 32; c <= 255; ++c) {
        uint32_t all = 0;
        for (int row = 0; row < 32; ++row) {
            EXPECT_EQ(m.BitData[c][row] & ~0x7Fu, 0u) << c;
            if (row >= 12) {
                EXPECT_EQ(m.BitData[c][row], 0u) << c;
            }
            all |= m.BitData[c][row];
        }
        const bool blank = c == 32 || c == 127 || (c >= 155 && c <= 160);
        EXPECT_EQ(all == 0, blank) << c;
        if (blank || c >= 161 || c == 'l') {
            EXPECT_EQ(m.LeftMostBit[c], 0) << c;
            EXPECT_EQ(m.RightMostBit[c], 6) << c;
        } else if (c == 128) {
            EXPECT_EQ(m.LeftMostBit[c], 0);
            EXPECT_EQ(m.RightMostBit[c], 5);
        } else {
            EXPECT_EQ(m.LeftMostBit[c], std::countr_zero(all)) << c;
            EXPECT_EQ(m.RightMostBit[c], 31 - std::countl_zero(all)) << c;
        }
        if (c >= 33 && c <= 126) {
            EXPECT_EQ((m.BitData[c][10] | m.BitData[c][11]) != 0, descenders.contains(QChar(c))) << char(c);
        }
    }
    for (int c = 129; c <= 154; ++c) {
        const char letter = char('a' + c - 129);
        const int barRow = QByteArray("bdfhkl").contains(letter) ? 0 : 1;
        const uint32_t bar = m.BitData[c][barRow];
        const uint32_t span = ((1u << (m.RightMostBit[c] + 1)) - 1) & ~((1u << m.LeftMostBit[c]) - 1);
        EXPECT_EQ(bar, span) << letter;
        EXPECT_EQ(m.BitData[c][barRow + 1], 0u) << letter;
    }
}

TEST(RenderedFont, SamplesTheTopLeftOfEachCharacterWithAnyNonWhitePixelADot)
{
    const QFont f = PixelFont(QStringLiteral("DejaVu Sans"), 11);
    const TRDCharMatrix m = TRasterLab::CreateBitFont(&f, clBlack);

    // 'H' drawn independently: every non-white pixel of the cell is a dot.
    QImage ref(65, 65, QImage::Format_RGB32);
    ref.fill(Qt::white);
    {
        QPainter p(&ref);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(0, QFontMetrics(f, &ref).ascent(), QStringLiteral("H"));
    }
    int lowest = -1;
    for (int j = 0; j < 32; ++j) {
        uint32_t mask = 0;
        for (int i = 0; i < 32; ++i)
            if (ref.pixel(i, j) != qRgb(255, 255, 255))
                mask |= 1u << i;
        EXPECT_EQ(m.BitData[uint8_t('H')][j], mask) << "row " << j;
        if (mask)
            lowest = j;
    }
    ASSERT_GT(lowest, 0);

    int widest = 0, height = 0;
    for (int c = 33; c <= 255; ++c) {
        if (m.LeftMostBit[c] <= m.RightMostBit[c])
            widest = std::max(widest, m.RightMostBit[c] - m.LeftMostBit[c] + 1);
        for (int j = 0; j < 32; ++j)
            if (m.BitData[c][j])
                height = std::max(height, j + 1);
    }
    EXPECT_EQ(m.FontWidth, widest);
    EXPECT_EQ(m.FontHeight, height);
    EXPECT_GE(m.FontHeight, lowest + 1);
    // The space spans half the widest glyph, whatever the font draws for it.
    EXPECT_EQ(m.LeftMostBit[32], 0);
    EXPECT_EQ(m.RightMostBit[32], m.FontWidth / 2);
}

// The matrix built the plain way: every character drawn by a painter of its
// own on a fresh white 65 x 65 bitmap and read pixel by pixel.
TRDCharMatrix OneGlyphAtATime(const QFont& f, QRgb color)
{
    TRDCharMatrix m;
    for (int c = 32; c <= 255; ++c) {
        QImage bmp = NewBitmap(65, 65);
        {
            QPainter p(&bmp);
            p.setFont(f);
            p.setPen(QColor::fromRgb(color));
            p.drawText(0, QFontMetrics(f, &bmp).ascent(), QString(QChar(c)));
        }
        int left = 31, right = 0;
        for (int j = 0; j < 32; ++j) {
            uint32_t mask = 0;
            for (int i = 0; i < 32; ++i)
                if (bmp.pixel(i, j) != qRgb(255, 255, 255)) {
                    mask |= 1u << i;
                    left = std::min(left, i);
                    right = std::max(right, i);
                }
            m.BitData[c][j] = mask;
            if (mask)
                m.FontHeight = std::max(m.FontHeight, j + 1);
        }
        m.LeftMostBit[c] = uint8_t(left);
        m.RightMostBit[c] = uint8_t(right);
        m.FontWidth = std::max(m.FontWidth, right - left + 1);
    }
    m.LeftMostBit[32] = 0;
    m.RightMostBit[32] = uint8_t(m.FontWidth / 2);
    return m;
}

// Small and point-sized glyphs, and large slanted ones that run past the
// sampled cell to the bitmap's edges; in black and in a gray whose
// anti-aliased edges are faint.
TEST(RenderedFont, EqualsEveryCharacterDrawnAloneOnItsOwnBitmap)
{
    QFont italic = PixelFont(QStringLiteral("DejaVu Math TeX Gyre"), 90);
    italic.setItalic(true);
    QFont bold(QStringLiteral("DejaVu Serif"), 9);
    bold.setBold(true);
    const std::pair<QFont, TColor> cases[] = {
        {PixelFont(QStringLiteral("DejaVu Sans"), 11), clBlack},
        {bold, 0x808080},
        {italic, clBlack},
    };
    for (const auto& [font, color] : cases) {
        const TRDCharMatrix m = TRasterLab::CreateBitFont(&font, color);
        const TRDCharMatrix want = OneGlyphAtATime(font, RgbFromColor(color));
        EXPECT_EQ(m.FontWidth, want.FontWidth) << font.toString().toStdString();
        EXPECT_EQ(m.FontHeight, want.FontHeight) << font.toString().toStdString();
        for (int c = 32; c <= 255; ++c) {
            EXPECT_EQ(m.LeftMostBit[c], want.LeftMostBit[c]) << c;
            EXPECT_EQ(m.RightMostBit[c], want.RightMostBit[c]) << c;
            EXPECT_EQ(std::memcmp(m.BitData[c], want.BitData[c], sizeof m.BitData[c]), 0) << c;
        }
    }
}

TEST(RenderedFont, IsCutAtColumnAndRow31)
{
    const QFont f = PixelFont(QStringLiteral("DejaVu Sans"), 60);
    const TRDCharMatrix m = TRasterLab::CreateBitFont(&f, clBlack);
    EXPECT_EQ(m.FontWidth, 32);
    EXPECT_EQ(m.FontHeight, 32);
    EXPECT_EQ(m.RightMostBit[uint8_t('M')], 31);
    EXPECT_NE(m.BitData[uint8_t('l')][31], 0u);
}

TEST(RenderedFont, InWhiteHasNoDotsAndItsGlyphsTakeNoColumns)
{
    const QFont f = PixelFont(QStringLiteral("DejaVu Sans"), 11);
    const TRDCharMatrix m = TRasterLab::CreateBitFont(&f, clWhite);
    EXPECT_EQ(m.FontWidth, 0);
    EXPECT_EQ(m.FontHeight, 0);
    for (int c = 33; c <= 255; ++c) {
        EXPECT_EQ(m.LeftMostBit[c], 31) << c;
        EXPECT_EQ(m.RightMostBit[c], 0) << c;
    }
    EXPECT_EQ(m.LeftMostBit[32], 0);
    EXPECT_EQ(m.RightMostBit[32], 0);

    // Each empty glyph keeps only its blank column: the text never runs
    // backwards.
    RasterLabProbe lab;
    lab.SetCharMatrix(m);
    EXPECT_EQ(lab.CalcTextBitLength(QStringLiteral("AB")), 2 * 4);
    QImage img = NewBitmap(40, 20);
    TCanvas cv(img);
    int len = 0;
    lab.PaintString(cv, m, 10, 0, QStringLiteral("AB"), 3, 1, Fg, Fg, Bg, rdbmOff, true, len);
    EXPECT_EQ(len, 2 * 4 + 1);
}

TEST(TextBitLength, OfAExclamationIs40ProportionalAnd64Fixed)
{
    RasterLabProbe lab;
    EXPECT_EQ(lab.CalcTextBitLength(QStringLiteral("A!")), 40);
    EXPECT_EQ(lab.CalcTextBitLength(QString()), 0);
    lab.SetProportional(false);
    EXPECT_EQ(lab.CalcTextBitLength(QStringLiteral("A!")), 64);
}

TEST(PaintChar, DrawsTheOnDotsAsSquaresAndReturnsTheGlyphWidth)
{
    RasterLabProbe lab;
    const TRDCharMatrix m = lab.CharMatrix();
    QImage img = NewBitmap(40, 50);
    TCanvas cv(img);
    EXPECT_EQ(lab.PaintChar(cv, m, 10, 5, QChar('!'), 3, 1, Fg, 0x0000FF, 0xFF0000, false), 4);
    const std::vector<int> tops = {9, 13, 17, 21, 25, 29, 33, 41};
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 40; ++x) {
            bool on = false;
            for (int t : tops)
                on = on || (x >= 10 && x <= 12 && y >= t && y <= t + 2);
            EXPECT_EQ(At(img, x, y), on ? Fg : clWhite) << x << "," << y;
        }
}

TEST(PaintChar, AtFixedWidthTakesTheWholeCell)
{
    RasterLabProbe lab;
    QImage img = NewBitmap(60, 50);
    TCanvas cv(img);
    EXPECT_EQ(lab.PaintChar(cv, lab.CharMatrix(), 10, 5, QChar('!'), 3, 1, Fg, Fg, Bg, true), 28);
    EXPECT_EQ(At(img, 22, 9), Fg); // column 3 of the cell
    EXPECT_EQ(CountColor(img, Fg), 8 * 9);
}

TEST(PaintChar, OnePixelDotsAreSinglePixels)
{
    RasterLabProbe lab;
    const TRDCharMatrix m = lab.CharMatrix();
    QImage img = NewBitmap(30, 30);
    TCanvas cv(img);
    EXPECT_EQ(lab.PaintChar(cv, m, 2, 3, QChar('A'), 1, 1, Fg, Fg, Bg, false), 14);
    int dots = 0;
    for (int row = 0; row < 12; ++row)
        for (int col = 0; col < 7; ++col) {
            const bool on = (m.BitData[uint8_t('A')][row] >> col) & 1;
            dots += on;
            EXPECT_EQ(At(img, 2 + 2 * col, 3 + 2 * row), on ? Fg : clWhite) << col << "," << row;
        }
    EXPECT_EQ(CountColor(img, Fg), dots);
}

TEST(PaintString, EmptyTextInBlocksStillWipesTheColumnBeforeIt)
{
    RasterLabProbe lab;
    lab.resize(30, 20);
    QImage img = NewBitmap(30, 20);
    TCanvas cv(img);
    int len = -1;
    lab.PaintString(cv, lab.CharMatrix(), 10, 3, QString(), 3, 1, Fg, Fg, Bg, rdbmOn, true, len);
    EXPECT_EQ(len, 1);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            EXPECT_EQ(At(img, x, y), x >= 6 && x <= 8 ? Bg : clWhite) << x << "," << y;
}

TEST(PaintString, SeparatesTheCharactersByWipedColumnsAndReportsItsLength)
{
    RasterLabProbe lab;
    lab.resize(60, 50);
    QImage img = NewBitmap(60, 50);
    TCanvas cv(img);
    int len = 0;
    lab.PaintString(cv, lab.CharMatrix(), 10, 1, QStringLiteral("A!"), 3, 1, Fg, Fg, Bg, rdbmOn, true, len);
    EXPECT_EQ(len, 41);
    // Blank columns before the text, after A (7 columns) and after !.
    for (int x : {6, 8, 38, 40, 46, 48})
        for (int y : {0, 25, 49})
            EXPECT_EQ(At(img, x, y), Bg) << x << "," << y;
    EXPECT_EQ(At(img, 9, 0), clWhite);
    EXPECT_EQ(At(img, 42, 5), Fg); // the ! right after A's blank column
}

TEST(PaintString, DrawsCodesAbove255AsTheSpace)
{
    RasterLabProbe lab;
    QImage img = NewBitmap(60, 60);
    TCanvas cv(img);
    int len = 0;
    lab.PaintString(cv, lab.CharMatrix(), 0, 0, QStringLiteral(u"\u20AC"), 3, 1, Fg, Fg, Bg, rdbmOff, true, len);
    EXPECT_EQ(len, 8 * 4 + 1);
    EXPECT_EQ(CountColor(img, Fg), 0);
}

// Draws all 224 glyphs, 16 to a line, through the label itself; the sheet is
// written to $RASTER_FONT_SHEET when that is set (docs/raster-font.png).
TEST(GlyphSheet, EveryGlyphIsDrawnDotForDot)
{
    constexpr int PerLine = 16, Lines = 14;
    const TRDCharMatrix m = TRasterLab::CreateBitFont(nullptr);
    TRasterLab lab;
    lab.SetFrameStyle(fsNone);
    lab.SetProportional(false);
    lab.SetCharBlockMode(rdbmRaster);
    lab.SetDotSize(3);
    lab.SetDotSpacing(1);
    lab.SetXPos(4);
    lab.SetYPos(4);
    lab.resize(8 + PerLine * 8 * 4, 8 + 12 * 4);
    QImage sheet(lab.width(), lab.height() * Lines, QImage::Format_RGB32);
    QPainter p(&sheet);
    for (int line = 0; line < Lines; ++line) {
        QString text;
        int dots = 0;
        for (int k = 0; k < PerLine; ++k) {
            const int c = 32 + line * PerLine + k;
            text += QChar(c);
            for (int row = 0; row < 12; ++row)
                dots += std::popcount(m.BitData[c][row]);
        }
        lab.SetLabText(text);
        EXPECT_EQ(CountColor(lab.Picture(), clLime), dots * 9) << "line " << line;
        p.drawImage(0, line * lab.height(), lab.Picture());
    }
    p.end();
    const QString out = qEnvironmentVariable("RASTER_FONT_SHEET");
    if (!out.isEmpty()) {
        EXPECT_TRUE(sheet.save(out));
    }
}

} // namespace
