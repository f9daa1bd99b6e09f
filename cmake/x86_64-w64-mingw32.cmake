# Cross build for 64-bit Windows: the writing core of the NT family and its tests, which CTest
# runs under 64-bit Wine on every machine of ours (cmake/MinGW.cmake).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
