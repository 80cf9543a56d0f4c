// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The field and the label on a high-density screen: shapes in device blocks
// exactly where the 1x picture has its pixels, text drawn at device
// resolution; and composing only what can be seen.
#include "Application.h"
#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"
#include "Surface_p.h"
#include "TestSupport.h"
#include "u_frmInfo.h"
#include "u_frmMain.h"
#include "vornbase_p.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace vorn;

namespace {

// The main window's Frequency field and C read-out, sized as there.
template <class Field>
void SetUpField(Field& f)
{
    f.SetWidth(177);
    f.SetHeight(25);
    f.SetLeftSpace(65);
    f.SetTextBoxWidth(80);
    f.SetLeftText(QStringLiteral("Frequency"));
    f.SetRightText(QStringLiteral("MHz"));
    f.SetNioText(QStringLiteral("7.100"));
}

template <class Label>
void SetUpLabel(Label& l)
{
    l.resize(177, 25);
    l.SetLeftSpace(65);
    l.SetLabWidth(80);
    l.SetFrameStyle(fsLowered);
    l.SetLeftText(QStringLiteral("Required C"));
    l.SetRightText(QStringLiteral("pF"));
    l.SetLabValue(59.459);
}

struct Pictures
{
    QImage one, atRatio;
    int textTop, textBottom; // the rows of the text cells, logical
    int boxLeft, boxRight;   // the box's outermost columns, logical
};

template <class Control>
Pictures Compose(qreal r, const std::function<void(Control&)>& setUp)
{
    Control one;
    AtRatio<Control> scaled(r);
    setUp(one);
    setUp(scaled);
    one.show();
    scaled.show();
    const int th = MeasuringMetrics(one.font()).height();
    return {one.Picture(), scaled.Picture(), 0, th, 65, 65 + 80 + 2};
}

Pictures Of(const char* control, qreal r)
{
    Pictures p = QByteArray(control) == "field" ? Compose<TNumIO2>(r, SetUpField<TNumIO2>)
                                                 : Compose<TNumLab>(r, SetUpLabel<TNumLab>);
    // Both centre their text cell in the 25 rows.
    p.textTop = (25 - p.textBottom) / 2;
    p.textBottom += p.textTop;
    return p;
}

// Outside the text cells every device pixel is the 1x picture's pixel of
// its block: frame lines, fills and buttons are exactly as thick as their
// blocks, with no gap. In the text rows the box's frame columns are too.
TEST(HighDensity, ShapesFillTheirBlocksAndTextIsDrawnAtDeviceResolution)
{
    struct Case {
        const char* control;
        qreal r;
    } cases[] = {{"field", 2.0}, {"field", 1.5}, {"label", 2.0}, {"label", 1.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.control << " at " << c.r);
        const Pictures p = Of(c.control, c.r);
        ASSERT_EQ(p.atRatio.devicePixelRatio(), c.r);
        ASSERT_EQ(p.atRatio.size(), QSize(int(177 * c.r), int(25 * c.r)));
        const QImage blocks = BlockScaled(p.one, c.r);
        const auto device = [&](int logical) { return int(logical * c.r); };
        int wrong = 0;
        for (int y = 0; y < p.atRatio.height(); ++y)
            for (int x = 0; x < p.atRatio.width(); ++x) {
                const bool textRow = y >= device(p.textTop) && y < device(p.textBottom);
                const bool frameColumn = (x >= device(p.boxLeft) && x < device(p.boxLeft + 2)) ||
                                         (x >= device(p.boxRight - 1) && x < device(p.boxRight + 1));
                if ((!textRow || frameColumn) && p.atRatio.pixel(x, y) != blocks.pixel(x, y))
                    ++wrong;
            }
        EXPECT_EQ(wrong, 0);

        // The value in the box is not the 1x text pixel-doubled.
        int sharper = 0;
        for (int y = device(p.textTop); y < device(p.textBottom); ++y)
            for (int x = device(p.boxLeft + 3); x < device(p.boxRight - 2); ++x)
                sharper += p.atRatio.pixel(x, y) != blocks.pixel(x, y);
        EXPECT_GT(sharper, 20);
    }
}

TEST(HighDensity, AtRatioOneNothingChanges)
{
    const Pictures field = Compose<TNumIO2>(1.0, SetUpField<TNumIO2>);
    EXPECT_EQ(field.atRatio, field.one);
    const Pictures label = Compose<TNumLab>(1.0, SetUpLabel<TNumLab>);
    EXPECT_EQ(label.atRatio, label.one);
}

// A label that is not on screen composes nothing, however often it is
// written; its first paint on screen composes once. Its picture is still
// there to be read: reading it composes it. On screen, the changes made
// before Qt paints the label again make one picture.
TEST(ComposeOnlyWhatIsSeen, AnOffScreenLabelComposesOnItsFirstShow)
{
    TNumLab shown, read;
    for (TNumLab* l : {&shown, &read}) {
        SetUpLabel(*l);
        l->SetLabValue(1.5);
        EXPECT_EQ(Compositions(*l), 0);
    }
    shown.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(Compositions(shown), 1);
    EXPECT_FALSE(read.Picture().isNull());
    EXPECT_EQ(Compositions(read), 1);
    EXPECT_EQ(read.Picture(), shown.Picture());
    EXPECT_EQ(Compositions(read), 1);
    const int before = Compositions(shown);
    for (double v : {2.5, 3.5, 4.5})
        shown.SetLabValue(v);
    EXPECT_EQ(Compositions(shown), before);
    QCoreApplication::processEvents();
    EXPECT_EQ(Compositions(shown), before + 1);
    read.SetLabValue(4.5);
    EXPECT_EQ(read.Picture(), shown.Picture());
}

// grab() and render() of a control whose window is not shown (a page not
// shown yet, a window printed or made into a thumbnail) show it as it is
// now: the same pixels as its twin in a shown window, before and after a
// change written while it was off screen.
TEST(ComposeOnlyWhatIsSeen, GrabAndRenderOffScreenShowTheControlAsItIsNow)
{
    struct Case
    {
        const char* Name;
        std::function<TSurface*(QWidget*)> Make;
        std::function<void(TSurface*)> Change;
    };
    const std::vector<Case> cases{
        {"TNumLab",
         [](QWidget* p) {
             auto* l = new TNumLab(p);
             SetUpLabel(*l);
             l->SetLabValue(1.0);
             return l;
         },
         [](TSurface* c) { static_cast<TNumLab*>(c)->SetLabValue(123456.0); }},
        {"TNumIO2",
         [](QWidget* p) {
             auto* f = new TNumIO2(p);
             SetUpField(*f);
             return f;
         },
         [](TSurface* c) { static_cast<TNumIO2*>(c)->SetNioValue(14.2); }},
        {"TRasterLab",
         [](QWidget* p) {
             auto* r = new TRasterLab(p);
             r->resize(160, 30);
             r->SetLabText(QStringLiteral("7.1"));
             return r;
         },
         [](TSurface* c) { static_cast<TRasterLab*>(c)->SetLabText(QStringLiteral("14.2 MHz")); }},
        {"TRotLab",
         [](QWidget* p) {
             auto* r = new TRotLab(p);
             r->resize(90, 90);
             r->SetCaption(QStringLiteral("Coil"));
             return r;
         },
         [](TSurface* c) {
             static_cast<TRotLab*>(c)->SetCaption(QStringLiteral("Tuning"));
             static_cast<TRotLab*>(c)->SetTextAngle(45);
         }},
    };
    // How many pixels differ, all of them when the sizes do.
    const auto differing = [](const QImage& a, const QImage& b) {
        if (a.size() != b.size())
            return int(a.width() * a.height());
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    };
    const auto rendered = [](QWidget* w) {
        QImage img(w->size(), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::gray);
        w->render(&img);
        return img;
    };
    for (const Case& c : cases) {
        QWidget hidden, shown;
        TSurface* off = c.Make(&hidden);
        TSurface* on = c.Make(&shown);
        shown.resize(200, 100);
        shown.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
        for (int step = 0; step < 2; ++step) {
            if (step == 1) {
                c.Change(off);
                c.Change(on);
            }
            EXPECT_EQ(differing(off->grab().toImage(), on->grab().toImage()), 0) << c.Name << " step " << step;
            EXPECT_EQ(differing(rendered(off), rendered(on)), 0) << c.Name << " step " << step;
        }
        EXPECT_FALSE(off->isVisible());
    }
    EXPECT_TRUE(Reports().empty());
}

// The controls among a window's children (TSurface has no meta-object of
// its own, so findChildren cannot tell it from QWidget).
QList<const TSurface*> ControlsOf(const QWidget* window)
{
    QList<const TSurface*> out;
    for (const QWidget* w : window->findChildren<QWidget*>())
        if (const auto* s = dynamic_cast<const TSurface*>(w))
            out.append(s);
    return out;
}

// Start-up as the program does it: both windows built, the main one shown.
TEST(ComposeOnlyWhatIsSeen, StartUpComposesEachControlOfTheMainWindowOnce)
{
    ClearReports();
    Application->CreateForm(frmMain);
    Application->CreateForm(frmInfo);
    const QList<const TSurface*> mainControls = ControlsOf(frmMain);
    const QList<const TSurface*> infoControls = ControlsOf(frmInfo);
    ASSERT_EQ(mainControls.size(), 4);
    ASSERT_EQ(infoControls.size(), 2);
    for (const TSurface* s : mainControls + infoControls)
        EXPECT_EQ(Compositions(*s), 0) << s->objectName().toStdString();
    frmMain->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frmMain));
    QCoreApplication::processEvents();
    for (const TSurface* s : mainControls)
        EXPECT_EQ(Compositions(*s), 1) << s->objectName().toStdString();
    for (const TSurface* s : infoControls)
        EXPECT_EQ(Compositions(*s), 0) << s->objectName().toStdString();
    EXPECT_TRUE(Reports().empty());
    delete frmMain;
    delete frmInfo;
    frmMain = nullptr;
    frmInfo = nullptr;
}

} // namespace
