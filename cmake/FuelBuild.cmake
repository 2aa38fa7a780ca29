# Project-wide compiler settings, applied target by target so that nothing leaks to Qt's own.

if(FUEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# What ships is the same bytes wherever it is built: no folder of the build machine reaches the
# objects (assertion messages, debug information before it is stripped).
if(NOT MSVC)
    add_compile_options(
        $<$<CONFIG:Release,MinSizeRel>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>
        $<$<CONFIG:Release,MinSizeRel>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>)
endif()

# Coverage feedback from every project library, so that the fuzzers in fuzz/ can steer into them.
if(FUEL_BUILD_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(fuel_set_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual -Werror)
        # g++ 12 at -O3 reports -Wrestrict inside std::string where there is no overlap
        # (GCC bug 105329).
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
    endif()
endfunction()
