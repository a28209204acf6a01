# The windows, tested with real widgets on Qt's offscreen platform: tests/ui_*_test.cpp.
# (ui_card_images_test.cpp belongs to the artwork and has its own program.)
include(${CMAKE_CURRENT_LIST_DIR}/program_under_test.cmake)
if(TARGET baralune_ui)
  find_package(Qt6 COMPONENTS Test REQUIRED)
  file(GLOB ui_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/ui_*_test.cpp)
  list(FILTER ui_test_sources EXCLUDE REGEX "ui_card_images_test\\.cpp$")
  add_executable(ui_tests ${ui_test_sources} ${CMAKE_CURRENT_LIST_DIR}/ui_test_main.cpp)
  target_link_libraries(ui_tests PRIVATE baralune_ui Qt6::Test GTest::gtest baralune_warnings)
  target_include_directories(ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/ui)
  # The single-instance test starts the program twice.
  target_compile_definitions(ui_tests PRIVATE BARALUNE_PROGRAM="$<TARGET_FILE:baralune_under_test>")
  add_dependencies(ui_tests baralune_under_test)
  gtest_discover_tests(ui_tests DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 600 ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  # The high-DPI and text-fit tests once more on a screen of device pixel ratio 2.
  add_test(NAME ui_high_dpi_at_2x COMMAND ui_tests --gtest_filter=HighDpiTest.*:*TextFitTest.*)
  set_tests_properties(ui_high_dpi_at_2x PROPERTIES TIMEOUT 600
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
  # Memory over many readings once more on a real X server, whose style pieces differ.
  find_program(XVFB_RUN xvfb-run)
  if(XVFB_RUN)
    add_test(NAME ui_memory_on_x11
             COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
                     $<TARGET_FILE:ui_tests> --gtest_filter=MemoryTest.*)
    set_tests_properties(ui_memory_on_x11 PROPERTIES TIMEOUT 600 LABELS no-sanitize
      ENVIRONMENT QT_QPA_PLATFORM=xcb)
  endif()
endif()
