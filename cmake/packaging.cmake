# SPDX-License-Identifier: MIT
# A Debian package of the installed program: `cpack -G DEB` in the build folder.
# Its dependencies are computed from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavi-velmora)
set(CPACK_PACKAGE_VENDOR "Orvex")
set(CPACK_PACKAGE_CONTACT "Tavi Velmora developers <developers@tavi-velmora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Numerology readings from a name and a date of birth")
# Each line of the extended description at most 79 characters (Debian's 80
# with the leading space).
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tavi Velmora calculates eight numerology numbers (destiny, personality,\n"
    "soul urge, realization, pinnacles, hidden passion, subconscious self and\n"
    "attitude) from a name and a date of birth and shows a reading for each.\n"
    "Readings can be saved as small report files, printed or kept as PDF. A\n"
    "command-line tool gives the same readings for scripts and for CSV files\n"
    "of many people at once.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tavi-velmora.example")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, which dpkg-shlibdeps cannot see:
# the X11 one comes with libqt6gui6, which the program links; the Wayland one
# is recommended, so that a Wayland session without X11 runs the program too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland, libqt6sql6-psql")
# The client book's database drivers are Qt plugins too: SQLite for the book
# in a file, which every user has; PostgreSQL for a book a practice shares.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_STRIP_FILES ON)
include(CPack)
