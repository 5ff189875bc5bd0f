# `make package`: a Debian package of what `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kovariswin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The KovarisWin developers")
set(CPACK_PACKAGE_CONTACT "KovarisWin developers <maintainers@kovariswin.invalid>")
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
# The names of Debian 12 (bookworm). The Svg module draws the window icon as an image plugin;
# the D-Bus module carries desktop notifications; libxcb tells the keyboard layout; libzip and
# libcsv read the feeds of `kovaris import-gtfs`. A test checks that every library the programs
# link comes from a package named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libgcc-s1, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), \
libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6dbus6 (>= 6.4), \
libxcb1, libzip4, libcsv3, fonts-ipafont-gothic")
include(CPack)
