# Text module: current language, the German table and the lookup in the
# parameter store's language image.
target_sources(kalvero_firmware PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_fonts.cpp
)

# The German table and the delivered parameter store image are packed from
# the translation files at every build in which one of them changed.
file(GLOB KALVERO_PO_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lang/*.po)
set(KALVERO_POT_FILE ${PROJECT_SOURCE_DIR}/lang/kalvero.pot)
set(KALVERO_GERMAN_TABLE ${CMAKE_CURRENT_BINARY_DIR}/text_german_table.cpp)
set(KALVERO_PARAM_STORE_IMAGE ${CMAKE_CURRENT_BINARY_DIR}/param_store_image.cpp)
add_custom_command(
  OUTPUT ${KALVERO_GERMAN_TABLE} ${KALVERO_PARAM_STORE_IMAGE}
  COMMAND kalvero-langpack --pot ${KALVERO_POT_FILE} --po ${KALVERO_PO_FILES}
          --german-out ${KALVERO_GERMAN_TABLE} --image-out ${KALVERO_PARAM_STORE_IMAGE}
  DEPENDS kalvero-langpack ${KALVERO_POT_FILE} ${KALVERO_PO_FILES}
  COMMENT "Packing the German table and the language image"
  VERBATIM
)
# The firmware library lives in the top directory; this target carries the
# generation rule here.
add_custom_target(kalvero_packed_texts DEPENDS ${KALVERO_GERMAN_TABLE} ${KALVERO_PARAM_STORE_IMAGE})
set_target_properties(kalvero_packed_texts PROPERTIES POT_FILE ${KALVERO_POT_FILE} PO_FILES "${KALVERO_PO_FILES}")
add_dependencies(kalvero_firmware kalvero_packed_texts)
target_sources(kalvero_firmware PRIVATE ${KALVERO_GERMAN_TABLE} ${KALVERO_PARAM_STORE_IMAGE})
