# Where an install puts the programs, their manual pages, the documents and
# the bash completion; the Windows zip made of it; and the Debian packages.
# On Windows the programs, README and licence lie side by side in the zip.
set(DELARTAL_PACKAGE_CONTACT "The delartal developers <delartal@example.org>" CACHE STRING
    "Maintainer named in the Debian package, its changelog and copyright: Name <address>")

if(WIN32)
  install(FILES README.md LICENSE DESTINATION .)
else()
  # Manual pages and the changelog gzip-compressed, without a name or time in
  # the header, so that two builds give the same bytes.
  find_program(DELARTAL_GZIP gzip REQUIRED)
  function(delartal_gzip source target_file)
    add_custom_command(OUTPUT ${target_file}
      COMMAND ${DELARTAL_GZIP} -9nc ${source} > ${target_file}
      DEPENDS ${source} VERBATIM)
  endfunction()

  set(compressed)
  foreach(page IN ITEMS delartal delartal-plan)
    foreach(language IN ITEMS en sv)
      set(dir man1)
      set(source ${PROJECT_SOURCE_DIR}/man/${page}.1)
      if(language STREQUAL sv)
        set(dir sv/man1)
        set(source ${PROJECT_SOURCE_DIR}/man/sv/${page}.1)
      endif()
      set(gz ${PROJECT_BINARY_DIR}/man/${dir}/${page}.1.gz)
      file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/man/${dir})
      delartal_gzip(${source} ${gz})
      list(APPEND compressed ${gz})
      install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/${dir})
    endforeach()
  endforeach()

  configure_file(packaging/changelog.in changelog @ONLY)
  delartal_gzip(${PROJECT_BINARY_DIR}/changelog ${PROJECT_BINARY_DIR}/changelog.gz)
  list(APPEND compressed ${PROJECT_BINARY_DIR}/changelog.gz)
  add_custom_target(delartal_compressed_docs ALL DEPENDS ${compressed})

  install(FILES README.md LICENSE ${PROJECT_BINARY_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES completion/delartal-plan
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

set(CPACK_PACKAGE_NAME delartal)
set(CPACK_PACKAGE_VENDOR "The delartal developers")
set(CPACK_PACKAGE_CONTACT "${DELARTAL_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diode matrix settings for a transceiver's channel divider")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# cpack dates every entry by SOURCE_DATE_EPOCH, which it is handed here
# whatever its own environment holds, and writes the checksums beside what it
# made.
file(WRITE ${PROJECT_BINARY_DIR}/cpack_epoch.cmake
     "set(ENV{SOURCE_DATE_EPOCH} ${DELARTAL_SOURCE_DATE_EPOCH})\n")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/cpack_epoch.cmake)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME delartal-${PROJECT_VERSION}-windows-x86_64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  # The .debs come from debian/, this machine's and, where Debian's cross
  # toolchains are installed, the Raspberry Pi's: arm64 and armhf. A cross
  # compiler alone is not enough: dpkg-shlibdeps finds the libraries a
  # program needs only in the architecture's own packages (multiarch
  # libstdc++6:arm64, say), so without them that architecture is left out.
  set(CPACK_GENERATOR External)
  set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/debian_packages.cmake)
  set(CPACK_DELARTAL_SOURCE_DIR ${PROJECT_SOURCE_DIR})
  set(CPACK_DELARTAL_SOURCE_DATE_EPOCH ${DELARTAL_SOURCE_DATE_EPOCH})
  execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE native
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  set(CPACK_DELARTAL_DEB_ARCHITECTURES ${native})
  foreach(cross IN ITEMS "arm64;aarch64-linux-gnu" "armhf;arm-linux-gnueabihf")
    list(GET cross 0 architecture)
    list(GET cross 1 triplet)
    find_program(DELARTAL_CXX_${architecture} ${triplet}-g++)
    execute_process(COMMAND dpkg-query -W "-f=\${Status}" libstdc++6:${architecture}
                    OUTPUT_VARIABLE runtime ERROR_QUIET)
    if(DELARTAL_CXX_${architecture} AND runtime STREQUAL "install ok installed"
       AND NOT architecture STREQUAL native)
      list(APPEND CPACK_DELARTAL_DEB_ARCHITECTURES ${architecture})
    endif()
  endforeach()
  set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/write_checksums.cmake)
