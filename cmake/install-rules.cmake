include(GNUInstallDirs)

install(TARGETS rotation RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The compiler's version stamp (.comment) is of no use in an installed program; Debian's own
# packages drop it too.
find_program(OBJCOPY_EXECUTABLE objcopy REQUIRED)
install(CODE "
    set(program \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/rotation\")
    execute_process(COMMAND \"${OBJCOPY_EXECUTABLE}\" --remove-section=.comment \"\${program}\"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR \"objcopy could not remove .comment from \${program}\")
    endif()")

# Installs `source` gzipped, as Debian installs manual pages and changelogs; -n leaves out the
# name and time stamp, so the bytes depend on the content alone.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
function(install_gzipped source destination)
    get_filename_component(name "${source}" NAME)
    set(gzipped "${PROJECT_BINARY_DIR}/${name}.gz")
    add_custom_command(
        OUTPUT "${gzipped}"
        COMMAND "${GZIP_EXECUTABLE}" -9 -n -c "${PROJECT_SOURCE_DIR}/${source}" > "${gzipped}"
        DEPENDS "${PROJECT_SOURCE_DIR}/${source}"
        VERBATIM)
    string(MAKE_C_IDENTIFIER "gzip_${name}" target)
    add_custom_target(${target} ALL DEPENDS "${gzipped}")
    install(FILES "${gzipped}" DESTINATION "${destination}")
endfunction()

install_gzipped(docs/rotation.1 "${CMAKE_INSTALL_MANDIR}/man1")
install_gzipped(docs/changelog "${CMAKE_INSTALL_DOCDIR}")
install(FILES LICENSE DESTINATION "${CMAKE_INSTALL_DOCDIR}" RENAME copyright)
