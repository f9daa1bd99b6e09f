# Cross build for 32-bit Windows: the writing core with both Windows families and its tests,
# which CTest runs under 32-bit Wine where the machine runs 32-bit programs (cmake/MinGW.cmake).
set(CMAKE_SYSTEM_PROCESSOR i686)
# Code for the Pentium, so that the machines of the 95 family's time (a Pentium, a Pentium MMX,
# a K6) run it: the compiler's own default is the Pentium Pro, whose CMOV and FCOMI they stop on.
set(CMAKE_C_FLAGS_INIT "-march=i586")
set(CMAKE_CXX_FLAGS_INIT "-march=i586")
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
