# The Debian package: cpack -G DEB in the build folder (or
# scripts/setup.sh package) writes arvelo-rezu_<version>_<arch>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME arvelo-rezu)
set(CPACK_PACKAGE_VENDOR Arvelo)
set(CPACK_PACKAGE_CONTACT ${ARVELO_REZU_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hydronic valve sizing calculator")
# CPack puts the summary first and indents this text as Debian wants it.
set(CPACK_PACKAGE_DESCRIPTION "Arvelo Rezu sizes, presets and checks the Arvelo range of hydronic valves:
static balancing valves with fixed or variable orifice, pressure-independent
control valves and differential pressure controllers. It finds the fitting
type series and nominal sizes for a design flow and pressure drop, computes
presettings and commissioning flows, and keeps a valve list that can be
exported for a spreadsheet.

The package holds the desktop program (started in ~/ArveloRezu), the
command-line companion arvelo-size, the catalogue builder arvelo-catalogue
and the catalogue sources.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The launcher reports a failure as a desktop notification when it can.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libnotify-bin)
set(CPACK_STRIP_FILES ON)
# Stripping keeps the compilers' .comment and .note sections, which Debian's
# own builds remove; strip_comment_sections.cmake does that in the staging
# folder before the package is made.
set(CPACK_ARVELO_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip_comment_sections.cmake)
# Directories as Debian expects them, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
