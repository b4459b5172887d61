# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts in place, and the Debian package CPack makes of it.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Kt913Changelog.cmake)

set(KT913_MAINTAINER "kt913 developers <kt913@users.noreply.invalid>")
set(KT913_APPSTREAM_ID org.example.kt913)
set(KT913_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kt913)

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
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${KT913_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${KT913_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/kt913-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kt913-cli)

# The changelog and the releases of the metainfo follow CHANGELOG.md.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
kt913_read_changelog(${PROJECT_SOURCE_DIR}/CHANGELOG.md kt913 "${KT913_MAINTAINER}" KT913_DEBIAN_CHANGELOG RELEASES)
file(WRITE ${PROJECT_BINARY_DIR}/packaging/changelog "${KT913_DEBIAN_CHANGELOG}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/kt913.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/${KT913_APPSTREAM_ID}.metainfo.xml @ONLY)
if(KT913_BUILD_GUI)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/${KT913_APPSTREAM_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Manual pages and the changelog compressed as Debian keeps them: gzip -9, and -n so
# that the same sources give the same package.
set(man_pages kt913-cli)
if(TARGET kt913-radio)
  list(APPEND man_pages kt913-radio)
endif()
if(KT913_BUILD_GUI)
  list(APPEND man_pages kt913)
endif()
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
  set(compressed ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    COMMAND ${GZIP_PROGRAM} -9n -c ${PROJECT_BINARY_DIR}/packaging/changelog > ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md VERBATIM)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${KT913_DOC_DIR})
  foreach(page IN LISTS man_pages)
    set(out ${PROJECT_BINARY_DIR}/packaging/${page}.1.gz)
    add_custom_command(OUTPUT ${out}
      COMMAND ${GZIP_PROGRAM} -9n -c ${PROJECT_SOURCE_DIR}/packaging/man/${page}.1 > ${out}
      DEPENDS ${PROJECT_SOURCE_DIR}/packaging/man/${page}.1 VERBATIM)
    list(APPEND compressed ${out})
    install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  add_custom_target(kt913_compressed_docs ALL DEPENDS ${compressed})
else()
  install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog DESTINATION ${KT913_DOC_DIR})
  foreach(page IN LISTS man_pages)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/man/${page}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
endif()

# The installed programs are hardened as Debian builds its own: read-only relocations
# bound at start.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  foreach(program kt913 kt913-cli kt913-radio)
    if(TARGET ${program})
      target_link_options(${program} PRIVATE -Wl,-z,relro -Wl,-z,now)
    endif()
  endforeach()
endif()

set(CPACK_PACKAGE_NAME kt913)
set(CPACK_PACKAGE_VENDOR "kt913")
set(CPACK_PACKAGE_CONTACT "${KT913_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the KT-913 handheld dual-band radio")
# The extended description, below the summary, in lines that fit 80 columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Reads the radio's memory over its programming cable, edits the channels,
settings, VFOs, FM broadcast channels and alignment values, writes them back,
keeps them in .dat files and prints a channel list, in Chinese or English.

Includes kt913-cli for the command line and kt913-radio, an emulated radio
for trying the program without one.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kt913.example.org/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt libraries come from the programs' own links; what they load at run time does
# not show there: the platform plugins that put a window on the screen and the font
# the Chinese captions and reports need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei")
# Qt's own dialogs (file, print) in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
