# The Debian package: `cpack -G DEB` in a built build folder packs what the
# install rules name (orbek, orbek-cli, the desktop entry, the icons) into
# orbek_<version>_<arch>.deb. Tests, benchmarks and the
# demo game have no install rules, so they stay out of it.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return() # a Debian package only of a Linux build (not of the MinGW-w64 one)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbek)
set(CPACK_PACKAGE_VENDOR Orbek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Orbek edits the master database (DATABASE.DB) and the save games (*.CAP)
of the cricket-management game ICC: teams, squads and First XIs, players,
their careers, abilities and photos. Bytes it does not understand are kept as
they were, and a file is replaced only once the new one is completely written.

The package holds the editor, orbek (Qt 6 Widgets), and orbek-cli, a
command-line tool to inspect, check, compare and batch-edit the same files.")

# No project mail address exists yet; a release build sets its own with
# -DORBEK_PACKAGE_MAINTAINER="Name <address>".
set(ORBEK_PACKAGE_MAINTAINER "Orbek maintainers <orbek@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${ORBEK_PACKAGE_MAINTAINER}")

# The home page is the one the About box links to, read from where it is set.
file(STRINGS ${PROJECT_SOURCE_DIR}/extras/WebAddresses.h ORBEK_HOME_PAGE_LINE
    REGEX "kHomePageAddress = \"[^\"]+\"")
if(NOT ORBEK_HOME_PAGE_LINE MATCHES "\"([^\"]+)\"")
    message(FATAL_ERROR "No kHomePageAddress in extras/WebAddresses.h for the package's Homepage field")
endif()
set(CPACK_PACKAGE_HOMEPAGE_URL "${CMAKE_MATCH_1}")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (dpkg-dev, with the `file` program) derives the library
# packages (Qt 6, libc) and their lowest versions from the programs. Qt's
# window-system plugins are loaded at run time, so no linker sees them:
# without qt6-qpa-plugins the editor cannot open a window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ORBEK_BUILD_GUI)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Debian ships programs without their debugging information.
set(CPACK_STRIP_FILES ON)

include(CPack)
