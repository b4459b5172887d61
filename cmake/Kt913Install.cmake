# What `cmake --install` puts in place, and the Debian package CPack makes of it.
include(GNUInstallDirs)

install(TARGETS kt913-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET kt913-radio)
  install(TARGETS kt913-radio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(KT913_BUILD_GUI)
  install(TARGETS kt913 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/kt913.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(DIRECTORY ${PROJECT_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
# The about window's link looks for the manual here.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kt913)

set(CPACK_PACKAGE_NAME kt913)
set(CPACK_PACKAGE_VENDOR "kt913")
set(CPACK_PACKAGE_CONTACT "kt913 developers <kt913@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming software for the KT-913 handheld dual-band radio")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the radio's memory over its programming cable, edits the channels, settings, VFOs, FM broadcast channels and alignment values, writes them back, keeps them in .dat files and prints a channel list, in Chinese or English. Includes kt913-cli for the command line and kt913-radio, an emulated radio for trying the program without one.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# The Qt libraries come from the programs' own links; what they load at run time does
# not show there: the platform plugins that put a window on the screen and the font
# the Chinese captions and reports need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei")
# Qt's own dialogs (file, print) in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
