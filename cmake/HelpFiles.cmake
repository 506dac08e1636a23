# Writes the bash completion of the command-line tool from its own --help
# texts, so that it always offers what the program accepts. (The manual page,
# packaging/zizavizerovo.1.in, is written by hand; a test checks that it
# describes every option the --help texts list.)
#
#   cmake -DPROGRAM=... -DWORK=... -DCOMPLETION_IN=... -DCOMPLETION=...
#         -P cmake/HelpFiles.cmake
#
# The program runs with a settings folder of its own below WORK, so what it
# shows does not depend on the user who builds it, and the build never
# touches that user's files.

set(ENV{XDG_CONFIG_HOME} "${WORK}/config")
set(ENV{HOME} "${WORK}/home")
unset(ENV{APPDATA})
set(ENV{ZIZAVIZEROVO_PLUGIN_PATH_ONLY} 1)
unset(ENV{ZIZAVIZEROVO_PLUGIN_PATH})
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/home")

function(zz_help out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help
                  OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${status})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The first word of each line in the part of `text` that starts at a line
# beginning with `heading` and ends at the next empty line.
function(zz_section_words out text heading)
  string(REPLACE ";" "," text "${text}")
  # Square brackets would keep CMake from splitting the lines into a list.
  string(REPLACE "[" "(" text "${text}")
  string(REPLACE "]" ")" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(inside OFF)
  set(words "")
  foreach(line IN LISTS lines)
    if(inside)
      if(line STREQUAL "")
        break()
      endif()
      if(line MATCHES "^  +([A-Za-z][A-Za-z0-9-]*)")
        list(APPEND words ${CMAKE_MATCH_1})
      endif()
    elseif(line MATCHES "^${heading}")
      set(inside ON)
    endif()
  endforeach()
  list(JOIN words " " joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()

# Every option a help text lists at the start of a line, and --help.
function(zz_options out text)
  string(REGEX MATCHALL "\n  (--[a-z-]+)" found "${text}")
  set(options "")
  foreach(item IN LISTS found)
    string(STRIP "${item}" item)
    list(APPEND options ${item})
  endforeach()
  list(APPEND options --help)
  list(REMOVE_DUPLICATES options)
  list(JOIN options " " joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()

zz_help(top)
zz_section_words(ZZ_COMMAND_WORDS "${top}" "Commands:")
string(REPLACE " " ";" ZZ_COMMANDS "${ZZ_COMMAND_WORDS}")
list(REMOVE_ITEM ZZ_COMMANDS version)
foreach(command IN ITEMS create code settings restore-template projects codes)
  list(FIND ZZ_COMMANDS ${command} found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the top-level --help does not list ${command}")
  endif()
endforeach()
foreach(command IN LISTS ZZ_COMMANDS)
  zz_help(help_${command} ${command})
endforeach()

# ---- bash completion -----------------------------------------------------------
set(ZZ_COMMANDS "${ZZ_COMMAND_WORDS}")
zz_options(ZZ_CREATE_OPTIONS "${help_create}")
zz_options(ZZ_CODE_OPTIONS "${help_code}")
zz_options(ZZ_SETTINGS_OPTIONS "${help_settings}")
zz_options(ZZ_RESTORE_OPTIONS "${help_restore-template}")
zz_options(ZZ_CODES_OPTIONS "${help_codes}")
zz_options(ZZ_PROJECTS_OPTIONS "${help_projects}")
zz_section_words(ZZ_CREATE_FIELDS "${help_create}" "Fields")
zz_section_words(ZZ_CODE_FIELDS "${help_code}" "Fields")
if(ZZ_CREATE_FIELDS STREQUAL "" OR ZZ_CODE_FIELDS STREQUAL "")
  message(FATAL_ERROR "no field list found in the --help of create or code")
endif()
configure_file(${COMPLETION_IN} ${COMPLETION} @ONLY)
file(REMOVE_RECURSE "${WORK}")
