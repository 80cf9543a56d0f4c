// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The dot-matrix label: construction, writers, layout, painting, copying and
// scrolling on its timer.
#include "MessageTimer_p.h"
#include "Probes.h"
#include "RasterLab.h"
#include "TestSupport.h"

#include <QApplication>
#include <QMetaProperty>
#include <QPalette>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

using namespace vorn;

namespace {

constexpr TColor Back = 0x102030, Off = 0x405060, On = 0x00FF00;

// A small plain label: no frame, no raster, text at (0, 0).
void MakePlain(TRasterLab& lab, int w, int h)
{
    lab.resize(w, h);
    lab.SetFrameStyle(fsNone);
    lab.SetCharBlockMode(rdbmOff);
    lab.SetColorLabBakG(Back);
    lab.SetColorDotOff(Off);
    lab.SetXPos(0);
    lab.SetYPos(0);
}

// The top-left corner of the lit dots, if any are in the picture.
std::optional<QPoint> FirstLit(const QImage& img)
{
    std::optional<QPoint> p;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (At(img, x, y) == On) {
                if (!p)
                    p = QPoint(x, y);
                p->setX(std::min(p->x(), x));
            }
    return p;
}

TEST(RasterLab, PublishesItsPropertiesInOrder)
{
    TRasterLab lab;
    const QMetaObject* mo = lab.metaObject();
    QStringList names;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        names << QString::fromLatin1(mo->property(i).name());
    EXPECT_EQ(names, QStringList({"AutoHeight", "AutoCenter", "ColorLabBakG", "ColorDotOn", "ColorDotOff",
                                  "ColorScheme", "DotSpacing", "DotSize", "FrameStyle", "PosX", "PosY", "Proportional",
                                  "ScrollMode", "ScrollInterval", "ScrollIncrement", "ScrollLoop", "CharBlockMode",
                                  "Text"}));
    EXPECT_TRUE(lab.setProperty("ColorDotOn", QVariant::fromValue<TColor>(0x0000FF)));
    EXPECT_EQ(lab.ColorDotOn(), 0x0000FFu);
    EXPECT_TRUE(lab.setProperty("ScrollMode", QVariant::fromValue(rdsmUp)));
    EXPECT_EQ(lab.ScrollMode(), rdsmUp);
    lab.SetScrollMode(rdsmOff);
}

TEST(RasterLab, StartsAsALimeTextOnDimmedDotsInALoweredFrame)
{
    TRasterLab lab;
    EXPECT_EQ(lab.size(), QSize(400, 68));
    EXPECT_FALSE(lab.AutoHeight());
    EXPECT_FALSE(lab.AutoCenter());
    EXPECT_EQ(lab.ColorLabBakG(), clBlack);
    EXPECT_EQ(lab.ColorDotOn(), clLime);
    EXPECT_EQ(lab.ColorDotOff(), 0x404040u);
    EXPECT_EQ(lab.ColorScheme(), csBWG);
    EXPECT_EQ(lab.DotSpacing(), 1);
    EXPECT_EQ(lab.DotSize(), 3);
    EXPECT_EQ(lab.FrameStyle(), fsLowered);
    EXPECT_EQ(lab.PosX(), 1);
    EXPECT_EQ(lab.PosY(), 1);
    EXPECT_TRUE(lab.Proportional());
    EXPECT_EQ(lab.ScrollMode(), rdsmOff);
    EXPECT_EQ(lab.ScrollInterval(), 100);
    EXPECT_EQ(lab.ScrollIncrement(), 1);
    EXPECT_TRUE(lab.ScrollLoop());
    EXPECT_EQ(lab.CharBlockMode(), rdbmOn);
    EXPECT_EQ(lab.Text(), QStringLiteral("Text"));
    EXPECT_EQ(lab.font().family(), QStringLiteral("default"));
    EXPECT_EQ(lab.font().pointSize(), 8);
    EXPECT_EQ(lab.CharMatrix().FontHeight, 12);
    EXPECT_FALSE(lab.ScrTimerHandle()->IsRunning(1));

    lab.Paint();
    const QImage& pic = lab.Picture();
    ASSERT_EQ(pic.size(), QSize(400, 68));
    // T's top bar: row 1 of the glyph at y = 1 + 4, columns 0..6 from x = 1.
    for (int x : {2, 3, 5, 7, 25, 27})
        EXPECT_EQ(At(pic, x, 5), clLime) << x;
    EXPECT_EQ(At(pic, 4, 5), clBlack); // raster gap between dots
    // A dimmed dot well right of the text, with background around it.
    EXPECT_EQ(At(pic, 301, 17), 0x404040u);
    EXPECT_EQ(At(pic, 303, 19), 0x404040u);
    EXPECT_EQ(At(pic, 304, 17), clBlack);
    EXPECT_EQ(At(pic, 301, 16), clBlack);
    // The lowered frame.
    EXPECT_EQ(At(pic, 0, 0), clGray);
    EXPECT_EQ(At(pic, 1, 1), clBlack);
    EXPECT_EQ(At(pic, 399, 30), clWhite);
    EXPECT_EQ(At(pic, 200, 67), clWhite);
}

TEST(RasterLab, ClampsItsSizesAndIntervals)
{
    struct Case
    {
        std::function<void(TRasterLab&, int)> set;
        std::function<int(const TRasterLab&)> get;
        int in, out;
    };
    const auto dotSize = [](TRasterLab& l, int v) { l.SetDotSize(v); };
    const auto dotSpacing = [](TRasterLab& l, int v) { l.SetDotSpacing(v); };
    const auto interval = [](TRasterLab& l, int v) { l.SetScrollIv(v); };
    const auto increment = [](TRasterLab& l, int v) { l.SetScrollInc(v); };
    const std::vector<Case> cases = {
        {dotSize, &TRasterLab::DotSize, 0, 1},          {dotSize, &TRasterLab::DotSize, 40, 32},
        {dotSize, &TRasterLab::DotSize, 7, 7},          {dotSpacing, &TRasterLab::DotSpacing, -1, 0},
        {dotSpacing, &TRasterLab::DotSpacing, 5, 3},    {interval, &TRasterLab::ScrollInterval, 5, 10},
        {interval, &TRasterLab::ScrollInterval, -50, 10}, {interval, &TRasterLab::ScrollInterval, 250, 250},
        {increment, &TRasterLab::ScrollIncrement, 0, 1}, {increment, &TRasterLab::ScrollIncrement, -3, 3},
        {increment, &TRasterLab::ScrollIncrement, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()},
    };
    for (const Case& c : cases) {
        TRasterLab lab;
        c.set(lab, c.in);
        EXPECT_EQ(c.get(lab), c.out) << c.in;
    }
}

// After any writer the picture is what a full paint gives.
TEST(RasterLab, EveryWriterLeavesTheFullPicture)
{
    const std::vector<std::function<void(TRasterLab&)>> writers = {
        [](TRasterLab& l) { l.SetAutoHeight(true); },
        [](TRasterLab& l) { l.SetAutoCenter(true); },
        [](TRasterLab& l) { l.SetColorLabBakG(Back); },
        [](TRasterLab& l) { l.SetColorDotOn(0x0000FF); },
        [](TRasterLab& l) { l.SetColorDotOff(Off); },
        [](TRasterLab& l) { l.SetColorScheme(csSystem); },
        [](TRasterLab& l) { l.SetDotSpacing(2); },
        [](TRasterLab& l) { l.SetDotSize(5); },
        [](TRasterLab& l) { l.SetFrameStyle(fsEngraved); },
        [](TRasterLab& l) { l.SetXPos(17); },
        [](TRasterLab& l) { l.SetYPos(-3); },
        [](TRasterLab& l) { l.SetProportional(false); },
        [](TRasterLab& l) { l.SetCharBlockMode(rdbmRaster); },
        [](TRasterLab& l) { l.SetLabText(QStringLiteral("Gamma")); },
        [](TRasterLab& l) { l.SetCharMatrix(TRDCharMatrix()); },
        [](TRasterLab& l) { l.setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); },
    };
    for (size_t i = 0; i < writers.size(); ++i) {
        TRasterLab lab;
        lab.Paint();
        const QImage before = lab.Picture();
        writers[i](lab);
        const QImage after = lab.Picture();
        EXPECT_NE(after, before) << "writer " << i;
        lab.Paint();
        EXPECT_EQ(after, lab.Picture()) << "writer " << i;
    }
}

