# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -D MANIFEST=build/install_manifest.txt -P Uninstall.cmake
# Removes every file the last install listed in MANIFEST (its paths are without DESTDIR, which is
# honoured here as at install time), then the program's own folders (…/catchscale/…) left empty.
if(NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist; install first.")
endif()

file(STRINGS "${MANIFEST}" installed)
set(own_folders)
foreach(file IN LISTS installed)
    set(path "$ENV{DESTDIR}${file}")
    if(EXISTS "${path}" OR IS_SYMLINK "${path}")
        message(STATUS "Removing ${path}")
        file(REMOVE "${path}")
    endif()
    get_filename_component(folder "${path}" DIRECTORY)
    if(folder MATCHES "/catchscale(/|$)")
        list(APPEND own_folders "${folder}")
    endif()
endforeach()

# Deepest first, so that sample/ goes before the folder holding it; rmdir leaves a folder that
# still holds something.
list(REMOVE_DUPLICATES own_folders)
list(SORT own_folders ORDER DESCENDING)
foreach(folder IN LISTS own_folders)
    execute_process(COMMAND rmdir "${folder}" ERROR_QUIET)
endforeach()
