# What an install holds besides the two programs, and the packages made of
# it: a Debian package on Linux, a zip file for Windows.
include(GNUInstallDirs)

# A Debian system reads its manual pages and changelog gzipped, beside a
# copyright file; the Windows zip keeps the pages as they are.
if(WIN32)
  install(FILES docs/toval.1 docs/toval-tools.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  find_program(GZIP_PROGRAM gzip REQUIRED)
  set(gzipped)
  foreach(source docs/toval.1 docs/toval-tools.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    set(target ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz)
    # -n leaves out the name and time, so the same page gives the same bytes.
    add_custom_command(OUTPUT ${target}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
                       COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/${source} > ${target}
                       DEPENDS ${source} VERBATIM)
    list(APPEND gzipped ${target})
  endforeach()
  add_custom_target(gzipped_documents ALL DEPENDS ${gzipped})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/toval.1.gz ${CMAKE_CURRENT_BINARY_DIR}/packaging/toval-tools.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME toval)
endif()
install(FILES docs/guide.md docs/toval-results.schema.json docs/galpao.svg DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES examples/GALPAO.CMB examples/GALPAO.ESF examples/galpao.answers examples/galpao-rules.toml
              examples/portal-rules.toml examples/GALPAO-R1.CMB
              examples/GALPAO-R1.ESF
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

set(CPACK_PACKAGE_NAME toval)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Load combinations, envelopes and reactions from a plane-frame analysis listing")
set(CPACK_PACKAGE_DESCRIPTION
    "toval reads the results listing of a plane-frame analysis and a short\ncombination file, forms the load combinations, the normal-force envelope\nand the support reactions, and writes one fixed report. toval-tools\nexports every result as JSON, CSV or a workbook, draws the frame as an\nSVG picture and checks the inputs for mistakes that change numbers\nsilently.")
set(CPACK_PACKAGE_CONTACT "TOVAL developers <toval@example.org>")
set(CPACK_PACKAGE_FILE_NAME toval-${CPACK_PACKAGE_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # toval_VERSION_ARCH.deb
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  # The dependencies are those the programs link: none for a static toval,
  # the C and C++ runtime, zlib and libxlsxwriter for a dynamic toval-tools.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