TEST(RasterLab, RepaintsOnlyWhereItsWritersSaySo)
{
    // Counted at Paint itself: a label off screen composes no picture to
    // look at, but its writers still ask for their paints.
    struct Counting : TRasterLab {
        int Paints = 0;
        void Paint() override
        {
            ++Paints;
            TRasterLab::Paint();
        }
    } lab;
    lab.resize(120, 30); // a hidden resize does not paint
    lab.SetColorDotOn(clLime);
    lab.SetScrollIv(100);
    lab.SetScrollMode(rdsmOff);
    lab.SetLabText(QStringLiteral("Text"));
    EXPECT_EQ(lab.Paints, 0);
    lab.SetScrollLoop(true); // unchanged, still repaints
    EXPECT_EQ(lab.Paints, 1);
    EXPECT_EQ(lab.Picture().width(), 120);
}

TEST(RasterLab, AutoHeightFitsTheMatrixInsideTheFrame)
{
    for (auto [fs, h] : {std::pair{fsLowered, 49}, std::pair{fsEmbossed, 50}, std::pair{fsNone, 48}}) {
        TRasterLab lab;
        lab.SetFrameStyle(fs);
        lab.SetAutoHeight(true);
        EXPECT_EQ(lab.height(), h) << int(fs);
        lab.SetDotSize(4); // re-fitted with the new pitch
        EXPECT_EQ(lab.height(), h + 12) << int(fs);
    }
}

