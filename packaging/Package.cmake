# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of what the install rules put in place, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME catchscale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "measure a photographed catch and print it at actual size")
# Debian's long description; the summary above becomes its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "An angler photographs a fish beside a ruler. CatchScale calibrates on the ruler
in the picture, measures the fish with live dimension lines, keeps a catch
record (length, weight, angler, place, tide, bait, rig, date) in a record book
and prints it so that 1 mm of fish is 1 mm on paper, on a printer or into a
PDF file. The interface is Japanese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "CatchScale developers <catchscale@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CATCHSCALE_HOMEPAGE})
# The libraries come from dpkg-shlibdeps; the Japanese font the interface is drawn in does not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
# Qt's own dialogs in Japanese, and F1's guide opened in the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
