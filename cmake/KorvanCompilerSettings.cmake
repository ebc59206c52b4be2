# Interface targets that every Korvan target links: korvan::warnings and korvan::sanitize.

add_library(korvan_warnings INTERFACE)
add_library(korvan::warnings ALIAS korvan_warnings)
target_compile_options(korvan_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override
    -Wcast-qual -Wformat=2 -Wimplicit-fallthrough -Wzero-as-null-pointer-constant
    -Wmissing-declarations -Wextra-semi -Wundef)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(korvan_warnings INTERFACE -Wduplicated-cond -Wlogical-op)
endif()
if(KORVAN_WERROR)
    target_compile_options(korvan_warnings INTERFACE -Werror)
endif()

add_library(korvan_sanitize INTERFACE)
add_library(korvan::sanitize ALIAS korvan_sanitize)
if(KORVAN_SANITIZE)
    set(_korvan_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_compile_options(korvan_sanitize INTERFACE ${_korvan_san})
    target_link_options(korvan_sanitize INTERFACE ${_korvan_san})
endif()
# The fuzzing build (clang only) instruments everything for libFuzzer's coverage feedback as well;
# the fuzz targets add libFuzzer's own main when they link.
if(KORVAN_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "KORVAN_FUZZ needs clang++ (libFuzzer): configure with CXX=clang++")
    endif()
    set(_korvan_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_compile_options(korvan_sanitize INTERFACE ${_korvan_san} -fsanitize=fuzzer-no-link)
    target_link_options(korvan_sanitize INTERFACE ${_korvan_san})
endif()

# g++ 12 reports -Wrestrict inside std::string's own operator+ when optimising ("accessing
# 9223372036854775810 or more bytes"), a false positive of that release (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(korvan_warnings INTERFACE -Wno-restrict)
endif()
