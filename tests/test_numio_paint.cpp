// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The field's picture: layout, frames, captions, buttons, gauge, colours by
// state, caret and selection, read pixel by pixel from what Paint drew.
#include "MessageTimer_p.h"
#include "NumIO.h"
#include "NumIO_p.h"
#include "TestSupport.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>
#include <QStyle>

#include <gtest/gtest.h>

#include <memory>

using namespace vorn;

namespace {

using namespace numio;

constexpr TColor Face = 0xF0F0F0; // clBtnFace in the test palette

// A shown field with the main window's settings.
std::unique_ptr<TNumIO2> MainField()
{
    auto f = std::make_unique<TNumIO2>();
    f->SetWidth(177);
    f->SetHeight(25);
    f->SetLeftSpace(65);
    f->SetTextBoxWidth(80);
    f->show();
    return f;
}

int LineHeight(const QFont& font)
{
    static QImage probe = NewBitmap(1, 1);
    return QFontMetrics(font, &probe).height();
}

// Whether the picture shows `text` drawn at (x, y) in `color` on `bg`, over
// the text's cell and two columns either side, within the columns l .. r - 1.
bool ShowsText(const QImage& pic, const QFont& font, const QString& text, int x, int y, TColor color, TColor bg,
               int l, int r)
{
    QImage expected = NewBitmap(pic.width(), pic.height());
    TCanvas cv(expected);
    cv.SetFont(font);
    cv.SetPenColor(bg);
    cv.SetBrushColor(bg);
    cv.Rectangle(0, 0, pic.width(), pic.height());
    cv.SetFontColor(color);
    cv.TextOut(x, y, text);
    const int w = cv.TextWidth(text);
    for (int yy = y; yy < y + cv.TextHeight(text); ++yy)
        for (int xx = std::max(x - 2, l); xx < std::min(x + w + 2, r); ++xx)
            if (pic.pixel(xx, yy) != expected.pixel(xx, yy))
                return false;
    return true;
}

TEST(NumIOPaint, NothingIsPaintedBeforeTheWindowExists)
{
    TNumIO2 f;
    f.SetNioValue(5);
    f.SetLeftText(QStringLiteral("x"));
    EXPECT_TRUE(f.Picture().isNull());
    f.show();
    EXPECT_EQ(f.Picture().size(), QSize(160, 28));
}

TEST(NumIOPaint, LoweredBoxOfTheMainWindowField)
{
    auto f = MainField();
    const QImage& p = f->Picture();
    ASSERT_EQ(p.size(), QSize(177, 25));
    for (int y = 0; y <= 23; ++y) {
        EXPECT_EQ(At(p, 65, y), clGray) << y;
        EXPECT_EQ(At(p, 146, y), clGray) << y;
    }
    for (int x = 65; x <= 146; ++x) {
        EXPECT_EQ(At(p, x, 0), clGray) << x;
        EXPECT_EQ(At(p, x, 23), clGray) << x;
    }
    // Inner line: column 66 rows 2 .. 22 and row 1 columns 66 .. 145, black.
    EXPECT_EQ(At(p, 66, 22), clBlack);
    EXPECT_EQ(At(p, 66, 2), clBlack);
    EXPECT_EQ(At(p, 66, 1), clBlack);
    EXPECT_EQ(At(p, 145, 1), clBlack);
    EXPECT_EQ(At(p, 145, 22), clWhite); // box inside
    // Outer line: row 24 columns 66 .. 146 and column 147 rows 1 .. 24, white.
    for (int x = 66; x <= 146; ++x)
        EXPECT_EQ(At(p, x, 24), clWhite) << x;
    for (int y = 1; y <= 24; ++y)
        EXPECT_EQ(At(p, 147, y), clWhite) << y;
    EXPECT_EQ(At(p, 65, 24), Face);
    EXPECT_EQ(At(p, 147, 0), Face);
    EXPECT_EQ(At(p, 64, 10), Face);
    EXPECT_EQ(At(p, 148, 10), Face);
}

TEST(NumIOPaint, BoxTextIsClippedToLabRect)
{
    auto f = MainField();
    f->SetReadonly(true); // no caret in the way
    f->SetRangeHigh(1e30);
    f->SetAlignment(taLeftJustify);
    f->SetNioText(QStringLiteral("88888888888888888888888888.88"));
    const auto inkIn = [&](int l, int r) {
        for (int y = 2; y < 22; ++y)
            for (int x = l; x < r; ++x)
                if (At(f->Picture(), x, y) != clWhite)
                    return true;
        return false;
    };
    // LabRect is (68, 2, 144, 22): long text reaches its right edge when
    // left-justified and its left edge when right-justified, never further.
    EXPECT_TRUE(inkIn(140, 144));
    EXPECT_FALSE(inkIn(144, 146));
    f->SetAlignment(taRightJustify);
    EXPECT_TRUE(inkIn(68, 72));
    EXPECT_FALSE(inkIn(67, 68));
}

TEST(NumIOPaint, CaptionsByAlignment)
{
    auto f = MainField();
    const QString left = QStringLiteral("Frequency"), right = QStringLiteral("MHz");
    f->SetLeftText(left);
    f->SetRightText(right);
    const QFont& font = f->font();
    const int yT = (25 - LineHeight(font)) / 2;
    static QImage probe = NewBitmap(1, 1);
    const int lw = QFontMetrics(font, &probe).horizontalAdvance(left);
    const int rw = QFontMetrics(font, &probe).horizontalAdvance(right);
    // The caption areas left and right of the box.
    constexpr int L0 = 0, L1 = 65, R0 = 148, R1 = 177;
    EXPECT_TRUE(ShowsText(f->Picture(), font, right, 152, yT, clBlack, Face, R0, R1));
    EXPECT_TRUE(ShowsText(f->Picture(), font, left, 60 - lw, yT, clBlack, Face, L0, L1));
    EXPECT_FALSE(ShowsText(f->Picture(), font, left, 61 - lw, yT, clBlack, Face, L0, L1));
    f->SetLeftTextAlignment(taLeftJustify);
    f->SetRightTextAlignment(taRightJustify);
    EXPECT_TRUE(ShowsText(f->Picture(), font, left, 7, yT, clBlack, Face, L0, L1));
    EXPECT_TRUE(ShowsText(f->Picture(), font, right, 177 - rw - 6, yT, clBlack, Face, R0, R1));
    f->SetLeftTextAlignment(taCenter);
    f->SetRightTextAlignment(taCenter);
    EXPECT_TRUE(ShowsText(f->Picture(), font, left, (65 - lw) / 2, yT, clBlack, Face, L0, L1));
    EXPECT_TRUE(ShowsText(f->Picture(), font, right, 146 + (177 - 145 - rw) / 2, yT, clBlack, Face, R0, R1));
}

TEST(NumIOPaint, DefaultGaugeLayout)
{
    TNumIO2 f;
    f.SetGaugeVisib(true);
    f.SetNioValue(500);
    f.show();
    const QImage& p = f.Picture();
    ASSERT_EQ(p.height(), 28);
    // Box zone rows 0 .. 15: ring on rows 0 .. 14, outer line on row 15.
    EXPECT_EQ(At(p, 35, 14), clGray);
    EXPECT_EQ(At(p, 60, 15), clWhite);
    for (int y = 16; y <= 18; ++y)
        EXPECT_EQ(At(p, 60, y), Face) << y;
    // Gauge ring rows 19 .. 26, columns 35 .. 116; outer line row 27, column 117.
    EXPECT_EQ(At(p, 35, 19), clGray);
    EXPECT_EQ(At(p, 35, 26), clGray);
    EXPECT_EQ(At(p, 116, 19), clGray);
    EXPECT_EQ(At(p, 116, 26), clGray);
    EXPECT_EQ(At(p, 80, 27), clWhite);
    EXPECT_EQ(At(p, 117, 22), clWhite);
    EXPECT_EQ(At(p, 34, 22), Face);
    // Bar: perc 0.5 of 82 columns, 35 .. 75; background after it.
    EXPECT_EQ(At(p, 75, 23), clNavy);
    EXPECT_EQ(At(p, 76, 23), clSilver);
}

TEST(NumIOPaint, GaugeBarWidthRoundsToEven)
{
    struct Case {
        int gw;
        double value, lo, hi;
        int bar;
    } cases[] = {
        {81, 500, 0, 1000, 40}, {83, 500, 0, 1000, 42}, {82, -5, 0, 1000, 0},
        {82, 2000, 0, 1000, 82}, {82, 7, 7, 7, 82},
    };
    for (const auto& c : cases) {
        TNumIO2 f;
        f.SetGaugeVisib(true);
        f.SetGaugeFrameStyle(fsNone);
        f.SetGaugeWidth(c.gw);
        f.SetRangeHigh(c.hi);
        f.SetRangeLow(c.lo);
        f.SetNioValue(c.value);
        f.show();
        int navy = 0;
        for (int x = 0; x < f.width(); ++x)
            navy += At(f.Picture(), x, 23) == clNavy;
        EXPECT_EQ(navy, c.bar) << c.gw << " " << c.value;
        if (c.bar > 0) {
            EXPECT_EQ(At(f.Picture(), 35, 23), clNavy);
        }
    }
}

TEST(NumIOPaint, SpinButtons)
{
    auto f = MainField();
    f->SetButVis(true);
    ASSERT_EQ(f->ButHeight(), 25);
    const QImage& p = f->Picture();
    const int bx = 65 + 80 + 3, BW = 18;
    EXPECT_EQ(At(p, bx, 0), clGray);
    EXPECT_EQ(At(p, bx, 22), clGray);
    EXPECT_EQ(At(p, bx + BW, 22), clGray);
    EXPECT_EQ(At(p, bx + 5, 11), clGray); // separator
    EXPECT_EQ(At(p, bx + 5, 12), clWhite); // highlight of the lower button
    EXPECT_EQ(At(p, bx + 1, 20), clWhite);
    EXPECT_EQ(At(p, bx + 5, 1), clWhite); // highlight of the upper button
    EXPECT_EQ(At(p, bx + 5, 23), clBlack); // shadow below the pair
    EXPECT_EQ(At(p, bx + BW + 1, 10), clBlack); // and right of it
    EXPECT_EQ(At(p, bx + 5, 24), Face);
    EXPECT_EQ(At(p, bx + 5, 8), clSilver); // face
    // Arrows: rows of 2, 4 and 6 pixels, the tip outward.
    const int cx = bx + 1 + BW / 2, q = 6, h2 = 12;
    struct Row {
        int y, from, to;
    } rows[] = {{q - 1, cx - 1, cx}, {q, cx - 2, cx + 1}, {q + 1, cx - 3, cx + 2},
                {h2 + q, cx - 1, cx}, {h2 + q - 1, cx - 2, cx + 1}, {h2 + q - 2, cx - 3, cx + 2}};
    for (const auto& r : rows) {
        EXPECT_EQ(At(p, r.from - 1, r.y), clSilver) << r.y;
        for (int x = r.from; x <= r.to; ++x)
            EXPECT_EQ(At(p, x, r.y), clBlack) << r.y << " " << x;
        EXPECT_EQ(At(p, r.to + 1, r.y), clSilver) << r.y;
    }
    f->SetBut3D(false);
    EXPECT_EQ(At(f->Picture(), bx + 5, 23), Face);
    EXPECT_EQ(At(f->Picture(), bx + 5, 12), clSilver);
}

TEST(NumIOPaint, WarningAndDisabledColours)
{
    auto f = MainField();
    f->SetRightText(QStringLiteral("MHz"));
    f->SetReadonly(true); // no caret in the way
    f->SetNioValue(2000);
    ASSERT_TRUE(f->OutOfRange());
    EXPECT_EQ(At(f->Picture(), 67, 10), 0x88FFF0u); // low three bytes of 0x6088FFF0
    EXPECT_GT(CountColor(f->Picture(), clRed, 68, 2, 144, 22), 0);
    EXPECT_EQ(CountColor(f->Picture(), clBlack, 68, 2, 144, 22), 0);

    f->SetFrameStyle(fsNone);
    EXPECT_EQ(At(f->Picture(), 65, 0), 0x88FFF0u); // ring in the fill colour
    f->SetFrameStyle(fsLowered);

    f->SetEnabled(false);
    const QImage& p = f->Picture();
    EXPECT_EQ(At(p, 67, 10), clSilver);
    EXPECT_GT(CountColor(p, clGray, 68, 2, 144, 22), 0);
    EXPECT_EQ(CountColor(p, clRed, 68, 2, 144, 22), 0);
    // Disabled caption: grey over a white copy one pixel right and down.
    const int yT = (25 - LineHeight(f->font())) / 2;
    QImage expected = NewBitmap(177, 25);
    TCanvas cv(expected);
    cv.SetFont(f->font());
    cv.SetPenColor(Face);
    cv.SetBrushColor(Face);
    cv.Rectangle(0, 0, 177, 25);
    cv.SetBrushStyle(bsClear);
    cv.SetFontColor(clWhite);
    cv.TextOut(153, yT + 1, QStringLiteral("MHz"));
    cv.SetFontColor(clGray);
    cv.TextOut(152, yT, QStringLiteral("MHz"));
    for (int y = 0; y < 25; ++y)
        for (int x = 150; x < 177; ++x)
            ASSERT_EQ(p.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
}

// A palette whose disabled and inactive groups are its active one.
QPalette ActiveEverywhere(QPalette pal)
{
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = QPalette::ColorRole(r);
        const QBrush b = pal.brush(QPalette::Active, role);
        pal.setBrush(QPalette::Disabled, role, b);
        pal.setBrush(QPalette::Inactive, role, b);
    }
    return pal;
}

// A disabled field of the system scheme under the style's own palette, whose
// disabled group has other greys: its frame takes the palette's active
// shadow and highlight (the outer line of the lowered box is the active dark
// grey, 159 in Fusion's palette), and the whole picture is the one drawn
// when every group is the active one.
TEST(NumIOPaint, DisabledSystemSchemeDrawsThePalettesActiveColours)
{
    const QPalette pal = QApplication::style()->standardPalette();
    ASSERT_NE(pal.color(QPalette::Active, QPalette::Dark), pal.color(QPalette::Disabled, QPalette::Dark));
    const TColor G = ColorFromRgb(pal.color(QPalette::Active, QPalette::Dark).rgb());
    const TColor W = ColorFromRgb(pal.color(QPalette::Active, QPalette::Light).rgb());
    const TColor B = clBlack;
    constexpr TColor None = 0xFFFFFFFF; // not a frame pixel
    struct Case {
        TFrameStyle style;
        TColor outline, inner, outer;
    } cases[] = {{fsLowered, G, B, W}, {fsRaised, G, W, B}, {fsSimple, G, None, None},
                 {fsEmbossed, W, G, G}, {fsEngraved, G, W, W}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        auto f = MainField();
        f->setPalette(pal);
        f->SetLeftText(QStringLiteral("Freq"));
        f->SetRightText(QStringLiteral("MHz"));
        f->SetNioText(QStringLiteral("7.100"));
        f->SetColorScheme(csSystem);
        f->SetFrameStyle(c.style);
        f->SetEnabled(false);
        const QImage pic = f->Picture().copy();
        ASSERT_EQ(pic.size(), QSize(177, 25));

        // The box's frame: columns 65 .. 147, rows 0 .. 24.
        const bool bevel = c.style != fsSimple;
        const FrameLook look{c.style, 65, 0, bevel ? 147 : 146, 24, 1, None, None, c.outline, c.inner, c.outer};
        int frame = 0;
        for (int y = 0; y <= 24; ++y)
            for (int x = 65; x <= 147; ++x)
                if (const TColor want = FramePixel(look, x, y); want != None) {
                    ++frame;
                    EXPECT_EQ(At(pic, x, y), want) << x << "," << y;
                }
        EXPECT_GT(frame, 160);

        f->setPalette(ActiveEverywhere(pal));
        EXPECT_EQ(f->Picture(), pic);
    }
}

TEST(NumIOPaint, CaretColumn)
{
    auto f = MainField();
    f->SetNioText(QStringLiteral("7.100")); // caret at 0
    const int x = f->CharPosToXCoords(0) - 1;
    EXPECT_EQ(At(f->Picture(), x, 2), clWhite);
    for (int y = 3; y <= 21; ++y)
        EXPECT_EQ(At(f->Picture(), x, y), clBlack) << y;
    EXPECT_EQ(At(f->Picture(), x, 22), clWhite);

    f->SetNioText(QString());
    f->SetAlignment(taRightJustify);
    for (int y = 3; y <= 21; ++y)
        EXPECT_EQ(At(f->Picture(), 65 + 80 - 3, y), clBlack) << y;
}

TEST(NumIOPaint, SelectionIsInverted)
{
    auto f = MainField();
    f->SetNioText(QStringLiteral("7.100"));
    f->SetSelBegin(1);
    f->SetSelEnd(3);
    const QImage hidden = f->Picture(); // not focused, HideSelection set
    f->SetHideSel(false);
    const QImage shown = f->Picture();
    const int x1 = f->CharPosToXCoords(1), x2 = f->CharPosToXCoords(3);
    ASSERT_LT(x1, x2);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 177; ++x) {
            const bool inside = x >= x1 && x < x2 && y >= 3 && y < 22;
            const QRgb want = inside ? (0xFF000000u | ~hidden.pixel(x, y)) : hidden.pixel(x, y);
            ASSERT_EQ(shown.pixel(x, y), want) << x << "," << y;
        }
}

