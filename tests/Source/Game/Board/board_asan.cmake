# The board and its tests under the sanitizers: the board's own folders, its
# rules and the item code it drives. The drawn board needs the software
# rasteriser, whose own allocations the leak checker reports, so the drawing
# tests stay out; the board logic is what runs instrumented.
quellon_add_asan_tests(board_tests_asan
  DIRS
    ${CMAKE_SOURCE_DIR}/Source/Game/Board
    ${CMAKE_SOURCE_DIR}/Source/Game/Destructors
    ${CMAKE_SOURCE_DIR}/Source/Game/Items
    ${CMAKE_SOURCE_DIR}/Source/Game/Paths
    ${CMAKE_SOURCE_DIR}/Source/Game/Rules
    ${CMAKE_CURRENT_SOURCE_DIR}/Source/Game/Board
    ${CMAKE_CURRENT_SOURCE_DIR}/Source/Game/Destructors
  EXCLUDE "_render_test\\.cpp$"
  INCLUDES ${CMAKE_CURRENT_SOURCE_DIR}/Source/Game/Board
  LIBS quellon_game)
