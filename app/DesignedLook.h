// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The look the window descriptions were designed with: black captions and
// white boxes on a light button face. A dark desktop style or colour scheme
// would put a dark button face under those fixed black captions, so the
// program keeps the light look on every desktop.

// Gives the application the light palette of Qt's Fusion style, whatever
// colour scheme the desktop sets. A desktop style that is dark by design
// (its own palette is dark, as Adwaita-Dark's) draws its buttons dark under
// any palette, so the program then draws with Fusion too; any other style
// stays and draws with the light palette.
void UseDesignedLook();
