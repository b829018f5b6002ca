# `cpack -G DEB` in the build folder makes zefra_<version>_<arch>.deb from the install rules.
set(CPACK_PACKAGE_NAME zefra)
set(CPACK_PACKAGE_VENDOR "Zefra developers")
set(CPACK_PACKAGE_CONTACT "Zefra developers <zefra@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "oracle ball that answers yes-or-no questions")
set(CPACK_PACKAGE_DESCRIPTION
    "Type a question into the box on the ball, press ASK, and Zefra replies with one of thirty answers.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The look-alikes of the fonts the window asks for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_STRIP_FILES ON)
include(CPack)
