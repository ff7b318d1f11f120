# The program built again with AddressSanitizer and UndefinedBehaviorSanitizer
# for the monkey (Source/main/autoplay/monkey.h): the game, its menus, its
# profiles, the program's entry and the engine are instrumented; the
# platform layer (SDL, OpenGL, the Direct3D stand-in) and the outside
# libraries run as they are. The target is left out of the normal build:
# the test builds it, then lets the monkey play a few seeds for about
# three minutes in all, on the fixed step so that any finding replays.
set(MONKEY_ASAN_DIRS
  ${CMAKE_SOURCE_DIR}/Source/Game
  ${CMAKE_SOURCE_DIR}/Source/gui
  ${CMAKE_SOURCE_DIR}/Source/Business
  ${CMAKE_SOURCE_DIR}/Source/main
  ${CMAKE_SOURCE_DIR}/engine/source)
quellon_glob_sources(MONKEY_ASAN_SOURCES ${MONKEY_ASAN_DIRS})
list(APPEND MONKEY_ASAN_SOURCES ${CMAKE_SOURCE_DIR}/tools/levellab/labbot.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/monkey/keep_modules.cpp)
add_executable(quellon_asan EXCLUDE_FROM_ALL ${MONKEY_ASAN_SOURCES})
target_include_directories(quellon_asan PRIVATE
  ${CMAKE_SOURCE_DIR}/Source ${CMAKE_SOURCE_DIR}/engine/source ${CMAKE_SOURCE_DIR}/tools)
target_compile_definitions(quellon_asan PRIVATE LUABIND_USE_CXX11 QUELLON_VERSION="${PROJECT_VERSION}")
set(MONKEY_ASAN_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer)
# Line tables are all a report needs, and they compile a third faster.
target_compile_options(quellon_asan PRIVATE ${MONKEY_ASAN_FLAGS} -O1 -g1)
target_link_options(quellon_asan PRIVATE ${MONKEY_ASAN_FLAGS})
# The engine's and the game's own libraries, without the libraries that
# hold uninstrumented copies of the same files.
target_link_libraries(quellon_asan PRIVATE
  quellon_platform ZLIB::ZLIB PkgConfig::TINYXML PkgConfig::LUA PkgConfig::LUABIND PkgConfig::LIBDEFLATE
  PkgConfig::CEGUI PkgConfig::OPENAL PkgConfig::VORBISFILE)
set_target_properties(quellon_asan PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Three seeds of half a game minute each: about three minutes on two cores
# once the program is built (its build takes about six more from a cold
# cache).
add_test(NAME monkey_asan
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/monkey/monkey_asan.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} 0.5 1 2 3
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set_tests_properties(monkey_asan PROPERTIES TIMEOUT 1500)
