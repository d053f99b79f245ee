# cmake -D PROGRAM=…/catchscale -D VERSION=1.2.3 -P HelpAndVersionForms.cmake
# Runs the program as a shell does. --help and --version write their GNU-form text to standard
# output alone and exit 0; a wrong command line exits 2 with one error line and a pointer to
# --help on standard error, both on the direct path and on the one through Qt's option parsing.

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
expect(0 "^catchscale \\(CatchScale\\) ${version}\nCopyright \\(C\\) [0-9][0-9][0-9][0-9] [^\n]+\n$"
       "^$" --version)
expect(2 "^$" "^catchscale: --dump には[^\n]*${hint}" --dump)
# Qt may warn before the line (XDG_RUNTIME_DIR unset, say): the window path made a QApplication.
expect(2 "^$" "(^|\n)catchscale: 不明なオプションです: --bogus${hint}" --bogus)
