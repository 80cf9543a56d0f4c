# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# autogen_follows_sources(<target>): reruns the target's moc step whenever its
# list of sources changes.
#
# With Ninja, CMake reruns moc only when a file it already scanned or a CMake
# file of the target's folder changes; a header or source that a glob adds to
# the target would get no moc code. Writing the list into a CMake file that
# the folder includes makes the list one of those CMake files.
include_guard(GLOBAL)

function(autogen_follows_sources target)
  get_target_property(sources ${target} SOURCES)
  list(TRANSFORM sources PREPEND "# ")
  list(JOIN sources "\n" sources)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.cmake)
  # Rewritten only when the list differs, so an unchanged list costs nothing.
  file(CONFIGURE OUTPUT ${list_file} CONTENT "# Sources of ${target}, for its moc step.\n${sources}\n" @ONLY)
  include(${list_file})
endfunction()
