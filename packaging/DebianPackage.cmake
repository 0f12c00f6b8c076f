# `make package`: quillon-mouse_<version>_<arch>.deb of what `cmake --install` installs, with
# prefix /usr. Its library dependencies come from dpkg-shlibdeps; its maintainer scripts only tell
# a running udev about the rule.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon-mouse)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for Quillon gaming mice")
# CPack keeps the lines as they are: Debian wants them shorter than 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quillon Mouse sets up the Quillon family of gaming mice over a USB cable or"
  "their receiver: DPI stages and their colours, report rate and sensor options,"
  "button functions, recorded macros and five profiles per mouse model, which"
  "can be exchanged as files. The quillonctl command offers the same settings"
  "from the command line."
  ""
  "A udev rule gives the user at the seat access to the supported mice.")
set(CPACK_PACKAGE_CONTACT ${QUILLON_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUILLON_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUILLON_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/packaging/debian/postinst ${PROJECT_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
