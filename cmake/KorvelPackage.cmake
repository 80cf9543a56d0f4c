# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
# cpack -G DEB: one Debian package per install component,
#   libvorncontrols3               the Vorn controls' shared library (vorn_runtime)
#   libvorncontrols-dev            its headers, CMake and pkg-config files (vorn_devel)
#   vorn-controls-designer-plugin  the Qt Designer plugin (vorn_designer)
#   libvorncontrols-doc            the reference documentation, HTML and Qt
#                                  Help file (vorn_doc, when Doxygen is
#                                  installed; build the docs target first)
#   korvel-tuning-coil             the calculator and the gallery (korvel_program)
# each with the copyright file and the changelog Debian looks for. The
# development package also carries the example program (examples/), under
# share/doc/libvorncontrols-dev/examples as Debian's -dev packages do.
include(GNUInstallDirs)

set(KORVEL_PACKAGE_MAINTAINER "Korvel Tuning Coil maintainers <maintainers@korvel.invalid>"
    CACHE STRING "Maintainer named in the Debian packages")

# The packages carry the library's version, read from the library target:
# the library folder's project version is not seen from here on every
# configure.
get_target_property(KORVEL_PACKAGE_VERSION VornControls VERSION)
get_target_property(KORVEL_PACKAGE_SOVERSION VornControls SOVERSION)
set(KORVEL_QT_MIN "${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}")
set(KORVEL_LIB_PACKAGE libvorncontrols${KORVEL_PACKAGE_SOVERSION})

