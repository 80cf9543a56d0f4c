// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The version of the Vorn controls library these headers belong to. The
// library's CMake project reads its version from here. VORN_VERSION compares
// with QT_VERSION_CHECK(major, minor, patch):
//   #if VORN_VERSION >= QT_VERSION_CHECK(3, 0, 0)

#define VORN_VERSION_MAJOR 3
#define VORN_VERSION_MINOR 0
#define VORN_VERSION_PATCH 0
#define VORN_VERSION_STRING "3.0.0"
#define VORN_VERSION ((VORN_VERSION_MAJOR << 16) | (VORN_VERSION_MINOR << 8) | VORN_VERSION_PATCH)
