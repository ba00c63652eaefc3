# What `cmake --install` puts where, and the packages CPack makes of it: a Debian package from
# a Linux build, a zip from a Windows build.
set(TEVLIN_EXAMPLES examples/demo.asm examples/fill.asm examples/tables.asm)
set(TEVLIN_MAINTAINER "tevlin maintainers <maintainers@tevlin.example>")

if(WIN32)
  # One folder to unpack anywhere: the program beside its README and examples.
  install(TARGETS tevlin tevlin-dis tevlin-lsp RUNTIME DESTINATION .)
  install(FILES README.md CHANGELOG.md DESTINATION .)
  install(FILES ${TEVLIN_EXAMPLES} DESTINATION examples)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  include(GNUInstallDirs)
  install(TARGETS tevlin tevlin-dis tevlin-lsp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${TEVLIN_EXAMPLES} DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

  # The manual pages take their version from the project and are installed compressed, as
  # Debian keeps manual pages.
  foreach(page tevlin tevlin-dis tevlin-lsp)
    configure_file(man/${page}.1.in man/${page}.1 @ONLY)
    add_custom_command(
      OUTPUT man/${page}.1.gz
      COMMAND gzip -9 -n -k -f ${page}.1
      DEPENDS ${PROJECT_BINARY_DIR}/man/${page}.1
      WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/man
      VERBATIM)
    list(APPEND man_pages ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
  endforeach()
  add_custom_target(man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  # The changelog as Debian keeps a native package's. Its newest heading must name this version.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS CHANGELOG.md)
  file(STRINGS CHANGELOG.md newest REGEX "^## " LIMIT_COUNT 1)
  if(NOT newest MATCHES "^## ${PROJECT_VERSION} ")
    message(FATAL_ERROR "CHANGELOG.md: the newest version is not ${PROJECT_VERSION}: ${newest}")
  endif()
  add_custom_command(
    OUTPUT changelog.gz
    COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/debian_changelog.sh ${PROJECT_SOURCE_DIR}/CHANGELOG.md
            ${TEVLIN_MAINTAINER} changelog.gz
    DEPENDS CHANGELOG.md cmake/debian_changelog.sh
    VERBATIM)
  add_custom_target(changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

  set(CPACK_GENERATOR DEB)
endif()

# The page and Node.js commands that web/build.sh made, when their folder is named: static files
# to open in a browser, beside the documentation.
set(TEVLIN_PLAYGROUND_DIR "" CACHE PATH "The OUT_DIR of web/build.sh, installed as playground/")
if(TEVLIN_PLAYGROUND_DIR)
  if(WIN32)
    install(DIRECTORY ${TEVLIN_PLAYGROUND_DIR}/ DESTINATION playground)
  else()
    install(DIRECTORY ${TEVLIN_PLAYGROUND_DIR}/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/playground)
  endif()
endif()

set(CPACK_PACKAGE_CONTACT ${TEVLIN_MAINTAINER})
set(CPACK_PACKAGE_VENDOR "tevlin maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "assembler for an 8-bit soft-core microcontroller in FPGAs")
# The long description, in lines short enough for a package manager's window.
set(CPACK_PACKAGE_DESCRIPTION "\
tevlin assembles one source file for a small 8-bit soft-core
microcontroller (32 registers, 1024 program words of 18 bits, 256 bytes of
data memory) in two passes. It writes an error log, a listing with the
symbol table report, a debug file, and the program memory as a hex image
and as two VHDL ROM entities: a RAMB16_S18 block RAM for synthesis and a
constant array for simulation. Errors never stop a run: each is numbered,
printed, logged and shown under its line in the listing.
.
tevlin-dis reads any of the three program-memory images back and prints
assembly source that tevlin assembles into the same words.
.
tevlin-lsp is its language server: editors that speak the Language Server
Protocol get the assembler's own messages, notes, hover, definitions,
references, completion and renaming as the user types.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
