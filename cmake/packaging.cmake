# What an install holds besides the two programs, and the packages made of
# it: a Debian package on Linux, a zip file for Windows.
include(GNUInstallDirs)

install(FILES docs/toval.1 docs/toval-tools.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES docs/guide.md docs/toval-results.schema.json docs/galpao.svg DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES examples/GALPAO.CMB examples/GALPAO.ESF examples/galpao.answers examples/galpao-rules.toml
              examples/portal-rules.toml examples/GALPAO-R1.CMB
              examples/GALPAO-R1.ESF
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

set(CPACK_PACKAGE_NAME toval)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Load combinations, envelopes and reactions from a plane-frame analysis listing")
set(CPACK_PACKAGE_CONTACT "TOVAL developers <toval@localhost>")
set(CPACK_PACKAGE_FILE_NAME toval-${CPACK_PACKAGE_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libgcc-s1, libstdc++6 (>= 12)")
endif()
include(CPack)
