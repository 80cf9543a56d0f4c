// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The gallery's smoke run (Vorn_Gallery --smoke): shows every page in turn,
// lets it paint and its timers tick, and reports every exception that reaches
// the application's error report and every control left unpainted.
class TfrmGallery;

// The number of faults found; each is written to standard error.
int RunSmoke(TfrmGallery& gallery);
