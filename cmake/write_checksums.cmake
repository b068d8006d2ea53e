# After cpack: SHA256SUMS beside the release's packages, the .debs and the
# zips, in the form `sha256sum -c SHA256SUMS` reads, in byte order of names.
file(GLOB packages LIST_DIRECTORIES false ${CPACK_PACKAGE_DIRECTORY}/delartal_*.deb
     ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-*.zip)
set(lines "")
foreach(package IN LISTS packages)
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