TEST(RasterLab, AutoCenterCentresTheTextAndOffReturnsTo1)
{
    TRasterLab lab;
    lab.resize(345, 46);
    lab.SetLabText(QStringLiteral("A!"));
    lab.SetAutoCenter(true);
    EXPECT_EQ(lab.PosX(), 154);
    lab.SetLabText(QStringLiteral("A!A!"));
    EXPECT_EQ(lab.PosX(), 134);
    lab.SetAutoCenter(false);
    EXPECT_EQ(lab.PosX(), 1);
}

TEST(RasterLab, FontChangesRebuildTheMatrixAndRefitTheLabel)
{
    TRasterLab lab;
    lab.SetAutoHeight(true);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(16);
    lab.setFont(f);
    const TRDCharMatrix rendered = TRasterLab::CreateBitFont(&f, clBlack);
    EXPECT_EQ(lab.CharMatrix().FontHeight, rendered.FontHeight);
    EXPECT_EQ(std::memcmp(lab.CharMatrix().BitData, rendered.BitData, sizeof rendered.BitData), 0);
    EXPECT_EQ(lab.height(), 1 + 4 * rendered.FontHeight);

    // The font's colour is part of it: white leaves no dots.
    QPalette pal = lab.palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    lab.setPalette(pal);
    EXPECT_EQ(lab.CharMatrix().FontWidth, 0);
    EXPECT_EQ(lab.CharMatrix().FontHeight, 0);
    EXPECT_EQ(lab.height(), 1);

    lab.setFont(QFont(QStringLiteral("DEFAULT"), 8));
    EXPECT_EQ(lab.CharMatrix().FontHeight, 12);
    EXPECT_EQ(lab.height(), 49);
}

TEST(RasterLab, AnInstalledMatrixNeitherResizesNorRecentres)
{
    TRasterLab lab;
    lab.SetAutoHeight(true);
    lab.SetAutoCenter(true);
    const int x = lab.PosX();
    TRDCharMatrix m = lab.CharMatrix();
    m.FontHeight = 5;
    m.RightMostBit[uint8_t('T')] = 1;
    lab.SetCharMatrix(m);
    EXPECT_EQ(lab.CharMatrix().FontHeight, 5);
    EXPECT_EQ(lab.height(), 49);
    EXPECT_EQ(lab.PosX(), x);
}

