// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// System colours: each index resolves to its palette role in the active
// group, by name in window descriptions too; and controls set to system
// colours read (text against its background) under a dark palette as under
// a light one, measured on the pixels they paint.
#include "ControlClasses.h"
#include "FormLoader.h"
#include "FormRegistry.h"
#include "FormValues.h"
#include "NumIO.h"
#include "NumLab.h"
#include "TestSupport.h"

#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QPalette>

#include <gtest/gtest.h>

#include <cmath>

using namespace vorn;

namespace {

// A palette with a colour of its own for every role and group.
QPalette Distinctive()
{
    QPalette pal;
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = QPalette::ColorRole(r);
        pal.setColor(QPalette::Active, role, QColor(10 + r, 40 + 3 * r, 250 - 5 * r));
        pal.setColor(QPalette::Inactive, role, QColor(90 + r, 20, 30));
        pal.setColor(QPalette::Disabled, role, QColor(190 + r, 60, 70));
    }
    return pal;
}

struct SystemColour {
    const char* name;
    TColor colour;
    unsigned index;
    QPalette::ColorRole role;
};

// Windows' system colour indices, and the role each reads.
const SystemColour SystemColours[] = {
    {"clScrollBar", clScrollBar, 0, QPalette::Mid},
    {"clBackground", clBackground, 1, QPalette::Window},
    {"clActiveCaption", clActiveCaption, 2, QPalette::Highlight},
    {"clInactiveCaption", clInactiveCaption, 3, QPalette::Dark},
    {"clMenu", clMenu, 4, QPalette::Button},
    {"clWindow", clWindow, 5, QPalette::Base},
    {"clWindowFrame", clWindowFrame, 6, QPalette::Shadow},
    {"clMenuText", clMenuText, 7, QPalette::ButtonText},
    {"clWindowText", clWindowText, 8, QPalette::WindowText},
    {"clCaptionText", clCaptionText, 9, QPalette::HighlightedText},
    {"clActiveBorder", clActiveBorder, 10, QPalette::Button},
    {"clInactiveBorder", clInactiveBorder, 11, QPalette::Button},
    {"clAppWorkSpace", clAppWorkSpace, 12, QPalette::Dark},
    {"clHighlight", clHighlight, 13, QPalette::Highlight},
    {"clHighlightText", clHighlightText, 14, QPalette::HighlightedText},
    {"clBtnFace", clBtnFace, 15, QPalette::Button},
    {"clBtnShadow", clBtnShadow, 16, QPalette::Dark},
    {"clGrayText", clGrayText, 17, QPalette::PlaceholderText},
    {"clBtnText", clBtnText, 18, QPalette::ButtonText},
    {"clInactiveCaptionText", clInactiveCaptionText, 19, QPalette::Text},
    {"clBtnHighlight", clBtnHighlight, 20, QPalette::Light},
    {"cl3DDkShadow", cl3DDkShadow, 21, QPalette::Shadow},
    {"cl3DLight", cl3DLight, 22, QPalette::Midlight},
    {"clInfoText", clInfoText, 23, QPalette::ToolTipText},
    {"clInfoBk", clInfoBk, 24, QPalette::ToolTipBase},
    {"clHotLight", clHotLight, 26, QPalette::Link},
    {"clGradientActiveCaption", clGradientActiveCaption, 27, QPalette::Base},
    {"clGradientInactiveCaption", clGradientInactiveCaption, 28, QPalette::Window},
    {"clMenuHighlight", clMenuHighlight, 29, QPalette::Highlight},
    {"clMenuBar", clMenuBar, 30, QPalette::Button},
};

TEST(SystemColours, EachIndexResolvesToItsRoleInTheActiveGroupAndReadsByName)
{
    QPalette pal = Distinctive();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setCurrentColorGroup(group); // as a widget's palette() is, by its state
        for (const SystemColour& s : SystemColours) {
            EXPECT_EQ(s.colour, 0xFF000000u | s.index) << s.name;
            EXPECT_EQ(ResolveColor(s.colour, pal), pal.color(QPalette::Active, s.role).rgb()) << s.name << " " << group;
            EXPECT_EQ(ColorFromText(QString::fromLatin1(s.name)), std::optional<TColor>(s.colour)) << s.name;
        }
    }
}

// Indices without a system colour read the palette's window, as before.
TEST(SystemColours, UnknownIndicesReadTheWindow)
{
    const QPalette pal = Distinctive();
    for (const TColor c : {0xFF000019u, 0xFF00001Fu, 0xFF00007Fu, 0xFF0000FFu})
        EXPECT_EQ(ResolveColor(c, pal), pal.color(QPalette::Active, QPalette::Window).rgb()) << std::hex << c;
}