# The changelog, compressed as Debian ships it (gzip -9n: no name or time,
# so the package is the same from one build to the next). The version has no
# Debian revision, so the packages are native and the file is changelog.gz.
set(KORVEL_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/package/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
execute_process(COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/changelog
                OUTPUT_FILE ${KORVEL_CHANGELOG_GZ} COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/changelog)

# The programs' manual pages, compressed as Debian ships them.
foreach(page Tuning_Coil.1 Vorn_Gallery.1)
  execute_process(COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/man/${page}
                  OUTPUT_FILE ${CMAKE_BINARY_DIR}/package/${page}.gz COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/man/${page})
  install(FILES ${CMAKE_BINARY_DIR}/package/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          COMPONENT korvel_program)
endforeach()

# Each package's /usr/share/doc/<package>: copyright and changelog.
function(korvel_package_docs component package)
  install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${KORVEL_CHANGELOG_GZ}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endfunction()
korvel_package_docs(vorn_runtime ${KORVEL_LIB_PACKAGE})
korvel_package_docs(vorn_devel libvorncontrols-dev)
korvel_package_docs(korvel_program korvel-tuning-coil)
if(TARGET VornDesignerPlugin)
  korvel_package_docs(vorn_designer vorn-controls-designer-plugin)
endif()
if(TARGET docs)
  korvel_package_docs(vorn_doc libvorncontrols-doc)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/examples/CMakeLists.txt ${PROJECT_SOURCE_DIR}/examples/main.cpp
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libvorncontrols-dev/examples COMPONENT vorn_devel)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_NAME korvel-tuning-coil)
set(CPACK_PACKAGE_VENDOR "Korvel")
set(CPACK_PACKAGE_VERSION ${KORVEL_PACKAGE_VERSION})
set(CPACK_PACKAGE_CONTACT "${KORVEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KORVEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL vorn_runtime vorn_devel korvel_program)
if(TARGET VornDesignerPlugin)
  list(APPEND CPACK_COMPONENTS_ALL vorn_designer)
endif()
if(TARGET docs)
  list(APPEND CPACK_COMPONENTS_ALL vorn_doc)
endif()
set(korvel_qt_depends
    "libqt6widgets6 (>= ${KORVEL_QT_MIN}), libqt6gui6 (>= ${KORVEL_QT_MIN}), libqt6core6 (>= ${KORVEL_QT_MIN})")
set(korvel_lib_depends "${KORVEL_LIB_PACKAGE} (= ${KORVEL_PACKAGE_VERSION})")

# The library: its shlibs file, so that packages built against it depend on
# it, and the ldconfig trigger that makes its links when it is installed.
set(CPACK_DEBIAN_VORN_RUNTIME_PACKAGE_NAME ${KORVEL_LIB_PACKAGE})
set(CPACK_DEBIAN_VORN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_VORN_RUNTIME_PACKAGE_DEPENDS "${korvel_qt_depends}, libstdc++6, libc6")
string(CONCAT CPACK_COMPONENT_VORN_RUNTIME_DESCRIPTION
    "Vorn controls for Qt 6 Widgets, run-time library\n"
    "A numeric input field, a numeric display label, a dot-matrix label and a\n"
    "rotated label for Qt 6 Widgets programs. This package holds the shared\n"
    "library.")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
file(WRITE ${CMAKE_BINARY_DIR}/package/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_VORN_RUNTIME_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/package/triggers)

set(CPACK_DEBIAN_VORN_DEVEL_PACKAGE_NAME libvorncontrols-dev)
set(CPACK_DEBIAN_VORN_DEVEL_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_VORN_DEVEL_PACKAGE_DEPENDS "${korvel_lib_depends}, qt6-base-dev (>= ${KORVEL_QT_MIN})")
string(CONCAT CPACK_COMPONENT_VORN_DEVEL_DESCRIPTION
    "Vorn controls for Qt 6 Widgets, development files\n"
    "A numeric input field, a numeric display label, a dot-matrix label and a\n"
    "rotated label for Qt 6 Widgets programs. This package holds the headers,\n"
    "the CMake package (find_package(VornControls)), the pkg-config file and\n"
    "an example program.")
set(CPACK_DEBIAN_VORN_DEVEL_PACKAGE_SUGGESTS "libvorncontrols-doc")

set(CPACK_DEBIAN_VORN_DESIGNER_PACKAGE_NAME vorn-controls-designer-plugin)
set(CPACK_DEBIAN_VORN_DESIGNER_PACKAGE_SECTION devel)
# libqt6svg6: Qt's SVG icon engine, which draws the controls' icons in the
# widget box.
set(CPACK_DEBIAN_VORN_DESIGNER_PACKAGE_DEPENDS
    "${korvel_lib_depends}, libqt6designer6 (>= ${KORVEL_QT_MIN}), libqt6svg6 (>= ${KORVEL_QT_MIN}), ${korvel_qt_depends}, libstdc++6, libc6")
string(CONCAT CPACK_COMPONENT_VORN_DESIGNER_DESCRIPTION
    "Vorn controls for Qt 6 Widgets, Qt Designer plugin\n"
    "Puts the numeric field, the numeric and dot-matrix labels and the\n"
    "rotated label of the Vorn controls in the widget box of Qt Designer and\n"
    "Qt Creator.")

# The reference documentation: the same for every architecture.
set(CPACK_DEBIAN_VORN_DOC_PACKAGE_NAME libvorncontrols-doc)
set(CPACK_DEBIAN_VORN_DOC_PACKAGE_SECTION doc)
set(CPACK_DEBIAN_VORN_DOC_PACKAGE_ARCHITECTURE all)
string(CONCAT CPACK_COMPONENT_VORN_DOC_DESCRIPTION
    "Vorn controls for Qt 6 Widgets, reference documentation\n"
    "A numeric input field, a numeric display label, a dot-matrix label and a\n"
    "rotated label for Qt 6 Widgets programs. This package holds the\n"
    "reference documentation of the library as HTML pages and as a Qt Help\n"
    "file for Qt Creator and Qt Assistant.")

# The calculator and the gallery; Qt's platform plugins (no window without
# them), and what the look asks for: the SVG plugins for the icon and the
# fonts standing in for Arial and Comic Sans.
set(CPACK_DEBIAN_KORVEL_PROGRAM_PACKAGE_NAME korvel-tuning-coil)
set(CPACK_DEBIAN_KORVEL_PROGRAM_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_KORVEL_PROGRAM_PACKAGE_DEPENDS
    "${korvel_lib_depends}, ${korvel_qt_depends}, qt6-qpa-plugins, libstdc++6, libc6")
set(CPACK_DEBIAN_KORVEL_PROGRAM_PACKAGE_RECOMMENDS "libqt6svg6, fonts-liberation, fonts-comic-neue")
string(CONCAT CPACK_COMPONENT_KORVEL_PROGRAM_DESCRIPTION
    "Tuning coil calculator for resonant circuits\n"
    "From the operating frequency and either the coil's reactance or its\n"
    "inductance the calculator keeps the three consistent and shows the\n"
    "capacitance that resonates with the coil. With the gallery of the Vorn\n"
    "controls it is built on.")

include(CPack)
