# cmake -DBUILD=dir -DPREFIX=dir -DVERSION=x.y.z -DGUI=ON|OFF -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${err}")
endif()

set(expected bin/kt913-cli share/doc/kt913/README.md)
if(CMAKE_HOST_UNIX)
  list(APPEND expected bin/kt913-radio)
endif()
if(GUI)
  list(APPEND expected bin/kt913 share/applications/kt913.desktop
       share/icons/hicolor/16x16/apps/kt913.png share/icons/hicolor/256x256/apps/kt913.png)
endif()
foreach(f IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The installed programs run from the prefix, away from the build tree.
set(programs kt913-cli)
if(GUI)
  list(APPEND programs kt913)
endif()
foreach(p IN LISTS programs)
  execute_process(COMMAND ${PREFIX}/bin/${p} --version WORKING_DIRECTORY ${PREFIX}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "${p} ${VERSION}\n")
    message(FATAL_ERROR "${p} --version: exit ${rc}, printed '${out}' '${err}'")
  endif()
endforeach()

file(READ ${PREFIX}/share/applications/kt913.desktop desktop)
foreach(key "Exec=kt913 " "Icon=kt913\n" "Type=Application\n")
  string(FIND "${desktop}" "${key}" at)
  if(at LESS 0)
    message(FATAL_ERROR "desktop entry lacks '${key}'")
  endif()
endforeach()
