// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Frames, colour schemes and the line-height probe.
#include "TestSupport.h"
#include "vornbase.h"
#include "vornbase_p.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <utility>

using namespace vorn;

namespace {

// Distinct colours for the five roles.
constexpr TColor W = 0x0000F1, S = 0x0000F2, G = 0x0000F3, B = 0x0000F4, SF = 0x0000F5;
constexpr TColor Bg = 0x00AA00;

QImage Framed(TFrameStyle fs, int l, int t, int r, int b, int w = 12, int h = 12)
{
    QImage img = NewBitmap(w, h);
    TCanvas cv(img);
    cv.SetBrushColor(Bg);
    cv.FillRect(0, 0, w, h);
    cv.SetPenColor(0x123456);
    DrawFrame(cv, fs, l, t, r, b, W, S, G, B, SF);
    return img;
}

// The expected colour of (x, y) for a bevel on (L, T, R, B), later strokes
// over earlier ones.
TColor Bevel(int x, int y, int L, int T, int R, int Bt, TColor otl, TColor obr, TColor itl, TColor ibr)
{
    if (y == Bt && x >= L && x <= R)
        return obr;
    if (x == R && y >= T + 1 && y <= Bt - 1)
        return obr;
    if (y == T && x >= L && x <= R)
        return otl;
    if (x == L && y >= T && y <= Bt)
        return otl;
    if (y == Bt - 1 && x >= L + 1 && x <= R - 1)
        return ibr;
    if (x == R - 1 && y >= T + 2 && y <= Bt - 2)
        return ibr;
    if (y == T + 1 && x >= L + 1 && x <= R - 1)
        return itl;
    if (x == L + 1 && y >= T + 2 && y <= Bt - 2)
        return itl;
    return Bg;
}

struct BevelCase
{
    TFrameStyle fs;
    TColor otl, obr, itl, ibr;
};

class BevelStyles : public ::testing::TestWithParam<BevelCase>
{};

TEST_P(BevelStyles, ColourEveryPixelOfBothRings)
{
    const BevelCase c = GetParam();
    const QImage img = Framed(c.fs, 1, 2, 10, 9);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(At(img, x, y), Bevel(x, y, 1, 2, 10, 9, c.otl, c.obr, c.itl, c.ibr)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Frames, BevelStyles,
                         ::testing::Values(BevelCase{fsLowered, G, W, B, S}, BevelCase{fsRaised, W, B, S, G},
                                           BevelCase{fsEmbossed, W, G, G, W}, BevelCase{fsEngraved, G, W, W, G}));

TEST(DrawFrame, LoweredCornersBelongToTheirEdges)
{
    const QImage img = Framed(fsLowered, 0, 0, 9, 9);
    EXPECT_EQ(At(img, 9, 0), G); // top-right: top edge
    EXPECT_EQ(At(img, 0, 9), W); // bottom-left: bottom edge
    EXPECT_EQ(At(img, 8, 1), B);
    EXPECT_EQ(At(img, 1, 8), S);
    for (int y = 2; y <= 7; ++y)
        for (int x = 2; x <= 7; ++x)
            EXPECT_EQ(At(img, x, y), Bg);
}

TEST(DrawFrame, SimpleColoursExactlyTheOutline)
{
    const QImage img = Framed(fsSimple, 0, 0, 9, 4);
    int outline = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool on = x <= 9 && y <= 4 && (x == 0 || x == 9 || y == 0 || y == 4);
            EXPECT_EQ(At(img, x, y), on ? SF : Bg) << x << "," << y;
            outline += on;
        }
    EXPECT_EQ(outline, 26);
}

TEST(DrawFrame, NoneAndUnknownStylesTouchNothing)
{
    for (int fs : {0, 6, 200}) {
        QImage img = NewBitmap(6, 6);
        TCanvas cv(img);
        cv.SetPenColor(0x123456);
        DrawFrame(cv, static_cast<TFrameStyle>(fs), 0, 0, 5, 5, W, S, G, B, SF);
        EXPECT_EQ(cv.PenColor(), 0x123456u);
        EXPECT_EQ(img, NewBitmap(6, 6));
    }
}

TEST(DrawFrame, TinyRectanglesUseTheSameStrokes)
{
    // 2 x 2: the later strokes overwrite the earlier ones, and the inner
    // bottom-right stroke runs from row T + 2 (below the frame) upwards.
    const QImage img = Framed(fsLowered, 3, 3, 4, 4);
    EXPECT_EQ(At(img, 3, 3), G);
    EXPECT_EQ(At(img, 4, 3), B);
    EXPECT_EQ(At(img, 3, 4), S);
    EXPECT_EQ(At(img, 4, 4), W);
    EXPECT_EQ(At(img, 3, 5), S);
}

TEST(DrawFrame, LeavesThePenWithTheLastColourUsed)
{
    QImage img = NewBitmap(6, 6);
    TCanvas cv(img);
    DrawFrame(cv, fsRaised, 0, 0, 5, 5, W, S, G, B, SF);
    EXPECT_EQ(cv.PenColor(), G);
}

class Schemed : public TSchemeLines
{
public:
    using TSchemeLines::CopySchemeLines;
    using TSchemeLines::FColBlackLine;
    using TSchemeLines::FColGrayLine;
    using TSchemeLines::FColorScheme;
    using TSchemeLines::FColWhiteLine;
    using TSchemeLines::StoreColorScheme;
};

TEST(ColorScheme, DerivesGrayAndWhiteAndKeepsBlack)
{
    Schemed s;
    EXPECT_EQ(s.FColorScheme, csBWG);
    EXPECT_FALSE(s.StoreColorScheme(csBWG)); // unchanged: nothing to repaint
    EXPECT_TRUE(s.StoreColorScheme(csSystem));
    EXPECT_EQ(s.FColGrayLine, clBtnShadow);
    EXPECT_EQ(s.FColWhiteLine, clBtnHighlight);
    EXPECT_EQ(s.FColBlackLine, clBlack);
    EXPECT_TRUE(s.StoreColorScheme(csBWG));
    EXPECT_EQ(s.FColGrayLine, 0x808080u);
    EXPECT_EQ(s.FColWhiteLine, 0xFFFFFFu);
    EXPECT_EQ(s.FColBlackLine, clBlack);
}

TEST(ColorScheme, CopyTakesTheColoursAsTheyAre)
{
    Schemed a, b;
    a.FColGrayLine = 0x111111; // not what the scheme would derive
    a.FColorScheme = csSystem;
    b.CopySchemeLines(a);
    EXPECT_EQ(b.FColGrayLine, 0x111111u);
    EXPECT_EQ(b.FColorScheme, csSystem);
}

// The first and last rows that a text inks when the canvas writes it at row
// `top` of a white bitmap three times as high.
std::pair<int, int> InkRows(const QFont& font, const QString& text, int top)
{
    QImage img = NewBitmap(QFontMetrics(font).horizontalAdvance(text) + 8, 3 * top);
    TCanvas cv(img);
    cv.SetFont(font);
    cv.TextOut(4, top, text);
    int first = -1, last = -1;
    for (int y = 0; y < img.height(); ++y)
        if (CountNot(img, clWhite, 0, y, img.width(), y + 1) > 0) {
            if (first < 0)
                first = y;
            last = y;
        }
    return {first, last};
}

// The height the canvas gives for the probe is the font's full line height,
// and the probe's glyphs fill that line: they reach above the digits and
// below their baseline, as far as any letter does, from the line's top to
// its bottom.
TEST(TextHeightProbe, SpansTheFullLineHeightItMeasures)
{
    const QString digits = QStringLiteral("0123456789");
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    for (const auto& [family, px] : {std::pair{"DejaVu Sans", 11}, std::pair{"DejaVu Sans", 24},
                                     std::pair{"DejaVu Serif", 16}}) {
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(px);
        QImage img = NewBitmap(1, 1);
        TCanvas cv(img);
        cv.SetFont(font);
        const int line = cv.TextHeight(TextHeightProbe);
        EXPECT_EQ(line, QFontMetrics(font, &img).height()) << family << " " << px;

        const auto [top, bottom] = InkRows(font, TextHeightProbe, line);
        const auto [digitsTop, digitsBottom] = InkRows(font, digits, line);
        const auto [lettersTop, lettersBottom] = InkRows(font, letters, line);
        ASSERT_GE(digitsTop, 0) << family << " " << px;
        EXPECT_LT(top, digitsTop) << family << " " << px;
        EXPECT_GT(bottom, digitsBottom) << family << " " << px;
        EXPECT_LE(top, lettersTop) << family << " " << px;
        EXPECT_GE(bottom, lettersBottom) << family << " " << px;
        // Within a pixel of smoothing, the probe's ink is as high as the line.
        EXPECT_NEAR(bottom - top + 1, line, 1) << family << " " << px;
        EXPECT_NEAR(top, line, 1) << family << " " << px;
    }
}

TEST(CannotAssign, NamesBothClassesAndNilForNone)
{
    QObject o;
    EXPECT_EQ(ClassNameOf(&o), QStringLiteral("QObject"));
    EXPECT_EQ(ClassNameOf(nullptr), QStringLiteral("nil"));
    try {
        ThrowCannotAssign(ClassNameOf(nullptr), ClassNameOf(&o));
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign a nil to a QObject"));
    }
}

} // namespace
