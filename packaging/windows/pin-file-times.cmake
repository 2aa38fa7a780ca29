# Run by CPack between staging the installer's files and packing them. makensis stores each file's
# time in the installer, and the staged files carry the time they were built; with
# SOURCE_DATE_EPOCH set (tools/release.sh sets it to the commit's time), every staged file takes
# that time instead, so that two builds of one commit give the same installer.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()
execute_process(
    COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec
        touch --no-dereference --date=@$ENV{SOURCE_DATE_EPOCH} {} +
    COMMAND_ERROR_IS_FATAL ANY)
