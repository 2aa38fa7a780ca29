# Makes the tests' Wine prefix, the first time, and maps the SimSun of the design to the host's
# AR PL UMing CN, which has the same metrics (12 px CJK, 6 px narrow characters at 96 dpi).
execute_process(COMMAND ${WINE} reg add "HKCU\\Software\\Wine\\Fonts\\Replacements"
        /v SimSun /d "AR PL UMing CN" /f
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not set the font replacement in the Wine prefix")
endif()
