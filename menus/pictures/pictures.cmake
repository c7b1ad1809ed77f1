# The menus' pictures: generated GUI_Bitmap data (tools/bitmapgen, target
# regenerate-pictures); the firmware only compiles the committed result.
target_sources(kalvero_firmware PRIVATE ${CMAKE_CURRENT_LIST_DIR}/pictures.cpp)
