# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -D PROGRAM=…/catchscale -D VERSION=1.2.3 -D SAMPLE=…/catch.ini -D OUT=FOLDER
#       -P HelpAndVersionForms.cmake
# Runs the program as a shell does, without a display. --help and --version write their GNU-form
# text to standard output alone and exit 0; a wrong command line exits 2 with one error line and
# a pointer to --help on standard error, whatever the option; the commands that need no window
# print nothing when they succeed.

function(expect status stdout_regex stderr_regex)
    execute_process(COMMAND ${PROGRAM} ${ARGN}
        RESULT_VARIABLE got_status OUTPUT_VARIABLE got_stdout ERROR_VARIABLE got_stderr)
    if(NOT got_status STREQUAL status OR NOT got_stdout MATCHES "${stdout_regex}"
       OR NOT got_stderr MATCHES "${stderr_regex}")
        message(SEND_ERROR "catchscale ${ARGN}: exit ${got_status} (want ${status})\n"
                           "stdout:\n${got_stdout}\nstderr:\n${got_stderr}")
    endif()
endfunction()

string(REPLACE "." "\\." version "${VERSION}")
string(CONCAT help_text "^使い方: catchscale \\[ファイル\\]\n.*\n      --dump .*\n      --export-pdf .*\n"
            ".*\n      --export-bmp .*\n  -h, --help .*\n      --version .*\n"
            "\nバグの報告先: <https?://[^>]+>\n$")
set(hint "\n詳しくは 'catchscale --help' を実行してください。\n$")

expect(0 "${help_text}" "^$" --help)
expect(0 "${help_text}" "^$" -h)
string(CONCAT version_text "^catchscale \\(CatchScale\\) ${version}\n"
            "Copyright \\(C\\) [0-9][0-9][0-9][0-9] [^\n]+\n"
            "License GPLv3\\+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>\\.\n"
            "This is free software: you are free to change and redistribute it\\.\n"
            "There is NO WARRANTY, to the extent permitted by law\\.\n$")
expect(0 "${version_text}" "^$" --version)
expect(2 "^$" "^catchscale: --dump には[^\n]*${hint}" --dump)
expect(2 "^$" "^catchscale: 不明なオプションです: --bogus${hint}" --bogus)
expect(2 "^$" "^catchscale: [^\n]*--dpi[^\n]*${hint}" --export-pdf o.pdf b.ini --dpi 300)
expect(2 "^$" "^catchscale: [^\n]*--tile[^\n]*${hint}" --tile JisB5)
expect(2 "^$" "^catchscale: 不明なオプションです: -x.jpg${hint}" -x.jpg)

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
expect(0 "^{.*}\n?$" "^$" --dump "${SAMPLE}")
expect(0 "^$" "^$" --export-pdf "${OUT}/page.pdf" "${SAMPLE}")
expect(0 "^$" "^$" --export-csv=${OUT}/book.csv -- "${SAMPLE}")
