# The Windows build's tests run under Wine, in a prefix of each kind of Windows that runs the
# build's programs: a 32-bit program runs on 32-bit Windows and on 64-bit Windows (WoW64), a 64-bit
# one on 64-bit Windows only. Each prefix is made once by a setup test (tools/wine-run.sh).

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(FUEL_WINE_KINDS wow64 win32)
else()
    set(FUEL_WINE_KINDS wow64)
endif()

set(FUEL_WINE_RUN bash ${PROJECT_SOURCE_DIR}/tools/wine-run.sh)
# What wine-run.sh exits with where this machine cannot run the kind or the program (wine-env.sh).
set(FUEL_WINE_SKIPPED 77)

foreach(kind IN LISTS FUEL_WINE_KINDS)
    add_test(NAME wine_prefix_${kind} COMMAND ${FUEL_WINE_RUN} ${CMAKE_BINARY_DIR}/wine-${kind} ${kind})
    set_tests_properties(wine_prefix_${kind} PROPERTIES FIXTURES_SETUP wine_${kind} TIMEOUT 300
        SKIP_RETURN_CODE ${FUEL_WINE_SKIPPED})
endforeach()

# fuel_add_wine_test(NAME TARGET [ARGUMENTS...]): TARGET run under Wine in each prefix; the test is
# called NAME on 64-bit Windows and NAME.win32 on 32-bit Windows.
function(fuel_add_wine_test name target)
    foreach(kind IN LISTS FUEL_WINE_KINDS)
        set(test ${name})
        if(kind STREQUAL "win32")
            set(test ${name}.win32)
        endif()
        add_test(NAME ${test}
            COMMAND ${FUEL_WINE_RUN} ${CMAKE_BINARY_DIR}/wine-${kind} ${kind}
                $<TARGET_FILE:${target}> ${ARGN})
        set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine_${kind}
            SKIP_RETURN_CODE ${FUEL_WINE_SKIPPED})
    endforeach()
endfunction()
