# End to end: the real zizavizerovo program creates a project from the
# PluginTemplate folder beside it, in both styles, and each created project
# configures with plain CMake (no SDK) and its sources compile against the
# generated description header.
#
#   cmake -DPROGRAM=... -DWORK=... -DCXX=... -P e2e_create.cmake
foreach(var PROGRAM WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/home")

# The program's settings file and register go into a folder of the run's own,
# never the user's; the machine's plug-in folders are not read.
set(ENV{XDG_CONFIG_HOME} "${WORK}/config")
set(ENV{HOME} "${WORK}/home")
set(ENV{APPDATA} "${WORK}/appdata")
set(ENV{ZIZAVIZEROVO_PLUGIN_PATH_ONLY} 1)
unset(ENV{ZIZAVIZEROVO_PLUGIN_PATH})
if(CMAKE_HOST_WIN32)
  set(own_register "${WORK}/appdata/Zizavizerovo/projects.tsv")
elseif(CMAKE_HOST_APPLE)
  set(own_register "${WORK}/home/Library/Application Support/org.zizavizerovo.VADEzeravi/projects.tsv")
else()
  set(own_register "${WORK}/config/zizavizerovo/projects.tsv")
endif()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

foreach(style windows macos)
  set(name "E2e_${style}")
  run("${PROGRAM}" create --style ${style} --folder "${WORK}"
      --set projectName=${name} --set fourCharProductID=E2eP --set fourCharVendorID=ZZTS
      --set "vendorName=End To End" --set synthPlugin=true --set processFrames=false
      --set blockSize=32 --set tailTimeMsec=250 --set universalAPI=true --set makeVST=true)
  string(STRIP "${last_output}" destination)
  if(NOT destination STREQUAL "${WORK}/${name}")
    message(FATAL_ERROR "unexpected destination '${destination}'")
  endif()
  file(READ "${destination}/CMakeLists.txt" cmake_text)
  string(REGEX MATCH "\\$[A-Z0-9_]+\\$" marker_left "${cmake_text}")
  if(marker_left)
    message(FATAL_ERROR "marker ${marker_left} was left in ${destination}/CMakeLists.txt")
  endif()

  run("${CMAKE_COMMAND}" -S "${destination}" -B "${WORK}/build-${style}")
  message(STATUS "${style}: ${last_output}")
  set(header "${WORK}/build-${style}/generated/plugindescription.h")
  file(READ "${header}" header_text)
  foreach(expected "projectName = \"${name}\"" "vendorName = \"End To End\"" "fourCharAAXID = \"E2eP\""
                   "aaxCategory = 2048" "processBlocks = true" "blockSize = 32" "synthPlugin = true")
    string(FIND "${header_text}" "${expected}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${header} lacks '${expected}'")
    endif()
  endforeach()

  if(CXX)
    run("${CXX}" -std=c++17 -fsyntax-only -Wall -Wextra -Werror
        -I "${WORK}/build-${style}/generated" "${destination}/source/plugincore.cpp")
  endif()
endforeach()

file(READ "${own_register}" register)
if(NOT register MATCHES "\tE2e_windows\tE2eP\tZZTS\t[^\n]*\n[^\t]*\tE2e_macos\tE2eP\tZZTS\t")
  message(FATAL_ERROR "the run's own register lacks the two projects:\n${register}")
endif()

file(REMOVE_RECURSE "${WORK}")
message(STATUS "e2e create: both styles created, configured and compiled")