// The desktop's colours in this test, distinct from the bitmap's white so
// that an unpainted pixel shows.
constexpr TColor DeskGray = 0x929190, DeskWhite = 0xE2E1E0;

struct FrameCase
{
    TFrameStyle style;
    TColor outline, inner, outer;
    int bottomFrom;
};

void PrintTo(const FrameCase& c, std::ostream* os)
{
    *os << "frame style " << int(c.style);
}

class FrameStyles : public ::testing::TestWithParam<FrameCase>
{};

// The frame over the whole label, the strokes over the fill; outer corner
// pixels the strokes leave out keep the bitmap's white.
TEST_P(FrameStyles, StrokeTheirLinesOverTheFillAndLeaveTheCornersTheyMiss)
{
    constexpr int W = 14, H = 9;
    const FrameCase c = GetParam();
    const QPalette saved = QApplication::palette();
    QPalette pal = saved;
    pal.setColor(QPalette::Dark, QColor::fromRgb(RgbFromColor(DeskGray)));
    pal.setColor(QPalette::Light, QColor::fromRgb(RgbFromColor(DeskWhite)));
    QApplication::setPalette(pal);
    {
        TRasterLab lab;
        MakePlain(lab, W, H);
        lab.SetLabText(QString());
        lab.SetColorScheme(csSystem);
        lab.SetFrameStyle(c.style);
        const QImage& pic = lab.Picture();
        const FrameLook look{c.style, 0, 0, W - 1, H - 1, c.bottomFrom, clWhite, Back, c.outline, c.inner, c.outer};
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                EXPECT_EQ(At(pic, x, y), FramePixel(look, x, y)) << x << "," << y;
    }
    QApplication::setPalette(saved);
}

// The lowered frame's bottom stroke starts two pixels in, the raised one's
// at the edge.
INSTANTIATE_TEST_SUITE_P(AllStyles, FrameStyles,
                         ::testing::Values(FrameCase{fsNone, Back, 0, 0, 0}, FrameCase{fsSimple, DeskGray, 0, 0, 0},
                                           FrameCase{fsLowered, DeskGray, clBlack, DeskWhite, 2},
                                           FrameCase{fsRaised, DeskGray, DeskWhite, clBlack, 0},
                                           FrameCase{fsEmbossed, DeskWhite, DeskGray, DeskGray, 1},
                                           FrameCase{fsEngraved, DeskGray, DeskWhite, DeskWhite, 1}));

TEST(RasterLab, BlockModesDrawRasterAndBlocks)
{
    // fsNone, "!" (one dot column) at x = 10: the wiped columns in rdbmOn are
    // 6..8 before it and 14..16 after it.
    struct Case
    {
        TRDBlockMode mode;
        TColor dotCell, gapColumn, wipedColumn;
    };
    for (const Case& c : {Case{rdbmOff, Back, Back, Back}, Case{rdbmRaster, Off, Back, Off}, Case{rdbmOn, Off, Back, Back}}) {
        TRasterLab lab;
        MakePlain(lab, 40, 30);
        lab.SetXPos(10);
        lab.SetYPos(1);
        lab.SetLabText(QStringLiteral("!"));
        lab.SetCharBlockMode(c.mode);
        const QImage& pic = lab.Picture();
        EXPECT_EQ(At(pic, 22, 1), c.dotCell) << int(c.mode);   // a dimmed dot
        EXPECT_EQ(At(pic, 25, 1), c.gapColumn) << int(c.mode); // between dot columns
        EXPECT_EQ(At(pic, 9, 4), Back) << int(c.mode);
        for (int y : {1, 13, 29}) {
            EXPECT_EQ(At(pic, 7, y), c.wipedColumn) << int(c.mode) << " y " << y;
            EXPECT_EQ(At(pic, 15, y), c.wipedColumn) << int(c.mode) << " y " << y;
        }
        EXPECT_EQ(At(pic, 10, 5), On);
    }
}

