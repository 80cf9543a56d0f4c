// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The drawing conventions of the canvas, pixel by pixel.
#include "Canvas.h"
#include "Surface.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>

#include <functional>

#include <gtest/gtest.h>

using namespace vorn;

namespace {

constexpr TColor Red = 0x0000FF, Blue = 0xFF0000, Green = 0x00FF00;

TEST(Canvas, RectangleHasPenRingAndBrushInside)
{
    QImage img = NewBitmap(12, 10);
    TCanvas cv(img);
    cv.SetPenColor(Red);
    cv.SetBrushColor(Blue);
    cv.Rectangle(2, 1, 8, 6); // columns 2..7, rows 1..5
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x <= 7 && y >= 1 && y <= 5;
            const bool ring = inside && (x == 2 || x == 7 || y == 1 || y == 5);
            const TColor want = !inside ? clWhite : ring ? Red : Blue;
            EXPECT_EQ(At(img, x, y), want) << x << "," << y;
        }
}

TEST(Canvas, ClearBrushDrawsOnlyTheRingAndABrushColourMakesItSolid)
{
    QImage img = NewBitmap(10, 10);
    TCanvas cv(img);
    cv.SetPenColor(Red);
    cv.SetBrushColor(Blue);
    cv.SetBrushStyle(bsClear);
    cv.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(CountColor(img, Red), 16);
    EXPECT_EQ(CountColor(img, Blue), 0);
    cv.SetBrushColor(Green);
    EXPECT_EQ(cv.BrushStyle(), bsSolid);
    cv.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(CountColor(img, Green), 9);
}

TEST(Canvas, LineLeavesOutItsEndPixel)
{
    QImage img = NewBitmap(10, 10);
    TCanvas cv(img);
    cv.SetPenColor(Red);
    cv.MoveTo(1, 2);
    cv.LineTo(6, 2);
    EXPECT_EQ(CountColor(img, Red), 5);
    EXPECT_EQ(At(img, 1, 2), Red);
    EXPECT_EQ(At(img, 5, 2), Red);
    EXPECT_EQ(At(img, 6, 2), clWhite);
    cv.LineTo(6, 7); // a chain continues from the last end point
    EXPECT_EQ(At(img, 6, 2), Red);
    EXPECT_EQ(At(img, 6, 6), Red);
    EXPECT_EQ(At(img, 6, 7), clWhite);
    cv.MoveTo(8, 8);
    cv.LineTo(3, 8); // leftwards: start included, end left out
    EXPECT_EQ(At(img, 8, 8), Red);
    EXPECT_EQ(At(img, 4, 8), Red);
    EXPECT_EQ(At(img, 3, 8), clWhite);
}

TEST(Canvas, PixelsAreReadAndWrittenInStoredForm)
{
    QImage img = NewBitmap(4, 4);
    TCanvas cv(img);
    cv.SetPixel(1, 2, 0x123456);
    EXPECT_EQ(cv.Pixel(1, 2), 0x123456u);
    EXPECT_EQ(img.pixel(1, 2) & 0xFFFFFF, 0x563412u); // stored 0x00BBGGRR, shown RGB
    cv.SetPixel(-1, 9, Red); // outside: ignored
}

TEST(Canvas, SystemColoursResolveFromThePaletteWhenDrawn)
{
    QImage img = NewBitmap(4, 1);
    TCanvas cv(img);
    cv.SetPixel(0, 0, clBtnFace);
    cv.SetPixel(1, 0, clBtnShadow);
    cv.SetPixel(2, 0, clBtnHighlight);
    cv.SetPixel(3, 0, 0x6088FFF0); // a stray top byte: the low three bytes count
    EXPECT_EQ(img.pixel(0, 0), TestButtonFace);
    EXPECT_EQ(img.pixel(1, 0), TestDark);
    EXPECT_EQ(img.pixel(2, 0), TestLight);
    EXPECT_EQ(At(img, 3, 0), 0x88FFF0u);
}

