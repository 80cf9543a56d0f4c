// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The rotated label: text origin, centring, copying, painting.
#include "Probes.h"
#include "RotLab.h"
#include "RotLab_p.h"
#include "TestSupport.h"

#include <QApplication>
#include <QMetaProperty>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>

using namespace vorn;

namespace {

// ---------------------------------------------------------------- origin

struct OriginCase
{
    int angle;
    TAlignment al;
    int w2, h2;
    QPoint expected;
};

void PrintTo(const OriginCase& c, std::ostream* os)
{
    *os << c.angle << " degrees, alignment " << int(c.al) << ", w2 " << c.w2 << ", h2 " << c.h2;
}

class Origin : public ::testing::TestWithParam<OriginCase>
{};

TEST_P(Origin, PutsTheAlignedPointOnTheReferencePoint)
{
    const OriginCase c = GetParam();
    EXPECT_EQ(RotLabTextOrigin(c.al, c.angle, 100, 50, c.w2, c.h2), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    RotLab, Origin,
    ::testing::Values(
        // A 40 x 16 text about (100, 50).
        OriginCase{0, taCenter, 20, 8, {80, 42}}, OriginCase{0, taLeftJustify, 20, 8, {100, 42}},
        OriginCase{0, taRightJustify, 20, 8, {60, 42}},
        // Reading upwards: the cell lies right of x0 and above y0.
        OriginCase{90, taCenter, 20, 8, {92, 70}}, OriginCase{90, taLeftJustify, 20, 8, {92, 50}},
        OriginCase{90, taRightJustify, 20, 8, {92, 90}},
        // sin 30 = 0.5, cos 30 = 0.8660...
        OriginCase{30, taCenter, 20, 8, {79, 53}}, OriginCase{30, taLeftJustify, 20, 8, {96, 43}},
        OriginCase{30, taRightJustify, 20, 8, {61, 63}},
        OriginCase{-90, taCenter, 20, 8, {108, 30}}, OriginCase{180, taCenter, 20, 8, {120, 58}},
        // sin 150 is exactly 0.5 in extended precision: -2.5 and -3.5 go to the even neighbour.
        OriginCase{150, taLeftJustify, 20, 5, {98, 54}}, OriginCase{150, taLeftJustify, 20, 7, {96, 56}},
        // sin 30 is a little above 0.5 with pi to 64 bits: -2.5000...03 goes to -3.
        OriginCase{30, taLeftJustify, 20, 5, {97, 46}},
        // One rounding of the whole offset: 19.92 - 2.5 gives 17, not 20 - 2.
        OriginCase{150, taCenter, 23, 5, {117, 66}},
        // The angle is not limited: INT_MIN degrees is -128 degrees.
        OriginCase{INT_MIN, taCenter, 20, 8, {119, 39}}));

// ---------------------------------------------------------------- model

TEST(RotLab, PublishesItsPropertiesInOrderWithTheirDefaults)
{
    TRotLab lab;
    const QMetaObject* mo = lab.metaObject();
    QStringList names;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        names << QString::fromLatin1(mo->property(i).name());
    EXPECT_EQ(names, QStringList({"Alignment", "AntiAlias", "AutoCenter", "Caption", "Color", "FrameStyle", "PosX",
                                  "PosY", "TextAngle", "Transparent"}));

    EXPECT_EQ(lab.Alignment(), taCenter);
    EXPECT_TRUE(lab.AntiAlias());
    EXPECT_TRUE(lab.AutoCenter());
    EXPECT_EQ(lab.Color(), clBtnFace);
    EXPECT_EQ(lab.FrameStyle(), fsLowered);
    EXPECT_EQ(QPoint(lab.PosX(), lab.PosY()), QPoint(10, 10));
    EXPECT_EQ(lab.TextAngle(), 0);
    EXPECT_TRUE(lab.Transparent());
    EXPECT_EQ(lab.size(), QSize(200, 200));
    EXPECT_EQ(lab.font().family(), "Arial");
    EXPECT_EQ(lab.font().pointSize(), 11);
    EXPECT_TRUE(lab.testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(lab.focusPolicy(), Qt::NoFocus);

    // Bound by name, as a window description does.
    EXPECT_TRUE(lab.setProperty("FrameStyle", QVariant::fromValue(fsRaised)));
    EXPECT_TRUE(lab.setProperty("TextAngle", 30));
    EXPECT_EQ(lab.FrameStyle(), fsRaised);
    EXPECT_EQ(lab.TextAngle(), 30);
}

TEST(RotLab, AutoCenterFollowsResizesAndRefusesAGivenPosition)
{
    QWidget form;
    form.resize(400, 300);
    TRotLab lab(&form);
    form.show();

    lab.SetTextPosX(5);
    lab.SetTextPosY(7);
    EXPECT_EQ(QPoint(lab.PosX(), lab.PosY()), QPoint(100, 100));
    lab.resize(300, 120);
    EXPECT_EQ(QPoint(lab.PosX(), lab.PosY()), QPoint(150, 60));
    lab.resize(346, 146);
    EXPECT_EQ(QPoint(lab.PosX(), lab.PosY()), QPoint(173, 73));

    // Off: the last centre stays, given values are taken and kept through resizes.
    lab.SetAutoCenter(false);
    EXPECT_EQ(QPoint(lab.PosX(), lab.PosY()), QPoint(173, 73));
    lab.SetTextPosX(5);
    lab.SetTextPosY(7);
    lab.resize(101, 51);
    EXPECT_EQ(QPoint(lab.PosX(), lab.PosY()), QPoint(5, 7));
    // On again: centred at once, odd sizes truncated.
    lab.SetAutoCenter(true);
    EXPECT_EQ(QPoint(lab.PosX(), lab.PosY()), QPoint(50, 25));
}

TEST(RotLab, WithoutAParentAResizeLeavesThePosition)
{
    TRotLab lab;
    lab.show();
    lab.resize(300, 120);
    QApplication::processEvents();
    EXPECT_EQ(QPoint(lab.PosX(), lab.PosY()), QPoint(10, 10));
}

TEST(RotLab, AssignCopiesGeometryAndKeepsLookOfTheTarget)
{
    TRotLab src, dst;
    src.SetAutoCenter(false);
    src.SetTextPosX(33);
    src.SetTextPosY(44);
    src.SetTextAngle(75);
    src.SetFrameStyle(fsEngraved);
    src.SetAntiAlias(false);
    src.SetTransparent(false);
    src.SetAlignment(taRightJustify);
    src.SetCaption("source");
    src.SetColor(clNavy);

    dst.SetCaption("target");
    dst.Assign(&src);
    EXPECT_FALSE(dst.AutoCenter());
    EXPECT_EQ(QPoint(dst.PosX(), dst.PosY()), QPoint(33, 44));
    EXPECT_EQ(dst.TextAngle(), 75);
    EXPECT_EQ(dst.FrameStyle(), fsEngraved);
    EXPECT_FALSE(dst.AntiAlias());
    EXPECT_TRUE(dst.Transparent());
    EXPECT_EQ(dst.Alignment(), taCenter);
    EXPECT_EQ(dst.Caption(), "target");
    EXPECT_EQ(dst.Color(), clBtnFace);

    // AssignTo hands over to the destination's Assign.
    TRotLab other;
    src.AssignTo(&other);
    EXPECT_EQ(other.TextAngle(), 75);
    EXPECT_TRUE(other.Transparent());
}

TEST(RotLab, AssignRefusesOtherClassesAndKeepsItsValues)
{
    TRotLab lab;
    lab.SetTextAngle(12);
    QPushButton button;
    try {
        lab.Assign(&button);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a QPushButton to a TRotLab");
    }
    EXPECT_THROW(lab.Assign(nullptr), EConvertError);
    EXPECT_THROW(lab.AssignTo(&button), EConvertError);
    EXPECT_EQ(lab.TextAngle(), 12);
}

TEST(RotLab, OpaqueSettersPaintAtOnceTransparentOnesInvalidate)
{
    QWidget form;
    form.resize(300, 300);
    RotLabProbe lab(&form);
    lab.SetTransparent(false);
    form.show();
    QApplication::processEvents();

    int before = lab.Paints;
    lab.SetTextAngle(45);
    EXPECT_EQ(lab.Paints, before + 1);
    lab.SetTextAngle(45);
    lab.SetFrameStyle(fsLowered);
    EXPECT_EQ(lab.Paints, before + 1);

    lab.SetTransparent(true);
    QApplication::processEvents();
    before = lab.Paints;
    lab.SetTextAngle(60);
    EXPECT_EQ(lab.Paints, before);
    QApplication::processEvents();
    EXPECT_GT(lab.Paints, before);
}

// ---------------------------------------------------------------- painting

constexpr TColor Back = 0x00AA00;

// A shown, opaque label on a form, painted.
struct Shown
{
    QWidget form;
    RotLabProbe lab{&form};

    Shown(const QString& caption, int angle, TAlignment al, TFrameStyle fs = fsNone)
    {
        form.resize(260, 260);
        lab.setGeometry(10, 10, 200, 200);
        lab.SetTransparent(false);
        lab.SetColor(Back);
        lab.SetFrameStyle(fs);
        lab.SetAlignment(al);
        lab.SetTextAngle(angle);
        lab.SetCaption(caption);
        form.show();
        QApplication::processEvents();
    }
};

// The font the label draws with, measured on a 96 dpi bitmap.
QSize TextSize(const TRotLab& lab, const QString& s)
{
    QImage img = NewBitmap(1, 1);
    TCanvas cv(img);
    QFont f = lab.font();
    f.setStyleHint(QFont::AnyStyle, lab.AntiAlias() ? QFont::PreferAntialias : QFont::PreferDefault);
    cv.SetFont(f);
    return {cv.TextWidth(s), cv.TextHeight(s)};
}

bool Dark(TColor c)
{
    return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) < 3 * 100;
}

struct TextCase
{
    int angle;
    TAlignment al;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.angle << " degrees, alignment " << int(c.al);
}

class TextPixels : public ::testing::TestWithParam<TextCase>
{};

TEST_P(TextPixels, LieAlongTheTurnedBaselineAndNowhereElse)
{
    const TextCase c = GetParam();
    const QString text = "HHHHHHHH";
    Shown s(text, c.angle, c.al);
    const QImage img = s.lab.grab().toImage();
    ASSERT_EQ(img.size(), QSize(200, 200));

    const QSize ts = TextSize(s.lab, text);
    const QPoint o = RotLabTextOrigin(c.al, c.angle, 100, 100, ts.width() / 2, ts.height() / 2);
    const double a = c.angle * std::numbers::pi / 180, cs = std::cos(a), sn = std::sin(a);

    int inQuarter[4] = {};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            // Pixel centre in the text's own coordinates: u along the baseline, v down the cell.
            const double dx = x + 0.5 - o.x(), dy = y + 0.5 - o.y();
            const double u = dx * cs - dy * sn, v = dx * sn + dy * cs;
            const TColor px = At(img, x, y);
            if (u < -2 || u > ts.width() + 2 || v < -2 || v > ts.height() + 2)
                ASSERT_EQ(px, Back) << "at " << x << "," << y;
            else if (Dark(px) && u >= 0 && u < ts.width())
                ++inQuarter[static_cast<int>(4 * u / ts.width())];
        }
    for (int q = 0; q < 4; ++q)
        EXPECT_GT(inQuarter[q], 10) << "quarter " << q;
}

INSTANTIATE_TEST_SUITE_P(RotLab, TextPixels,
                         ::testing::Values(TextCase{0, taCenter}, TextCase{90, taCenter}, TextCase{30, taLeftJustify},
                                           TextCase{30, taRightJustify}, TextCase{200, taCenter},
                                           TextCase{-45, taCenter},
                                           TextCase{3630, taLeftJustify}));

// The label's picture against the same text put by the canvas at the origin.
TEST(RotLab, UnturnedTextIsTheCanvasTextAtTheOriginEnabledAndDisabled)
{
    const QString text = "Program made by";
    for (bool enabled : {true, false}) {
        Shown s(text, 0, taRightJustify);
        s.lab.setEnabled(enabled);
        s.lab.repaint();
        const QSize ts = TextSize(s.lab, text);
        const QPoint o = RotLabTextOrigin(taRightJustify, 0, 100, 100, ts.width() / 2, ts.height() / 2);
        EXPECT_EQ(o, QPoint(100 - ts.width() / 2 * 2, 100 - ts.height() / 2));

        QImage ref = NewBitmap(200, 200);
        TCanvas cv(ref);
        cv.SetBrushColor(Back);
        cv.FillRect(0, 0, 200, 200);
        cv.SetFont(s.lab.Canvas().Font());
        cv.SetBrushStyle(bsClear);
        if (enabled) {
            cv.SetFontColor(clBlack);
            cv.TextOut(o.x(), o.y(), text);
        } else {
            cv.SetFontColor(clBtnHighlight);
            cv.TextOut(o.x() + 1, o.y() + 1, text);
            cv.SetFontColor(clBtnShadow);
            cv.TextOut(o.x(), o.y(), text);
        }
        const QImage img = s.lab.grab().toImage();
        int differing = 0, shadow = 0, highlight = 0, black = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                differing += At(img, x, y) != At(ref, x, y);
                shadow += RgbFromColor(At(img, x, y)) == TestDark;
                highlight += RgbFromColor(At(img, x, y)) == TestLight;
                black += At(img, x, y) == clBlack;
            }
        EXPECT_EQ(differing, 0) << "enabled " << enabled;
        if (enabled) {
            EXPECT_GT(black, 20);
        } else {
            EXPECT_GT(shadow, 20);
            EXPECT_GT(highlight, 5);
            EXPECT_EQ(black, 0);
        }
    }
}

