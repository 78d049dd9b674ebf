# GoogleTest for the WebAssembly build: Debian ships its sources, compiled here with the rest.
# The test programs run under node (the toolchain's CMAKE_CROSSCOMPILING_EMULATOR), which
# gtest_discover_tests uses to list their tests.
set(QUIRLWEG_GOOGLETEST_SOURCE /usr/src/googletest/googletest
    CACHE PATH "GoogleTest's sources, for the WebAssembly build")
if(NOT EXISTS ${QUIRLWEG_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest's sources are missing: apt-get install libgtest-dev")
endif()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUIRLWEG_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Not our code: its warnings are not ours to mend.
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)