TEST(Canvas, TextCellStartsAtTheGivenPointOnTheBrush)
{
    QImage img = NewBitmap(60, 30);
    TCanvas cv(img);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    cv.SetFont(f);
    cv.SetFontColor(clBlack);
    cv.SetBrushColor(Blue);
    const QString s = QStringLiteral("8g");
    const int w = cv.TextWidth(s), h = cv.TextHeight(s);
    EXPECT_EQ(h, QFontMetrics(f).height());
    cv.TextOut(10, 5, s);
    // The cell's corners carry the brush; outside it nothing changed.
    EXPECT_EQ(At(img, 10, 5), Blue);
    EXPECT_EQ(At(img, 10 + w - 1, 5 + h - 1), Blue);
    EXPECT_EQ(At(img, 9, 5), clWhite);
    EXPECT_EQ(At(img, 10, 4), clWhite);
    EXPECT_EQ(At(img, 10 + w, 5), clWhite);
    EXPECT_EQ(At(img, 10, 5 + h), clWhite);
    // Glyph pixels lie inside the cell and are dark.
    int dark = 0;
    for (int y = 5; y < 5 + h; ++y)
        for (int x = 10; x < 10 + w; ++x)
            dark += qGray(img.pixel(x, y)) < 64;
    EXPECT_GT(dark, 5);
}

TEST(Canvas, ClearBrushTextLeavesTheBackground)
{
    QImage img = NewBitmap(60, 30);
    TCanvas cv(img);
    cv.SetBrushColor(Blue);
    cv.SetBrushStyle(bsClear);
    cv.TextOut(10, 5, QStringLiteral("8"));
    EXPECT_EQ(CountColor(img, Blue), 0);
    EXPECT_LT(CountColor(img, clWhite), 60 * 30);
}

TEST(Canvas, ClippedTextFillsItsRectangleAndStaysInside)
{
    QImage img = NewBitmap(40, 20);
    TCanvas cv(img);
    cv.SetBrushColor(Green);
    cv.TextRect(5, 2, 15, 12, 0, 0, QStringLiteral("WWWWWW"));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 5 && x < 15 && y >= 2 && y < 12;
            if (!inside) {
                EXPECT_EQ(At(img, x, y), clWhite) << x << "," << y;
            }
        }
    EXPECT_EQ(At(img, 14, 11), Green);
}

TEST(Canvas, InvertRectComplementsEveryPixel)
{
    QImage img = NewBitmap(5, 5);
    TCanvas cv(img);
    cv.SetPixel(1, 1, 0x123456);
    cv.InvertRect(1, 1, 3, 3);
    EXPECT_EQ(At(img, 1, 1), 0xEDCBA9u);
    EXPECT_EQ(At(img, 2, 2), clBlack);
    EXPECT_EQ(At(img, 3, 3), clWhite);
}

TEST(Canvas, DrawCopiesOrAndsTheBitmap)
{
    QImage src = NewBitmap(2, 1);
    TCanvas s(src);
    s.SetPixel(0, 0, 0x0F0F0F);
    s.SetPixel(1, 0, clWhite);

    QImage dst = NewBitmap(4, 1);
    TCanvas d(dst);
    d.SetPixel(1, 0, 0x3355FF);
    d.SetPixel(2, 0, 0x3355FF);
    QImage copy = dst.copy();
    TCanvas dc(copy);
    dc.Draw(1, 0, src, cmSrcCopy);
    EXPECT_EQ(At(copy, 1, 0), 0x0F0F0Fu);
    EXPECT_EQ(At(copy, 2, 0), clWhite);

    d.Draw(1, 0, src, cmSrcAnd);
    EXPECT_EQ(At(dst, 1, 0), 0x03050Fu); // AND per channel
    EXPECT_EQ(At(dst, 2, 0), 0x3355FFu); // white leaves the destination
    EXPECT_EQ(At(dst, 0, 0), clWhite);
}

// --- The canvas keeps up with its image --------------------------------

TEST(Canvas, FollowsItsImageWhenSharedOrReplaced)
{
    QImage img = NewBitmap(4, 4);
    TCanvas cv(img);
    cv.SetPixel(0, 0, Red);
    const QImage snapshot = img; // shares the pixels until one is written
    cv.SetPixel(1, 0, Red);
    EXPECT_EQ(At(snapshot, 1, 0), clWhite);
    EXPECT_EQ(At(img, 1, 0), Red);

    img = NewBitmap(8, 2);
    EXPECT_EQ(cv.Width(), 8);
    cv.SetPixel(7, 1, Blue);
    EXPECT_EQ(At(img, 7, 1), Blue);
    EXPECT_EQ(cv.Pixel(7, 1), Blue);
}