TEST(RasterLab, WithoutSpacingTheDimmedDotsMergeAndAWipeLeavesOneColumn)
{
    TRasterLab lab;
    MakePlain(lab, 40, 20);
    lab.SetDotSpacing(0);
    lab.SetXPos(10);
    lab.SetLabText(QStringLiteral("!"));
    lab.SetCharBlockMode(rdbmOn);
    const QImage& pic = lab.Picture();
    // Pitch 3: wipes over columns 7..8 and, after the 3-pixel "!", 13..14.
    for (int y : {0, 10, 19}) {
        EXPECT_EQ(At(pic, 7, y), Back);
        EXPECT_EQ(At(pic, 8, y), Back);
        EXPECT_EQ(At(pic, 9, y), Off);
        EXPECT_EQ(At(pic, 13, y), Back);
        EXPECT_EQ(At(pic, 14, y), Back);
        EXPECT_EQ(At(pic, 15, y), Off);
    }
    for (int x = 16; x < 40; ++x)
        EXPECT_EQ(At(pic, x, 4), Off) << x;
}

TEST(RasterLab, ALongTextIsCutAtTheEdge)
{
    TRasterLab lab;
    MakePlain(lab, 50, 48);
    lab.SetLabText(QString(200, QChar('H')));
    EXPECT_EQ(lab.Picture().size(), QSize(50, 48));
    EXPECT_EQ(At(lab.Picture(), 48, 4), On); // H's top serif reaches the edge
}

// The raster under the text is kept between paints; each change it depends
// on must show as it does on a label that never painted before the change.
TEST(RasterLab, TheKeptRasterFollowsEveryChangeItDependsOn)
{
    struct Case
    {
        const char* name;
        std::function<void(TRasterLab&)> prepare, change, same;
    };
    const auto none = [](TRasterLab&) {};
    const auto systemFace = [](TRasterLab& l) { l.SetColorDotOff(clBtnFace); };
    const QPalette saved = QApplication::palette();
    const std::vector<Case> cases = {
        {"size", none, [](TRasterLab& l) { l.resize(203, 31); }, {}},
        {"dimmed colour", none, [](TRasterLab& l) { l.SetColorDotOff(Off); }, {}},
        {"background", none, [](TRasterLab& l) { l.SetColorLabBakG(Back); }, {}},
        {"dot size", none, [](TRasterLab& l) { l.SetDotSize(4); }, {}},
        {"dot spacing", none, [](TRasterLab& l) { l.SetDotSpacing(3); }, {}},
        {"no frame", none, [](TRasterLab& l) { l.SetFrameStyle(fsNone); }, {}},
        {"no raster", none, [](TRasterLab& l) { l.SetCharBlockMode(rdbmOff); }, {}},
        {"x within a pitch", none, [](TRasterLab& l) { l.SetXPos(2); }, {}},
        {"y within a pitch", none, [](TRasterLab& l) { l.SetYPos(-2); }, {}},
        {"scroll step", none,
         [](TRasterLab& l) {
             l.SetScrollMode(rdsmLeft);
             l.ScrTimerHandle()->Tick(1);
         },
         [](TRasterLab& l) { l.SetXPos(0); }},
        {"system colour", systemFace,
         [](TRasterLab&) {
             QPalette pal = QApplication::palette();
             pal.setColor(QPalette::Button, QColor::fromRgb(0x00123456));
             QApplication::setPalette(pal);
             // Widgets take a new application palette from the event loop.
             QCoreApplication::processEvents();
         },
         none},
    };
    for (const Case& c : cases) {
        TRasterLab kept;
        c.prepare(kept);
        kept.Paint();
        const QImage before = kept.Picture();
        c.change(kept);
        kept.Paint();
        TRasterLab fresh;
        c.prepare(fresh);
        (c.same ? c.same : c.change)(fresh);
        fresh.Paint();
        EXPECT_NE(kept.Picture(), before) << c.name;
        EXPECT_EQ(kept.Picture(), fresh.Picture()) << c.name;
        QApplication::setPalette(saved);
        QCoreApplication::processEvents();
    }
}

// The label with its composition at any device pixel ratio opened.
class RatioProbe : public TRasterLab
{
public:
    using TRasterLab::Compose;
};

// The logical pixel whose block holds device pixel d at ratio r.
int LogicalOf(int d, qreal r)
{
    int v = int(d / r);
    while (std::floor((v + 1) * r) <= d)
        ++v;
    while (v > 0 && std::floor(v * r) > d)
        --v;
    return v;
}

