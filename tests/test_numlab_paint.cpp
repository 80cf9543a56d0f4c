// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The numeric label's picture: frame, captions, value text, the disabled
// look and the transparent copy, pixel by pixel.
#include "NumIO.h"
#include "NumLab.h"
#include "TestSupport.h"
#include "vornbase_p.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using namespace vorn;

namespace {

constexpr TColor OutBakG = 0x224466;
constexpr TColor LabBakG = 0xDDEEFF;
constexpr TColor Black = 0x000000, Gray = 0x808080, White = 0xFFFFFF;
constexpr int W = 160, H = 28, L = 35, B = 80;

// Counts the pixels of `actual` in (l, t, r, b) that differ from `expected`.
int Mismatches(const QImage& actual, const QImage& expected, int l, int t, int r, int b)
{
    int n = 0;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            n += At(actual, x, y) != At(expected, x, y);
    return n;
}

struct FrameCase
{
    TFrameStyle style;
    TColor outline, inner, outer;
};

void PrintTo(const FrameCase& c, std::ostream* os)
{
    *os << "frame style " << int(c.style);
}

class FrameStyles : public ::testing::TestWithParam<FrameCase>
{};

// Checks every pixel of an empty label of style c.style in the fixture's
// colours, composed by reading its picture.
void ExpectEveryPixelOfAnEmptyLabel(const FrameCase& c)
{
    TNumLab lab;
    lab.SetColorOutBakG(OutBakG);
    lab.SetColorLabBakG(LabBakG);
    lab.SetEmpty(true);
    lab.SetFrameStyle(c.style);
    lab.Paint();
    const QImage& pic = lab.Picture();
    ASSERT_EQ(pic.size(), QSize(W, H));
    // The bevelled styles give the box one more column for the outer stroke.
    const bool bevel = c.style != fsNone && c.style != fsSimple;
    const int right = bevel ? L + B + 2 : L + B + 1;
    const FrameLook look{c.style, L, 0, right, H - 1, 1, OutBakG, LabBakG, c.outline, c.inner, c.outer};
    int wrong = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (At(pic, x, y) != FramePixel(look, x, y) && ++wrong <= 3)
                ADD_FAILURE() << "(" << x << ", " << y << ") is " << std::hex << At(pic, x, y) << ", expected "
                              << FramePixel(look, x, y);
    EXPECT_EQ(wrong, 0);
}

TEST_P(FrameStyles, EveryPixelOfAnEmptyLabel)
{
    ExpectEveryPixelOfAnEmptyLabel(GetParam());
}

// Gives a protected member to the test.
struct TReusingLabel : TNumLab
{
    using TSurface::ReusedPicture;
};

// A label composes on the pixels another label of its size left when it was
// painted on screen: each of them is painted again.
TEST_P(FrameStyles, EveryPixelOnAPictureUsedAgain)
{
    const auto paintOnScreen = [](TColor colour) {
        TNumLab other;
        other.SetColorOutBakG(colour);
        other.SetColorLabBakG(colour);
        other.SetColorLabText(colour);
        other.SetFrameStyle(fsNone);
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        QCoreApplication::processEvents();
    };
    // The pixels left are the other label's.
    paintOnScreen(0x123456);
    {
        TReusingLabel probe;
        const QImage left = probe.ReusedPicture();
        ASSERT_EQ(left.size(), QSize(W, H));
        ASSERT_EQ(At(left, W / 2, H / 2), TColor(0x123456));
    }
    paintOnScreen(0x123456);
    ExpectEveryPixelOfAnEmptyLabel(GetParam());
}

// The numeric field draws its box with the same painter: with the label's
// geometry, colours and text, the two boxes agree pixel for pixel.
TEST_P(FrameStyles, MatchTheNumericFieldsBox)
{
    const FrameCase c = GetParam();
    TNumLab lab; // 0.00 in a box at 35, 80 wide
    lab.SetColorOutBakG(OutBakG);
    lab.SetColorLabBakG(LabBakG);
    lab.SetFrameStyle(c.style);
    lab.Paint();

    TNumIO2 field; // the same size and box
    field.SetInFormatType(itFixPoint);
    field.SetReadonly(true); // no caret
    field.SetColorOutBG(OutBakG);
    field.SetColorBoxBG(LabBakG);
    field.SetFrameStyle(c.style);
    field.show();
    ASSERT_EQ(field.Text(), lab.DisplayText());
    ASSERT_EQ(field.Picture().size(), lab.Picture().size());
    EXPECT_GT(CountNot(lab.Picture(), LabBakG, L + 3, 2, L + B - 1, H - 3), 10); // the text is there
    EXPECT_EQ(Mismatches(field.Picture(), lab.Picture(), L, 0, L + B + 3, H), 0);
}

INSTANTIATE_TEST_SUITE_P(Styles, FrameStyles,
                         ::testing::Values(FrameCase{fsLowered, Gray, Black, White},
                                           FrameCase{fsRaised, Gray, White, Black},
                                           FrameCase{fsEmbossed, White, Gray, Gray},
                                           FrameCase{fsEngraved, Gray, White, White},
                                           FrameCase{fsSimple, Gray, 0, 0}, // full height, no strokes
                                           FrameCase{fsNone, LabBakG, 0, 0}));

TEST(NumLabPaint, ValueTextIsClippedToTheBoxInterior)
{
    TNumLab lab;
    QFont big = lab.font();
    big.setPixelSize(40); // glyphs taller and wider than the box
    lab.setFont(big);
    lab.SetColorLabBakG(LabBakG);
    lab.SetDisplayType(dtState); // never replaced by the indicator
    lab.SetStateText(QStringLiteral("WWWWWWWWWWWW"));
    const QImage& pic = lab.Picture();
    // Inside R = (38, 2, 114, 25) the text shows; between R and the strokes
    // the box stays clean.
    EXPECT_GT(CountNot(pic, LabBakG, 38, 2, 114, 25), 100);
    EXPECT_EQ(CountNot(pic, LabBakG, 37, 2, 38, 26), 0);
    EXPECT_EQ(CountNot(pic, LabBakG, 114, 2, 116, 26), 0);
    EXPECT_EQ(CountNot(pic, LabBakG, 37, 25, 116, 26), 0);
    EXPECT_EQ(CountNot(pic, Black, 37, 1, 116, 2), 0);  // inner stroke intact
    EXPECT_EQ(CountNot(pic, White, 36, 27, 117, 28), 0); // outer stroke intact
}

struct CaptionCase
{
    bool right;
    TAlignment alignment;
    bool enabled;
};

class Captions : public ::testing::TestWithParam<CaptionCase>
{};

// A caption drawn where its alignment puts it, compared with the same text
// drawn alone at the expected places on the background.
TEST_P(Captions, StandWhereTheirAlignmentPutsThem)
{
    const CaptionCase c = GetParam();
    const int left = 50, box = 60;
    const QString text = c.right ? QStringLiteral("pF") : QStringLiteral("Lq");
    TNumLab lab;
    lab.SetColorOutBakG(OutBakG);
    lab.SetLeftSpace(left);
    lab.SetLabWidth(box);
    lab.SetEnabled(c.enabled);
    if (c.right) {
        lab.SetRTAlignment(c.alignment);
        lab.SetRightText(text);
    } else {
        lab.SetLTAlignment(c.alignment);
        lab.SetLeftText(text);
    }

    QImage expected = NewBitmap(W, H);
    TCanvas cv(expected);
    cv.SetFont(lab.font());
    cv.SetBrushColor(OutBakG);
    cv.FillRect(0, 0, W, H);
    const int tw = cv.TextWidth(text);
    const int y0 = (H - cv.TextHeight(TextHeightProbe)) / 2;
    int x = 0, xWhite = 0;
    switch (c.alignment) {
    case taLeftJustify:
        x = c.right ? left + box + 7 : 7;
        xWhite = x + 1;
        break;
    case taRightJustify:
        x = c.right ? W - tw - 6 : left - tw - 5;
        xWhite = c.right ? x - 1 : x + 1; // the right caption's white copy sits left
        break;
    case taCenter:
        x = c.right ? (W - left - box - tw) / 2 + left + box + 1 : (left - tw) / 2;
        xWhite = x + 1;
        break;
    }
    if (c.enabled) {
        cv.SetFontColor(Black);
        cv.TextOut(x, y0, text);
    } else {
        cv.SetBrushStyle(bsClear);
        cv.SetFontColor(White);
        cv.TextOut(xWhite, y0 + 1, text);
        cv.SetFontColor(Gray);
        cv.TextOut(x, y0, text);
    }
    const int l = c.right ? left + box + 3 : 0, r = c.right ? W : left;
    ASSERT_GT(CountNot(expected, OutBakG, l, 0, r, H), 10);
    EXPECT_EQ(Mismatches(lab.Picture(), expected, l, 0, r, H), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, Captions,
    ::testing::Values(CaptionCase{false, taLeftJustify, true}, CaptionCase{false, taRightJustify, true},
                      CaptionCase{false, taCenter, true}, CaptionCase{true, taLeftJustify, true},
                      CaptionCase{true, taRightJustify, true}, CaptionCase{true, taCenter, true},
                      CaptionCase{false, taLeftJustify, false}, CaptionCase{false, taRightJustify, false},
                      CaptionCase{false, taCenter, false}, CaptionCase{true, taLeftJustify, false},
                      CaptionCase{true, taRightJustify, false}, CaptionCase{true, taCenter, false}));

struct ValueCase
{
    TAlignment alignment;
    double value;
    bool enabled;
};

class ValueText : public ::testing::TestWithParam<ValueCase>
{};

TEST_P(ValueText, StandsByAlignmentInTheBox)
{
    const ValueCase c = GetParam();
    constexpr TColor Ink = 0x0000AA;
    TNumLab lab;
    lab.SetColorLabBakG(LabBakG);
    lab.SetColorLabText(Ink);
    lab.SetAlignment(c.alignment);
    lab.SetLabValue(c.value);
    lab.SetEnabled(c.enabled);
    const QString text = lab.DisplayText();

    QImage expected = NewBitmap(W, H);
    TCanvas cv(expected);
    cv.SetFont(lab.font());
    cv.SetBrushColor(LabBakG);
    cv.SetFontColor(c.enabled ? Ink : Gray); // disabled: plain gray, no white copy
    const int tw = cv.TextWidth(text);
    const int y0 = (H - cv.TextHeight(TextHeightProbe)) / 2;
    const int x = c.alignment == taLeftJustify ? L + 4 : c.alignment == taRightJustify ? L + B - 2 - tw
                                                                                       : L + 2 + (B - tw) / 2;
    cv.TextRect(L + 3, 2, L + B - 1, H - 3, x, y0, text);
    ASSERT_GT(CountNot(expected, LabBakG, L + 3, 2, L + B - 1, H - 3), 10);
    EXPECT_EQ(Mismatches(lab.Picture(), expected, L + 3, 2, L + B - 1, H - 3), 0);
}

INSTANTIATE_TEST_SUITE_P(Alignments, ValueText,
                         ::testing::Values(ValueCase{taLeftJustify, 1.5, true}, ValueCase{taRightJustify, 1.5, true},
                                           ValueCase{taCenter, 1.5, true},
                                           ValueCase{taCenter, 1e15, true}, // the indicator, centred by its width
                                           ValueCase{taCenter, 1.5, false}));

TEST(NumLabPaint, EmptyBoxStaysEmpty)
{
    TNumLab lab;
    lab.SetColorLabBakG(LabBakG);
    lab.SetLabValue(88.5);
    ASSERT_GT(CountNot(lab.Picture(), LabBakG, L + 2, 2, L + B, H - 2), 0);
    lab.SetEmpty(true);
    EXPECT_EQ(CountNot(lab.Picture(), LabBakG, L + 2, 2, L + B, H - 2), 0);
}

TEST(NumLabPaint, AHiddenLabelDrawsNothing)
{
    TNumLab lab;
    lab.Paint();
    const qint64 key = lab.Picture().cacheKey();
    lab.setVisible(false);
    lab.SetLabValue(3);
    lab.Paint();
    EXPECT_EQ(lab.Picture().cacheKey(), key);
    lab.setVisible(true);
    EXPECT_NE(lab.Picture().cacheKey(), key);
}

// A parent painted in a two-colour check pattern.
class Checkered : public QWidget
{
public:
    Checkered()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(200, 40);
    }
    static QRgb PatternAt(int x, int y) { return (x / 2 + y / 2) % 2 ? 0xFF3366CC : 0xFFCCAA55; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage img(size(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                img.setPixel(x, y, PatternAt(x, y));
        QPainter(this).drawImage(0, 0, img);
    }
};

class Transparent : public ::testing::TestWithParam<TColor>
{};

TEST_P(Transparent, PictureIsAndedOverTheParentWithAnOpaqueBox)
{
    const TColor ink = GetParam();
    constexpr int Dx = 10, Dy = 6;
    Checkered parent;
    auto* lab = new TNumLab(&parent);
    lab->move(Dx, Dy);
    lab->SetColorLabBakG(LabBakG);
    lab->SetColorLabText(ink);
    lab->SetLeftText(QStringLiteral("Ab"));
    lab->SetRightText(QStringLiteral("pF"));
    lab->SetLabValue(1.5);
    lab->SetTransparent(true);
    const QImage& pic = lab->Picture();
    ASSERT_EQ(At(pic, 0, 0), White); // the background leaves the parent's pixels

    const QImage shot = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Under the AND the box is made opaque: in the box colour for black text,
    // else in white.
    const QRgb fill = RgbFromColor(ink == 0 ? LabBakG : White);
    int wrong = 0, patternShown = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const int lx = x - Dx, ly = y - Dy;
            QRgb expected = Checkered::PatternAt(x, y);
            if (lx >= 0 && ly >= 0 && lx < W && ly < H) {
                const bool inBox = lx >= L + 2 && lx < L + B && ly >= 2 && ly < H - 2;
                expected = ((inBox ? fill : expected) & pic.pixel(lx, ly)) | 0xFF000000u;
                patternShown += !inBox && pic.pixel(lx, ly) == 0xFFFFFFFFu;
            }
            if (shot.pixel(x, y) != expected && ++wrong <= 3)
                ADD_FAILURE() << "(" << x << ", " << y << ") is " << std::hex << shot.pixel(x, y) << ", expected "
                              << expected;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(patternShown, 1000);
    // A frame line darkens the pattern beneath it.
    EXPECT_EQ(shot.pixel(Dx + L, Dy), (Checkered::PatternAt(Dx + L, Dy) & RgbFromColor(Gray)) | 0xFF000000u);
}

// On a shown window each repaint of a setter composes the parent beneath the
// label again, so repeated paints do not darken the screen further.
TEST(NumLabPaint, TransparentRepaintsOnScreenMatchTheParentsRendering)
{
    Checkered parent;
    auto* lab = new TNumLab(&parent);
    lab->SetLeftText(QStringLiteral("Ab"));
    lab->SetTransparent(true);
    parent.show();
    QCoreApplication::processEvents();
    lab->SetLabValue(2.5);
    QCoreApplication::processEvents();
    lab->SetLabValue(3.5);
    QCoreApplication::processEvents();
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(parent.winId()).toImage();
    const QImage rendered = parent.grab().toImage();
    ASSERT_EQ(screen.size(), rendered.size());
    EXPECT_EQ(Mismatches(screen, rendered, 0, 0, screen.width(), screen.height()), 0);
    EXPECT_EQ(screen.pixel(L, 0) | 0xFF000000u, (Checkered::PatternAt(L, 0) & RgbFromColor(Gray)) | 0xFF000000u);
}

INSTANTIATE_TEST_SUITE_P(TextColours, Transparent, ::testing::Values(TColor{0}, TColor{0x0000AA}));

} // namespace
