// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The info window as the program builds it from its description: its two
// custom controls, its fixed frame, its place over the main window and a
// picture that stays the same from one showing to the next.
#include "Application.h"
#include "MessageTimer_p.h"
#include "RasterLab.h"
#include "RotLab.h"
#include "AppWindows.h"
#include "TestSupport.h"
#include "u_frmInfo.h"
#include "u_frmMain.h"

#include <QApplication>
#include <QFontInfo>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>

using namespace vorn;

namespace {

class InfoWindow : public AppWindows
{
protected:
    void TearDown() override
    {
        AppWindows::TearDown();
        EXPECT_TRUE(Reports().empty());
    }

    // Opens the window modally as the Info menu item does, runs `look` while
    // it is up and closes it with its Close button.
    static void WhileShown(const std::function<void()>& look)
    {
        bool looked = false;
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(QApplication::activeModalWidget(), frmInfo);
            EXPECT_TRUE(QTest::qWaitForWindowExposed(frmInfo));
            look();
            looked = true;
            frmInfo->Button1->click();
        });
        frmMain->Info1->trigger();
        EXPECT_TRUE(looked);
        EXPECT_FALSE(frmInfo->isVisible());
    }
};

TEST_F(InfoWindow, ControlsCarryTheirDescribedValues)
{
    TRotLab* rot = frmInfo->RotLab1;
    TRasterLab* raster = frmInfo->RasterLab1;
    ASSERT_TRUE(rot && raster);
    EXPECT_EQ(rot->parentWidget(), frmInfo);
    EXPECT_EQ(raster->parentWidget(), frmInfo);
    EXPECT_EQ(rot->geometry(), QRect(8, 16, 346, 146));
    EXPECT_EQ(raster->geometry(), QRect(8, 168, 345, 46));

    struct TCase
    {
        QObject* Control;
        const char* Property;
        QVariant Expected;
    };
    const TCase cases[] = {
        {rot, "Alignment", QVariant::fromValue(vornbase::taCenter)},
        {rot, "AntiAlias", true},
        {rot, "AutoCenter", true},
        {rot, "Caption", QStringLiteral("Program made by")},
        {rot, "FrameStyle", QVariant::fromValue(vornbase::fsNone)},
        {rot, "PosX", 173},
        {rot, "PosY", 73},
        {rot, "TextAngle", 30},
        {raster, "AutoHeight", false},
        {raster, "AutoCenter", false},
        {raster, "ColorLabBakG", QVariant::fromValue<TColor>(clBlack)},
        {raster, "ColorDotOn", QVariant::fromValue<TColor>(clLime)},
        {raster, "ColorDotOff", QVariant::fromValue<TColor>(0x404040)},
        {raster, "ColorScheme", QVariant::fromValue(vornbase::csBWG)},
        {raster, "DotSpacing", 1},
        {raster, "DotSize", 3},
        {raster, "FrameStyle", QVariant::fromValue(vornbase::fsLowered)},
        {raster, "PosX", 1},
        {raster, "PosY", 1},
        {raster, "Proportional", true},
        {raster, "ScrollMode", QVariant::fromValue(rasterlab::rdsmOff)},
        {raster, "ScrollInterval", 100},
        {raster, "ScrollIncrement", 1},
        {raster, "ScrollLoop", true},
        {raster, "CharBlockMode", QVariant::fromValue(rasterlab::rdbmOn)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Control->property(c.Property), c.Expected) << c.Control->objectName().toStdString() << "."
                                                                << c.Property;

    // The caption's own face, bold, 27 pixels; on a machine without the
    // designed face its free look-alike stands in.
    const QFont f = rot->font();
    EXPECT_EQ(f.family(), "Comic Sans MS");
    EXPECT_EQ(f.pixelSize(), 27);
    EXPECT_TRUE(f.bold());
    const QFontInfo shown(f);
    EXPECT_TRUE(shown.family() == "Comic Sans MS" || shown.family() == "Comic Neue") << shown.family().toStdString();
    EXPECT_TRUE(shown.bold());
    EXPECT_EQ(raster->font().family(), "default");
    EXPECT_EQ(raster->font().pixelSize(), 11);
}

TEST_F(InfoWindow, CreditLineIsShortLatin1TextInsideTheFrameInTheLabelsDefaults)
{
    const QString text = frmInfo->RasterLab1->Text();
    EXPECT_GE(text.size(), 8);
    EXPECT_LE(text.size(), 16);
    for (const QChar c : text)
        EXPECT_TRUE(c.unicode() >= 32 && c.unicode() <= 255) << int(c.unicode());

    // Drawn on a wider label, the lit dots end left of the gray frame line
    // that the info window's label has at column 343.
    TRasterLab wide;
    wide.resize(600, 46);
    wide.SetLabText(text);
    wide.Paint();
    int lastLit = -1;
    for (int y = 0; y < 46; ++y)
        for (int x = 0; x < 600; ++x)
            if (At(wide.Picture(), x, y) == clLime)
                lastLit = std::max(lastLit, x);
    EXPECT_GT(lastLit, 0);
    EXPECT_LT(lastLit, 343) << text.toStdString();

    // Apart from place, size and text it is a label as constructed.
    frmInfo->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frmInfo));
    TRasterLab fresh;
    fresh.resize(345, 46);
    fresh.SetLabText(text);
    fresh.Paint();
    ASSERT_FALSE(frmInfo->RasterLab1->Picture().isNull());
    EXPECT_EQ(frmInfo->RasterLab1->Picture(), fresh.Picture());
}

