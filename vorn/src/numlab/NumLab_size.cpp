// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The label's natural and least sizes for Qt's layouts, read off the rules
// its picture is drawn by: the box at LeftSpace, LabelWidth wide, and the
// right caption beside it.
#include "NumLab_p.h"

#include <QFontMetrics>

#include <algorithm>

namespace vorn {

namespace {

// The box's right end (exclusive): its ring, and for the bevelled styles the
// outer line one column further.
int BoxRight(const TNumLab& lab)
{
    const bool flat = lab.FrameStyle() == fsNone || lab.FrameStyle() == fsSimple;
    return std::max(lab.LeftSpace() + lab.LabelWidth() + (flat ? 2 : 3), 0);
}

} // namespace

// The right caption stands seven pixels after the box and keeps six from the
// edge, as the left- and right-justified captions do; the line is as high as
// the font's with three rows above and below.
QSize TNumLab::sizeHint() const
{
    const QFontMetrics fm = MeasuringMetrics(font());
    int w = BoxRight(*this);
    if (!FRightText.isEmpty())
        w = std::max(w, FLeftSpace + FLabWidth + 7 + fm.horizontalAdvance(FRightText) + 6);
    return {w, fm.height() + 6};
}

// The box with the whole text line inside its clip, rows 2 .. H - 4.
QSize TNumLab::minimumSizeHint() const
{
    return {BoxRight(*this), MeasuringMetrics(font()).height() + 5};
}

} // namespace vorn
