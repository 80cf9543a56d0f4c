// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Shared by the test programs: the errors that reached the application's
// exception handler, pixel access and counts in stored-colour form, the
// expected pixels of a label's frame, and a guard for the decimal separator.
#include "Colors.h"
#include "Locale_p.h"
#include "vornbase.h"

#include <QChar>
#include <QImage>
#include <QPaintDevice>
#include <QString>

#include <cmath>
#include <ostream>
#include <vector>

using namespace vorn;

// GoogleTest prints a QString, in a failed expectation, as its text.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// Messages of the exceptions handed to Application->HandleException since
// the last ClearReports(); the test main records them instead of showing a
// modal message box.
std::vector<QString>& Reports();
void ClearReports();

// The pixel (x, y) of a picture as 0x00BBGGRR.
inline TColor At(const QImage& img, int x, int y)
{
    return ColorFromRgb(img.pixel(x, y));
}

// How many pixels are in colour c, or are not, in the columns l .. r - 1 and
// rows t .. b - 1 of a picture; without the bounds, in the whole picture.
int CountColor(const QImage& img, TColor c, int l, int t, int r, int b);
int CountNot(const QImage& img, TColor c, int l, int t, int r, int b);
inline int CountColor(const QImage& img, TColor c)
{
    return CountColor(img, c, 0, 0, img.width(), img.height());
}

// The frame of a label as its own painter draws it, from (Left, Top) to the
// outermost pixels (Right, Bottom) inclusive. fsNone and fsSimple: a ring
// in Outline round the Fill. The bevelled styles: the ring leaves out the
// last column and row; those take the outer stroke in Outer, the right one
// from Top + 1 down and the bottom one from Left + BottomFrom across; the
// inner stroke in Inner runs just inside the ring's top and left edges.
// Pixels outside all of it are Outside.
struct FrameLook
{
    TFrameStyle Style;
    int Left, Top, Right, Bottom;
    int BottomFrom;
    TColor Outside, Fill, Outline, Inner, Outer;
};

// The expected colour of pixel (x, y) of a frame.
TColor FramePixel(const FrameLook& f, int x, int y);

// Restores the decimal separator that was set when it was made.
class SepGuard
{
public:
    SepGuard() = default;
    SepGuard(const SepGuard&) = delete;
    SepGuard& operator=(const SepGuard&) = delete;
    ~SepGuard() { SetDecimalSeparator(FSaved); }

private:
    QChar FSaved = DecimalSeparator();
};

// The palette and font every GUI test runs with.
constexpr QRgb TestButtonFace = 0xFFF0F0F0;
constexpr QRgb TestDark = 0xFFA0A0A0;
constexpr QRgb TestLight = 0xFFFFFFFF;
constexpr QRgb TestWindowText = 0xFF000000;

// A control that reports device pixel ratio `ratio` whatever its screen, as
// on a high-density display: Qt reads a widget's ratio through metric().
template <class Control>
class AtRatio : public Control
{
public:
    explicit AtRatio(qreal ratio) : FRatio(ratio) {}

protected:
    int metric(QPaintDevice::PaintDeviceMetric m) const override
    {
        if (m == QPaintDevice::PdmDevicePixelRatioScaled)
            return int(FRatio * QPaintDevice::devicePixelRatioFScale());
        if (m == QPaintDevice::PdmDevicePixelRatio)
            return int(std::ceil(FRatio));
        return Control::metric(m);
    }

private:
    qreal FRatio;
};

// A ratio-1 picture scaled to ratio r by blocks: logical pixel (x, y) fills
// the device pixels floor(x*r) .. floor((x+1)*r) - 1 in each direction.
QImage BlockScaled(const QImage& img, qreal r);

// WCAG 2.1: the relative luminance of an sRGB colour, and the contrast ratio
// (L1 + 0.05) / (L2 + 0.05) of the lighter L1 to the darker L2 (W3C, Web
// Content Accessibility Guidelines 2.1, "relative luminance" and "contrast
// ratio" in the glossary).
double Luminance(QRgb c);
double Contrast(QRgb a, QRgb b);
