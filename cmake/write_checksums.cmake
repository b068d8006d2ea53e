# After cpack: the .deb's member headers made the same on every machine, and
# SHA256SUMS beside the release's packages, the .deb and the zips, in the
# form `sha256sum -c SHA256SUMS` reads, in byte order of names.
find_program(DELARTAL_PYTHON python3 REQUIRED)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "[.]deb$")
    execute_process(COMMAND ${DELARTAL_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/deb_members.py ${package}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
# cpack hands the .deb over from where it made it; the zips are made beside.
file(GLOB zips LIST_DIRECTORIES false
     ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-*.zip)
set(lines "")
foreach(package IN LISTS CPACK_PACKAGE_FILES zips)
  file(SHA256 ${package} sum)
  get_filename_component(name ${package} NAME)
  list(APPEND lines "${name}  ${sum}")
endforeach()
list(SORT lines)
set(sums "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^(.*)  (.*)$" "\\2  \\1\n" line "${line}")
  string(APPEND sums "${line}")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
message(STATUS "SHA256SUMS: ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS")
