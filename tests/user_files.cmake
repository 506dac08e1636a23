# The user's own files of the command-line tool (its settings file, the
# register of made projects and its lock) must come out of the test suite as
# they went in. Run first with MODE=record and last with MODE=compare:
#
#   cmake -DMODE=record|compare -DSTATE=FILE -P user_files.cmake
#
# The folder is the one the program uses for the user running the suite.
foreach(var MODE STATE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

if(CMAKE_HOST_WIN32)
  set(folder "$ENV{APPDATA}/Zizavizerovo")
elseif(CMAKE_HOST_APPLE)
  set(folder "$ENV{HOME}/Library/Application Support/org.zizavizerovo.VADEzeravi")
elseif("$ENV{XDG_CONFIG_HOME}" MATCHES "^/")
  set(folder "$ENV{XDG_CONFIG_HOME}/zizavizerovo")
else()
  set(folder "$ENV{HOME}/.config/zizavizerovo")
endif()

# One line for each entry of the folder: its name and, for a file, its size
# and a hash of its bytes.
set(state "${folder}\n")
if(IS_DIRECTORY "${folder}")
  file(GLOB entries LIST_DIRECTORIES true RELATIVE "${folder}" "${folder}/*" "${folder}/.*")
  list(SORT entries)
  foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${folder}/${entry}")
      string(APPEND state "${entry}/\n")
    else()
      file(SIZE "${folder}/${entry}" size)
      file(SHA256 "${folder}/${entry}" hash)
      string(APPEND state "${entry} ${size} ${hash}\n")
    endif()
  endforeach()
else()
  string(APPEND state "(no such folder)\n")
endif()

if(MODE STREQUAL "record")
  file(WRITE "${STATE}" "${state}")
  file(REMOVE "${STATE}.projects.tsv")
  file(COPY_FILE "${folder}/projects.tsv" "${STATE}.projects.tsv" RESULT copied)
  message(STATUS "recorded ${folder}")
  return()
endif()

file(READ "${STATE}" before)
if(before STREQUAL state)
  message(STATUS "${folder} is as it was before the tests")
  return()
endif()
set(added "")
if(EXISTS "${folder}/projects.tsv")
  file(STRINGS "${folder}/projects.tsv" now)
  set(then "")
  if(EXISTS "${STATE}.projects.tsv")
    file(STRINGS "${STATE}.projects.tsv" then)
  endif()
  foreach(line IN LISTS now)
    list(FIND then "${line}" at)
    if(at EQUAL -1)
      string(APPEND added "  ${line}\n")
    endif()
  endforeach()
endif()
message(FATAL_ERROR "the tests changed the user's files in ${folder}\n"
                    "before:\n${before}after:\n${state}"
                    "projects added to the register:\n${added}")
