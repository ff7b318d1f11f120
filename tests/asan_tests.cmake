# A test program built again with AddressSanitizer and UndefinedBehaviorSanitizer
# from the sources and tests of a few folders. Only those are instrumented;
# everything else links from the normal libraries, whose copies of these files
# the linker then never needs. The target is left out of the normal build: its
# test builds it and runs it, with the leak checker on.
function(quellon_add_asan_tests name)
  cmake_parse_arguments(QA "" "EXCLUDE" "DIRS;INCLUDES;LIBS" ${ARGN})
  quellon_glob_sources(srcs ${QA_DIRS})
  if(QA_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${QA_EXCLUDE}")
  endif()
  add_executable(${name} EXCLUDE_FROM_ALL ${srcs})
  target_include_directories(${name} PRIVATE ${QA_INCLUDES})
  set(flags -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(${name} PRIVATE ${flags} -O1)
  target_link_options(${name} PRIVATE ${flags})
  target_link_libraries(${name} PRIVATE ${QA_LIBS} quellon_testsupport GTest::gtest)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  add_test(NAME ${name}
    COMMAND sh -c "\"${CMAKE_COMMAND}\" --build \"${CMAKE_BINARY_DIR}\" --target ${name} -j2 > ${name}.build.log 2>&1 || { cat ${name}.build.log; exit 1; }; ./${name}"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${name} PROPERTIES TIMEOUT 900
    ENVIRONMENT "SDL_VIDEODRIVER=offscreen;ALSOFT_DRIVERS=null;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home;ASAN_OPTIONS=detect_leaks=1")
endfunction()
