# What both Windows cross builds share: MinGW-w64 for the CMAKE_SYSTEM_PROCESSOR that the
# including toolchain file names, and Wine of the same width to run the tests through.
# The -win32 compilers: their C++ runtime has no thread library of its own (the -posix
# ones link winpthreads, which imports functions that only Vista and later export), and the
# framework's threads and locks are the system's own anyway. Everything is linked statically,
# so an .exe needs no DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(KORVANT_MINGW_TARGET ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

set(CMAKE_C_COMPILER ${KORVANT_MINGW_TARGET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${KORVANT_MINGW_TARGET}-g++-win32)
set(CMAKE_RC_COMPILER ${KORVANT_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KORVANT_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# A 64-bit program needs 64-bit Wine, which /usr/bin/wine would not pick: wine-run is told
# the width and takes the loader that matches.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(KORVANT_WINE_ARCH win64)
else()
  set(KORVANT_WINE_ARCH win32)
endif()
get_filename_component(KORVANT_WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/../tests/windows/wine-run ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVANT_WINE_RUN} ${KORVANT_WINE_ARCH})
