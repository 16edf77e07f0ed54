# The Debian package: `cpack -G DEB` in the build folder writes veltrix_VERSION_ARCH.deb
# with the installed files, its dependencies found from the binaries.
set(VELTRIX_DEBIAN_DOCS ${CMAKE_BINARY_DIR}/debian-docs)
add_custom_command(
  OUTPUT ${VELTRIX_DEBIAN_DOCS}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELTRIX_DEBIAN_DOCS}
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog >
          ${VELTRIX_DEBIAN_DOCS}/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog
  COMMENT "Compressing the package's changelog")
add_custom_target(veltrix-debian-docs ALL DEPENDS ${VELTRIX_DEBIAN_DOCS}/changelog.gz)
install(FILES ${VELTRIX_DEBIAN_DOCS}/changelog.gz ${PROJECT_SOURCE_DIR}/data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrix)
set(CPACK_PACKAGE_VENDOR "The Veltrix developers")
set(CPACK_PACKAGE_CONTACT "Veltrix developers <veltrix@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer of MIDI files and keyboard style files")
# The summary is the synopsis line; this is the extended description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Veltrix lists every event of a Standard MIDI File (.mid, .kar) or of a Yamaha
arranger keyboard's style file (.sty, .prs, .pcs, .bcs, .sst, .pst) as one row
of a table: its offset, delta time, measure, beat and tick, channel, kind and
a readable decoding, down to XG parameter changes and the keyboard's own
system-exclusive messages. Style files also show their CASM, OTS and
music-finder sections. Files are never written.
.
The package holds the desktop program veltrix and veltrix-list, which lists
files without a window as TSV, CSV or JSON.")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