TEST(RotLab, DrawsWithTheChosenGlyphQualityAndKeepsItsOwnFont)
{
    Shown s("Abc", 30, taCenter);
    EXPECT_EQ(s.lab.Canvas().Font().styleStrategy(), QFont::PreferAntialias);
    s.lab.SetAntiAlias(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(s.lab.Canvas().Font().styleStrategy(), QFont::PreferDefault);
    EXPECT_EQ(s.lab.Canvas().Font().family(), "Arial");
    EXPECT_EQ(s.lab.font().styleStrategy(), QFont::PreferDefault);
}

struct FrameCase
{
    TFrameStyle fs;
    // Top-left, bottom-right outer corners; inner ring's top-left and bottom-right.
    TColor tl, br, itl, ibr;
};

void PrintTo(const FrameCase& c, std::ostream* os)
{
    *os << "frame style " << int(c.fs);
}

class Frame : public ::testing::TestWithParam<FrameCase>
{};

TEST_P(Frame, IsDrawnOverTheWholeControlAndOverTheText)
{
    const FrameCase c = GetParam();
    // Text pushed against the left and top edges so that the frame must cover it.
    Shown s("WWWWWWWWWWWWWWWWWWWW", 0, taLeftJustify, c.fs);
    s.lab.SetAutoCenter(false);
    s.lab.SetTextPosX(0);
    s.lab.SetTextPosY(3);
    s.lab.resize(150, 90);
    const QImage img = s.lab.grab().toImage();
    const int R = 149, B = 89;
    EXPECT_EQ(At(img, 0, 0), c.tl);
    EXPECT_EQ(At(img, R, 0), c.tl);
    EXPECT_EQ(At(img, 0, B), c.br);
    EXPECT_EQ(At(img, R, B), c.br);
    EXPECT_EQ(At(img, R, 40), c.br);
    EXPECT_EQ(At(img, 1, 1), c.itl);
    EXPECT_EQ(At(img, R - 1, B - 1), c.ibr);
    EXPECT_EQ(At(img, 60, B - 1), c.ibr);
    for (int y = 0; y <= B; ++y)
        EXPECT_EQ(At(img, 0, y), y == B ? c.br : c.tl) << "row " << y;
    for (int y = 2; y <= B - 2; ++y)
        EXPECT_EQ(At(img, 1, y), c.itl) << "row " << y;
}

INSTANTIATE_TEST_SUITE_P(RotLab, Frame,
                         ::testing::Values(FrameCase{fsLowered, clGray, clWhite, clBlack, clSilver},
                                           FrameCase{fsRaised, clWhite, clBlack, clSilver, clGray},
                                           FrameCase{fsEmbossed, clWhite, clGray, clGray, clWhite},
                                           FrameCase{fsEngraved, clGray, clWhite, clWhite, clGray}));

TEST(RotLab, SimpleFrameIsBlackAndNoneLeavesTheEdgeToTheBackground)
{
    Shown s("", 0, taCenter, fsSimple);
    QImage img = s.lab.grab().toImage();
    EXPECT_EQ(At(img, 0, 0), clBlack);
    EXPECT_EQ(At(img, 199, 199), clBlack);
    EXPECT_EQ(At(img, 1, 1), Back);
    s.lab.SetFrameStyle(fsNone);
    img = s.lab.grab().toImage();
    EXPECT_EQ(At(img, 0, 0), Back);
    EXPECT_EQ(At(img, 199, 100), Back);
}

TEST(RotLab, TransparentLabelShowsTheParentBehindItsFrame)
{
    QWidget form;
    form.resize(100, 100);
    form.setAutoFillBackground(true);
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(RgbFromColor(clNavy)));
    form.setPalette(pal);
    TRotLab lab(&form);
    lab.setGeometry(10, 10, 60, 60);
    lab.SetCaption("");
    form.show();
    QApplication::processEvents();
    const QImage img = form.grab().toImage();
    EXPECT_EQ(At(img, 40, 40), clNavy);
    EXPECT_EQ(At(img, 10, 10), clGray);
    EXPECT_EQ(At(img, 11, 11), clBlack);
    EXPECT_EQ(At(img, 69, 69), clWhite);
}

