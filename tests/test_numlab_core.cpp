// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The numeric label's core without its widget: on a host of the test's own
// it composes the widget's picture, asks for paints and tells its events in
// the widget's order, and calls the text hook once per shown text.
#include "NumLab.h"
#include "NumLabCore_p.h"
#include "TestSupport.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace vorn;

namespace {

// Answers as a label of `size` in the given font and palette would, and
// writes down what the core asked of it.
class TRecordingHost final : public TNumLabHost
{
public:
    QObject* Sender() override { return nullptr; }
    QSize Size() const override { return FSize; }
    qreal Ratio() const override { return 1.0; }
    QFont Font() const override { return FFont; }
    QPalette Palette() const override { return FPalette; }
    bool Enabled() const override { return true; }
    bool HasFocus() const override { return false; }
    bool Showing() const override { return false; }
    void Paint() override { Events << QStringLiteral("paint"); }
    void PaintLater() override { Events << QStringLiteral("paint later"); }
    void SizeHintChanged() override { Events << QStringLiteral("size hint"); }
    void Resize(QSize size) override { FSize = size; }
    void TakeFocus() override {}
    void Beep() override {}
    void NotifyAccessible(int) override {}

    void BeforeDisplay(QString& text) override
    {
        Events << QStringLiteral("hook ") + text;
        if (!Rewrite.isEmpty())
            text = Rewrite;
    }
    bool BeforeDisplayHooked() const override { return true; }
    void ValueChanged(double value) override { Events << QStringLiteral("value %1").arg(value); }
    void ShownTextChanged(const QString& before) override { Events << QStringLiteral("shown, was ") + before; }
    bool ShownTextWanted() const override { return false; }
    void RepaintBeneath() override { Events << QStringLiteral("beneath"); }

    QSize FSize{160, 28};
    QFont FFont;
    QPalette FPalette;
    QString Rewrite;
    QStringList Events;
};

// The same settings given to the widget and to the core, whose writers
// share their names.
struct LookCase
{
    const char* name;
    std::function<void(TNumLab&)> widget;
    std::function<void(TNumLabCore&)> core;
};

// One generic setter serves both.
template <class Set>
LookCase Look(const char* name, Set set)
{
    return {name, set, set};
}

const LookCase LookCases[] = {
    Look("value and captions",
         [](auto& l) {
             l.SetLeftText(QStringLiteral("C"));
             l.SetRightText(QStringLiteral("pF"));
             l.SetLabValue(135.79);
         }),
    Look("colours, frame and scheme",
         [](auto& l) {
             l.SetColorOutBakG(0x224466);
             l.SetColorLabBakG(0xDDEEFF);
             l.SetColorLabText(0x0000FF);
             l.SetFrameStyle(fsRaised);
             l.SetColorScheme(csSystem);
             l.SetLabValue(-2.5);
         }),
    Look("transparent, right-justified",
         [](auto& l) {
             l.SetTransparent(true);
             l.SetRightText(QStringLiteral("uH"));
             l.SetRTAlignment(taRightJustify);
             l.SetAlignment(taLeftJustify);
             l.SetLabValue(7);
         }),
    Look("engineering, overflow",
         [](auto& l) {
             l.SetDisplayType(dtEEng);
             l.SetLabWidth(20);
             l.SetLabValue(4.7e-9);
         }),
    Look("empty",
         [](auto& l) {
             l.SetEmpty(true);
             l.SetLeftText(QStringLiteral("L"));
         }),
};

class CoreLooks : public ::testing::TestWithParam<LookCase>
{};

void PrintTo(const LookCase& c, std::ostream* os)
{
    *os << c.name;
}

// Every pixel the core composes, on a picture of stale pixels, is the
// widget's, and so is the way it is laid over the screen.
TEST_P(CoreLooks, ComposesTheWidgetsPicture)
{
    TNumLab lab;
    GetParam().widget(lab);
    lab.Paint();
    const QImage& expected = lab.Picture();

    TRecordingHost host;
    host.FSize = lab.size();
    host.FFont = lab.font();
    host.FPalette = lab.palette();
    TNumLabCore core(host);
    GetParam().core(core);
    QImage stale = NewBitmap(lab.width(), lab.height(), lab.devicePixelRatioF());
    stale.fill(QColor(0x12, 0x34, 0x56));
    const QImage picture = core.Compose(stale, core.ComposeText());

    ASSERT_EQ(picture.size(), expected.size());
    int wrong = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            wrong += At(picture, x, y) != At(expected, x, y);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(core.CopyMode(), lab.Transparent() ? cmSrcAnd : cmSrcCopy);
    EXPECT_EQ(core.DisplayText(), lab.DisplayText());
}

INSTANTIATE_TEST_SUITE_P(NumLabCore, CoreLooks, ::testing::ValuesIn(LookCases));

// The writers paint once per change and tell the host what else changed, in
// the widget's order; an equal value, a NaN and a negative space do nothing.
TEST(NumLabCore, WritersTellTheHostInOrder)
{
    TRecordingHost host;
    TNumLabCore core(host);
    const auto after = [&](const std::function<void()>& write) {
        host.Events.clear();
        write();
        return host.Events.join(QStringLiteral(", "));
    };
    EXPECT_EQ(after([&] { core.SetLabValue(3); }), "paint, value 3");
    EXPECT_EQ(after([&] { core.SetLabValue(3); }), "");
    EXPECT_EQ(after([&] { core.SetLabValue(std::numeric_limits<double>::quiet_NaN()); }), "");
    EXPECT_EQ(after([&] { core.SetRightText(QStringLiteral("pF")); }), "paint, size hint");
    EXPECT_EQ(after([&] { core.SetLeftSpace(-1); }), "");
    EXPECT_EQ(after([&] { core.SetLeftSpace(500); }), "paint, size hint");
    EXPECT_EQ(core.LeftSpace(), 160);
    EXPECT_EQ(after([&] { core.SetDecP(99); }), "paint");
    EXPECT_EQ(core.Precision(), 15);
    EXPECT_EQ(after([&] { core.SetTransparent(true); }), "paint, beneath");
    EXPECT_EQ(after([&] { core.SetTransparent(false); }), "paint");
    EXPECT_EQ(after([&] { core.SetColorScheme(csSystem); }), "paint");
    EXPECT_EQ(after([&] { core.SetColorScheme(csSystem); }), "");

    TRecordingHost otherHost;
    TNumLabCore other(otherHost);
    other.SetLabValue(8);
    EXPECT_EQ(after([&] { core.CopyFrom(other); }), "paint, size hint, value 8");
    EXPECT_EQ(core.RightText(), "");
}

// A paint that composes later runs the hook and notes the text; the picture
// composed next shows that text without running the hook again.
TEST(NumLabCore, OneHookCallPerShownText)
{
    TRecordingHost host;
    TNumLabCore core(host);
    core.SetLabValue(1.5);
    host.Rewrite = QStringLiteral("3/2");
    host.Events.clear();
    core.PaintDeferred();
    EXPECT_EQ(host.Events.join(QStringLiteral(", ")), "hook 1.50, shown, was ");
    EXPECT_EQ(core.ShownText(), "3/2");
    host.Events.clear();
    EXPECT_EQ(core.ComposeText().Text, "3/2");
    EXPECT_TRUE(host.Events.isEmpty()) << host.Events.join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(core.ComposeText().Text, "3/2");
    EXPECT_EQ(host.Events.join(QStringLiteral(", ")), "hook 1.50");
}

} // namespace
