# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of what `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KOVARIS_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The KovarisWin developers")
set(CPACK_PACKAGE_CONTACT ${KOVARIS_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "departure board for rail travellers")
# Lines of the Debian description stay under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "KovarisWin shows the coming departures of the trains you take, read
from timetable files you prepare yourself (Shift-JIS text), with a live
countdown to each train, the train's kind and destination in colour, and
a clock. It picks the part of the timetable that serves today, steps an
hour back or forward and follows a train to a transfer station. The
interface is Japanese. The terminal tool kovaris shows the same board
without a desktop and turns published GTFS feeds into timetable files.
Demo data is included.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the packages of the libraries the programs link. Beside them: the Japanese
# font and, for the window, the Svg module's image plugin, which Qt loads to draw the icon.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
if(TARGET kovariswin)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4), ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
  # Wayland, and Qt's own Japanese texts for the colour chooser and the standard buttons.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
endif()
# The package's time stamps are those of the last commit (or of the release, outside a git
# checkout), so two builds of one commit give the same bytes; read when cpack runs, so a commit
# made after configuring counts.
set(KOVARIS_SOURCE_DIR ${PROJECT_SOURCE_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/CPackTime.cmake.in ${CMAKE_BINARY_DIR}/CPackTime.cmake
               @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackTime.cmake)
include(CPack)
