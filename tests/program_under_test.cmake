# Baralune with its seams reachable from the environment, for the whole-process tests and the
# start-up benchmark (tests/program_under_test.cpp); the shipped program has no such hooks.
if(TARGET baralune_ui AND NOT TARGET baralune_under_test)
  add_executable(baralune_under_test ${CMAKE_CURRENT_LIST_DIR}/program_under_test.cpp)
  target_link_libraries(baralune_under_test PRIVATE baralune_ui baralune_warnings)
  target_include_directories(baralune_under_test PRIVATE ${PROJECT_SOURCE_DIR}/ui)
endif()
