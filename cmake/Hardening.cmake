# Debian's hardening for the optimised builds, the package's among them: fortified libc calls,
# stack protector, relocations read-only and bound at start-up, a position-independent
# executable. The sanitizer and fuzz builds bring their own instrumentation and keep their own
# flags; -DTORVANE_HARDEN=OFF gives a plain optimised build.
option(TORVANE_HARDEN "Build the optimised configurations with Debian's hardening flags" ON)
set(TORVANE_HARDENED_BUILD OFF)
if(NOT TORVANE_HARDEN OR TORVANE_SANITIZE OR TORVANE_FUZZ)
    return()
endif()

# The flags dpkg-buildflags gives with every hardening feature on, so they follow the
# distribution; without it, the same flags spelled out. Its -g and -O are the build type's
# business, and its path map, taken from the current folder, is Reproducible.cmake's.
find_program(TORVANE_DPKG_BUILDFLAGS dpkg-buildflags)
function(torvane_hardening_flags kind out)
    set(flags ${ARGN})
    if(TORVANE_DPKG_BUILDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${TORVANE_DPKG_BUILDFLAGS} --get ${kind}
                        OUTPUT_VARIABLE output OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE result ERROR_QUIET)
        if(result EQUAL 0)
            separate_arguments(flags UNIX_COMMAND "${output}")
            list(FILTER flags EXCLUDE REGEX "^-(g|O).*|^-f(file|debug|macro)-prefix-map=")
        endif()
    endif()
    set(${out} ${flags} PARENT_SCOPE)
endfunction()
torvane_hardening_flags(CPPFLAGS preprocessor_flags -Wdate-time -D_FORTIFY_SOURCE=2)
torvane_hardening_flags(CXXFLAGS compiler_flags -fstack-protector-strong -Wformat
                        -Werror=format-security)
torvane_hardening_flags(LDFLAGS linker_flags -Wl,-z,relro -Wl,-z,now)

# _FORTIFY_SOURCE needs the optimiser; an unoptimised build in this tree goes without.
set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options("$<${optimised}:${preprocessor_flags};${compiler_flags}>")
add_link_options("$<${optimised}:${linker_flags}>")
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()

if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    set(TORVANE_HARDENED_BUILD ON)
endif()
list(JOIN preprocessor_flags " " shown)
list(JOIN compiler_flags " " shown_compiler)
list(JOIN linker_flags " " shown_linker)
message(STATUS "Hardening: ${shown} ${shown_compiler} ${shown_linker} -pie")
