# Libraries and tests pick up their sources by folder, so adding a file pair
# to a subsystem folder needs no edit here.
function(quellon_glob_sources out)
  set(files)
  foreach(dir ${ARGN})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${dir}/*.cpp ${dir}/*.c)
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# One test program per source tree; every TEST in it becomes a CTest case.
function(quellon_add_tests name)
  cmake_parse_arguments(QT "" "" "DIRS;LIBS" ${ARGN})
  quellon_glob_sources(srcs ${QT_DIRS})
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${QT_LIBS} quellon_testsupport GTest::gtest)
  include(GoogleTest)
  # The environment comes from the programs' own main (tests/support), so a
  # test run by hand behaves as under CTest.
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120)
endfunction()