TEST(NumIOPaint, AutoSizeBypassesTheHeightLimit)
{
    TNumIO2 f;
    QFont small = f.font();
    small.setPixelSize(6);
    f.setFont(small);
    f.SetAutoSize(true);
    f.show();
    const int expected = LineHeight(small) + 6;
    ASSERT_LT(expected, MINHEIGHT);
    EXPECT_EQ(f.height(), expected);
    EXPECT_EQ(f.Picture().height(), expected);
}

// A text far longer than the box shows exactly what the whole text drawn at
// its aligned x and clipped to the box shows, for every alignment.
TEST(NumIOPaint, LongTextShowsAsTheWholeTextDrawn)
{
    // Values within the default range 0 .. 1000, so the box has its normal colours.
    const QString texts[] = {QString(99999, u'0') + QLatin1Char('7'),
                             QStringLiteral("0.") + QString(60000, u'0') + QString(40000, u'4')};
    for (const TAlignment al : {taLeftJustify, taCenter, taRightJustify}) {
        for (const QString& text : texts) {
            auto f = MainField();
            f->SetAlignment(al);
            f->SetNioText(text);
            ASSERT_EQ(f->Text(), text);
            f->CaretTimer()->Tick(1); // unfocused: the caret goes out of sight
            ASSERT_FALSE(f->CaretVisible());
            const QImage pic = f->Picture().copy();

            QImage expected = pic.copy();
            TCanvas cv(expected);
            cv.SetFont(f->font());
            const int tw = cv.TextWidth(text);
            const int TH = cv.TextHeight(QStringLiteral("0"));
            const TValueBox box{65, 80, 25};
            cv.SetBrushColor(clWhite);
            cv.SetFontColor(clBlack);
            cv.TextRect(box.Left + 3, 2, box.Left + box.Width - 1, box.Height - 3, box.TextX(al, tw),
                        (25 - TH) / 2, text);
            EXPECT_EQ(pic, expected) << int(al) << " " << text.size();
            // And something was drawn: the box has dark pixels.
            int dark = 0;
            for (int y = 2; y < box.Height - 3; ++y)
                for (int x = box.Left + 3; x < box.Left + box.Width - 1; ++x)
                    dark += qGray(pic.pixel(x, y)) < 128;
            EXPECT_GT(dark, 20) << int(al);
        }
    }
}

} // namespace
