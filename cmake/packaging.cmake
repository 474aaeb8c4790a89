# SPDX-License-Identifier: MIT
# A Debian package of the installed program: `cpack -G DEB` in the build folder.
# Its dependencies are computed from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavi-velmora)
set(CPACK_PACKAGE_VENDOR "Orvex")
set(CPACK_PACKAGE_CONTACT "Tavi Velmora developers <developers@tavi-velmora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Numerology readings from a name and a date of birth")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tavi Velmora calculates eight numerology numbers (destiny, personality, soul urge, realization,\n"
    "pinnacles, hidden passion, subconscious self and attitude) from a name and a date of birth and\n"
    "shows a reading for each. Readings can be saved as small report files. A command-line tool\n"
    "gives the same readings for scripts and for many people at once.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tavi-velmora.example")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
