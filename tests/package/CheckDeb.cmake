# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD=dir -DOUT=dir -DDPKG_DEB=path [-DLINTIAN=path] [-DAPPSTREAMCLI=path] [-DMAN=path]
#       -P CheckDeb.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${OUT}
                WORKING_DIRECTORY ${BUILD} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${out} ${err}")
endif()
file(GLOB debs ${OUT}/*.deb)
list(LENGTH debs n)
if(NOT n EQUAL 1)
  message(FATAL_ERROR "expected one package in ${OUT}, found ${n}")
endif()

execute_process(COMMAND ${DPKG_DEB} -c ${debs} OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
foreach(f ./usr/bin/kt913 ./usr/bin/kt913-cli ./usr/bin/kt913-radio ./usr/share/applications/kt913.desktop
          ./usr/share/icons/hicolor/256x256/apps/kt913.png ./usr/share/doc/kt913/README.md
          ./usr/share/doc/kt913/copyright ./usr/share/doc/kt913/changelog.gz
          ./usr/share/man/man1/kt913.1.gz ./usr/share/man/man1/kt913-cli.1.gz ./usr/share/man/man1/kt913-radio.1.gz
          ./usr/share/bash-completion/completions/kt913-cli ./usr/share/metainfo/org.example.kt913.metainfo.xml)
  string(REGEX MATCH " ${f}\n" found "${contents}")
  if(NOT found)
    message(FATAL_ERROR "package lacks ${f}:\n${contents}")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} -f ${debs} Depends OUTPUT_VARIABLE depends)
foreach(d libqt6widgets6 libqt6serialport6 libqt6printsupport6 qt6-qpa-plugins fonts-wqy-microhei)
  string(FIND "${depends}" "${d}" at)
  if(at LESS 0)
    message(FATAL_ERROR "package does not depend on ${d}: ${depends}")
  endif()
endforeach()

# What the package holds, unpacked, is read as the system would read it.
set(root ${OUT}/root)
execute_process(COMMAND ${DPKG_DEB} -x ${debs} ${root} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed")
endif()
if(MAN)
  execute_process(COMMAND ${MAN} --warnings -E UTF-8 -l ${root}/usr/share/man/man1/kt913-cli.1.gz
                  RESULT_VARIABLE rc OUTPUT_VARIABLE page ERROR_VARIABLE warnings)
  if(NOT rc EQUAL 0 OR NOT warnings STREQUAL "" OR NOT page MATCHES "kt913-cli")
    message(FATAL_ERROR "man kt913-cli from the package: exit ${rc}\n${warnings}")
  endif()
endif()
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${root}/usr/share/metainfo/org.example.kt913.metainfo.xml
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${out} ${err}")
  endif()
endif()
# Errors and warnings only: lintian's informational tags are advice, not faults.
if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${debs}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lintian: ${out} ${err}")
  endif()
endif()
