# cmake -DPROGRAM=... -DVERSION=... -P check-command-line.cmake
#
# The real fuelcalc with no display at all: --help and --version answer and exit 0, an unknown
# option says so in one line and exits 2, all before Qt looks for a window system (which would
# abort without one, or open a window and never end: hence the timeout). Without an option, the
# program says in one line that there is no display and exits 1, instead of Qt's abort.

# run(NAME ARGUMENT EXPECTED-STATUS OUTPUT-PATTERN ERROR-PATTERN): patterns match the whole text.
function(run name argument status output error)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env
            --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${PROGRAM} ${argument}
        RESULT_VARIABLE got_status
        OUTPUT_VARIABLE got_output
        ERROR_VARIABLE got_error
        TIMEOUT 10)
    if(NOT got_status STREQUAL status)
        message(SEND_ERROR "${name}: exit status ${got_status}, expected ${status}\n${got_error}")
    endif()
    if(NOT got_output MATCHES "^${output}$")
        message(SEND_ERROR "${name}: standard output was\n${got_output}")
    endif()
    if(NOT got_error MATCHES "^${error}$")
        message(SEND_ERROR "${name}: standard error was\n${got_error}")
    endif()
endfunction()

string(REPLACE "." "\\." version "${VERSION}")
run(help --help 0 "Usage: fuelcalc .*\n  --help .*\n  --version [^\n]*\n" "")
run(version --version 0 "fuelcalc ${version}\n" "")
run(unknown --bogus 2 "" "[^\n]*--bogus[^\n]*\n")
run(qt-option -platform 2 "" "[^\n]*-platform[^\n]*\n")
run(no-display "" 1 "" "fuelcalc: [^\n]*WAYLAND_DISPLAY[^\n]*DISPLAY[^\n]*\n")
