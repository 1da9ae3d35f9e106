# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, and the Debian package built from it
# with CPack (`cpack -G DEB` in the build folder; ./package does it all, with
# the program in games/ as Debian keeps games).
include(GNUInstallDirs)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS torvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES desktop/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY desktop/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
# Debian looks for them under the package's name.
set(DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/torvane)
install(FILES desktop/copyright DESTINATION ${DOC_DIR})

set(MAN_PAGE ${CMAKE_CURRENT_BINARY_DIR}/torvane.6.gz)
add_custom_command(OUTPUT ${MAN_PAGE}
  COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/desktop/torvane.6 > ${MAN_PAGE}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/desktop/torvane.6)
add_custom_target(man_page ALL DEPENDS ${MAN_PAGE})
install(FILES ${MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# Debian wants the changelog compressed, without a time stamp inside.
set(DEBIAN_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${DEBIAN_CHANGELOG}
  COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/desktop/changelog.Debian > ${DEBIAN_CHANGELOG}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/desktop/changelog.Debian)
add_custom_target(debian_changelog ALL DEPENDS ${DEBIAN_CHANGELOG})
install(FILES ${DEBIAN_CHANGELOG} DESTINATION ${DOC_DIR})

# Everything an install puts in place that the build makes: ./play and
# ./package build this, so their build folders install.
add_custom_target(game)
add_dependencies(game torvane man_page debian_changelog)

set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_CONTACT "Korvel <hanoi@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tower of Hanoi puzzle game (汉诺塔)")
set(CPACK_PACKAGE_DESCRIPTION
  "Move a stack of disks, one disk at a time, onto another peg without ever\nlaying a longer disk on a shorter one. Any number of pegs and disks, a\nreverse mode, a clock and step count, and looks of your own.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://korvel.example.org/)
# The libraries come from the executable's own links; the platform plugins,
# the Song face and the translations are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
