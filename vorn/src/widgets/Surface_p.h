// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: what tests, benchmarks and the
// gallery's smoke run read of a control's pictures.
#include "Surface.h"

namespace vorn {

/// A surface's state: the picture it shows and how it was composed.
struct TSurfacePrivate
{
    QImage FPicture;
    TCopyMode FCopyMode = cmSrcCopy;
    /// The widget's device pixel ratio when the picture was presented.
    qreal FPictureRatio = 1.0;
    bool FInPaintEvent = false;
    int FCompositions = 0;
    /// A Paint found the control off screen; the picture is out of date.
    bool FStale = false;
    /// Picture() or paintEvent() is composing: the control's picture is
    /// wanted now, on screen or not (grab(), render()).
    bool FReading = false;
    bool FDesigning = false;
    // Picture() was called: the picture is kept between paints for readers.
    bool FKeepPicture = false;
    /// Visible was set to false at design time.
    bool FDesignHidden = false;

};

namespace vornaccess {

class SurfaceAccess
{
public:
    /// How many pictures the control has composed, for tests and benchmarks
    /// that check no work is done twice.
    static int Compositions(const TSurface& s) { return s.ds->FCompositions; }
};

} // namespace vornaccess

/// The same, as the tests write it.
inline int Compositions(const TSurface& s)
{
    return vornaccess::SurfaceAccess::Compositions(s);
}

} // namespace vorn
