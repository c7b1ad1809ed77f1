# Drawing core, text output, memory pool and display driver.
target_sources(kalvero_firmware PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/gui_bitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_error.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_fill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_font_prop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_shapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_text_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_text_runs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_text_wrap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_trig.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guialloc1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lcd_config.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lcd_display_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lcd_frame_buffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lcd_panel.cpp)
