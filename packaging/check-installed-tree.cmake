# cmake -DBUILD_DIR=dir -DSTAGE=dir -DAPPSTREAMCLI=path -P check-installed-tree.cmake
#
# Installs the build into an empty staging prefix and judges the tree as a desktop would see it
# on a machine: AppStream checks that the metainfo's launchable names an installed desktop file,
# and each desktop file must name a program and an icon that were installed, or menus show a
# blank icon or an entry that does nothing.

file(REMOVE_RECURSE "${STAGE}")
set(prefix "${STAGE}/usr")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
    OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND "${APPSTREAMCLI}" validate-tree --no-net --strict --explain "${STAGE}"
    COMMAND_ERROR_IS_FATAL ANY)

file(GLOB entries "${prefix}/share/applications/*.desktop")
if(NOT entries)
    message(FATAL_ERROR "no desktop file installed")
endif()
foreach(entry IN LISTS entries)
    file(STRINGS "${entry}" exec REGEX "^Exec=")
    file(STRINGS "${entry}" icon REGEX "^Icon=")
    string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
    string(REGEX REPLACE "^Icon=" "" icon "${icon}")
    if(NOT EXISTS "${prefix}/bin/${exec}")
        message(FATAL_ERROR "${entry}: Exec names ${exec}, which is not installed in bin/")
    endif()
    file(GLOB icons "${prefix}/share/icons/hicolor/*/apps/${icon}.png"
                    "${prefix}/share/icons/hicolor/*/apps/${icon}.svg")
    if(NOT icons)
        message(FATAL_ERROR "${entry}: Icon names ${icon}, which is not in the hicolor theme")
    endif()
endforeach()
