# The board and its tests built again with AddressSanitizer and
# UndefinedBehaviorSanitizer. Only the board's own folders, its rules and the item
# code it drives are instrumented; everything else links from the normal
# libraries, whose copies of these files the linker then never needs. The
# target is left out of the normal build: the test builds it and runs it.
set(BOARD_ASAN_DIRS
  ${CMAKE_SOURCE_DIR}/Source/Game/Board
  ${CMAKE_SOURCE_DIR}/Source/Game/Destructors
  ${CMAKE_SOURCE_DIR}/Source/Game/Items
  ${CMAKE_SOURCE_DIR}/Source/Game/Paths
  ${CMAKE_SOURCE_DIR}/Source/Game/Rules
  ${CMAKE_CURRENT_SOURCE_DIR}/Source/Game/Board
  ${CMAKE_CURRENT_SOURCE_DIR}/Source/Game/Destructors)
quellon_glob_sources(BOARD_ASAN_SOURCES ${BOARD_ASAN_DIRS})
# The drawn board needs the software rasteriser, whose own allocations the
# leak checker reports; the board logic is what runs instrumented.
list(FILTER BOARD_ASAN_SOURCES EXCLUDE REGEX "_render_test\\.cpp$")
add_executable(board_tests_asan EXCLUDE_FROM_ALL ${BOARD_ASAN_SOURCES})
target_include_directories(board_tests_asan PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/Source/Game/Board)
set(BOARD_ASAN_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
target_compile_options(board_tests_asan PRIVATE ${BOARD_ASAN_FLAGS} -O1)
target_link_options(board_tests_asan PRIVATE ${BOARD_ASAN_FLAGS})
target_link_libraries(board_tests_asan PRIVATE quellon_game quellon_testsupport GTest::gtest)
set_target_properties(board_tests_asan PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_test(NAME board_tests_asan
  COMMAND sh -c "\"${CMAKE_COMMAND}\" --build \"${CMAKE_BINARY_DIR}\" --target board_tests_asan -j2 > board_tests_asan.build.log 2>&1 || { cat board_tests_asan.build.log; exit 1; }; ./board_tests_asan"
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set_tests_properties(board_tests_asan PROPERTIES TIMEOUT 900
  ENVIRONMENT "SDL_VIDEODRIVER=offscreen;ALSOFT_DRIVERS=null;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home;ASAN_OPTIONS=detect_leaks=1")
