# Warnings and sanitizers shared by every target of the project.
function(kalvero_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wno-missing-field-initializers)
  if(KALVERO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(KALVERO_SANITIZE)
  string(REPLACE ";" "," _kalvero_sanitizers "${KALVERO_SANITIZE}")
  add_compile_options(-fsanitize=${_kalvero_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${_kalvero_sanitizers})
endif()
