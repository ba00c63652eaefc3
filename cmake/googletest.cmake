# Finds GoogleTest for the tests, or turns the tests off with one message. A native build uses
# the installed library; a cross build compiles GoogleTest from the sources that Debian's
# libgtest-dev ships, since the installed library is built for the host.
set(TEVLIN_GTEST_SOURCES /usr/src/googletest CACHE PATH
    "GoogleTest sources, compiled for the tests of a cross build")

if(CMAKE_CROSSCOMPILING)
  if(EXISTS ${TEVLIN_GTEST_SOURCES}/CMakeLists.txt)
    set(BUILD_GMOCK OFF)
    set(INSTALL_GTEST OFF)
    # GoogleTest's own build names its libraries GTest::gtest and GTest::gtest_main too.
    add_subdirectory(${TEVLIN_GTEST_SOURCES} googletest EXCLUDE_FROM_ALL SYSTEM)
  endif()
else()
  find_package(GTest)
endif()

if(NOT TARGET GTest::gtest)
  message(NOTICE "GoogleTest not found (Debian: apt-get install libgtest-dev): building tevlin "
                 "without its tests")
  set(TEVLIN_TESTS OFF)
endif()
