# The Debian package, built by `make package` with CPack from the same build folder.
#
# Debian keeps games in /usr/games, while `cmake --install` puts the game in bin/, where a
# user's PATH looks under ~/.local too. So the package takes its own copy of the game from a
# component that a plain install leaves out, along with Debian's copyright and changelog.
install(TARGETS torvane RUNTIME DESTINATION games COMPONENT debian_game EXCLUDE_FROM_ALL)
# CPack's strip leaves the compilers' .comment and .note sections, which Debian's takes out too.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/$<TARGET_FILE_NAME:torvane>\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()" COMPONENT debian_game EXCLUDE_FROM_ALL)

# The version has no Debian revision, which makes a native package: its changelog is
# changelog.gz, compressed the way lintian asks.
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog ${changelog}
    COMMAND gzip -9nf ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
    COMMENT "Debian changelog")
add_custom_target(torvane_debian_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog}.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/torvane COMPONENT debian_doc EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VENDOR "The Torvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mine-sweeping game on a field of hexagons")
# Wrapped by hand: the control file keeps the lines as they are.
set(CPACK_PACKAGE_DESCRIPTION
    "Torvane is a mine-sweeping game on a hexagonal grid: every cell has six
neighbours. Open the cells with the left button, flag the mines with the
right one, and beat the clock.

Three levels and a field of your own size are offered, and the best time
of each level is kept with its holder's name.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES TRUE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# One package from the components that make it up; `game` is the bin/ copy, left out.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL desktop debian_game debian_doc)

set(CPACK_DEBIAN_PACKAGE_NAME torvane)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "The Torvane developers <maintainers@users.noreply.c-seed-3e7fdcac.example>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/torvane/torvane)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from the binary. The window needs a Qt platform plugin, which Qt itself
# only recommends, and the captions are Chinese, which without a CJK font show as boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk")
# On a Wayland desktop the game then runs as a native client rather than through XWayland; Qt's
# own texts (standard buttons, the boxes' context menu) follow the game's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
