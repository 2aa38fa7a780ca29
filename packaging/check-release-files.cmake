# cmake -DVERSION=x.y.z -DPRODUCT_NAME=name -DMETAINFO=file -DDEBIAN_CHANGELOG=file
#       -DCHANGELOG=file -DDESKTOP=file -DMANPAGE=file -DVERSION_RESOURCE=file -DWINDOWS_MANUAL=file
#       -P check-release-files.cmake
#
# Fails when a file that people or their tools read says another version or another name than
# the one being built, so that neither can drift: a version bump cannot ship with the previous
# release's notes (software centres show the metainfo's newest release as the program's version,
# Debian tools read the changelog's, people read CHANGELOG.md and the manual page), and the
# program is called the same in the menu, the software centre, the manual and Windows' file
# properties. The desktop file and the metainfo hold the name as text; the manual page (as
# generated) and the version resource (still a template) must take it from the build.

# The version resource is configured only in a Windows build: its template must name the variable.
set(TEMPLATE_NAME "@FUEL_PRODUCT_NAME@")

# Each row: what is read | the file | a pattern whose first group is what it says | the name of
# the variable holding what it must say.
foreach(row IN ITEMS
        "metainfo, newest release|${METAINFO}|<release[^>]* version=\"([^\"]+)\"|VERSION"
        "Debian changelog, newest entry|${DEBIAN_CHANGELOG}|^fuelcalc \\(([^)]+)\\)|VERSION"
        "CHANGELOG.md, newest entry|${CHANGELOG}|\n## ([0-9.]+) |VERSION"
        "Windows manual, newest 更新说明 entry|${WINDOWS_MANUAL}|\n([0-9.]+)（|VERSION"
        "manual page, version|${MANPAGE}|^\\.TH [^\n]*\"fuelcalc ([^\"]+)\"|VERSION"
        "manual page, name|${MANPAGE}|\n\\.SH NAME\nfuelcalc \\\\- ([^:\n]+):|PRODUCT_NAME"
        "desktop file, Name|${DESKTOP}|\nName=([^\n]*)|PRODUCT_NAME"
        "desktop file, Name[zh_CN]|${DESKTOP}|\nName\\[zh_CN\\]=([^\n]*)|PRODUCT_NAME"
        "metainfo, name|${METAINFO}|<name>([^<]*)</name>|PRODUCT_NAME"
        "metainfo, zh_CN name|${METAINFO}|<name xml:lang=\"zh_CN\">([^<]*)</name>|PRODUCT_NAME"
        "version resource, ProductName|${VERSION_RESOURCE}|\"ProductName\", \"([^\"]*)\"|TEMPLATE_NAME"
        "version resource, FileDescription|${VERSION_RESOURCE}|\"FileDescription\", \"([^\"]*)\"|TEMPLATE_NAME")
    string(REPLACE "|" ";" row "${row}")
    list(GET row 0 label)
    list(GET row 1 file)
    list(GET row 2 pattern)
    list(GET row 3 expected)
    file(READ "${file}" text)
    if(NOT text MATCHES "${pattern}")
        message(FATAL_ERROR "${label}: nothing found in ${file}")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL "${${expected}}")
        message(FATAL_ERROR "${label}: ${file} says \"${CMAKE_MATCH_1}\", not \"${${expected}}\"")
    endif()
    message(STATUS "${label}: ${CMAKE_MATCH_1}")
endforeach()