// A translucent role (Qt's placeholder text is half-transparent) shows as it
// would over the palette's window.
TEST(SystemColours, TranslucentRoleIsTakenOverTheWindow)
{
    QPalette pal = Distinctive();
    pal.setColor(QPalette::Window, QColor(200, 100, 0));
    pal.setColor(QPalette::PlaceholderText, QColor(0, 0, 255, 51)); // a fifth
    EXPECT_EQ(ResolveColor(clGrayText, pal), qRgb(160, 80, 51));
}

// ---- contrast ----------------------------------------------------------------

// The ratios WebAIM's contrast checker publishes for these pairs.
TEST(SystemColours, ContrastRatioAsWcagDefinesIt)
{
    EXPECT_NEAR(Contrast(qRgb(0, 0, 0), qRgb(255, 255, 255)), 21.0, 1e-9);
    EXPECT_NEAR(Contrast(qRgb(0x76, 0x76, 0x76), qRgb(255, 255, 255)), 4.54, 0.005);
    EXPECT_NEAR(Contrast(qRgb(0x77, 0x77, 0x77), qRgb(255, 255, 255)), 4.48, 0.005);
    EXPECT_NEAR(Contrast(qRgb(0x00, 0x00, 0xFF), qRgb(255, 255, 255)), 8.59, 0.005);
}

// In the columns l .. r - 1 and rows t .. b - 1 of a picture: the ground (the
// commonest colour) and the ink that stands out most from it among colours
// of at least a few pixels (text's own colour, not its smoothed edges).
struct TInk {
    QRgb ground = 0, ink = 0;
    int inkPixels = 0;
};

TInk InkOf(const QImage& pic, int l, int t, int r, int b)
{
    QHash<QRgb, int> count;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            ++count[pic.pixel(x, y)];
    TInk found;
    int most = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > most)
            most = it.value(), found.ground = it.key();
    double best = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.key() != found.ground && it.value() >= 4 && Contrast(it.key(), found.ground) > best)
            best = Contrast(it.key(), found.ground), found.ink = it.key(), found.inkPixels = it.value();
    return found;
}

// The dark palette Qt programs commonly give the Fusion style.
QPalette DarkFusion()
{
    const QColor window(0x35, 0x35, 0x35), accent(0x2A, 0x82, 0xDA);
    QPalette pal(window);
    pal.setColor(QPalette::Window, window);
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    pal.setColor(QPalette::Text, Qt::white);
    pal.setColor(QPalette::Button, window);
    pal.setColor(QPalette::ButtonText, Qt::white);
    pal.setColor(QPalette::Highlight, accent);
    pal.setColor(QPalette::HighlightedText, Qt::black);
    pal.setColor(QPalette::ToolTipBase, QColor(0x19, 0x19, 0x19));
    pal.setColor(QPalette::ToolTipText, Qt::white);
    return pal;
}

// The gallery's page of system colours, as its description lays it out.
class ColoursPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterControlClasses();
        RegisterControl<QGroupBox>(QStringLiteral("QGroupBox"));
        QFile file(QStringLiteral(GALLERY_PAGES "/colours.ui"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        LoadFormFromXml(&page, file.readAll(), {});
        page.show();
    }

    // Every caption and box of the page's fields and labels: its text
    // against its ground, at least 4.5 : 1.
    void ExpectReadable(const char* palette)
    {
        int boxes = 0;
        const auto check = [&](const QWidget* w, const QImage& pic, int l, int r, const char* part) {
            const TInk ink = InkOf(pic, l, 2, r, pic.height() - 3);
            EXPECT_GE(ink.inkPixels, 4) << palette << " " << qPrintable(w->objectName()) << " " << part;
            EXPECT_GE(Contrast(ink.ink, ink.ground), 4.5)
                << palette << " " << qPrintable(w->objectName()) << " " << part << std::hex << " ink " << ink.ink
                << " on " << ink.ground;
            ++boxes;
        };
        for (TNumIO2* f : page.findChildren<TNumIO2*>()) {
            const QImage& pic = f->Picture();
            check(f, pic, 0, f->LeftSpace() - 1, "caption");
            check(f, pic, f->LeftSpace() + 3, f->LeftSpace() + f->TextBoxWidth() - 1, "box");
        }
        for (TNumLab* n : page.findChildren<TNumLab*>()) {
            const QImage& pic = n->Picture();
            check(n, pic, 0, n->LeftSpace() - 1, "caption");
            check(n, pic, n->LeftSpace() + 3, n->LeftSpace() + n->LabelWidth() - 1, "box");
        }
        EXPECT_EQ(boxes, 16) << palette;
    }

    QWidget page;
};

TEST_F(ColoursPage, TextReadsUnderALightAndADarkPalette)
{
    ExpectReadable("light");
    page.setPalette(DarkFusion());
    ExpectReadable("dark");
}

} // namespace
