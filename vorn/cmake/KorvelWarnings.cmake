# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# korvel_warnings(<target>): the warnings the project's own targets are built
# with. The build is kept free of them.
include_guard(GLOBAL)

function(korvel_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror=return-type)
  endif()
endfunction()
