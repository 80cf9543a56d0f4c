// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The program's windows at the scale factor the test runs with
// (QT_SCALE_FACTOR; ctest runs it at 1, 1.25, 1.5, 1.75 and 2): every device
// pixel of each window is painted, also where a control sits at a
// fractional device position.
#include "AppWindows.h"
#include "NumIO.h"
#include "u_frmCoil.h"

#include <QAction>

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace vorn;

namespace {

constexpr QRgb Unpainted = 0xFFFF00FF;

// The window rendered at its device pixel ratio onto a picture that starts
// in a colour no window uses.
QImage Rendered(QWidget* w)
{
    const qreal r = w->devicePixelRatioF();
    QImage img((QSizeF(w->size()) * r).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(r);
    img.fill(Unpainted);
    w->render(&img);
    return img;
}

// The unpainted pixels of a picture, as "(x, y)" of the first few.
std::string UnpaintedPixels(const QImage& img)
{
    std::string out;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == Unpainted && n++ < 8)
                out += "(" + std::to_string(x) + ", " + std::to_string(y) + ") ";
    return n ? std::to_string(n) + " unpainted: " + out : std::string();
}

class WindowScale : public AppWindows
{
};

TEST_F(WindowScale, EveryDevicePixelOfBothWindowsIsPainted)
{
    const qreal r = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    ASSERT_EQ(frmMain->devicePixelRatioF(), r);
    for (QWidget* w : {static_cast<QWidget*>(frmMain), static_cast<QWidget*>(frmInfo)})
        EXPECT_EQ(UnpaintedPixels(Rendered(w)), "") << w->objectName().toStdString() << " at " << r;
}

// The coil winding window, opened from its menu item.
TEST_F(WindowScale, EveryDevicePixelOfTheCoilWindowIsPainted)
{
    const qreal r = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    AddCoilWindingItem(frmMain)->trigger();
    ASSERT_NE(frmCoil, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frmCoil));
    ASSERT_EQ(frmCoil->devicePixelRatioF(), r);
    EXPECT_EQ(UnpaintedPixels(Rendered(frmCoil)), "") << "frmCoil at " << r;
}

} // namespace
