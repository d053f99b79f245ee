# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -D CHECK=…/CheckFloors.cmake -D OUT=FOLDER -P FloorCheckTest.cmake
# The floor check run on a small tree written here: each row is a file, what it holds and what
# the check must say of it ("-" for nothing).

cmake_minimum_required(VERSION 3.25)

set(rows
    # An include from below, from the same floor, from the own folder and of the system: allowed.
    "src/view/Painter.cpp|#include \"platform/Base.h\"\n#include \"annotations/Look.h\"\n\
#include \"Painter.h\"\n#include <QtCore>|-"
    # The same floor across folders: the record book format and the document.
    "src/recordbook/Reader.cpp|#include \"document/Model.h\"\nint frmMainLike|-"
    # From a higher floor.
    "src/view/Zoom.cpp|#include \"measure/Tool.h\"|\
floor broken: src/view/Zoom.cpp includes measure/Tool.h"
    "src/platform/Base.h|#  include \"document/Model.h\"|\
floor broken: src/platform/Base.h includes document/Model.h"
    # Climbing out of the folder hides where the header stands.
    "src/document/Model.h|#include \"document/../app/Window.h\"|\
floor broken: src/document/Model.h includes document/../app/Window.h"
    # A new folder must be given its floor.
    "src/gadgets/Thing.h|int thing|\
floor broken: src/gadgets/Thing.h stands in a folder on no floor"
    # The main window's model named below app, in code or in a test.
    "src/measure/Tool.h|class frmMain|floor broken: src/measure/Tool.h names frmMain"
    "tests/view/PainterTest.cpp|frmMain form|\
floor broken: tests/view/PainterTest.cpp names frmMain"
    # Where it may be named, and app including from every floor.
    "src/app/Window.h|#include \"measure/Tool.h\"\nclass frmMain|-"
    "src/main.cpp|#include \"app/Window.h\"\nfrmMain *form|-"
    "tests/app/WindowTest.cpp|frmMain form|-"
)

file(REMOVE_RECURSE "${OUT}")
set(expected)
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 path)
    list(GET fields 1 text)
    list(GET fields 2 verdict)
    file(WRITE "${OUT}/${path}" "${text}\n")
    if(NOT verdict STREQUAL "-")
        list(APPEND expected "${verdict}")
    endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -D ROOT=${OUT} -P ${CHECK}
    RESULT_VARIABLE status ERROR_VARIABLE said OUTPUT_VARIABLE said_too)
string(REGEX MATCHALL "floor broken[^\n]*" got "${said}${said_too}")
list(SORT got)
list(SORT expected)
if(status EQUAL 0 OR NOT got STREQUAL expected)
    string(REPLACE ";" "\n" got "${got}")
    string(REPLACE ";" "\n" expected "${expected}")
    message(FATAL_ERROR "exit ${status}; said:\n${got}\nwanted:\n${expected}")
endif()
