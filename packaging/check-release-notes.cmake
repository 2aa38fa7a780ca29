# cmake -DVERSION=x.y.z -DMETAINFO=file -DDEBIAN_CHANGELOG=file -DCHANGELOG=file
#       -P check-release-notes.cmake
#
# Fails when the newest entry of a set of release notes is not the version being built, so that
# a version bump cannot ship with the previous release's notes (software centres show the
# metainfo's newest release as the program's version; Debian tools read the changelog's; people
# read CHANGELOG.md).

foreach(notes IN ITEMS
        "metainfo|${METAINFO}|<release[^>]* version=\"([^\"]+)\""
        "Debian changelog|${DEBIAN_CHANGELOG}|^fuelcalc \\(([^)]+)\\)"
        "CHANGELOG.md|${CHANGELOG}|\n## ([0-9.]+) ")
    string(REPLACE "|" ";" notes "${notes}")
    list(GET notes 0 label)
    list(GET notes 1 file)
    list(GET notes 2 pattern)
    file(READ "${file}" text)
    if(NOT text MATCHES "${pattern}")
        message(FATAL_ERROR "${label} ${file}: no release entry found")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
        message(FATAL_ERROR
            "${label} ${file}: newest entry is ${CMAKE_MATCH_1}, the project is ${VERSION}")
    endif()
    message(STATUS "${label}: ${CMAKE_MATCH_1}")
endforeach()
