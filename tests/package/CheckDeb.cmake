# cmake -DBUILD=dir -DOUT=dir -DDPKG_DEB=path -P CheckDeb.cmake
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
          ./usr/share/icons/hicolor/256x256/apps/kt913.png ./usr/share/doc/kt913/README.md)
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