// At ratio r every device pixel shows its logical pixel of the picture at
// ratio 1: the dots, the raster and the frame lines are drawn in blocks.
TEST(RasterLab, ComposedAtARatioDrawsEveryPixelAsItsBlock)
{
    struct Case
    {
        qreal ratio;
        std::function<void(TRasterLab&)> setup;
    };
    const std::vector<Case> cases = {
        {2.0, [](TRasterLab&) {}},
        {2.0,
         [](TRasterLab& l) {
             l.SetFrameStyle(fsEngraved);
             l.SetCharBlockMode(rdbmRaster);
             l.SetDotSpacing(2);
             l.SetXPos(-5);
         }},
        {2.0, [](TRasterLab& l) { l.SetDotSize(1); }},
        {1.5, [](TRasterLab& l) { l.SetFrameStyle(fsRaised); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ratio " << c.ratio);
        RatioProbe lab;
        lab.resize(90, 41);
        lab.SetLabText(QStringLiteral("Tg!"));
        c.setup(lab);
        lab.Paint();
        const QImage one = lab.Picture();
        const QImage pic = lab.Compose(c.ratio);
        ASSERT_EQ(pic.devicePixelRatio(), c.ratio);
        ASSERT_EQ(pic.size(), QSize(int(90 * c.ratio), int(41 * c.ratio)));
        int differ = 0;
        for (int dy = 0; dy < pic.height(); ++dy)
            for (int dx = 0; dx < pic.width(); ++dx)
                differ += At(pic, dx, dy) != At(one, LogicalOf(dx, c.ratio), LogicalOf(dy, c.ratio));
        EXPECT_EQ(differ, 0);
        // Back at ratio 1 the picture is the one Paint showed.
        EXPECT_EQ(lab.Compose(1.0), one);
    }
}

// At ratio 2 the second dot of T's bar in the default label (logical 5..7,
// 5..7) is a 6 x 6 device block with the raster's background round it; the
// lowered frame's outer line is two device pixels wide.
TEST(RasterLab, AtRatioTwoADotIsASixBySixBlock)
{
    RatioProbe lab;
    const QImage pic = lab.Compose(2.0);
    EXPECT_EQ(CountColor(pic, clLime, 10, 10, 16, 16), 36);
    EXPECT_EQ(CountColor(pic, clBlack, 8, 8, 18, 18), 100 - 36);
    EXPECT_EQ(CountColor(pic, clGray, 0, 0, 798, 2), 2 * 798);
}

TEST(RasterLab, AHiddenLabelDrawsNothing)
{
    TRasterLab lab;
    lab.Paint();
    const qint64 key = lab.Picture().cacheKey();
    ASSERT_EQ(At(lab.Picture(), 2, 5), clLime); // a dot of T's top bar
    lab.setVisible(false);
    lab.SetColorDotOn(clRed);
    lab.Paint();
    EXPECT_EQ(lab.Picture().cacheKey(), key);
    // Shown again, it draws the new colour.
    lab.setVisible(true);
    EXPECT_NE(lab.Picture().cacheKey(), key);
    EXPECT_EQ(At(lab.Picture(), 2, 5), clRed);
}

TEST(RasterLab, AssignCopiesLookAndTextOnly)
{
    TRasterLab src, dst;
    src.SetFrameStyle(fsRaised);
    src.SetLabText(QStringLiteral("Copy"));
    src.SetColorLabBakG(Back);
    src.SetColorDotOn(0x0000FF);
    src.SetColorDotOff(Off);
    src.SetColorScheme(csSystem);
    src.SetDotSize(5);
    src.SetDotSpacing(2);
    src.SetXPos(30);
    src.SetYPos(7);
    src.SetScrollIv(300);
    src.SetScrollInc(4);
    src.SetScrollLoop(false);
    src.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));

    dst.Assign(&src);
    EXPECT_EQ(dst.FrameStyle(), fsRaised);
    EXPECT_EQ(dst.Text(), QStringLiteral("Copy"));
    EXPECT_EQ(dst.ColorLabBakG(), Back);
    EXPECT_EQ(dst.ColorDotOn(), 0x0000FFu);
    EXPECT_EQ(dst.ColorScheme(), csSystem);
    EXPECT_EQ(dst.ColorDotOff(), 0x404040u);
    EXPECT_EQ(dst.DotSize(), 3);
    EXPECT_EQ(dst.DotSpacing(), 1);
    EXPECT_EQ(dst.PosX(), 1);
    EXPECT_EQ(dst.PosY(), 1);
    EXPECT_EQ(dst.ScrollInterval(), 100);
    EXPECT_EQ(dst.ScrollIncrement(), 1);
    EXPECT_TRUE(dst.ScrollLoop());
    EXPECT_EQ(dst.CharMatrix().FontHeight, 12);

    // The picture follows the copy: a raised frame, white at the top left.
    EXPECT_EQ(At(dst.Picture(), 1, 3), 0xFFFFFFu);
}

