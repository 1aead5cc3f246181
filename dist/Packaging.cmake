# The Debian package: `cpack -G DEB` in the build folder (or `cpack --config build/CPackConfig.cmake`)
# writes corvane_<version>_<arch>.deb there, holding what `cmake --install` installs under /usr.

set(CORVANE_PACKAGE_MAINTAINER "Corvane developers <corvane@invalid>"
  CACHE STRING "Maintainer named in the Debian package (\"Name <address>\")")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Corvane developers")
set(CPACK_PACKAGE_CONTACT "${CORVANE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shaft alignment from dial-indicator readings")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Corvane works out how far to move the feet of a machine so that its shaft lines up
with the shaft of the machine it is coupled to, from dial-indicator readings:
reverse dial, rim and face, and jack shaft methods, thermal growth, the alignment
tolerance for the speed, project files and a PDF report. corvane-cli does the
same from scripts.")
# dpkg-shlibdeps finds the libraries the programs link. The plugins Qt loads at run time come with
# them on Debian 12: the X11 and offscreen platforms in libqt6gui6, CUPS printing in
# libqt6printsupport6 (qt6-qpa-plugins holds only the VNC platform and touch input).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The machine history is an SQLite file unless a plant's PostgreSQL is named: Qt loads the SQLite
# driver at run time, so no library link names it; the PostgreSQL driver is only recommended.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# shared-mime-info shows .qdl files as Corvane projects in the file manager; hicolor-icon-theme owns
# the icon folders the package fills and the theme's index that icon lookups read. Every desktop has
# both; the programs run without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, hicolor-icon-theme, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