TEST_F(InfoWindow, CreditLineDoesNotMove)
{
    frmInfo->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frmInfo));
    TRasterLab* raster = frmInfo->RasterLab1;
    const QImage still = raster->Picture();
    ASSERT_FALSE(still.isNull());
    EXPECT_EQ(raster->ScrollMode(), rdsmOff);
    EXPECT_FALSE(raster->ScrTimerHandle()->IsRunning(1));
    // Ticks as a scroll timer would deliver them change nothing.
    for (int i = 0; i < 5; ++i)
        raster->ScrTimerHandle()->Tick(1);
    EXPECT_EQ(raster->Picture(), still);
    EXPECT_FALSE(raster->ScrTimerHandle()->IsRunning(1));
}

TEST_F(InfoWindow, CaptionRisesAtThirtyDegreesWhollyInsideItsArea)
{
    frmInfo->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frmInfo));
    frmInfo->grab(); // the label draws on its paint event
    const QImage& pic = frmInfo->RotLab1->Picture();
    ASSERT_EQ(pic.size(), QSize(346, 146));

    // The bounds of the inked pixels, and the mean height of the ink in the
    // left and the right quarter of them.
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x)
            if (qAlpha(pic.pixel(x, y)) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0) << "no caption drawn";
    EXPECT_GT(left, 0);
    EXPECT_GT(top, 0);
    EXPECT_LT(right, pic.width() - 1);
    EXPECT_LT(bottom, pic.height() - 1);
    // Centred on (173, 73), give or take the glyphs' uneven ink.
    EXPECT_NEAR((left + right) / 2.0, 173, 8);
    EXPECT_NEAR((top + bottom) / 2.0, 73, 8);
    // Long and turned: wider than high, yet far from flat.
    EXPECT_GT(right - left, 150);
    EXPECT_GT(bottom - top, (right - left) / 3);

    auto meanY = [&](int from, int to) {
        double sum = 0;
        int n = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = from; x <= to; ++x)
                if (qAlpha(pic.pixel(x, y)) != 0) {
                    sum += y;
                    ++n;
                }
        return n ? sum / n : -1.0;
    };
    const int quarter = (right - left) / 4;
    const double yLeft = meanY(left, left + quarter), yRight = meanY(right - quarter, right);
    // tan 30 degrees = 0.577: the ink climbs about that much per pixel to the right.
    EXPECT_NEAR((yLeft - yRight) / (3.0 * quarter), 0.577, 0.15);
}

TEST_F(InfoWindow, ShowsTheSameWindowEachTimeCentredOverTheMainWindow)
{
    QImage window[2], caption[2], credit[2];
    int n = 0;
    for (const QPoint at : {QPoint(200, 200), QPoint(300, 150)}) {
        frmMain->move(at);
        WhileShown([&] {
            const QRect info = frmInfo->frameGeometry(), main = frmMain->frameGeometry();
            EXPECT_EQ(info.topLeft(), main.topLeft() + QPoint((main.width() - info.width()) / 2,
                                                              (main.height() - info.height()) / 2))
                << "opening " << n;
            window[n] = frmInfo->grab().toImage();
            caption[n] = frmInfo->RotLab1->Picture();
            credit[n] = frmInfo->RasterLab1->Picture();
        });
        ++n;
    }
    ASSERT_FALSE(caption[0].isNull());
    ASSERT_FALSE(credit[0].isNull());
    EXPECT_EQ(window[0].size(), QSize(362, 253));
    EXPECT_EQ(window[1], window[0]);
    EXPECT_EQ(caption[1], caption[0]);
    EXPECT_EQ(credit[1], credit[0]);
}

TEST_F(InfoWindow, StaysOnTheScreenOverAMainWindowInItsCorner)
{
    const QRect screen = frmMain->screen()->availableGeometry();
    // The info window is larger than the main window, so centring it over a
    // main window in a corner would push it past that corner.
    const QSize mainSize = frmMain->frameGeometry().size();
    const QPoint bottomRight = screen.bottomRight() - QPoint(mainSize.width() - 1, mainSize.height() - 1);
    for (const QPoint at : {screen.topLeft(), bottomRight}) {
        frmMain->move(at);
        WhileShown([&] { EXPECT_TRUE(screen.contains(frmInfo->frameGeometry())) << at.x() << "," << at.y(); });
    }
}

TEST_F(InfoWindow, CannotBeResizedMinimisedOrMaximised)
{
    EXPECT_EQ(frmInfo->minimumSize(), QSize(362, 253));
    EXPECT_EQ(frmInfo->maximumSize(), QSize(362, 253));
    const Qt::WindowFlags flags = frmInfo->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    frmInfo->resize(500, 400);
    EXPECT_EQ(frmInfo->size(), QSize(362, 253));
}

} // namespace
