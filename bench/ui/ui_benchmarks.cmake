# Benchmarks of the windows: bench/ui/<name>.cpp -> bin/bench_ui_<name>. They need Qt Widgets,
# so they are built only with the windows.
include(${PROJECT_SOURCE_DIR}/tests/program_under_test.cmake)
if(TARGET baralune_ui)
  find_package(Qt6 COMPONENTS Test REQUIRED)
  file(GLOB ui_bench_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
  list(FILTER ui_bench_sources EXCLUDE REGEX "bench_main\\.cpp$")
  add_executable(empty_window_program ${CMAKE_CURRENT_LIST_DIR}/empty_window/empty_window.cpp)
  target_link_libraries(empty_window_program PRIVATE Qt6::Widgets)
  foreach(source ${ui_bench_sources})
    get_filename_component(name ${source} NAME_WE)
    add_executable(bench_ui_${name} ${source} ${CMAKE_CURRENT_LIST_DIR}/bench_main.cpp)
    target_link_libraries(bench_ui_${name} PRIVATE baralune_ui Qt6::Test benchmark::benchmark
                          baralune_warnings)
    target_include_directories(bench_ui_${name} PRIVATE ${PROJECT_SOURCE_DIR}/ui)
    target_compile_definitions(bench_ui_${name} PRIVATE
      BARALUNE_PROGRAM="$<TARGET_FILE:baralune_under_test>"
      EMPTY_WINDOW_PROGRAM="$<TARGET_FILE:empty_window_program>")
    add_dependencies(bench_ui_${name} baralune_under_test empty_window_program)
  endforeach()
endif()
