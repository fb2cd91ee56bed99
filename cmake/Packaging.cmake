# The Debian package (tools/package): cpack -G DEB in the build folder.
# Dependencies: the libraries the programs link, found by dpkg-shlibdeps, and
# the Qt plug-ins they load at run time, which no link shows: the platform
# plug-ins (offscreen for vexoria-cli, xcb and wayland for the window), the
# SQLite driver of the debug export and the SVG icon and image plug-ins; and
# Qt's Russian translations, which the window loads for Qt's own dialogs.
set(CPACK_PACKAGE_NAME vexoria)
set(CPACK_PACKAGE_VENDOR "Vexoria")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Flowcharts of Pascal routines")
set(CPACK_PACKAGE_DESCRIPTION
    "Vexoria draws flowcharts of Pascal routines. Paste or load a routine, or open a whole unit and go routine by routine, and get a chart to annotate, print on A4 sheets, save as a picture or watch animated. vexoria-cli does the same without a window.")
set(CPACK_PACKAGE_CONTACT "Vexoria developers")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins (>= 6.4), libqt6sql6-sqlite (>= 6.4), libqt6svg6 (>= 6.4), qt6-translations-l10n (>= 6.4), hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
