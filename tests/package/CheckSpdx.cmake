# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE=dir -P CheckSpdx.cmake
# Sources, build files and scripts name their licence in one of their first five lines.
file(GLOB_RECURSE files RELATIVE ${SOURCE}
     ${SOURCE}/src/*.cpp ${SOURCE}/src/*.h ${SOURCE}/tests/*.cpp ${SOURCE}/tests/*.h
     ${SOURCE}/bench/*.cpp ${SOURCE}/bench/*.h ${SOURCE}/fuzz/*.cpp ${SOURCE}/fuzz/*.h
     ${SOURCE}/CMakeLists.txt ${SOURCE}/*/CMakeLists.txt ${SOURCE}/*.cmake
     ${SOURCE}/scripts/* ${SOURCE}/packaging/*.bash-completion ${SOURCE}/packaging/man/*)
set(missing "")
foreach(f IN LISTS files)
  if(f MATCHES "^(build|fuzz/findings|fuzz/corpus)" OR f MATCHES "\\.(supp|dat|png)$")
    continue()
  endif()
  file(STRINGS ${SOURCE}/${f} head LIMIT_COUNT 5)
  string(FIND "${head}" "SPDX-License-Identifier: GPL-3.0-or-later" at)
  if(at LESS 0)
    string(APPEND missing "  ${f}\n")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "without an SPDX-License-Identifier line:\n${missing}")
endif()
