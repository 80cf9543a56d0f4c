// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The dot-matrix label's core on a host without a widget: it composes what
// the widget shows, and asks its host to run the scroll timer and to tell of
// the wrap-around.
#include "MessageTimer_p.h"
#include "RasterLab.h"
#include "RasterLabCore_p.h"
#include "TestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace vorn;

namespace {

// A host as the widget is off the screen: its first font, the application's
// palette, the text's length left by every paint; the timer and the
// wrap-around recorded.
class Host final : public TDetachedHost, public TRasterLabScrollHost
{
public:
    Host()
    {
        FSize = QSize(400, 68);
        FFont = QFont(QStringLiteral("default"), 8);
        FPalette = QApplication::palette();
    }
    void Paint() override
    {
        TDetachedHost::Paint();
        if (Core)
            Core->NoteTextLength();
    }
    void StartScrollTimer(int ms) override { Interval = ms; }
    void StopScrollTimer() override { Interval = 0; }
    bool Designing() const override { return InDesigner; }
    void ScrollLoopRestarted() override { ++Restarts; }

    TRasterLabCore* Core = nullptr;
    int Interval = 0; ///< 0 while the timer is stopped
    bool InDesigner = false;
    int Restarts = 0;
};

struct Label
{
    Label()
    {
        host.Core = &core;
        core.FollowFont();
    }
    Host host;
    TRasterLabCore core{host, host};
};

TEST(RasterLabCore, ComposesWhatTheWidgetShows)
{
    struct Case
    {
        const char* name;
        std::function<void(TRasterLab&)> widget;
        std::function<void(TRasterLabCore&)> core;
    };
    const std::vector<Case> cases = {
        {"new", [](TRasterLab&) {}, [](TRasterLabCore&) {}},
        {"plain, no raster",
         [](TRasterLab& l) {
             l.SetFrameStyle(fsNone);
             l.SetCharBlockMode(rdbmOff);
             l.SetLabText(QStringLiteral("14.2 MHz"));
         },
         [](TRasterLabCore& c) {
             c.SetFrameStyle(fsNone);
             c.SetCharBlockMode(rdbmOff);
             c.SetLabText(QStringLiteral("14.2 MHz"));
         }},
        {"centred, auto height, system scheme",
         [](TRasterLab& l) {
             l.SetColorScheme(csSystem);
             l.SetAutoHeight(true);
             l.SetAutoCenter(true);
             l.SetDotSize(2);
         },
         [](TRasterLabCore& c) {
             c.SetColorScheme(csSystem);
             c.SetAutoHeight(true);
             c.SetAutoCenter(true);
             c.SetDotSize(2);
         }},
        {"three scroll steps up",
         [](TRasterLab& l) {
             l.SetScrollMode(rdsmUp);
             for (int i = 0; i < 3; ++i)
                 l.ScrTimerHandle()->Tick(1);
             l.SetScrollIv(10);
         },
         [](TRasterLabCore& c) {
             c.SetScrollMode(rdsmUp);
             for (int i = 0; i < 3; ++i)
                 c.ScrollStep();
             c.SetScrollIv(10);
         }},
    };
    for (const Case& c : cases) {
        TRasterLab widget;
        c.widget(widget);
        widget.Paint();
        Label label;
        c.core(label.core);
        EXPECT_EQ(label.host.Size(), widget.size()) << c.name;
        EXPECT_EQ(label.core.Compose(1.0), widget.Picture()) << c.name;
        EXPECT_EQ(label.core.SizeHint(), widget.sizeHint()) << c.name;
        widget.SetScrollMode(rdsmOff);
    }
}

TEST(RasterLabCore, AsksItsHostToRunTheTimerOutsideADesigner)
{
    Label label;
    TRasterLabCore& core = label.core;
    core.SetScrollMode(rdsmLeft);
    EXPECT_EQ(label.host.Interval, 100);
    core.SetScrollIv(250);
    EXPECT_EQ(label.host.Interval, 250);
    label.host.InDesigner = true;
    core.DesigningChanged();
    EXPECT_EQ(label.host.Interval, 0);
    core.SetScrollMode(rdsmRight);
    EXPECT_EQ(label.host.Interval, 0);
    label.host.InDesigner = false;
    core.DesigningChanged();
    EXPECT_EQ(label.host.Interval, 250);
    core.SetScrollMode(rdsmOff);
    EXPECT_EQ(label.host.Interval, 0);
}

TEST(RasterLabCore, TellsItsHostWhenTheTextWrapsAround)
{
    Label label;
    TRasterLabCore& core = label.core;
    label.host.FSize = QSize(40, 60);
    core.SetLabText(QStringLiteral("|"));
    core.SetScrollInc(20);
    core.SetScrollMode(rdsmRight);
    // Right by 20 a step: past the width of 40 at the third step, back to
    // the text's length before the left edge.
    for (int step = 1; step <= 3; ++step) {
        core.ScrollStep();
        EXPECT_EQ(label.host.Restarts, step == 3 ? 1 : 0) << step;
    }
    EXPECT_EQ(core.ScrollPosX(), -core.TextBitLength());
    core.SetScrollLoop(false);
    for (int step = 0; step < 5; ++step)
        core.ScrollStep();
    EXPECT_EQ(label.host.Restarts, 1);
}

} // namespace
