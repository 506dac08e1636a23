# cmake -DSOURCE=... -DDEST=... -P copy_if_present.cmake
# Copies SOURCE to DEST when SOURCE exists; removes a stale DEST otherwise.
if(EXISTS "${SOURCE}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E copy "${SOURCE}" "${DEST}")
else()
  file(REMOVE "${DEST}")
  message(STATUS "${SOURCE} is not there (yet): the application has no template archive")
endif()