TEST(Canvas, TextAndDirectWritesFollowEachOther)
{
    QImage img = NewBitmap(30, 16);
    TCanvas cv(img);
    cv.SetBrushStyle(bsClear);
    cv.TextOut(2, 2, QStringLiteral("8"));
    EXPECT_LT(CountColor(img, clWhite), 30 * 16);
    cv.SetBrushColor(clWhite);
    cv.FillRect(0, 0, 30, 16); // over the text just drawn
    EXPECT_EQ(CountColor(img, clWhite), 30 * 16);

    img = NewBitmap(30, 16); // replaced while the canvas holds its text painter
    cv.SetBrushColor(Green);
    cv.TextOut(2, 2, QStringLiteral("8"));
    EXPECT_EQ(At(img, 2, 2), Green);
    EXPECT_LT(CountColor(img, clWhite) + CountColor(img, Green), 30 * 16);
}

// --- Composition at a device pixel ratio ----------------------------------

TEST(CanvasAtRatio, BitmapHasFlooredDeviceSizeAndItsLogicalSize)
{
    struct Case
    {
        int w, h;
        qreal r;
        int dw, dh;
    };
    const Case cases[] = {
        {10, 7, 1.0, 10, 7}, {10, 7, 2.0, 20, 14}, {10, 7, 1.5, 15, 10}, {3, 3, 1.5, 4, 4}, {5, 9, 1.25, 6, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " at " << c.r);
        QImage img = NewBitmap(c.w, c.h, c.r);
        EXPECT_EQ(img.size(), QSize(c.dw, c.dh));
        EXPECT_EQ(img.devicePixelRatio(), c.r);
        EXPECT_EQ(CountColor(img, clWhite), c.dw * c.dh);
        TCanvas cv(img);
        EXPECT_EQ(QSize(cv.Width(), cv.Height()), QSize(c.w, c.h));
    }
}

TEST(CanvasAtRatio, RectangleRingIsTwoDevicePixelsWideAtRatioTwo)
{
    QImage img = NewBitmap(12, 10, 2.0);
    TCanvas cv(img);
    cv.SetPenColor(Red);
    cv.SetBrushColor(Blue);
    cv.Rectangle(2, 1, 8, 6); // device columns 4..15, rows 2..11
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 24; ++x) {
            const bool inside = x >= 4 && x <= 15 && y >= 2 && y <= 11;
            const bool ring = inside && (x <= 5 || x >= 14 || y <= 3 || y >= 10);
            const TColor want = !inside ? clWhite : ring ? Red : Blue;
            EXPECT_EQ(At(img, x, y), want) << x << "," << y;
        }
}