// A label composes on the picture a label of its size let go of when it was
// painted on screen, so that many labels shown at once make no picture each;
// nothing of the other label's picture shows. Transparent and opaque.
class PictureUsedAgain : public ::testing::TestWithParam<bool>
{};

TEST_P(PictureUsedAgain, ByALabelOfItsSizeShowsNothingOfTheOther)
{
    const bool transparent = GetParam();
    const auto make = [transparent](QWidget* parent, const QString& caption, int angle) {
        auto* lab = new TRotLab(parent);
        lab->setGeometry(0, 0, 120, 80);
        lab->SetTransparent(transparent);
        lab->SetColor(Back);
        lab->SetFrameStyle(fsNone);
        lab->SetTextAngle(angle);
        lab->SetCaption(caption);
        return lab;
    };
    {
        QWidget form;
        form.resize(200, 200);
        make(&form, "HHHHHHHH", 30);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();
    }
    // Images made from here on have higher serial numbers.
    const qint64 made = QImage(1, 1, QImage::Format_RGB32).cacheKey() >> 32;
    QWidget form;
    // Read pictures are kept by their labels: the second one gets a new one.
    const QImage& used = make(&form, "ii", -60)->Picture();
    const QImage& own = make(&form, "ii", -60)->Picture();
    EXPECT_LT(used.cacheKey() >> 32, made);
    EXPECT_GT(own.cacheKey() >> 32, made);
    EXPECT_EQ(used.format(), own.format());
    EXPECT_EQ(used, own);
}