TEST(RasterLab, AssignAndAssignToRefuseOtherClasses)
{
    RasterLabProbe a, b;
    a.SetLabText(QStringLiteral("To"));
    a.AssignTo(&b);
    EXPECT_EQ(b.Text(), QStringLiteral("To"));

    QWidget plain;
    EXPECT_THROW(a.Assign(&plain), EConvertError);
    EXPECT_THROW(a.Assign(nullptr), EConvertError);
    EXPECT_THROW(a.AssignTo(&plain), EConvertError);
    EXPECT_EQ(a.Text(), QStringLiteral("To"));

    // The refusals name both classes; a missing object is "nil".
    TRasterLab lab;
    const std::pair<std::function<void()>, QString> refusals[] = {
        {[&] { lab.Assign(&plain); }, QStringLiteral("Cannot assign a QWidget to a TRasterLab")},
        {[&] { lab.Assign(nullptr); }, QStringLiteral("Cannot assign a nil to a TRasterLab")},
        {[&] { a.AssignTo(&plain); }, QStringLiteral("Cannot assign a TRasterLab to a QWidget")},
        {[&] { a.AssignTo(nullptr); }, QStringLiteral("Cannot assign a TRasterLab to a nil")},
    };
    for (const auto& [act, message] : refusals) {
        try {
            act();
            ADD_FAILURE() << "no error: " << message.toStdString();
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
}

TEST(RasterLab, ScrollingRunsTheTimerWhileAModeIsSet)
{
    TRasterLab lab;
    TMessageTimer* t = lab.ScrTimerHandle();
    lab.SetScrollMode(rdsmLeft);
    EXPECT_TRUE(t->IsRunning(1));
    EXPECT_EQ(t->Interval(1), 100);
    lab.SetScrollIv(250);
    EXPECT_EQ(t->Interval(1), 250);

    lab.Paint();
    const QImage still = lab.Picture();
    t->Tick(1);
    t->Tick(1);
    EXPECT_NE(lab.Picture(), still);

    lab.SetScrollMode(rdsmOff);
    EXPECT_FALSE(t->IsRunning(1));
    EXPECT_EQ(lab.Picture(), still); // offsets back to 0 and repainted
}

TEST(RasterLab, ARefusedTimerIsAnErrorThatKeepsTheNewMode)
{
    TRasterLab lab;
    lab.setObjectName(QStringLiteral("RasterLab1"));
    TMessageTimer::SetRefuseTimers(true);
    try {
        lab.SetScrollMode(rdsmUp);
        ADD_FAILURE() << "no error";
    } catch (const EVornRasterLabError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Component \"RasterLab1\": no timer available"));
    }
    TMessageTimer::SetRefuseTimers(false);
    EXPECT_EQ(lab.ScrollMode(), rdsmUp);
    EXPECT_FALSE(lab.ScrTimerHandle()->IsRunning(1));
}

TEST(RasterLab, AnErrorInATickGoesToTheApplication)
{
    ClearReports();
    TRasterLab lab;
    lab.SetScrollMode(rdsmRight);
    lab.SetOnScrollTimer([](QObject*) { throw EVornError(QStringLiteral("tick failed")); });
    lab.ScrTimerHandle()->Tick(1);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0], QStringLiteral("tick failed"));
    lab.SetScrollMode(rdsmOff);
}

