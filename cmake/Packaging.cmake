# Install layout and packages (CPack).
#
#   Linux:   PREFIX/bin/zizavizerovo, PREFIX/share/zizavizerovo/{PluginTemplate,
#            PluginTemplate.zip}, the manual page and the bash completion;
#            packaged as a Debian package and a .tar.gz.
#   Windows: Zizavizerovo.exe and zizavizerovo-cli.exe with PluginTemplate
#            beside them; packaged as a .zip.
#   macOS:   VADEzeravi.app (which carries the template); packaged as a .zip
#            and a disk image, and the command-line tool as on Linux.
include(GNUInstallDirs)

set(ZZ_TEMPLATE_SOURCE ${PROJECT_SOURCE_DIR}/templates/PluginTemplate)
set(ZZ_TEMPLATE_ZIP ${CMAKE_BINARY_DIR}/bin/PluginTemplate.zip)

if(WIN32)
  # Everything in one folder: each program finds the template beside itself.
  foreach(program Zizavizerovo zizavizerovo)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION .)
    endif()
  endforeach()
  install(DIRECTORY ${ZZ_TEMPLATE_SOURCE} DESTINATION .)
  if(TARGET plugin_template_zip)
    install(FILES ${ZZ_TEMPLATE_ZIP} DESTINATION .)
  endif()
elseif(TARGET zizavizerovo)
  set(ZZ_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zizavizerovo)
  install(TARGETS zizavizerovo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${ZZ_TEMPLATE_SOURCE} DESTINATION ${ZZ_DATA_DIR})
  if(TARGET plugin_template_zip)
    install(FILES ${ZZ_TEMPLATE_ZIP} DESTINATION ${ZZ_DATA_DIR})
  endif()

  # The manual page, written by hand with the version filled in.
  set(ZZ_HELP_DIR ${CMAKE_BINARY_DIR}/share)
  set(ZZ_MAN_PAGE ${ZZ_HELP_DIR}/man/man1/zizavizerovo.1)
  set(VERSION ${PROJECT_VERSION})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/zizavizerovo.1.in ${ZZ_MAN_PAGE} @ONLY)
  unset(VERSION)
  # Installed manual pages are compressed, without a time stamp.
  find_program(ZZ_GZIP gzip)
  if(ZZ_GZIP)
    add_custom_command(
      OUTPUT ${ZZ_MAN_PAGE}.gz
      COMMAND ${ZZ_GZIP} -9nf -k ${ZZ_MAN_PAGE}
      DEPENDS ${ZZ_MAN_PAGE}
      VERBATIM)
    add_custom_target(zz_man_page ALL DEPENDS ${ZZ_MAN_PAGE}.gz)
    install(FILES ${ZZ_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    install(FILES ${ZZ_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()

  # The bash completion, made from the --help texts of the program just built.
  if(NOT CMAKE_CROSSCOMPILING)
    set(ZZ_COMPLETION ${ZZ_HELP_DIR}/bash-completion/completions/zizavizerovo)
    add_custom_command(
      OUTPUT ${ZZ_COMPLETION}
      COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:zizavizerovo> -DWORK=${CMAKE_BINARY_DIR}/packaging/help-run
              -DCOMPLETION_IN=${PROJECT_SOURCE_DIR}/packaging/zizavizerovo.bash.in
              -DCOMPLETION=${ZZ_COMPLETION} -P ${PROJECT_SOURCE_DIR}/cmake/HelpFiles.cmake
      DEPENDS zizavizerovo ${PROJECT_SOURCE_DIR}/cmake/HelpFiles.cmake
              ${PROJECT_SOURCE_DIR}/packaging/zizavizerovo.bash.in
      COMMENT "Writing the bash completion from the --help texts"
      VERBATIM)
    add_custom_target(zz_help_files ALL DEPENDS ${ZZ_COMPLETION})
    install(FILES ${ZZ_COMPLETION} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
  endif()
endif()

if(APPLE AND TARGET VADEzeravi)
  install(TARGETS VADEzeravi BUNDLE DESTINATION .)
endif()

# ---- CPack ------------------------------------------------------------------
set(CPACK_PACKAGE_NAME zizavizerovo)
set(CPACK_PACKAGE_VENDOR "Zizavizerovo developers")
set(CPACK_PACKAGE_CONTACT "Zizavizerovo developers <zizavizerovo@users.noreply.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plug-in project generator and parameter code writer for Zezure plug-ins")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description.txt)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build[^/]*/" "/\\\\.git" "/node_modules/")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
elseif(APPLE)
  set(CPACK_GENERATOR ZIP DragNDrop)
  set(CPACK_DMG_VOLUME_NAME VADEzeravi)
else()
  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
  # The libraries the program links (libzip, the C++ runtime) from dpkg-shlibdeps.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  # Debian wants the copyright and a changelog in /usr/share/doc/PACKAGE (a
  # version without a Debian revision makes a native package: changelog.gz).
  set(ZZ_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zizavizerovo)
  string(TIMESTAMP ZZ_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
  file(WRITE ${CMAKE_BINARY_DIR}/packaging/changelog
    "zizavizerovo (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
    "  * Release ${PROJECT_VERSION}.\n\n"
    " -- ${CPACK_PACKAGE_CONTACT}  ${ZZ_CHANGELOG_DATE}\n")
  if(ZZ_GZIP)
    add_custom_command(
      OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
      COMMAND ${ZZ_GZIP} -9nf -k ${CMAKE_BINARY_DIR}/packaging/changelog
      DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
      VERBATIM)
    add_custom_target(zz_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${ZZ_DOC_DIR})
  endif()
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${ZZ_DOC_DIR})
endif()

include(CPack)
