// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Makes the controls that the windows' descriptions name known to the
// window-description loader (by their bare names, TNumIO2, and as Designer
// saves them, vorn::TNumIO2), and the faces those descriptions name
// available on machines that lack them. Safe to call more than once.
void RegisterControlClasses();

// Lets the faces the windows were designed with fall back on free look-alikes
// when they are not installed: "Comic Sans MS" on "Comic Neue", "Tahoma" on
// "DejaVu Sans". An installed original is still preferred. Called by
// RegisterControlClasses, so before any window asks for a font.
void SubstituteMissingFonts();
