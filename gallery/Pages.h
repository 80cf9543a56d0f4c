// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The gallery's pages. Each is laid out in its description; the C++ here
// only wires what one control does to another.
#include "GalleryPage.h"

namespace vorn {
class TNumLab;
class TRasterLab;
} // namespace vorn

// Fields of every input format and separator policy, spin buttons stepping
// by an increment and through stops, and gauges; the last field edited is
// shown in a label.
class TNumIOPage : public TGalleryPage
{
public:
    explicit TNumIOPage(QWidget* parent = nullptr);

private:
    vorn::TNumLab* FLast = nullptr;
    void FieldChange(QObject* Sender);
};

// One value in every display type, an overflowing label, a label whose text
// a hook rewrites, and transparent labels over a patterned panel; a field
// drives them all.
class TNumLabPage : public TGalleryPage
{
public:
    explicit TNumLabPage(QWidget* parent = nullptr);

private:
    void ValueChange(QObject* Sender);
};

// The built-in and rendered fonts, the block modes, and text scrolling in
// every direction, looping or once.
class TRasterLabPage : public TGalleryPage
{
public:
    explicit TRasterLabPage(QWidget* parent = nullptr);

private:
    vorn::TRasterLab* FOnce = nullptr;
    vorn::TNumLab* FLoops = nullptr;
    void LoopRestart(QObject* Sender);
    void AgainClick(QObject* Sender);
};

// A dial of captions at every 30 degrees, and the three alignments turned by
// a field.
class TRotLabPage : public TGalleryPage
{
public:
    explicit TRotLabPage(QWidget* parent = nullptr);

private:
    void AngleChange(QObject* Sender);
};

// Every frame style in both colour schemes, for each control.
class TFramesPage : public TGalleryPage
{
public:
    explicit TFramesPage(QWidget* parent = nullptr);
};

// The same fields and labels set to system colours, under the desktop's
// palette and under a dark one.
class TColoursPage : public TGalleryPage
{
public:
    explicit TColoursPage(QWidget* parent = nullptr);
};