INSTANTIATE_TEST_SUITE_P(RotLab, PictureUsedAgain, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& i) { return i.param ? "Transparent" : "Opaque"; });

TEST(RotLab, MeasuringCallDrawsNothingAndKeepsTheRectangle)
{
    Shown s("Program made by", 30, taCenter);
    // The label keeps no picture between paints: its canvas is given one.
    QImage& canvas = s.lab.Canvas().Image();
    canvas = NewBitmap(s.lab.width(), s.lab.height());
    canvas.fill(Qt::white);
    const QImage before = canvas.copy();

    QRect r(3, 4, 50, 60);
    s.lab.DoDrawText(r, TRotLab::DT_CALCRECT);
    EXPECT_EQ(r, QRect(3, 4, 50, 60));
    EXPECT_EQ(canvas, before);
    EXPECT_EQ(s.lab.size(), QSize(200, 200));

    // The same call without the flag draws.
    s.lab.DoDrawText(r, 0);
    EXPECT_NE(canvas, before);
}

// ---------------------------------------------------------------- device pixel ratio

// A label composed at a ratio of its own, as on a screen of that ratio.
class RotLabAt : public RotLabProbe
{
public:
    explicit RotLabAt(qreal ratio) : FRatio(ratio) {}

protected:
    qreal PaintRatio() const override { return FRatio; }

private:
    qreal FRatio;
};

