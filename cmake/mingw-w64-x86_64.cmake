# Cross-builds the core, orbek-cli and their tests for 64-bit Windows with
# Debian's MinGW-w64 (posix threads, package g++-mingw-w64-x86-64-posix):
#
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DCMAKE_BUILD_TYPE=Release -DORBEK_BUILD_GUI=OFF
#
# Programs link the C++ runtime and winpthread statically, so they run under
# Wine or on Windows with no DLL beside them. Programs the build or CTest
# runs (the demo generator, the tests) go through Wine (wine64), with a Wine
# prefix inside the build folder. The editor needs Qt, which Debian has not
# built for MinGW: configure with ORBEK_BUILD_GUI=OFF.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORBEK_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORBEK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORBEK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORBEK_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORBEK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# CLI11 and nlohmann-json are header-only, so Debian's copies serve any
# target. Their package files name /usr/include, which must not come before
# the MinGW headers; a folder in the build tree offers their headers alone.
get_property(ORBEK_IN_TRY_COMPILE GLOBAL PROPERTY IN_TRY_COMPILE)
if(NOT ORBEK_IN_TRY_COMPILE)
    set(ORBEK_HEADER_LIBS ${CMAKE_BINARY_DIR}/header-only-libs)
    file(MAKE_DIRECTORY ${ORBEK_HEADER_LIBS}/include)
    foreach(headers CLI nlohmann)
        if(NOT EXISTS ${ORBEK_HEADER_LIBS}/include/${headers})
            file(CREATE_LINK /usr/include/${headers} ${ORBEK_HEADER_LIBS}/include/${headers} SYMBOLIC)
        endif()
    endforeach()
    foreach(package CLI11 nlohmann_json)
        file(COPY /usr/share/cmake/${package} DESTINATION ${ORBEK_HEADER_LIBS}/share/cmake)
        set(${package}_DIR ${ORBEK_HEADER_LIBS}/share/cmake/${package} CACHE PATH "" FORCE)
    endforeach()

    find_program(ORBEK_WINE wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
    if(ORBEK_WINE)
        set(CMAKE_CROSSCOMPILING_EMULATOR
            ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all
            "WINEDLLOVERRIDES=mscoree,mshtml=" ${ORBEK_WINE})
    endif()
endif()
