include(GNUInstallDirs)

install(TARGETS rotation RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

# Manual pages are installed compressed, as Debian's are; -n keeps the archive reproducible.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(manual_page "${PROJECT_BINARY_DIR}/rotation.1.gz")
add_custom_command(
    OUTPUT "${manual_page}"
    COMMAND "${GZIP_EXECUTABLE}" -9 -n -c "${PROJECT_SOURCE_DIR}/docs/rotation.1" > "${manual_page}"
    DEPENDS "${PROJECT_SOURCE_DIR}/docs/rotation.1"
    VERBATIM)
add_custom_target(manual_page ALL DEPENDS "${manual_page}")
install(FILES "${manual_page}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

install(FILES LICENSE DESTINATION "${CMAKE_INSTALL_DOCDIR}" RENAME copyright)
