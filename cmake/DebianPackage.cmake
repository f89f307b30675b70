# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in the build folder makes ambrel_<version>_amd64.deb.
# Configure with -DCMAKE_INSTALL_PREFIX=/usr for a package: the prefix is built
# into the metainfo's screenshot paths and the desktop program's fallback
# resource folder, and the package installs to the same prefix.

set(AMBREL_MAINTAINER "Orlune <ambrel@orlune.example.org>")

# What Debian wants in every package's documentation folder.
set(_doc ${CMAKE_INSTALL_DATADIR}/doc/ambrel)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/debian/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
  VERBATIM)
add_custom_target(ambrel_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ambrel)
set(CPACK_PACKAGE_VENDOR Orlune)
set(CPACK_PACKAGE_CONTACT ${AMBREL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter showing every unit of a quantity at once")
set(CPACK_PACKAGE_DESCRIPTION
    "Ambrel converts lengths, areas, speeds, pressures, temperatures, times,\n"
    "volumes, weights, power and energy, fuel efficiency and light, and data\n"
    "sizes. Each window shows every unit of its quantity at once: type a number\n"
    "into any field and every other field follows. Four small calculators cover\n"
    "file transfer time, proportions, interpolation and power-to-weight ratios.\n"
    "A command line (ambrel) runs the same engine without a display.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${AMBREL_HOMEPAGE})
# Depends comes from the binaries themselves (dpkg-shlibdeps), the on-demand
# module's included. Qt loads the X11/Wayland platform and the SVG icon engine
# as plugins, which it cannot see: without a platform the desktop program
# cannot start, without the icon engine it only lacks the theme's SVG icons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The interactive mode loads Readline when it starts, so dpkg-shlibdeps does
# not see it; without it the prompt still works, with no line editing. Qt's
# catalogs give its standard buttons and dialogs the person's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, libreadline8, qt6-translations-l10n")
include(CPack)
