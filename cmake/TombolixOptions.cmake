# Compiler warnings, Qt strictness and sanitizers in one INTERFACE target that every target links.
add_library(tombolix_options INTERFACE)

if(MSVC)
  target_compile_options(tombolix_options INTERFACE /W4 /WX /utf-8 /permissive-)
else()
  target_compile_options(tombolix_options INTERFACE
    -Wall -Wextra -Wpedantic -Werror -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
endif()

target_compile_definitions(tombolix_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_KEYWORDS QT_DISABLE_DEPRECATED_UP_TO=0x060000)

if(TOMBOLIX_SANITIZE)
  target_compile_options(tombolix_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(tombolix_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()
