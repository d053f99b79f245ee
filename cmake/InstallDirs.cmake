# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Where `make install` and the Debian package put things. The program finds its data from its
# own folder through a relative path, so an installation may be moved to another prefix whole.
include(GNUInstallDirs)

set(CATCHSCALE_DATA_DIR "${CMAKE_INSTALL_DATADIR}/catchscale")
file(RELATIVE_PATH CATCHSCALE_DATA_FROM_BIN
     "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/catchscale")
