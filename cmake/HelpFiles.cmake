# Writes the manual page and the bash completion of the command-line tool from
# its own --help texts, so that both always list what the program accepts.
#
#   cmake -DPROGRAM=... -DVERSION=... -DMAN_PAGE=... -DCOMPLETION_IN=...
#         -DCOMPLETION=... -P cmake/HelpFiles.cmake

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

# A help text as lines of a roff no-fill block.
function(zz_roff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REPLACE "\n." "\n\\&." text "\n${text}")
  string(REPLACE "\n'" "\n\\&'" text "${text}")
  string(REGEX REPLACE "^\n" "" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${out} ".nf\n${text}\n.fi\n" PARENT_SCOPE)
endfunction()

zz_help(top)
zz_section_words(ZZ_COMMAND_WORDS "${top}" "Commands:")
# Every command the top-level --help lists has a section of its own; version
# is --version, already in the synopsis.
string(REPLACE " " ";" ZZ_COMMANDS "${ZZ_COMMAND_WORDS}")
list(REMOVE_ITEM ZZ_COMMANDS version)
foreach(command IN ITEMS create code settings restore-template codes)
  list(FIND ZZ_COMMANDS ${command} found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the top-level --help does not list ${command}")
  endif()
endforeach()
foreach(command IN LISTS ZZ_COMMANDS)
  zz_help(help_${command} ${command})
endforeach()

# ---- Manual page -------------------------------------------------------------
set(page ".TH ZIZAVIZEROVO 1 \"\" \"zizavizerovo ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n"
  "zizavizerovo \\- create audio plug-in projects from a template and write plug-in parameter code\n"
  ".SH SYNOPSIS\n"
  ".B zizavizerovo\n.I COMMAND\n.RI [ OPTIONS ]\n.br\n.B zizavizerovo \\-\\-version\n"
  ".SH DESCRIPTION\n")
zz_roff(block "${top}")
string(APPEND page "${block}")
string(APPEND page ".SH COMMANDS\n")
foreach(command IN LISTS ZZ_COMMANDS)
  zz_roff(block "${help_${command}}")
  string(APPEND page ".SS ${command}\n${block}")
endforeach()
string(APPEND page ".SH FILES\n"
  ".TP\n.I PREFIX/share/zizavizerovo/PluginTemplate\n"
  "The template folder of new projects (or PluginTemplate beside the program).\n"
  ".TP\n.I PREFIX/share/zizavizerovo/PluginTemplate.zip\n"
  "The archive that restore\\-template restores the template folder from.\n"
  ".TP\n.I $XDG_CONFIG_HOME/zizavizerovo/zezurelog.txt\n"
  "The remembered vendor details (or ~/.config/zizavizerovo/zezurelog.txt).\n"
  ".SH EXIT STATUS\n"
  "0 success, 1 a refusal or failure (the tool's own message on standard error), 2 a usage error.\n")
file(WRITE ${MAN_PAGE} "${page}")

# ---- bash completion -----------------------------------------------------------
set(ZZ_COMMANDS "${ZZ_COMMAND_WORDS}")
zz_options(ZZ_CREATE_OPTIONS "${help_create}")
zz_options(ZZ_CODE_OPTIONS "${help_code}")
zz_options(ZZ_SETTINGS_OPTIONS "${help_settings}")
zz_options(ZZ_RESTORE_OPTIONS "${help_restore-template}")
zz_options(ZZ_CODES_OPTIONS "${help_codes}")
zz_section_words(ZZ_CREATE_FIELDS "${help_create}" "Fields")
zz_section_words(ZZ_CODE_FIELDS "${help_code}" "Fields")
if(ZZ_CREATE_FIELDS STREQUAL "" OR ZZ_CODE_FIELDS STREQUAL "")
  message(FATAL_ERROR "no field list found in the --help of create or code")
endif()
configure_file(${COMPLETION_IN} ${COMPLETION} @ONLY)
