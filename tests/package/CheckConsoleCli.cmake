# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DCLI=path -P CheckConsoleCli.cmake
# kt913-cli loads no widget library: what it needs is what a console build has, so a
# library of the windows linked into it shows here, in the ordinary build, and not only
# on a build farm without widgets (scripts/console-build.sh builds that one).
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${CLI} RESOLVED_DEPENDENCIES_VAR found
     UNRESOLVED_DEPENDENCIES_VAR missing)
if(missing)
  message(FATAL_ERROR "kt913-cli needs libraries that are not found: ${missing}")
endif()
foreach(library IN LISTS found)
  if(library MATCHES "Qt6(Widgets|PrintSupport)")
    message(FATAL_ERROR "kt913-cli needs ${library}, which a console build does not have")
  endif()
endforeach()
