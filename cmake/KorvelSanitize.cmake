# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# Sanitizer and fuzzing builds, for every target of the project alike.
#
#   KORVEL_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer (GCC or
#                    clang); any undefined behaviour stops the program.
#   KORVEL_FUZZ      the libFuzzer targets in fuzz/ (clang only, together
#                    with KORVEL_SANITIZE); everything is built with the
#                    coverage the fuzzer steers by.
include_guard(GLOBAL)

option(KORVEL_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KORVEL_FUZZ "Build the libFuzzer targets in fuzz/ (clang, with KORVEL_SANITIZE)" OFF)

if(KORVEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KORVEL_FUZZ needs clang (libFuzzer is part of clang's run-time), "
                        "not ${CMAKE_CXX_COMPILER_ID}: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  if(NOT KORVEL_SANITIZE)
    # The coverage hooks of the programs that are not fuzz targets (the
    # library, the tests) come with the sanitizers' run-time.
    message(FATAL_ERROR "KORVEL_FUZZ needs KORVEL_SANITIZE=ON")
  endif()
endif()

if(KORVEL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined)
endif()
if(KORVEL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
