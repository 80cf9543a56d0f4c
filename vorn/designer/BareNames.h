// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The controls under the bare class names that forms of version 1 and the
// calculator's own window descriptions use. Designer checks that a widget it
// creates for a class has that class name, so each bare-name entry of the
// plugin creates one of these: the control itself, named as the form names
// it. They exist only inside the plugin.
#include <vorn/NumIO.h>
#include <vorn/NumLab.h>
#include <vorn/RasterLab.h>
#include <vorn/RotLab.h>

class TNumIO2 : public vorn::TNumIO2
{
    Q_OBJECT
public:
    using vorn::TNumIO2::TNumIO2;
};

class TNumLab : public vorn::TNumLab
{
    Q_OBJECT
public:
    using vorn::TNumLab::TNumLab;
};

class TRasterLab : public vorn::TRasterLab
{
    Q_OBJECT
public:
    using vorn::TRasterLab::TRasterLab;
};

class TRotLab : public vorn::TRotLab
{
    Q_OBJECT
public:
    using vorn::TRotLab::TRotLab;
};
