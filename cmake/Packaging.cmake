# What `cmake --install` adds for a technician's machine beyond the binaries and the data files:
# manual pages, bash completion, the simulator's stand-ins, and the Debian package (CPack) made
# of all of it (scripts/package).

# The stand-ins live apart from every folder a real JIG's firmware is looked for in.
install(FILES ${SIM_FIRMWARE_FILES} DESTINATION lib/tolvane-jig/sim-firmware)
install(FILES packaging/bash-completion/tolvane-jig-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Manual pages from each binary's own --help and --version, with a written part for what they
# do not say; the program answers both before it needs a display. Made only where help2man is
# installed (scripts/install-deps installs it), and not in a sanitizer's tree, never installed.
find_program(HELP2MAN help2man)
find_program(GZIP gzip)
if(HELP2MAN AND GZIP AND TOLVANE_SANITIZE STREQUAL "")
  set(MAN_DIR ${CMAKE_BINARY_DIR}/man)
  set(MAN_PAGES)
  set(MAN_NAME_tolvane-jig "read, erase and write an embedded controller's flash through the JIG")
  set(MAN_NAME_tolvane-jig-cli "the JIG programmer's operations without a window")
  set(MAN_NAME_tolvane-jig-sim "a simulated JIG programmer on a pseudo-terminal")
  foreach(prog tolvane-jig tolvane-jig-cli tolvane-jig-sim)
    set(include ${CMAKE_SOURCE_DIR}/packaging/man/${prog}.h2m)
    add_custom_command(OUTPUT ${MAN_DIR}/${prog}.1.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${MAN_DIR}
      COMMAND ${HELP2MAN} --no-info --section=1 "--name=${MAN_NAME_${prog}}" --include=${include}
              --output=${MAN_DIR}/${prog}.1 $<TARGET_FILE:${prog}>
      COMMAND ${GZIP} -9nf ${MAN_DIR}/${prog}.1
      DEPENDS ${prog} ${include}
      COMMENT "Manual page of ${prog}"
      VERBATIM)
    list(APPEND MAN_PAGES ${MAN_DIR}/${prog}.1.gz)
  endforeach()
  add_custom_target(man-pages ALL DEPENDS ${MAN_PAGES})
  install(FILES ${MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The package's version is the one --version prints.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/shell/ProgramVersion.h version_line
     REGEX "kProgramVersion = \"[^\"]+\"")
string(REGEX REPLACE ".*kProgramVersion = \"([^\"]+)\".*" "\\1" TOLVANE_VERSION "${version_line}")
if(NOT TOLVANE_VERSION MATCHES "^[0-9][A-Za-z0-9.+~]*$")
  message(FATAL_ERROR "no package version in src/shell/ProgramVersion.h: '${TOLVANE_VERSION}'")
endif()

# What Debian asks of every package: its copyright and a compressed changelog (named as a
# native package's: the version has no Debian revision).
set(DEB_DOC_DIR ${CMAKE_BINARY_DIR}/deb-doc)
string(TIMESTAMP TOLVANE_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(packaging/debian/changelog.in ${DEB_DOC_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${DEB_DOC_DIR}/changelog.gz
  COMMAND ${GZIP} -9nkf ${DEB_DOC_DIR}/changelog
  DEPENDS ${DEB_DOC_DIR}/changelog
  VERBATIM)
add_custom_target(deb-changelog ALL DEPENDS ${DEB_DOC_DIR}/changelog.gz)
install(FILES packaging/debian/copyright ${DEB_DOC_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolvane-jig)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane-jig)
set(CPACK_PACKAGE_VERSION ${TOLVANE_VERSION})
set(CPACK_PACKAGE_CONTACT "Tolvane JIG maintainers <maintainers@users.noreply.c-seed-8c6d59db.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "read, erase and write embedded-controller flash through the JIG programmer")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program, with a command-line twin, for laptop repair technicians\n\
who read, erase and write the flash of a motherboard's embedded controller\n\
through the JIG programmer box (an FTDI USB-serial chip in front of a\n\
microcontroller): ENE KB90xx, Microchip MEC16xx, ITE ECs and Nuvoton NPCE\n\
over SPI and JTAG, a panel's EDID EEPROM and a keyboard-matrix tester.\n\
A simulated JIG is built in, to try every operation without one.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and file dialog in Russian; without it they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