constexpr QRgb BackRgb = RgbFromColor(Back) | 0xFF000000u;

// "Program made by" at 30 degrees about (100, 60) of a 200 x 120 label,
// composed at `ratio`.
QImage Composed(qreal ratio, bool transparent, TFrameStyle fs = fsNone)
{
    RotLabAt lab(ratio);
    lab.resize(200, 120);
    lab.SetAutoCenter(false);
    lab.SetTextPosX(100);
    lab.SetTextPosY(60);
    lab.SetTextAngle(30);
    lab.SetFrameStyle(fs);
    lab.SetColor(Back);
    lab.SetTransparent(transparent);
    lab.SetCaption("Program made by");
    static_cast<TRotLab&>(lab).Paint();
    return lab.Picture();
}

// The bounding box of the pixels that are not `background`.
QRect InkBox(const QImage& img, QRgb background)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(RotLab, AtRatioTwoTheCaptionIsDrawnAtDeviceResolutionAroundTheDoubledText)
{
    for (bool transparent : {false, true}) {
        SCOPED_TRACE(transparent ? "transparent" : "opaque");
        const QRgb background = transparent ? 0u : BackRgb;
        const QImage one = Composed(1.0, transparent), two = Composed(2.0, transparent);
        EXPECT_EQ(two.format(), transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        EXPECT_EQ(one.format(), two.format());
        ASSERT_EQ(two.size(), QSize(400, 240));
        EXPECT_EQ(two.devicePixelRatio(), 2.0);

        // The ink lies where the 1x ink lies, doubled.
        const QRect box1 = InkBox(one, background), box2 = InkBox(two, background);
        ASSERT_GT(box1.width(), 100);
        EXPECT_NEAR(box2.left(), 2 * box1.left(), 2);
        EXPECT_NEAR(box2.top(), 2 * box1.top(), 2);
        EXPECT_NEAR(box2.right(), 2 * box1.right() + 1, 2);
        EXPECT_NEAR(box2.bottom(), 2 * box1.bottom() + 1, 2);

        // Outside the turned text cell every device pixel is the background:
        // transparent on the layer.
        QImage ref = NewBitmap(1, 1);
        TCanvas cv(ref);
        cv.SetFont(QFont(QStringLiteral("Arial"), 11));
        const int w = cv.TextWidth("Program made by"), h = cv.TextHeight("Program made by");
        const QPoint o = RotLabTextOrigin(taCenter, 30, 100, 60, w / 2, h / 2);
        const double a = 30 * std::numbers::pi / 180, cs = std::cos(a), sn = std::sin(a);
        int outside = 0;
        for (int y = 0; y < two.height(); ++y)
            for (int x = 0; x < two.width(); ++x) {
                const double dx = (x + 0.5) / 2 - o.x(), dy = (y + 0.5) / 2 - o.y();
                const double u = dx * cs - dy * sn, v = dx * sn + dy * cs;
                if (u < -2 || u > w + 2 || v < -2 || v > h + 2) {
                    ++outside;
                    ASSERT_EQ(two.pixel(x, y), background) << x << "," << y;
                }
            }
        EXPECT_GT(outside, 400 * 240 / 2);

        // Not the 1x picture doubled: its glyph edges split the 2 x 2 blocks.
        int differing = 0, split = 0;
        for (int y = 0; y < 240; y += 2)
            for (int x = 0; x < 400; x += 2) {
                const QRgb p = two.pixel(x, y);
                differing += p != one.pixel(x / 2, y / 2);
                split += two.pixel(x + 1, y) != p || two.pixel(x, y + 1) != p || two.pixel(x + 1, y + 1) != p;
            }
        EXPECT_GT(differing, 100);
        EXPECT_GT(split, 200);
    }
}

TEST(RotLab, AtRatioTwoTheFrameLinesAreTwoDevicePixelsWide)
{
    const QImage img = Composed(2.0, true, fsLowered);
    ASSERT_EQ(img.size(), QSize(400, 240));
    const auto opaque = [](TColor c) { return RgbFromColor(c) | 0xFF000000u; };
    const QRgb gray = opaque(clGray), black = opaque(clBlack), white = opaque(clWhite), silver = opaque(clSilver);
    // Outer ring, inner ring, then the transparent inside, along the
    // diagonal from each corner and across each edge.
    const struct
    {
        int x, y;
        QRgb want;
    } cases[] = {{0, 0, gray},      {1, 1, gray},       {2, 2, black},      {3, 3, black},      {4, 4, 0},
                 {399, 239, white}, {398, 238, white},  {397, 237, silver}, {396, 236, silver}, {395, 235, 0},
                 {1, 120, gray},    {3, 120, black},    {4, 120, 0},        {200, 239, white},  {200, 236, silver},
                 {200, 235, 0},     {398, 120, white},  {396, 120, silver}, {200, 1, gray},     {200, 3, black}};
    for (const auto& c : cases)
        EXPECT_EQ(img.pixel(c.x, c.y), c.want) << c.x << "," << c.y;
}

} // namespace
