# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD=dir -DPREFIX=dir -DVERSION=x.y.z -DGUI=ON|OFF -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${err}")
endif()

set(expected bin/kt913-cli share/doc/kt913/README.md share/doc/kt913/copyright share/doc/kt913/changelog.gz
    share/man/man1/kt913-cli.1.gz share/bash-completion/completions/kt913-cli)
if(CMAKE_HOST_UNIX)
  list(APPEND expected bin/kt913-radio share/man/man1/kt913-radio.1.gz)
endif()
if(GUI)
  list(APPEND expected bin/kt913 share/applications/kt913.desktop share/man/man1/kt913.1.gz
       share/metainfo/org.example.kt913.metainfo.xml
       share/icons/hicolor/16x16/apps/kt913.png share/icons/hicolor/256x256/apps/kt913.png)
endif()
foreach(f IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The installed programs run from the prefix, away from the build tree, and answer
# --help and --version without a display, as over ssh or in a package build.
set(programs kt913-cli)
if(CMAKE_HOST_UNIX)
  list(APPEND programs kt913-radio)
endif()
if(GUI)
  list(APPEND programs kt913)
endif()
foreach(p IN LISTS programs)
  foreach(option --version --help)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                            ${PREFIX}/bin/${p} ${option}
                    WORKING_DIRECTORY ${PREFIX} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(option STREQUAL "--version")
      string(COMPARE EQUAL "${out}" "${p} ${VERSION}\n" good)
    else()
      string(REGEX MATCH "^[Uu]sage: ${p} " good "${out}")
    endif()
    if(NOT rc EQUAL 0 OR NOT good OR NOT err STREQUAL "")
      message(FATAL_ERROR "${p} ${option} without a display: exit ${rc}, printed '${out}' '${err}'")
    endif()
  endforeach()
endforeach()

# A console build installs no desktop entry.
if(GUI)
  file(READ ${PREFIX}/share/applications/kt913.desktop desktop)
  foreach(key "Exec=kt913 " "Icon=kt913\n" "Type=Application\n")
    string(FIND "${desktop}" "${key}" at)
    if(at LESS 0)
      message(FATAL_ERROR "desktop entry lacks '${key}'")
    endif()
  endforeach()
endif()
