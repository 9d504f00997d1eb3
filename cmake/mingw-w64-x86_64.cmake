# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which std::thread needs). Libraries built for Windows are looked for
# only under the MinGW root and under $KORVATH_WINDOWS_PREFIX (where
# scripts/windows-build.sh installs them), never in the host's /usr.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KORVATH_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KORVATH_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVATH_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVATH_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${KORVATH_MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${KORVATH_MINGW_TRIPLET}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${KORVATH_MINGW_TRIPLET})
if(DEFINED ENV{KORVATH_WINDOWS_PREFIX})
    list(APPEND CMAKE_FIND_ROOT_PATH $ENV{KORVATH_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
