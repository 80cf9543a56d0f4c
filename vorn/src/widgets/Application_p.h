// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the beep the controls sound,
// counted for the tests.
#include "Application.h"

namespace vorn {

/// The simple beep; counted so that tests can see it.
VORN_TESTS_EXPORT void MessageBeep();
VORN_TESTS_EXPORT int BeepCount();

} // namespace vorn
