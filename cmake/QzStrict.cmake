# All warnings and Qt strictness in one place; every target links qz_strict.
add_library(qz_strict INTERFACE)
target_compile_options(qz_strict INTERFACE
  -Wall -Wextra -pedantic -Wnon-virtual-dtor)
if(QZ_WERROR)
  target_compile_options(qz_strict INTERFACE -Werror)
endif()
target_compile_definitions(qz_strict INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_USE_QSTRINGBUILDER
  QT_DISABLE_DEPRECATED_BEFORE=0x050F00)
if(QZ_SANITIZE)
  target_compile_options(qz_strict INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(qz_strict INTERFACE -fsanitize=address,undefined)
endif()
