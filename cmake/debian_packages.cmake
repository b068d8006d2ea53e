# cpack's External generator on Linux: the Debian packages, made from
# debian/ by Debian's own tools (tools/build-deb), so that the release's .deb
# is the one debian/ describes. Without the tests, which the release's build
# has run, and without the debug symbols' packages.
set(out ${CPACK_TOPLEVEL_DIRECTORY}/debian)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=CXXFLAGS --unset=LDFLAGS
          SOURCE_DATE_EPOCH=${CPACK_DELARTAL_SOURCE_DATE_EPOCH}
          "DEB_BUILD_OPTIONS=nocheck noddebs"
          ${CPACK_DELARTAL_SOURCE_DIR}/tools/build-deb ${out} ${CPACK_DELARTAL_DEB_ARCHITECTURES}
  WORKING_DIRECTORY ${CPACK_DELARTAL_SOURCE_DIR}
  COMMAND_ERROR_IS_FATAL ANY)
file(GLOB CPACK_EXTERNAL_BUILT_PACKAGES ${out}/delartal_*.deb)
# Beside the zips already, for the checksums written after this.
file(COPY ${CPACK_EXTERNAL_BUILT_PACKAGES} DESTINATION ${CPACK_PACKAGE_DIRECTORY})
