# Installed files and the Debian package made from them by CPack
# (scripts/package.sh builds build/kelvane_<version>_amd64.deb).
include(GNUInstallDirs)

install(TARGETS kelvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS packaging/kelvane-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/kelvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES app/images/kelvane.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES app/images/kelvane-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME kelvane.png)
endforeach()
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "administer Firebird databases without writing SQL by hand")
# One line per line of the package's description, as Debian wants them.
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvane opens a connection to a Firebird 3 database, on a server or as an
embedded file, and offers its tasks from a main menu of large buttons:
tables, primary and unique keys, indexes, foreign keys, users, roles, role
membership and table grants, a browser of tables, procedures and triggers,
and an SQL console. Each screen composes the statement from the user's
picks, shows it, and runs it only when the user commits.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kelvane developers <kelvane@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION database)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Depends: computed from the libraries the program links (Qt 6, libfbclient2).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Firebird's tools (isql-fb, gsec) are needed only to create databases; the
# engine opens database files without a server (host name "embedded").
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "firebird3.0-utils, firebird3.0-server-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
