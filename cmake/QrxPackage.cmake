# Installation and the Debian package.
#
#   cmake --install build --prefix /usr/local
#   cd build && cpack -G DEB          # qrx900_<version>_amd64.deb
#
# Installed layout (under the prefix):
#   bin/qrx900, bin/qrx900-sim
#   share/qrx900/guide/              the operator's guide (HTML) and its pictures
#   share/applications/qrx900.desktop, share/icons/hicolor/.../apps/qrx900.*
#   share/man/man1/qrx900.1.gz, qrx900-sim.1.gz
#   share/doc/qrx900/                copyright, changelog
# The program looks for its guide in ../share/qrx900/guide beside its own
# folder; the build mirrors that layout (build/share/qrx900/guide), so the
# same look-up works from the build folder and from an installation.
include(GNUInstallDirs)

set(QRX_GUIDE_FILES ${PROJECT_SOURCE_DIR}/docs/guide.html ${PROJECT_SOURCE_DIR}/docs/main-window.png
    ${PROJECT_SOURCE_DIR}/docs/table-dialog.png ${PROJECT_SOURCE_DIR}/docs/vlan-static-dialog.png
    ${PROJECT_SOURCE_DIR}/docs/connect-window.png)
set(QRX_GUIDE_BUILD_DIR ${PROJECT_BINARY_DIR}/share/qrx900/guide)
foreach(_f ${QRX_GUIDE_FILES})
  get_filename_component(_name ${_f} NAME)
  configure_file(${_f} ${QRX_GUIDE_BUILD_DIR}/${_name} COPYONLY)
endforeach()

# Manual pages, compressed the Debian way (no name, no time stamp).
find_program(QRX_GZIP gzip REQUIRED)
set(_manpages)
foreach(_page qrx900.1 qrx900-sim.1)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${_page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${QRX_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/docs/man/${_page} > ${PROJECT_BINARY_DIR}/man/${_page}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${_page} VERBATIM)
  list(APPEND _manpages ${PROJECT_BINARY_DIR}/man/${_page}.gz)
endforeach()
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
  COMMAND ${QRX_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/docs/debian/changelog > ${PROJECT_BINARY_DIR}/doc/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/debian/changelog VERBATIM)
add_custom_target(qrx900-docs ALL DEPENDS ${_manpages} ${PROJECT_BINARY_DIR}/doc/changelog.gz)

install(TARGETS qrx900 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# qrx900-sim installs itself (sim/CMakeLists.txt).
install(FILES ${QRX_GUIDE_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/qrx900/guide)
install(FILES ${PROJECT_SOURCE_DIR}/docs/desktop/qrx900.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/docs/desktop/qrx900.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/model-QRX-900.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME qrx900.png)
install(FILES ${_manpages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/docs/debian/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. Its run-time dependencies come from the binaries
# (dpkg-shlibdeps); only what the binaries load at run time by other means
# is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qrx900)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QRX-900 device manager developers")
set(CPACK_PACKAGE_CONTACT "QRX-900 device manager developers <qrx900-dev@lists.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "device manager of the QRX-900 managed Ethernet switch")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop's viewer opens the guide (xdg-open); Qt's VNC platform lets
# the program be watched from a VNC viewer on a machine without a desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-qpa-plugins, snmp")
# The long description below the summary line; CPack indents it.
set(CPACK_PACKAGE_DESCRIPTION "The device manager of the QRX-900, a managed Ethernet switch with 52 ports.
It talks to one switch's SNMP agent (SNMPv1, SNMPv2c, SNMPv3 with USM):
a live front-panel view and dialogs for the switch's settings.

The package also holds qrx900-sim, a simulated QRX-900 agent that stands
in for a switch when none is at hand.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)

# The grabber of the README's pictures (scripts/grab-windows). Built with
# everything else so that it keeps up with the windows it shows.
add_executable(qrx900-grab-windows ${PROJECT_SOURCE_DIR}/scripts/grab-windows.cpp)
set_target_properties(qrx900-grab-windows PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/scripts)
target_link_libraries(qrx900-grab-windows PRIVATE qrx_app qrx_dialogs Qt6::Test)
