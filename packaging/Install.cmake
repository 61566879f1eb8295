# Installs the editor as a desktop program and packs it for Debian:
#   cmake --install build/app --prefix /usr/local
#   (cd build/app && cpack -G DEB)
# The icons are the right-hand square of mainwindow/splash.png, scaled.
include(GNUInstallDirs)
set(pkg ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
install(TARGETS dspedit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${pkg}/dspedit.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${pkg}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
# udev reads its rules from lib/, not from the multiarch library folder.
install(FILES ${pkg}/70-qrv512.rules DESTINATION lib/udev/rules.d)

set(CPACK_PACKAGE_NAME dspedit)
set(CPACK_PACKAGE_VENDOR "VELMORA")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the QRV-512 conference-room DSP processor")
set(CPACK_PACKAGE_DESCRIPTION "Finds the processor over USB HID, Ethernet or a serial port, mirrors every edit, reads and stores presets and preset files, and works without a processor in demo mode.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "QRV-512 editor maintainers <root@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# The library packages come from the binary (dpkg-shlibdeps); Qt's platform
# plugins are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${pkg}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
