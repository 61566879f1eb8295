# Installs the editor as a desktop program and packs it for Debian:
#   cmake --install build/app --prefix /usr/local
#   (cd build/app && cpack -G DEB)
include(GNUInstallDirs)
set(pkg ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
install(TARGETS dspedit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${pkg}/dspedit.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# udev reads its rules from lib/, not from the multiarch library folder.
install(FILES ${pkg}/70-qrv512.rules DESTINATION lib/udev/rules.d)

# The icon theme's PNG files, drawn at build time by the code that draws the
# editor's window icon (mainwindow/AppIcon.h).
add_executable(dspicon ${pkg}/IconTool.cpp mainwindow/AppIcon.cpp)
target_include_directories(dspicon PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(dspicon PRIVATE Qt6::Gui)
set(icon_dir ${CMAKE_CURRENT_BINARY_DIR}/icons)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/icons.stamp
                   COMMAND ${CMAKE_COMMAND} -E rm -rf ${icon_dir}
                   COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:dspicon> ${icon_dir}
                   COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_CURRENT_BINARY_DIR}/icons.stamp
                   DEPENDS dspicon VERBATIM)
add_custom_target(dspedit_icons ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/icons.stamp)
install(DIRECTORY ${icon_dir}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Debian wants the change log and the manual page compressed at the highest
# level and without a time stamp.
set(changelog ${pkg}/changelog)
file(STRINGS ${changelog} changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^dspedit \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: its first entry is not version ${PROJECT_VERSION}")
endif()
foreach(doc changelog dspedit.1)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${doc}.gz
                     COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${pkg}/${doc} ${CMAKE_CURRENT_BINARY_DIR}/${doc}.gz
                     DEPENDS ${pkg}/${doc} VERBATIM)
endforeach()
add_custom_target(dspedit_docs ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/dspedit.1.gz)
install(FILES ${pkg}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/dspedit.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME dspedit)
set(CPACK_PACKAGE_VENDOR "VELMORA")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the QRV-512 conference-room DSP processor")
# Debian shows the description as it stands: lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Edits the inputs, outputs and effect channel of a VELMORA QRV-512 audio"
       "processor: gains, equalisers and filters, gates, automatic gain control,"
       "compressors, delays, the matrix and the effect block. It finds the"
       "processor over USB HID, Ethernet or a serial port, mirrors every edit,"
       "reads and stores presets and preset files, and works without a processor"
       "in demo mode.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(DSP_PACKAGE_MAINTAINER "VELMORA QRV-512 editor maintainers <qrv512-editor@velmora.example>"
    CACHE STRING "The Debian package's maintainer, as \"Name <address>\"")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DSP_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# The library packages come from the binary (dpkg-shlibdeps); Qt's platform
# plugins are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${pkg}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
