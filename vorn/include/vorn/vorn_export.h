// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// VORN_EXPORT marks what the shared library exports; everything else is
// hidden. The library's own build defines VornControls_EXPORTS (CMake does,
// for a shared library's sources) and, with vorn_core, VORN_BUILDING.

#if defined(_WIN32)
#  if defined(VornControls_EXPORTS) || defined(VORN_BUILDING)
#    define VORN_EXPORT __declspec(dllexport)
#  else
#    define VORN_EXPORT __declspec(dllimport)
#  endif
#else
#  define VORN_EXPORT __attribute__((visibility("default")))
#endif

/* Internals for the project's own tests; not part of the interface. A build
   made for the tests defines it as VORN_EXPORT. */
#ifndef VORN_TESTS_EXPORT
#  define VORN_TESTS_EXPORT
#endif
