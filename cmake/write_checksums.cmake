# After cpack: SHA256SUMS beside the release's packages, the .deb and the
# zips, in the form `sha256sum -c SHA256SUMS` reads, in byte order of names.
file(GLOB packages LIST_DIRECTORIES false RELATIVE ${CPACK_PACKAGE_DIRECTORY}
     ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_NAME}_${CPACK_PACKAGE_VERSION}_*.deb
     ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-*.zip)
list(SORT packages)
set(sums "")
foreach(package IN LISTS packages)
  file(SHA256 ${CPACK_PACKAGE_DIRECTORY}/${package} sum)
  string(APPEND sums "${sum}  ${package}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
message(STATUS "SHA256SUMS: ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS")
