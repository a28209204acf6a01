# card_images_tests: the card image lists and artwork, run without any application object;
# card_painting_tests: the painter behind them, against the committed pictures. The double-size
# pictures for high-density screens are checked with each.
if(TARGET baralune_card_images)
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(card_images_tests ${CMAKE_CURRENT_LIST_DIR}/ui_card_images_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/high_dpi_artwork_test.cpp)
  target_link_libraries(card_images_tests PRIVATE baralune_card_images GTest::gtest_main
    baralune_warnings)
  gtest_discover_tests(card_images_tests DISCOVERY_TIMEOUT 60)

  if(TARGET baralune_card_painting)
    add_executable(card_painting_tests ${CMAKE_CURRENT_LIST_DIR}/tools_card_painting_test.cpp)
    target_link_libraries(card_painting_tests PRIVATE baralune_card_painting
      baralune_card_images GTest::gtest_main baralune_warnings)
    target_compile_definitions(card_painting_tests PRIVATE
      BARALUNE_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets")
    gtest_discover_tests(card_painting_tests DISCOVERY_TIMEOUT 60)
  endif()
endif()
