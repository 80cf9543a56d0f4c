// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The calculator on a dark desktop (Debian's adwaita-qt6, the style
// Adwaita-Dark with its own dark palette, as QT_STYLE_OVERRIDE sets it): the
// program keeps the light look its windows were designed with, so every
// text reads at a contrast of at least 4.5:1.
#include "AppWindows.h"
#include "DesignedLook.h"
#include "NumIO.h"
#include "NumLab.h"
#include "TestSupport.h"
#include "u_frmCoil.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using namespace vorn;

namespace {

// The contrast of a text on its background in a part of a picture: the
// commonest colour is the background, the pixel that differs most from it
// is the text's own colour.
double TextContrast(const QImage& img, const QRect& part)
{
    std::map<QRgb, int> count;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            ++count[img.pixel(x, y)];
    const QRgb background =
        std::max_element(count.begin(), count.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    double best = 1;
    for (const auto& [c, n] : count)
        best = std::max(best, Contrast(c, background));
    return best;
}

class DarkDesktop : public AppWindows
{
protected:
    void SetUp() override
    {
        // What Qt does at start under QT_STYLE_OVERRIDE=Adwaita-Dark: the
        // style, and its palette as the application's.
        QStyle* dark = QStyleFactory::create(QStringLiteral("Adwaita-Dark"));
        ASSERT_NE(dark, nullptr) << "Debian's adwaita-qt6 is not installed";
        QApplication::setStyle(dark);
        QApplication::setPalette(dark->standardPalette());
        ASSERT_LT(QApplication::palette().color(QPalette::Window).lightness(), 128);
        UseDesignedLook();
        AppWindows::SetUp();
    }
};

TEST_F(DarkDesktop, EveryTextOfTheMainWindowReadsAtFourAndAHalfToOne)
{
    const QImage window = frmMain->grab().toImage();
    struct Part
    {
        const char* Name;
        QWidget* Widget;
        QRect Rect; // in the widget, whole widget when empty
    };
    const std::vector<Part> parts{
        {"Frequency caption", frmMain->nioFreq, QRect(0, 0, 65, 25)},
        {"Frequency box", frmMain->nioFreq, QRect(65, 0, 82, 25)},
        {"MHz", frmMain->nioFreq, QRect(147, 0, 30, 25)},
        {"Required L caption", frmMain->nioL, QRect(0, 0, 65, 25)},
        {"XL caption", frmMain->nioXL, QRect(0, 0, 25, 25)},
        {"Required C caption", frmMain->nlC, QRect(0, 0, 65, 25)},
        {"C value", frmMain->nlC, QRect(65, 0, 82, 25)},
        {"Exit", frmMain->btnExit, QRect()},
        {"menu bar", frmMain->MainMenu1, QRect()},
    };
    for (const Part& p : parts) {
        const QRect local = p.Rect.isEmpty() ? p.Widget->rect() : p.Rect;
        const QRect inWindow(p.Widget->mapTo(frmMain, local.topLeft()), local.size());
        EXPECT_GE(TextContrast(window, inWindow), 4.5) << p.Name;
    }
    // The button face under the captions is the light one of the design.
    EXPECT_GE(frmMain->palette().color(QPalette::Button).lightness(), 200);
}

TEST_F(DarkDesktop, TheInfoWindowKeepsItsLightLookToo)
{
    const QImage info = frmInfo->grab().toImage();
    EXPECT_GE(TextContrast(info, frmInfo->Label1->geometry()), 4.5);
    EXPECT_GE(TextContrast(info, frmInfo->Button1->geometry()), 4.5);
}

TEST_F(DarkDesktop, TheCoilWindowKeepsItsLightLookToo)
{
    AddCoilWindingItem(frmMain)->trigger();
    ASSERT_NE(frmCoil, nullptr);
    frmCoil->nioFormer->SetNioValue(0); // a message in the status line
    frmCoil->InputChange(frmCoil->nioFormer);
    const QImage coil = frmCoil->grab().toImage();
    const QRect caption(0, 0, 82, 25); // the fields' caption; wider on the read-outs
    for (QWidget* w : std::vector<QWidget*>{frmCoil->nioFormer, frmCoil->nlTurns, frmCoil->cbFollow,
                                            frmCoil->lblStatus, frmCoil->btnClose}) {
        const QRect part = w == frmCoil->nioFormer || w == frmCoil->nlTurns ? caption : w->rect();
        EXPECT_GE(TextContrast(coil, QRect(w->mapTo(frmCoil, part.topLeft()), part.size())), 4.5)
            << w->objectName().toStdString();
    }
    EXPECT_GE(frmCoil->palette().color(QPalette::Button).lightness(), 200);
}

} // namespace
