// The drawing conventions of the canvas, pixel by pixel.
#include "Canvas.h"
#include "TestSupport.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

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

} // namespace
