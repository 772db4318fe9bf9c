# `make package`: a Debian package of the installed files, built by CPack from the existing build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zemtrix)
set(CPACK_PACKAGE_VENDOR Orvelmont)
set(CPACK_PACKAGE_CONTACT "Orvelmont <zemtrix@orvelmont.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "formula calculator with history and option buttons")
set(CPACK_PACKAGING_INSTALL_PREFIX ${ZEMTRIX_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON) # the RelWithDebInfo build keeps its symbols out of the package
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# Directories made for the package get the usual mode, whatever the packager's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# Depends from the libraries the programs link, by dpkg-shlibdeps; Qt's platform plugins are
# loaded at run time, so no link names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own texts (the buttons of its dialogs) in the languages Zemtrix is translated into; its
# own translations are inside the programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zemtrix evaluates a whole formula line instead of a running total, in 80-bit
extended precision. Results show as Normal (15 significant digits), 0 to 5
decimals rounded 5/4, cut or up, hexadecimal or binary, with digit grouping, or
as a percentage. A history of every result can be copied, summed, averaged or
taken back; scientific keys, fourteen programmable option buttons and six named
variables sit above the keypad. Full-width characters typed through a Japanese
input method are accepted.
.
The package holds the window, zemtrix, and the command-line calculator
zemtrix-calc.")

include(CPack)
