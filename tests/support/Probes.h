// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The controls with their protected members opened to the tests.
#include "RasterLab.h"
#include "RotLab.h"

using namespace vorn;

// The dot-matrix label's copy and its drawing and measuring routines.
class RasterLabProbe : public TRasterLab
{
public:
    using TRasterLab::TRasterLab;
    using TRasterLab::AssignTo;
    using TRasterLab::CalcTextBitLength;
    using TRasterLab::PaintChar;
    using TRasterLab::PaintString;
};

// The rotated label's canvas and text hook; counts its paints.
class RotLabProbe : public TRotLab
{
public:
    using TRotLab::TRotLab;
    using TRotLab::Canvas;
    using TRotLab::DoDrawText;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TRotLab::Paint();
    }
};
