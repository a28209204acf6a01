# baralune_card_images: the card face lists and other artwork, loaded from resources built
# into the program, and the embedder that puts the small faces into reports. Needs Qt Gui
# only, so the headless dealer can link it too.
set(BARALUNE_ART_DIR ${CMAKE_CURRENT_LIST_DIR}/../assets)
cmake_path(NORMAL_PATH BARALUNE_ART_DIR)

# The compiled resource goes into an object library whose objects every consumer links
# directly: in a static archive nothing would reference its initialiser and the linker would
# drop it, leaving the images unregistered.
qt_add_resources(baralune_card_art_sources ${BARALUNE_ART_DIR}/assets.qrc)
add_library(baralune_card_art OBJECT ${baralune_card_art_sources})
target_link_libraries(baralune_card_art PRIVATE Qt6::Core)

add_library(baralune_card_images STATIC
  ${CMAKE_CURRENT_LIST_DIR}/artwork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_image_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_picture_embedder.cpp
)
target_sources(baralune_card_images INTERFACE $<TARGET_OBJECTS:baralune_card_art>)
target_include_directories(baralune_card_images PUBLIC
  ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/../richtext)
target_link_libraries(baralune_card_images PUBLIC Qt6::Gui baralune_richtext baralune_engine
  PRIVATE baralune_warnings)