endif()
include(CPack)

# The Windows zip comes from a build of its own with the MinGW-w64 toolchain,
# made inside this one and packed beside this build's packages.
if(DELARTAL_WINDOWS_ZIP AND NOT WIN32)
  find_program(DELARTAL_MINGW_CXX x86_64-w64-mingw32-g++-posix)
  if(DELARTAL_MINGW_CXX)
    set(windows_build ${PROJECT_BINARY_DIR}/windows)
    # The zip's entries keep their dates in local time: UTC, on every machine.
    # The flags for this machine's programs are not the Windows build's.
    set(epoch ${CMAKE_COMMAND} -E env --unset=CXXFLAGS --unset=LDFLAGS
              SOURCE_DATE_EPOCH=${DELARTAL_SOURCE_DATE_EPOCH} TZ=UTC)
    add_custom_target(windows_zip ALL
      COMMAND ${epoch} ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR} -B ${windows_build}
              -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchains/x86_64-w64-mingw32.cmake
              -DCMAKE_BUILD_TYPE=Release
      COMMAND ${epoch} ${CMAKE_COMMAND} --build ${windows_build}
      COMMAND ${epoch} ${CMAKE_CPACK_COMMAND} --config ${windows_build}/CPackConfig.cmake
              -B ${PROJECT_BINARY_DIR}
      COMMENT "Building the Windows zip with MinGW-w64"
      VERBATIM)
  else()
    message(STATUS "No MinGW-w64 (g++-mingw-w64-x86-64): no Windows zip")
  endif()
endif()

# The web zip, the site and the single file, comes from an emscripten build of
# its own, made inside this one where emscripten is installed.
if(DELARTAL_WEB_ZIP AND NOT EMSCRIPTEN)
  find_file(DELARTAL_EMSCRIPTEN_TOOLCHAIN Emscripten.cmake
            PATHS /usr/share/emscripten/cmake/Modules/Platform NO_DEFAULT_PATH)
  if(DELARTAL_EMSCRIPTEN_TOOLCHAIN)
    find_package(Python3 COMPONENTS Interpreter REQUIRED)
    set(web_build ${PROJECT_BINARY_DIR}/web)
    set(web_name delartal-${PROJECT_VERSION}-web)
    set(web_env ${CMAKE_COMMAND} -E env --unset=CXXFLAGS --unset=LDFLAGS
                NODE_PATH=/usr/share/nodejs SOURCE_DATE_EPOCH=${DELARTAL_SOURCE_DATE_EPOCH})
    add_custom_target(web_zip ALL
      COMMAND ${web_env} ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR} -B ${web_build}
              -DCMAKE_TOOLCHAIN_FILE=${DELARTAL_EMSCRIPTEN_TOOLCHAIN} -DCMAKE_BUILD_TYPE=Release
      COMMAND ${web_env} ${CMAKE_COMMAND} --build ${web_build} --target page
      COMMAND ${CMAKE_COMMAND} -E rm -rf ${web_build}/${web_name}
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${web_build}/site ${web_build}/${web_name}/site
      COMMAND ${CMAKE_COMMAND} -E copy ${web_build}/delartal.html ${web_build}/${web_name}/
      COMMAND ${web_env} ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/pack_zip.py
              ${PROJECT_BINARY_DIR}/${web_name}.zip ${web_build}/${web_name}
      COMMENT "Building the page's zip with emscripten"
      VERBATIM)
  else()
    message(STATUS "No emscripten: no web zip")
  endif()
endif()
