# Cross build for 32-bit Windows: the writing core with both Windows families and its tests,
# which CTest runs under 32-bit Wine where the machine runs 32-bit programs (cmake/MinGW.cmake).
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