// Scrolls "|" (one dot column, rows 0..11) and checks every tick: the text's
// position in the picture, the wrap-around, and the order of the events.
struct ScrollCase
{
    TRDScrollMode mode;
    int inc;
    bool loop;
};

class Scrolling : public ::testing::TestWithParam<ScrollCase>
{};

TEST_P(Scrolling, MovesWrapsAndFiresRestartBeforeAndTimerAfterTheRepaint)
{
    const ScrollCase c = GetParam();
    constexpr int W = 40, H = 60, X = 10, Y = 4, Pitch = 4;
    constexpr int TextBitLength = 2 * Pitch + 1, TextHeight = 12 * Pitch;
    TRasterLab lab;
    MakePlain(lab, W, H);
    lab.SetXPos(X);
    lab.SetYPos(Y);
    lab.SetLabText(QStringLiteral("|"));
    lab.SetScrollLoop(c.loop);
    lab.SetScrollInc(c.inc);

    std::vector<QString> events;
    auto where = [&] {
        const auto p = FirstLit(lab.Picture());
        return p ? QStringLiteral("%1,%2").arg(p->x()).arg(p->y()) : QStringLiteral("-");
    };
    lab.OnScrollLoopRestart = [&](QObject* s) {
        EXPECT_EQ(s, &lab);
        events.push_back("restart@" + where());
    };
    lab.SetOnScrollTimer([&](QObject* s) {
        EXPECT_EQ(s, &lab);
        events.push_back("timer@" + where());
    });
    lab.SetScrollMode(c.mode);

    // A negative increment is stored positive: the mode alone gives the way.
    const int step = std::abs(c.inc);
    int dx = 0, dy = 0, restarts = 0;
    for (int tick = 0; tick < 40; ++tick) {
        const QString before = where();
        bool wrapped = false;
        switch (c.mode) {
        case rdsmLeft:
            dx -= step;
            if (c.loop && dx < -TextBitLength)
                dx = W, wrapped = true;
            break;
        case rdsmRight:
            dx += step;
            if (c.loop && dx > W)
                dx = -TextBitLength, wrapped = true;
            break;
        case rdsmDown:
            dy += step;
            if (c.loop && dy > H)
                dy = -TextHeight, wrapped = true;
            break;
        case rdsmUp:
            dy -= step;
            if (c.loop && dy < -TextHeight)
                dy = H, wrapped = true;
            break;
        default: break;
        }
        events.clear();
        lab.ScrTimerHandle()->Tick(1);

        // The text is one column of 3 x 3 dots at x0..x0+2, rows y0 + 4i.
        const int x0 = X + dx, y0 = Y + dy;
        std::optional<QPoint> want;
        const int vx = std::max(x0, 0);
        for (int y = std::max(y0, 0); y < std::min(y0 + TextHeight, H) && !want; ++y)
            if ((y - y0) % Pitch < 3 && vx <= std::min(x0 + 2, W - 1))
                want = QPoint(vx, y);
        const auto got = FirstLit(lab.Picture());
        EXPECT_EQ(got.has_value(), want.has_value()) << "tick " << tick;
        if (got && want) {
            EXPECT_EQ(*got, *want) << "tick " << tick;
        }

        std::vector<QString> order;
        if (wrapped)
            order.push_back("restart@" + before);
        order.push_back("timer@" + where());
        EXPECT_EQ(events, order) << "tick " << tick;
        restarts += wrapped;
    }
    EXPECT_EQ(restarts > 0, c.loop);
    lab.SetScrollMode(rdsmOff);
}

INSTANTIATE_TEST_SUITE_P(FourWays, Scrolling,
                         ::testing::Values(ScrollCase{rdsmLeft, 3, true}, ScrollCase{rdsmRight, 4, true},
                                           ScrollCase{rdsmDown, 5, true}, ScrollCase{rdsmUp, 7, true},
                                           ScrollCase{rdsmLeft, 3, false}, ScrollCase{rdsmDown, -5, false}));

} // namespace