// One-pixel columns (or rows) side by side in alternating colours: at 1.5
// each covers 1 or 2 device pixels, starting at floor(1.5 x), with no gap.
TEST(CanvasAtRatio, OnePixelShapesTileWithoutGapsAtOneAndAHalf)
{
    const int starts[] = {0, 1, 3, 4, 6, 7, 9, 10, 12, 13, 15};
    using Stroke = std::function<void(TCanvas&, int)>;
    struct Case
    {
        const char* name;
        bool rows;
        Stroke draw;
    };
    const Case cases[] = {
        {"vertical lines", false, [](TCanvas& cv, int x) { cv.MoveTo(x, 0), cv.LineTo(x, 4); }},
        {"horizontal lines", true, [](TCanvas& cv, int y) { cv.MoveTo(3, y), cv.LineTo(-1, y); }},
        {"rectangles", false, [](TCanvas& cv, int x) { cv.Rectangle(x, 0, x + 1, 4); }},
        {"filled rows", true, [](TCanvas& cv, int y) { cv.FillRect(0, y, 4, y + 1); }},
        {"pixels", false, [](TCanvas& cv, int x) {
             for (int y = 0; y < 4; ++y)
                 cv.SetPixel(x, y, cv.PenColor());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage img = c.rows ? NewBitmap(5, 10, 1.5) : NewBitmap(10, 5, 1.5);
        TCanvas cv(img);
        for (int i = 0; i < 10; ++i) {
            const TColor colour = i % 2 ? Blue : Red;
            cv.SetPenColor(colour);
            cv.SetBrushColor(colour);
            c.draw(cv, i);
        }
        for (int i = 0; i < 10; ++i)
            for (int d = starts[i]; d < starts[i + 1]; ++d)
                for (int across = 0; across < 7; ++across) {
                    const TColor want = across >= 6 ? clWhite : i % 2 ? Blue : Red;
                    const TColor got = c.rows ? At(img, across, d) : At(img, d, across);
                    EXPECT_EQ(got, want) << i << ": " << d << "," << across;
                }
    }
}

TEST(CanvasAtRatio, PixelsAreBlocksReadAtTheirTopLeft)
{
    QImage img = NewBitmap(6, 6, 1.5); // 9 x 9
    TCanvas cv(img);
    cv.SetPixel(3, 1, Red); // device columns 4..5, rows 1..2
    EXPECT_EQ(CountColor(img, Red), 4);
    EXPECT_EQ(At(img, 4, 1), Red);
    EXPECT_EQ(At(img, 5, 2), Red);
    EXPECT_EQ(cv.Pixel(3, 1), Red);
    img.setPixel(5, 2, RgbFromColor(Blue));
    EXPECT_EQ(cv.Pixel(3, 1), Red);
    img.setPixel(4, 1, RgbFromColor(Blue));
    EXPECT_EQ(cv.Pixel(3, 1), Blue);
    EXPECT_EQ(cv.Pixel(5, 5), clWhite); // device (7, 7), inside the image
    EXPECT_EQ(cv.Pixel(6, 0), clBlack); // beyond the logical width
}

TEST(CanvasAtRatio, InvertRectWorksOnBlocks)
{
    QImage img = NewBitmap(6, 4, 1.5); // 9 x 6
    TCanvas cv(img);
    cv.InvertRect(1, 1, 3, 2); // device columns 1..3, rows 1..2
    EXPECT_EQ(CountColor(img, clBlack), 6);
    EXPECT_EQ(At(img, 1, 1), clBlack);
    EXPECT_EQ(At(img, 3, 2), clBlack);
    EXPECT_EQ(At(img, 4, 1), clWhite);
    EXPECT_EQ(At(img, 1, 3), clWhite);
}

// A bitmap at the canvas's ratio is copied device pixel for device pixel;
// one at ratio 1 is scaled by blocks.
TEST(CanvasAtRatio, DrawCopiesOrAndsDevicePixelsOrBlocks)
{
    struct Case
    {
        qreal srcRatio;
        TCopyMode mode;
    };
    const Case cases[] = {{2.0, cmSrcCopy}, {2.0, cmSrcAnd}, {1.0, cmSrcCopy}, {1.0, cmSrcAnd}};
    constexpr TColor Under = 0x3355FF;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.srcRatio << (c.mode == cmSrcAnd ? " and" : " copy"));
        QImage src = NewBitmap(2, 1, c.srcRatio);
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x)
                src.setPixel(x, y, RgbFromColor(0x0F0F0F + 0x101010 * TColor(x + 4 * y)));
        QImage dst = NewBitmap(4, 2, 2.0); // 8 x 4
        TCanvas cv(dst);
        cv.SetBrushColor(Under);
        cv.FillRect(0, 0, 4, 1);
        cv.Draw(1, 0, src, c.mode); // device columns 2..5, rows 0..1
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x) {
                const TColor under = y < 2 ? Under : clWhite;
                TColor want = under;
                if (x >= 2 && x < 6 && y < 2) {
                    const int sx = x - 2, sy = y;
                    const TColor from = c.srcRatio == 2.0 ? At(src, sx, sy) : At(src, sx / 2, sy / 2);
                    want = c.mode == cmSrcAnd ? (under & from) : from;
                }
                EXPECT_EQ(At(dst, x, y), want) << x << "," << y;
            }
    }
}

TEST(CanvasAtRatio, TextIsDrawnAtDeviceResolutionAndMeasuredAtRatioOne)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    const QString s = QStringLiteral("8g");
    QImage one = NewBitmap(30, 16);
    TCanvas c1(one);
    c1.SetFont(f);
    c1.SetBrushColor(Blue);
    c1.TextOut(3, 2, s);
    const int w = c1.TextWidth(s), h = c1.TextHeight(s);
    for (qreal r : {1.5, 2.0}) {
        QImage img = NewBitmap(30, 16, r);
        TCanvas cv(img);
        cv.SetFont(f);
        EXPECT_EQ(cv.TextWidth(s), w) << r;
        EXPECT_EQ(cv.TextHeight(s), h) << r;
    }

    QImage two = NewBitmap(30, 16, 2.0);
    TCanvas c2(two);
    c2.SetFont(f);
    c2.SetBrushColor(Blue);
    c2.TextOut(3, 2, s);
    // The cell is the 1x cell in blocks.
    EXPECT_EQ(At(two, 6, 4), Blue);
    EXPECT_EQ(At(two, 6 + 2 * w - 1, 4), Blue);
    EXPECT_EQ(At(two, 5, 4), clWhite);
    EXPECT_EQ(At(two, 6, 3), clWhite);
    EXPECT_EQ(At(two, 6 + 2 * w, 4), clWhite);
    EXPECT_EQ(At(two, 6, 4 + 2 * h), clWhite);
    // The glyphs are not the 1x glyphs doubled: some 2 x 2 blocks are not
    // of one colour.
    const QImage doubled = one.scaled(60, 32);
    int differing = 0, split = 0;
    for (int y = 0; y < 32; y += 2)
        for (int x = 0; x < 60; x += 2) {
            differing += two.pixel(x, y) != doubled.pixel(x, y);
            const QRgb p = two.pixel(x, y);
            split += two.pixel(x + 1, y) != p || two.pixel(x, y + 1) != p || two.pixel(x + 1, y + 1) != p;
        }
    EXPECT_GT(differing, 0);
    EXPECT_GT(split, 5);
}

