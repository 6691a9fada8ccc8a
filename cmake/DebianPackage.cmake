# The Debian package: `cpack -G DEB` in the build folder (see the README). The libraries the
# program links against are found by dpkg-shlibdeps; what it only opens at run time (the General
# MIDI soundfont, a Japanese font, Qt's platform plugins) is named here.
set(CPACK_PACKAGE_NAME "gindamaya97")
set(CPACK_PACKAGE_VENDOR "The Gindamaya97 developers")
set(CPACK_PACKAGE_CONTACT "The Gindamaya97 developers <maintainers@gindamaya97.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pachinko hall management game")
set(CPACK_PACKAGE_DESCRIPTION
    "Run a chain of pachinko halls in a city of up to 50 x 50 blocks, month by month,\n"
    "against up to five rival companies: buy land, build halls, buy machines from eleven\n"
    "makers, hire staff and set the rates that bring the customers in.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fluid-soundfont-gm | timgm6mb-soundfont, fonts-noto-cjk | fonts-ipafont-gothic | fonts-takao-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_GENERATOR "DEB")
include(CPack)
