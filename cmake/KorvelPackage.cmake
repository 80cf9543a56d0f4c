# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# cpack -G DEB: one Debian package holding what `cmake --install` puts under
# the prefix: the program with its desktop entry and icon, the gallery of the
# controls, and the Vorn controls library with its headers, CMake package and
# pkg-config file.
set(KORVEL_PACKAGE_MAINTAINER "Korvel Tuning Coil maintainers <maintainers@korvel.invalid>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvel-tuning-coil)
set(CPACK_PACKAGE_VENDOR "Korvel")
# The package carries the library's version, read from the library target:
# the library folder's project version is not seen from here on every
# configure.
get_target_property(KORVEL_PACKAGE_VERSION VornControls VERSION)
set(CPACK_PACKAGE_VERSION ${KORVEL_PACKAGE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tuning coil calculator and the Vorn controls for Qt 6 Widgets")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop calculator for the tuning coil of a resonant circuit: from the frequency and either "
    "the reactance or the inductance it keeps the three consistent and shows the resonating "
    "capacitance. With the library of its controls (a numeric field, a numeric display label, a "
    "dot-matrix label and a rotated label) for Qt 6 Widgets programs.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "${KORVEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KORVEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt 6 run-time the program and the library are linked against, Qt's
# platform plugins (no window without them), and what the look asks for: the
# SVG plugins for the icon and the fonts standing in for Arial and Comic Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}), libqt6gui6 (>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}), libqt6core6 (>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}), qt6-qpa-plugins, libstdc++6, libc6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, fonts-liberation, fonts-comic-neue")
set(CPACK_STRIP_FILES ON)

include(CPack)
