# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# The installed headers are the library's interface and nothing more.
#
#   cmake -DBUILD_DIR=<build> -P check_interface.cmake   installs the headers
#       (component vorn_devel) into <build>/check_interface and checks them
#   cmake -DINCLUDE_DIR=<folder with vorn/> -P check_interface.cmake
#       checks headers already there
# With -DSOURCE_DIR=<the library's include folder> as well, the installed
# headers must be exactly the files of <SOURCE_DIR>/vorn, byte for byte: the
# build tree uses that folder as it is, so what a program sees installed is
# what the library was built with.
#
# Fails when include/vorn holds a header that is not one of the interface's,
# or when one of them names a scanner, a drawing helper, a cache, a test hook
# or a unit constant. Such a name may stand only where a control's data still
# needs it: a forward or friend declaration (`struct TRDSharedMatrix;`) or the
# type of a data member (`... FCMat;`).
cmake_minimum_required(VERSION 3.21)

if(BUILD_DIR)
  set(prefix ${BUILD_DIR}/check_interface)
  file(REMOVE_RECURSE ${prefix})
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --component vorn_devel --prefix ${prefix}
                  RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install ${BUILD_DIR} --component vorn_devel failed")
  endif()
  set(INCLUDE_DIR ${prefix}/include)
endif()
if(NOT INCLUDE_DIR)
  message(FATAL_ERROR "usage: cmake -DBUILD_DIR=<build> | -DINCLUDE_DIR=<include> -P check_interface.cmake")
endif()

# The interface: the four controls and their base, their enumerations and
# types, the canvas their frame painter draws on, the error report, the
# version and the export macros.
set(expected Application.h Canvas.h Colors.h Exceptions.h Keys.h NumIO.h NumLab.h RasterLab.h RotLab.h
             Surface.h VornVersion.h vorn_export.h vornbase.h)

# What is internal to the library.
set(internal
  # the field's scanners and validators
  ScanBin ScanOctal ScanHex ScanFPNum IsValidBin IsValidOct IsValidHex IsValidDecInt IsValidDouble
  IsValidFPNum PolicySeparator
  # drawing and measuring helpers
  DrawBevel TFrameLines FrameLines FrameLinesOf TValueBox FieldBox LabelBox TEngravedLook DrawCaption
  DrawCaptionLook MeasuringMetrics TextHeightProbe ClassNameOf ThrowCannotAssign RotLabTextOrigin
  VirtualKeyOf ShiftStateOf
  # caches and shared state
  TRecentCache TRDSharedMatrix SharedBitFont TSchemeLines
  # test hooks
  Compositions SetRefuseTimers BeepCount MessageBeep SurfaceAccess FieldAccess
  # the controls' cores and their hosts
  TControlHost TDetachedHost TNumIO2Core TNumLabCore TRasterLabCore TRotLabCore TNumIO2Host TNumLabHost
  TRasterLabScrollHost
  # unit constants
  defLeftSpace defFixP defSigDig defTextBoxWidth defPrecision defLabelWidth MINHEIGHT CARETBLINK_CONST
  MINBUTHEIGHT MINBUTWIDTH MAXBUTWIDTH MAXBUTSPACE)

file(GLOB installed LIST_DIRECTORIES true RELATIVE ${INCLUDE_DIR}/vorn ${INCLUDE_DIR}/vorn/*)
list(SORT installed)
list(SORT expected)
set(faults)
foreach(name IN LISTS installed)
  if(NOT name IN_LIST expected)
    list(APPEND faults "include/vorn/${name} is not an interface header")
  endif()
endforeach()
foreach(name IN LISTS expected)
  if(NOT name IN_LIST installed)
    list(APPEND faults "include/vorn/${name} is missing")
  endif()
endforeach()

if(SOURCE_DIR)
  file(GLOB in_source LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR}/vorn ${SOURCE_DIR}/vorn/*)
  list(SORT in_source)
  if(NOT in_source STREQUAL installed)
    list(APPEND faults "include/vorn holds ${installed}, the library's include folder ${in_source}")
  endif()
  foreach(name IN LISTS in_source)
    if(EXISTS ${INCLUDE_DIR}/vorn/${name})
      file(SHA256 ${SOURCE_DIR}/vorn/${name} source_hash)
      file(SHA256 ${INCLUDE_DIR}/vorn/${name} installed_hash)
      if(NOT source_hash STREQUAL installed_hash)
        list(APPEND faults "include/vorn/${name} differs from the library's include folder")
      endif()
    endif()
  endforeach()
endif()

set(word "[^A-Za-z0-9_]")
foreach(header IN LISTS installed)
  # One list element per line: semicolons and brackets, which CMake's lists
  # treat apart, are read as words.
  file(READ ${INCLUDE_DIR}/vorn/${header} content)
  string(REPLACE ";" "<semicolon>" content "${content}")
  string(REPLACE "[" "<open>" content "${content}")
  string(REPLACE "]" "<close>" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    foreach(name IN LISTS internal)
      if(NOT " ${line} " MATCHES "${word}${name}${word}")
        continue()
      endif()
      # Left standing for the controls' data: an opaque forward or friend
      # declaration, or the type of a data member (F<Name>).
      if(line MATCHES "^ *(friend )?(class|struct) ([a-z]+::)?${name}<semicolon>$" OR
         line MATCHES "^ +[A-Za-z_:<>]*${name}[A-Za-z_:<>*]* +F[A-Za-z0-9_]*( = .*)?<semicolon>$")
        continue()
      endif()
      list(APPEND faults "include/vorn/${header}:${number} names ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "The installed headers go beyond the interface:\n  ${text}")
endif()
list(LENGTH installed count)
message(STATUS "include/vorn: the ${count} interface headers, no internals")
