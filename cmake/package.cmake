# The Debian package: run "cpack -G DEB" in the build folder. Its library dependencies are found
# by dpkg-shlibdeps.
set(DORVA_PACKAGE_CONTACT "The DORVA developers <dorva@users.invalid>"
    CACHE STRING "The package's maintainer: name and e-mail address")

set(CPACK_PACKAGE_NAME dorva)
set(CPACK_PACKAGE_VENDOR "The DORVA developers")
set(CPACK_PACKAGE_CONTACT "${DORVA_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "editor for the Actor, Kit and Mission files of a tactical shooter")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "DORVA edits the Actor (.atr), Kit (.kit) and Mission (.mis) files of a squad-based tactical "
    "shooter byte for byte in their Japanese code page. dorva-cli shows, edits, creates and "
    "checks the same files from the command line, and edits many at once through a CSV table.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The file texts are Japanese; without such a font they show as boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk")
include(CPack)
