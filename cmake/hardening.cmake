# Release builds carry the hardening that Debian gives its own packages: position-independent
# executables, stack protection, fortified libc calls, stack clash and control-flow protection,
# and relocations made read-only after immediate binding.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(is_release "$<CONFIG:Release>")
    foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
        string(MAKE_C_IDENTIFIER "have${flag}" have_flag)
        check_cxx_compiler_flag(${flag} ${have_flag})
        if(${have_flag})
            add_compile_options("$<${is_release}:${flag}>")
        endif()
    endforeach()
    # Fortification needs optimisation, which Release has; replace any default level.
    add_compile_options("$<${is_release}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    add_link_options("$<${is_release}:LINKER:-z,relro,-z,now>")
    # The linker marks a program as built for control-flow protection only if every object in
    # it is, and Debian 12's C start-up files (crt1.o, crti.o, crtn.o) carry no such mark, so
    # it is set explicitly. Our own code is compiled with -fcf-protection; the marks take
    # effect only where the C library and every loaded library are marked too.
    if(have_fcf_protection AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_link_options("$<${is_release}:LINKER:-z,ibt,-z,shstk>")
    endif()
endif()
