# The same source gives the same bytes: one time stamps everything the build and the package
# embed, and no path of the build machine reaches the binary.
#
# The time is SOURCE_DATE_EPOCH from the environment (dpkg-buildpackage sets it from
# debian/changelog), else the last commit's time, else (a source tree without its git history)
# the date of the changelog's latest entry, as Debian's tools take it.
set(TORVANE_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(TORVANE_SOURCE_DATE_EPOCH STREQUAL "")
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE git_top OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE git_result ERROR_QUIET)
        # A tarball unpacked inside some other repository must not take that one's history.
        file(REAL_PATH "${PROJECT_SOURCE_DIR}" source_real)
        if(git_result EQUAL 0 AND git_top STREQUAL source_real)
            execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                            OUTPUT_VARIABLE TORVANE_SOURCE_DATE_EPOCH
                            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        endif()
    endif()
endif()
if(TORVANE_SOURCE_DATE_EPOCH STREQUAL "")
    file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
    string(REGEX REPLACE "^ -- .*>  " "" changelog_date "${trailer}")
    execute_process(COMMAND date -u -d "${changelog_date}" +%s
                    OUTPUT_VARIABLE TORVANE_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET)
endif()
if(NOT TORVANE_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "No source date: set SOURCE_DATE_EPOCH, or keep debian/changelog's "
                        "trailer line dated ('${TORVANE_SOURCE_DATE_EPOCH}' read)")
endif()
message(STATUS "Source date: ${TORVANE_SOURCE_DATE_EPOCH} (SOURCE_DATE_EPOCH)")

# Qt's resource compiler stamps every file with its modification time, which a fresh checkout
# sets to the checkout's time; given SOURCE_DATE_EPOCH it writes that instead. Every rcc run,
# qt_add_resources and AUTORCC alike, goes through Qt6::rcc, so that target runs it with the
# variable set. The script changes only with the date, and a new date regenerates the resources.
if(TARGET Qt6::rcc)
    get_target_property(rcc Qt6::rcc LOCATION)
    set(dated_rcc ${PROJECT_BINARY_DIR}/dated-rcc/rcc)
    file(CONFIGURE OUTPUT ${dated_rcc} @ONLY CONTENT
         "#!/bin/sh\nSOURCE_DATE_EPOCH=@TORVANE_SOURCE_DATE_EPOCH@ exec '@rcc@' \"$@\"\n")
    file(CHMOD ${dated_rcc} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
         GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    get_target_property(rcc_configurations Qt6::rcc IMPORTED_CONFIGURATIONS)
    foreach(configuration IN LISTS rcc_configurations)
        set_property(TARGET Qt6::rcc PROPERTY IMPORTED_LOCATION_${configuration} ${dated_rcc})
    endforeach()
    set_property(TARGET Qt6::rcc PROPERTY IMPORTED_LOCATION ${dated_rcc})
endif()

# Paths of the source and build folders turn into fixed names wherever the compiler writes one
# (__FILE__, debug information). The build folder is the later map, so it wins where it lies
# inside the source folder. Debug builds keep real paths for the debugger.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.;-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")
