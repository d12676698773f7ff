# The .deb package, made from the install rules: cpack -G DEB in the build folder.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vortexcalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the VortexCalc developers")
set(CPACK_PACKAGE_CONTACT ${VORTEX_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vortex shedding calculator for vortex-induced vibration")
# Lines of at most 80 characters, as Debian's control files want them.
set(CPACK_PACKAGE_DESCRIPTION [[
VortexCalc solves the Strouhal relation St = f*D/V for any one of the
Strouhal number, the frequency of the shed vortices, the diameter of the
body and the free-stream velocity from the other three, in English or
metric units, and estimates the Strouhal number of a circular cylinder
from the Reynolds number.

The package holds the desktop program, vortexcalc, and strouhal, a
command-line calculator for the same sums, one at a time or in CSV batches.]])
# Release builds carry debugging information; the package does not.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VORTEX_CONTACT_WEB})
# The shared libraries come from the binaries (dpkg-shlibdeps, from dpkg-dev);
# these are what the program loads or starts without linking them: Qt's
# platform plugins, the fonts its dialogs are laid out in, and the opener of
# links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, xdg-utils")

include(CPack)
