# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -D ROOT=SOURCE_TREE -D PENDING=LIST_FILE -P CheckFloors.cmake
# The folders of src stand on floors, and a file includes only from its own floor or below:
#   0 platform; 1 the record book format, the picture formats and the document; 2 the view and
#   annotation painting; 3 measuring and output; 4 app, the composition root (with main.cpp).
# The main window's model, frmMain, is named only in src/app, src/main.cpp and tests/app.
# PENDING lists the breaks still being mended, one "FILE includes HEADER" or "FILE names frmMain"
# a line ('#' starts a comment): a break not listed fails, and so does a listed one that is gone,
# so that the list only shrinks.

cmake_minimum_required(VERSION 3.25)

set(floor_platform 0)
set(floor_document 1)
set(floor_recordbook 1)
set(floor_imaging 1)
set(floor_view 2)
set(floor_annotations 2)
set(floor_measure 3)
set(floor_output 3)
set(floor_app 4)

set(word_before "(^|[^A-Za-z0-9_])")
set(word_after "([^A-Za-z0-9_]|$)")

# The floor of a folder of src, or of the file at its root; empty for a folder not on any.
function(floor_of folder out)
    if(folder STREQUAL "")
        set(${out} 4 PARENT_SCOPE) # main.cpp
    elseif(DEFINED floor_${folder})
        set(${out} ${floor_${folder}} PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

set(breaks)

file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/src/*.h" "${ROOT}/src/*.cpp")
list(SORT sources)
foreach(path IN LISTS sources)
    string(REGEX MATCH "^src/([^/]+)/" in_folder "${path}")
    set(folder "${CMAKE_MATCH_1}")
    floor_of("${folder}" floor)
    if(floor STREQUAL "")
        list(APPEND breaks "${path} stands in a folder on no floor")
        continue()
    endif()
    file(STRINGS "${ROOT}/${path}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" header "${line}")
        if(header MATCHES "\\.\\.")
            list(APPEND breaks "${path} includes ${header}")
        elseif(header MATCHES "^([^/]+)/")
            floor_of("${CMAKE_MATCH_1}" header_floor)
            if(header_floor STREQUAL "" OR header_floor GREATER floor)
                list(APPEND breaks "${path} includes ${header}")
            endif()
        endif()
    endforeach()
endforeach()

file(GLOB_RECURSE named RELATIVE "${ROOT}"
    "${ROOT}/src/*.h" "${ROOT}/src/*.cpp" "${ROOT}/tests/*.h" "${ROOT}/tests/*.cpp")
list(SORT named)
foreach(path IN LISTS named)
    if(path MATCHES "^(src/app/|src/main\\.cpp$|tests/app/)")
        continue()
    endif()
    file(STRINGS "${ROOT}/${path}" naming REGEX "${word_before}frmMain${word_after}")
    if(naming)
        list(APPEND breaks "${path} names frmMain")
    endif()
endforeach()

set(pending)
if(EXISTS "${PENDING}")
    file(STRINGS "${PENDING}" pending_lines)
    foreach(line IN LISTS pending_lines)
        string(STRIP "${line}" line)
        if(NOT line STREQUAL "" AND NOT line MATCHES "^#")
            list(APPEND pending "${line}")
        endif()
    endforeach()
endif()

set(report)
foreach(entry IN LISTS breaks)
    if(NOT entry IN_LIST pending)
        string(APPEND report "floor broken: ${entry}\n")
    endif()
endforeach()
foreach(entry IN LISTS pending)
    if(NOT entry IN_LIST breaks)
        string(APPEND report "mended, take it off the pending list: ${entry}\n")
    endif()
endforeach()
if(report)
    message(NOTICE "${report}")
    message(FATAL_ERROR "the floors do not hold")
endif()
list(LENGTH pending still_pending)
message(STATUS "floors hold (${still_pending} breaks pending)")
