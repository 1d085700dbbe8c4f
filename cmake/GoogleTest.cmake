# GoogleTest is built from Debian's sources, the same for both builds.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# GCC 12 warns falsely (-Wrestrict) inside gtest.cc itself; our own code keeps
# every warning.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(gtest PRIVATE -Wno-restrict)
endif()
