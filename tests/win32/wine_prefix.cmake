# Makes the tests' Wine prefix, the first time, and maps the SimSun of the design to the host's
# AR PL UMing CN, which has the same metrics (12 px CJK, 6 px narrow characters at 96 dpi). Wine
# leaves the windows unmanaged: on a display without a window manager, each managed window that
# hides (every closed message box and window) would wait two seconds for the manager's answer.
foreach(setting IN ITEMS "Fonts\\Replacements;SimSun;AR PL UMing CN" "X11 Driver;Managed;N")
    list(GET setting 0 key)
    list(GET setting 1 name)
    list(GET setting 2 value)
    execute_process(COMMAND ${WINE} reg add "HKCU\\Software\\Wine\\${key}" /v ${name}
            /d ${value} /f
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "could not set ${key}\\${name} in the Wine prefix")
    endif()
endforeach()