TEST(CanvasAtRatio, ClippedTextStaysInsideItsBlocks)
{
    QImage img = NewBitmap(40, 20, 1.5); // 60 x 30
    TCanvas cv(img);
    cv.SetBrushColor(Green);
    cv.TextRect(5, 2, 15, 12, 0, 0, QStringLiteral("WWWWWW")); // device 7..21, 3..17
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool inside = x >= 7 && x < 22 && y >= 3 && y < 18;
            if (!inside) {
                EXPECT_EQ(At(img, x, y), clWhite) << x << "," << y;
            }
        }
    EXPECT_EQ(At(img, 21, 17), Green);
    EXPECT_LT(CountColor(img, Green), 15 * 15);
}

TEST(CanvasAtRatio, TransparentLayerKeepsItsRatioAndAlpha)
{
    QImage layer = NewBitmap(6, 4, 2.0).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    TCanvas cv(layer);
    cv.SetPenColor(Red);
    cv.SetBrushStyle(bsClear);
    cv.Rectangle(1, 1, 5, 4); // device columns 2..9, rows 2..7
    EXPECT_EQ(layer.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(layer.devicePixelRatio(), 2.0);
    EXPECT_EQ(layer.pixel(2, 2), RgbFromColor(Red));
    EXPECT_EQ(layer.pixel(3, 3), RgbFromColor(Red));
    EXPECT_EQ(layer.pixel(4, 4), 0u);
    EXPECT_EQ(layer.pixel(1, 1), 0u);
}

// --- The surface composes at its ratio -------------------------------------

class RingSurface : public TSurface
{
public:
    int Paints = 0;
    qreal Ratio = 0; // 0: the widget's own, through NewPicture

    void Paint() override
    {
        ++Paints;
        QImage picture = Ratio > 0 ? NewBitmap(width(), height(), Ratio) : NewPicture();
        TCanvas cv(picture);
        cv.SetPenColor(Red);
        cv.SetBrushColor(Blue);
        cv.Rectangle(0, 0, width(), height());
        Present(std::move(picture));
    }
};

TEST(Surface, NewPictureHasTheWidgetsSizeAndRatio)
{
    RingSurface s;
    s.resize(20, 10);
    const QImage picture = s.NewPicture();
    EXPECT_EQ(picture.devicePixelRatio(), s.devicePixelRatioF());
    EXPECT_EQ(LogicalSize(picture), QSize(20, 10));
}

TEST(Surface, PictureAtRatioTwoIsShownAtItsLogicalSize)
{
    RingSurface s;
    s.Ratio = 2.0;
    s.resize(20, 10);
    s.show();
    const int paints = s.Paints;
    ASSERT_GT(paints, 0);
    const QImage shot = s.grab().toImage();
    EXPECT_EQ(s.Paints, paints); // the picture fits: not composed again
    EXPECT_EQ(At(shot, 0, 0), Red);
    EXPECT_EQ(At(shot, 19, 9), Red);
    EXPECT_EQ(At(shot, 18, 8), Blue);
}

TEST(Surface, ScreenChangeComposesAgain)
{
    RingSurface s;
    QEvent change(QEvent::ScreenChangeInternal);
    QCoreApplication::sendEvent(&s, &change);
    EXPECT_EQ(s.Paints, 0); // nothing composed yet: nothing to redo
    s.resize(20, 10);
    s.show();
    const int paints = s.Paints;
    QCoreApplication::sendEvent(&s, &change);
    EXPECT_EQ(s.Paints, paints + 1);
}

} // namespace
