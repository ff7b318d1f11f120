# The object and scene loaders and their tests under the sanitizers: a
# refused number in a scene or object file throws midway through building
# nodes, and the leak checker sees whatever that leaves behind.
quellon_add_asan_tests(objects_tests_asan
  DIRS
    ${CMAKE_SOURCE_DIR}/engine/source/Objects
    ${CMAKE_CURRENT_SOURCE_DIR}/engine/Objects
  LIBS vantile)
