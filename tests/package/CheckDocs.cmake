# SPDX-License-Identifier: GPL-3.0-or-later
# cmake "-DPROGRAMS=path|path..." -DSOURCE=dir -P CheckDocs.cmake
# Every option a program's --help prints is in its manual page, and the bash
# completion offers every option of each kt913-cli command.

# The options ("--port", "-o") named in the help text in variable `text_var` (passed by
# name: a help's semicolons would split it into arguments).
function(options_in text_var out)
  # Brackets would group a CMake list's items: what may stand before an option becomes
  # a space first.
  string(REGEX REPLACE "[],;[|()]" " " text "${${text_var}}")
  string(REGEX MATCHALL "(^|[ \n])--?[a-z][a-z-]*" found "${text}")
  set(names "")
  foreach(f IN LISTS found)
    string(STRIP "${f}" f)
    list(APPEND names ${f})
  endforeach()
  list(REMOVE_DUPLICATES names)
  set(${out} ${names} PARENT_SCOPE)
endfunction()

string(REPLACE "|" ";" PROGRAMS "${PROGRAMS}")
foreach(path IN LISTS PROGRAMS)
  get_filename_component(name ${path} NAME_WE)
  set(path_of_${name} ${path})
endforeach()

function(help_of program out)
  execute_process(COMMAND ${path_of_${program}} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${program} ${ARGN}: exit ${rc}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The page's text with roff's escaped hyphens as plain ones.
function(page_of program out)
  file(READ ${SOURCE}/packaging/man/${program}.1 page)
  string(REPLACE "\\-" "-" page "${page}")
  set(${out} "${page}" PARENT_SCOPE)
endfunction()

set(problems "")
set(commands dump resave export-csv import-csv diff read write print)
foreach(program kt913 kt913-cli kt913-radio)
  if(NOT path_of_${program})
    continue()
  endif()
  page_of(${program} page)
  help_of(${program} help --help)
  set(texts "${help}")
  if(program STREQUAL "kt913-cli")
    foreach(c IN LISTS commands)
      help_of(${program} help ${c} --help)
      string(APPEND texts "\n${help}")
      string(FIND "${page}" ".B ${c}" at)
      if(at LESS 0)
        string(APPEND problems "${program}.1 lacks the command ${c}\n")
      endif()
    endforeach()
  endif()
  options_in(texts options)
  foreach(o IN LISTS options)
    string(REGEX MATCH "[^a-z-]${o}[^a-z-]" found "${page}")
    if(NOT found)
      string(APPEND problems "${program}.1 lacks ${o}\n")
    endif()
  endforeach()
endforeach()

# The completion, asked as bash asks it, with the two helpers of bash-completion
# stood in for: what it offers after "kt913-cli COMMAND -".
find_program(BASH bash)
if(BASH)
  foreach(c IN LISTS commands)
    help_of(kt913-cli help ${c} --help)
    options_in(help options)
    execute_process(COMMAND ${BASH} -c "
      _init_completion() { cur=\${COMP_WORDS[COMP_CWORD]}; prev=\${COMP_WORDS[COMP_CWORD-1]}; words=(\"\${COMP_WORDS[@]}\"); cword=$COMP_CWORD; }
      _filedir() { :; }
      source '${SOURCE}/packaging/kt913-cli.bash-completion'
      COMP_WORDS=(kt913-cli ${c} -); COMP_CWORD=2; _kt913_cli; echo \" \${COMPREPLY[*]} \""
      OUTPUT_VARIABLE offered RESULT_VARIABLE rc)
    foreach(o IN LISTS options)
      string(FIND "${offered}" " ${o} " at)
      if(at LESS 0)
        string(APPEND problems "the completion of '${c}' does not offer ${o} (offers:${offered})\n")
      endif()
    endforeach()
  endforeach()
endif()

if(problems)
  message(FATAL_ERROR "${problems}")
endif()
