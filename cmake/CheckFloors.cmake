# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -D ROOT=SOURCE_TREE -P CheckFloors.cmake
# The folders of src stand on floors, and a file includes only from its own floor or below:
#   0 platform; 1 the record book format, the picture formats and the document; 2 the view and
#   annotation painting; 3 measuring and output; 4 app, the composition root (with main.cpp).
# The main window's model, frmMain, is named only in src/app, src/main.cpp and tests/app.

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

if(breaks)
    list(TRANSFORM breaks PREPEND "floor broken: ")
    list(JOIN breaks "\n" report)
    message(NOTICE "${report}")
    message(FATAL_ERROR "the floors do not hold")
endif()
message(STATUS "floors hold")
